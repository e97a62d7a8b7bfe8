# Shared by the scripts: install what is missing, configure and build.
# Sourced, not run.

set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"

# Lists the packages of scripts/packages that are not installed.
missing_packages() {
    local package
    sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "$ROOT/scripts/packages" | while read -r package; do
        if [ "$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null)" != installed ]; then
            echo "$package"
        fi
    done
}

install_missing() {
    local missing
    missing="$(missing_packages)"
    [ -z "$missing" ] && return 0
    echo "Installing: $(echo $missing)"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    # shellcheck disable=SC2086
    $sudo apt-get install -y -qq --no-install-recommends $missing
}

# configure DIR [CMAKE OPTION...]: configures DIR once; later builds let
# Ninja rebuild only what changed.
configure() {
    local dir="$1"
    shift
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -G Ninja -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    fi
}

# build DIR [CMAKE OPTION...]: configures DIR if needed and builds everything.
build() {
    configure "$@"
    cmake --build "$1"
}
