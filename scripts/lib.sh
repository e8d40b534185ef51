# shellcheck shell=bash
# Shared by scripts/start, scripts/test and .ci/run: the repository root, the Debian packages
# the project needs, and the build step. Source it; it defines functions and runs nothing else.

QUILLEX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Everything that builds, tests, benchmarks, fuzzes and checks the project on Debian 12.
QUILLEX_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev libmuparser-dev
    clang libclang-rt-14-dev
    xvfb xauth dbus-daemon libxcb1-dev
    clang-format
)

quillex_log() {
    printf '%s: %s\n' "${0##*/}" "$*" >&2
}

# Installs the packages that dpkg does not list as installed; nothing when all are there.
quillex_install_packages() {
    local missing=() package status
    for package in "${QUILLEX_PACKAGES[@]}"; do
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

# quillex_build DIR BUILD_TYPE [CMAKE_OPTION...]: configures (Ninja for a new directory) and
# builds the project in $QUILLEX_ROOT/DIR.
quillex_build() {
    local dir=$QUILLEX_ROOT/$1 type=$2
    shift 2
    local generator=()
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        generator=(-G Ninja)
    fi
    cmake -S "$QUILLEX_ROOT" -B "$dir" "${generator[@]}" -DCMAKE_BUILD_TYPE="$type" "$@"
    cmake --build "$dir" --parallel "$(nproc)"
}
