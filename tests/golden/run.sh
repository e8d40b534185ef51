#!/usr/bin/env bash
# Runs every *.golden file through `quillex --eval -` and compares the output line by line.
# A golden file holds lines "INPUT<TAB>EXPECTED"; a line "#! OPTIONS" sets the options for the
# whole file, other lines starting with '#' are comments. Inputs run in one process, in order.
set -u
quillex=$1
dir=$2
status=0
for file in "$dir"/*.golden; do
    options=$(sed -n 's/^#! //p' "$file" | head -n 1)
    inputs=$(mktemp) expected=$(mktemp) actual=$(mktemp)
    grep -v '^#' "$file" | grep -v '^$' | cut -f 1 >"$inputs"
    grep -v '^#' "$file" | grep -v '^$' | cut -f 2- >"$expected"
    # shellcheck disable=SC2086
    "$quillex" $options --eval - <"$inputs" >"$actual" 2>/dev/null
    if ! diff -u --label "$(basename "$file") expected" --label actual "$expected" "$actual"; then
        status=1
    fi
    rm -f "$inputs" "$expected" "$actual"
done
exit $status
