#!/usr/bin/env bash
# installed.sh CHECK CMAKE BUILD_DIR HELP_DIR: installs the build into a fresh prefix and
# checks what the desktop reads there, with the validator the desktops use, failing on any
# error or warning:
#   desktop-entry  desktop-file-validate on the menu entry, and its icon at every size
#   metainfo       appstreamcli validate-tree: the metainfo and the menu entry it launches
#   help           the help pages of HELP_DIR, every one as it is, in share/quillex/HTML_Help
# Exits 77, which ctest counts as skipped, when the validator is not installed.
set -uo pipefail
check=$1 cmake=$2 build=$3 help=$4
case $check in
    desktop-entry) tool=desktop-file-validate ;;
    metainfo) tool=appstreamcli ;;
    help) tool=diff ;;
    *)
        echo "unknown check $check"
        exit 2
        ;;
esac
if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is not installed (scripts/lib.sh lists its package): skipped"
    exit 77
fi

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null || exit 1
share=$prefix/share

failed=0
if [ "$check" = desktop-entry ]; then
    entry=$share/applications/quillex.desktop
    # It exits 0 for hints and warnings, so its output decides.
    output=$(desktop-file-validate "$entry" 2>&1) || failed=1
    icon=$(sed -n 's/^Icon=//p' "$entry")
    for size in 16 22 24 32 48 64 128 256; do
        file=$share/icons/hicolor/${size}x$size/apps/$icon.png
        [ -f "$file" ] || output+=$'\n'"error: no icon $file"
    done
    [ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] ||
        output+=$'\n'"error: no scalable icon $icon.svg"
elif [ "$check" = help ]; then
    output=$(diff -r "$help" "$share/quillex/HTML_Help" 2>&1) ||
        output+=$'\n'"error: the installed help differs from $help"
else
    # Exits non-zero for warnings as well as errors.
    output=$(appstreamcli validate-tree --no-net "$prefix" 2>&1) || failed=1
fi
printf '%s\n' "$output"
if [ "$failed" -ne 0 ] || grep -qE '(error|warning|hint):|^ *[EW]:' <<<"$output"; then
    echo "FAILED: $check"
    exit 1
fi
