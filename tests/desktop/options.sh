#!/usr/bin/env bash
# options.sh QUILLEX MANPAGE COMPLETION: the manual page and the bash completion must offer
# exactly the long options that `quillex --help` lists, and the completion the values that
# --help gives as a choice (such as 4|8|16|32). The manual page must also format without
# warnings where groff is installed.
set -euo pipefail
quillex=$1 manpage=$2 completion=$3
failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}
# same WHAT EXPECTED ACTUAL: compares two newline-separated sets.
same() {
    local what=$1 expected actual
    expected=$(sort -u <<<"$2")
    actual=$(sort -u <<<"$3")
    if [ "$expected" != "$actual" ]; then
        fail "$what"
        diff <(echo "$expected") <(echo "$actual") | sed -n 's/^[<>]/  &/p' || true
    fi
}

help=$("$quillex" --help)
# A long option is a word starting with "--"; the one with "=" is the --name=VALUE form.
help_options=$(grep -oE -- '--[a-z][a-z-]*=?' <<<"$help" | grep -v '=$')

# In the roff source "\-" is a hyphen; an option entry is the line after .TP or .TQ.
man_text=$(sed 's/\\-/-/g' "$manpage")
man_entries=$(awk '/^\.SH/ { section = $2 } section == "OPTIONS" && tagged { print } \
    { tagged = /^\.T[PQ]/ }' <<<"$man_text" | grep -oE -- '--[a-z][a-z-]*')
same "the manual page's OPTIONS entries (>) differ from --help (<)" "$help_options" "$man_entries"
man_mentions=$(grep -oE -- '--[a-z][a-z-]*' <<<"$man_text" | sort -u)
unknown=$(comm -13 <(sort -u <<<"$help_options") <(echo "$man_mentions"))
if [ -n "$unknown" ]; then
    fail "the manual page mentions options that --help does not list:" $unknown
fi

# complete WORD...: what the completion offers for the last word of "quillex WORD...".
complete_words() {
    bash -c 'source "$1"; shift; COMP_WORDS=(quillex "$@"); COMP_CWORD=$#
             COMP_LINE="${COMP_WORDS[*]}"; COMP_POINT=${#COMP_LINE}
             _quillex; printf "%s\n" "${COMPREPLY[@]}"' completion "$completion" "$@"
}
same "the completion's options (>) differ from --help (<)" "$help_options" "$(complete_words --)"
while read -r option choices; do
    same "the completion's values for $option" "$(tr '|' '\n' <<<"$choices")" \
        "$(complete_words "$option" '')"
    same "the completion's values for $option=" "$(tr '|' '\n' <<<"$choices")" \
        "$(complete_words "$option" = '')"
done < <(grep -oE -- '--[a-z-]+ [a-z0-9]+(\|[a-z0-9]+)+' <<<"$help")

if command -v groff >/dev/null 2>&1; then
    warnings=$(groff -man -ww -z -Tutf8 "$manpage" 2>&1)
    if [ -n "$warnings" ]; then
        fail "groff warns about the manual page:"
        echo "$warnings"
    fi
else
    echo "groff is not installed: the manual page's formatting is not checked"
fi

if [ "$failures" -ne 0 ]; then
    exit 1
fi
echo "the manual page and the completion offer the options of --help"
