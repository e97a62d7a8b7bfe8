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

# start_xvfb DIR [SCREEN]: starts a private Xvfb (SCREEN is WIDTHxHEIGHTxDEPTH,
# 1280x1024x24 unless given) that picks a free display itself, with its log in
# DIR. Sets XVFB_PID and XVFB_DISPLAY (":N"), not DISPLAY: the caller decides
# which of its programs see it. Returns 1, with Xvfb's log on standard error,
# when there is no display within 10 s.
# shellcheck disable=SC2034 # XVFB_DISPLAY is for the scripts that source this
start_xvfb() {
    local dir="$1" screen="${2:-1280x1024x24}"
    XVFB_DISPLAY=""
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
    XVFB_PID=$!
    for _ in $(seq 200); do
        if [ -s "$dir/display" ]; then
            XVFB_DISPLAY=":$(head -1 "$dir/display")"
            return 0
        fi
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.05
    done
    echo "Xvfb did not start:" >&2
    cat "$dir/xvfb.log" >&2
    kill "$XVFB_PID" 2>/dev/null || true
    return 1
}
