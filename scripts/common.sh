# shellcheck shell=bash
# Shared by the scripts: install what is missing, configure and build.
# Sourced, not run.

set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# missing_packages LIST...: the packages named in the lists (scripts/packages-*)
# that are not installed.
missing_packages() {
    local list package
    for list in "$@"; do
        sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "$ROOT/scripts/packages-$list"
    done | while read -r package; do
        if [ "$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null)" != installed ]; then
            echo "$package"
        fi
    done
}

# install_missing LIST...: installs what the lists name and is missing, e.g.
# `install_missing run test`.
install_missing() {
    local missing
    missing="$(missing_packages "$@")"
    [ -z "$missing" ] && return 0
    echo "Installing: ${missing//$'\n'/ }"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    # shellcheck disable=SC2086
    $sudo apt-get install -y -qq --no-install-recommends $missing
}

# build PRESET [TARGET...]: configures with the CMake preset (CMakePresets.json
# holds each build folder's settings) and builds it, or only TARGETs. The
# configure step is rerun every time: it takes a second and notices packages
# installed since. Presets are read from the current folder, hence the cd.
build() {
    local preset="$1"
    shift
    (
        cd "$ROOT"
        cmake --preset "$preset" >/dev/null
        if [ $# -gt 0 ]; then
            cmake --build --preset "$preset" --target "$@"
        else
            cmake --build --preset "$preset"
        fi
    )
}
