# shellcheck shell=bash
# Shared by scripts/start, scripts/test and .ci/run: the repository root, the Debian packages
# the project needs, and the build step. Source it; it defines functions and runs nothing else.

QUILLEX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Everything that builds, tests, benchmarks, fuzzes, checks and packages the project on Debian
# 12: the X headers build the start-up probe of scripts/bench-startup; the last line holds the
# validators of the menu entry and the metainfo, groff and man for the manual page, dpkg-dev,
# file and lintian for the Debian package, rsvg-convert and python3 for
# scripts/render-icons.
QUILLEX_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libfontconfig-dev qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev libmuparser-dev
    clang libclang-rt-14-dev
    xvfb xauth dbus-daemon libx11-dev libxtst-dev libxdamage-dev
    clang-format
    desktop-file-utils appstream groff-base man-db dpkg-dev file lintian librsvg2-bin python3
)

# The cross build for Windows (preset windows) and wine, which runs what it builds. Only CI's
# cross step installs them.
# shellcheck disable=SC2034
QUILLEX_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix wine wine64)

quillex_log() {
    printf '%s: %s\n' "${0##*/}" "$*" >&2
}

# quillex_install_packages [PACKAGE...]: installs the packages (by default QUILLEX_PACKAGES)
# that dpkg does not list as installed; nothing when all are there.
quillex_install_packages() {
    local missing=() package status
    if [ $# -eq 0 ]; then
        set -- "${QUILLEX_PACKAGES[@]}"
    fi
    for package in "$@"; do
        status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
        if [[ $status != *' ok installed' ]]; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            quillex_log "missing packages ${missing[*]}; run as root or install sudo"
            return 1
        fi
        sudo=(sudo)
    fi
    quillex_log "installing ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
}

# quillex_build PRESET [CMAKE_OPTION...]: configures and builds the project with one of the
# presets of CMakePresets.json (release, test, asan, fuzz) in its build folder.
quillex_build() {
    local preset=$1
    shift
    (
        cd "$QUILLEX_ROOT"
        cmake --preset "$preset" "$@"
        cmake --build --preset "$preset" --parallel "$(nproc)"
    )
}

# quillex_fuzz TARGET SECONDS FOLDER [LIBFUZZER-FLAG...]: runs a fuzz target of build-fuzz/ for
# that many seconds. Its seeds are fuzz/corpus-NAME, its dictionary fuzz/NAME.dict and its own
# options fuzz/NAME.options ("name = value" lines under "[libfuzzer]") when they exist, NAME
# being the target without "fuzz_" and with "-" for "_" (fuzz_command_line reads
# fuzz/corpus-command-line). New inputs go to FOLDER/corpus and the input of a failure to
# FOLDER/artifacts; both are kept, so a later run goes on from where this one stopped. The run's
# output goes to FOLDER/fuzz.log as well, and a last line tells how many inputs it executed.
quillex_fuzz() {
    local -
    set -o pipefail
    local target=$1 seconds=$2 folder=$3
    shift 3
    local name=${target#fuzz_}
    name=${name//_/-}
    local flags=(-max_total_time="$seconds" -max_len=4096 -timeout=10 -print_final_stats=1
        -artifact_prefix="$folder/artifacts/")
    if [ -f "$QUILLEX_ROOT/fuzz/$name.dict" ]; then
        flags+=(-dict="$QUILLEX_ROOT/fuzz/$name.dict")
    fi
    # After the defaults, which they override.
    local option value
    if [ -f "$QUILLEX_ROOT/fuzz/$name.options" ]; then
        while IFS='= ' read -r option value; do
            if [[ -n $option && $option != [\[#]* ]]; then
                flags+=("-$option=$value")
            fi
        done <"$QUILLEX_ROOT/fuzz/$name.options"
    fi
    local corpora=("$folder/corpus")
    if [ -d "$QUILLEX_ROOT/fuzz/corpus-$name" ]; then
        corpora+=("$QUILLEX_ROOT/fuzz/corpus-$name")
    fi
    mkdir -p "$folder/corpus" "$folder/artifacts"
    local status=0
    "$QUILLEX_ROOT/build-fuzz/fuzz/$target" "${flags[@]}" "$@" "${corpora[@]}" 2>&1 |
        tee "$folder/fuzz.log" || status=$?
    quillex_fuzz_summary "$target" "$seconds" "$folder"
    return "$status"
}

# quillex_fuzz_summary TARGET SECONDS FOLDER: the line that tells how many inputs the run of
# quillex_fuzz in FOLDER executed, from libFuzzer's final statistics in its log.
quillex_fuzz_summary() {
    local target=$1 seconds=$2 folder=$3 runs rate
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$folder/fuzz.log" | tail -n 1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$folder/fuzz.log" | tail -n 1)
    printf '%s: %s inputs executed in %s s, %s per second\n' \
        "$target" "${runs:-no count of}" "$seconds" "${rate:-?}"
}
