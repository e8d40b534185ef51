#!/usr/bin/env bash
# Runs every *.golden file through `quillex --eval -` and compares the output line by line.
# A golden file holds lines "INPUT<TAB>EXPECTED"; a line "#! OPTIONS" sets the options for the
# whole file, other lines starting with '#' are comments. Inputs run in one process, in order.
# The run must also end with the status the results call for (0 when every expected result is
# a number, inf, nan and prefixed ones like "5 kilo" included, 1 when one is a message) and
# write nothing to stderr.
#
#   run.sh DIR PROGRAM...   PROGRAM and its first arguments run the program, an emulator too
#
# With QUILLEX_LINE_END=crlf every output line must end in CR LF, as a Windows program writes.
set -u
dir=$1
shift
quillex=("$@")
status=0
line_ends() {
    if [ "${QUILLEX_LINE_END:-}" = crlf ]; then
        sed 's/$/\r/'
    else
        cat
    fi
}
for file in "$dir"/*.golden; do
    name=$(basename "$file")
    options=$(sed -n 's/^#! //p' "$file" | head -n 1)
    inputs=$(mktemp) expected=$(mktemp) actual=$(mktemp) errors=$(mktemp)
    grep -v '^#' "$file" | grep -v '^$' | cut -f 1 >"$inputs"
    grep -v '^#' "$file" | grep -v '^$' | cut -f 2- >"$expected"
    # shellcheck disable=SC2086
    "${quillex[@]}" $options --eval - <"$inputs" >"$actual" 2>"$errors"
    actual_status=$?
    if ! diff -u --label "$name expected" --label actual <(line_ends <"$expected") "$actual"; then
        status=1
    fi
    expected_status=0
    if grep -Evq '^-?(inf|nan|[0-9.,]+([eE][-+][0-9]+)?( [a-z]+)?)$' "$expected"; then
        expected_status=1
    fi
    if [ "$actual_status" -ne "$expected_status" ]; then
        echo "$name: exit status $actual_status, expected $expected_status"
        status=1
    fi
    if [ -s "$errors" ]; then
        echo "$name: unexpected output on stderr:"
        cat "$errors"
        status=1
    fi
    rm -f "$inputs" "$expected" "$actual" "$errors"
done

# A closed standard input is not an empty one: the runs that read it say so and end as for bad
# usage. Through an emulator the program never sees the closed descriptor (wine hands a
# Windows program a standard input of its own), so only a native run is checked.
modes=("--eval -" --interactive)
[ "${#quillex[@]}" -eq 1 ] || modes=()
for mode in "${modes[@]}"; do
    # shellcheck disable=SC2086
    message=$("${quillex[@]}" $mode 2>&1 >/dev/null <&-)
    actual_status=$?
    if [ "$actual_status" -ne 2 ] || [ -z "$message" ]; then
        echo "$mode with standard input closed: exit status $actual_status, message \"$message\""
        status=1
    fi
done

# The standard streams are the program's own over stdio: a failed write is found at the end and
# reported (status 3), and an interactive run shows each prompt before it reads.
if [ "${#quillex[@]}" -eq 1 ]; then
    message=$("${quillex[@]}" --eval '1+1' 2>&1 >/dev/full)
    actual_status=$?
    if [ "$actual_status" -ne 3 ] || [ -z "$message" ]; then
        echo "--eval to a full device: exit status $actual_status, message \"$message\""
        status=1
    fi
    session=$(printf '3+4\n2*5\n' | "${quillex[@]}" --interactive 2>&1 | tail -n +2)
    if [ "$session" != $'> 7\n> 10\n> ' ]; then
        echo "--interactive session: \"$session\""
        status=1
    fi
fi
exit $status
