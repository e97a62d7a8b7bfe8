#!/usr/bin/env bash
# shellcheck disable=SC2317 # the clean-up functions run from the traps
# run-atspi-test.sh [--driver SCRIPT] APP [ARGUMENT...]: runs drive_corvane.py
# (or SCRIPT) with APP and the ARGUMENTs inside a private X server (Xvfb) and
# a private D-Bus session, whose accessibility bus (at-spi-bus-launcher,
# at-spi2-registryd) D-Bus starts on first use.
# Needs no DISPLAY, no session bus and no standard input; whatever it
# started is gone when it returns. Exits with the driver's status.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"
# Failures are looked at one by one here: the driver's status is the result.
set +e

HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
DRIVER="$HERE/drive_corvane.py"
if [ "${1:-}" = --driver ] && [ $# -ge 2 ]; then
    DRIVER="$(realpath "$2")"
    shift 2
fi
if [ $# -lt 1 ]; then
    echo "usage: $0 [--driver SCRIPT] PATH/TO/corvane [ARGUMENT...]" >&2
    exit 2
fi
APP="$(realpath "$1")"
shift
# Debian's interpreter: it has the gi and pyatspi modules, a python3 found
# earlier on PATH may not.
PYTHON=/usr/bin/python3

missing=""
for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher "$PYTHON"; do
    command -v "$tool" >/dev/null 2>&1 || missing="$missing $tool"
done
if [ -n "$missing" ]; then
    echo "run-atspi-test: missing:$missing (packages xvfb, dbus, at-spi2-core, python3-pyatspi)" >&2
    exit 1
fi
if [ ! -x "$APP" ]; then
    echo "run-atspi-test: $APP is not an executable file" >&2
    exit 1
fi

WORK="$(mktemp -d "${TMPDIR:-/tmp}/corvane-atspi.XXXXXX")"
GROUP=""
FINISHED=""

# Everything the test starts lives in one process group; D-Bus-activated
# daemons stay in it even once their parent has gone. Lists the processes of
# that group still running (zombies waiting for init to reap them are done).
group_members() {
    local stat line fields
    [ -n "$GROUP" ] || return 0
    for stat in /proc/[0-9]*/stat; do
        { read -r line <"$stat"; } 2>/dev/null || continue
        # After the command name: state, parent, process group, ...
        read -r -a fields <<<"${line##*) }"
        if [ "${fields[2]}" = "$GROUP" ] && [ "${fields[0]}" != Z ]; then
            echo "${line%%) *})"
        fi
    done
}

wait_group_gone() {
    for _ in $(seq 40); do
        [ -z "$(group_members)" ] && return 0
        sleep 0.05
    done
    return 1
}

cleanup() {
    local status=$?
    trap - EXIT INT TERM HUP
    # After a normal end the bus daemons quit by themselves once their bus
    # is gone; after a signal, or if any are still running 2 s later, the
    # whole group is stopped.
    if [ -n "$(group_members)" ] && { [ -z "$FINISHED" ] || ! wait_group_gone; }; then
        echo "run-atspi-test: stopping: $(group_members | tr '\n' ' ')" >&2
        kill -TERM -- "-$GROUP" 2>/dev/null
        wait_group_gone || kill -KILL -- "-$GROUP" 2>/dev/null
    fi
    rm -rf "$WORK"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

# Nothing of the caller's session may leak in.
unset DISPLAY WAYLAND_DISPLAY XAUTHORITY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS SESSION_MANAGER
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

session() {
    local status
    start_xvfb "$WORK" || return 1
    echo "run-atspi-test: Xvfb on $XVFB_DISPLAY"

    # Only the driver and the program see DISPLAY: the bus daemons need
    # none, and without it they do not trip over the X server going away.
    dbus-run-session -- env DISPLAY="$XVFB_DISPLAY" "$PYTHON" "$DRIVER" "$APP" "$@"
    status=$?

    kill "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
    return "$status"
}

start_ns=$(date +%s%N)
# Job control gives the background job a process group of its own.
set -m
session "$@" </dev/null &
GROUP=$!
set +m
wait "$GROUP"
status=$?
FINISHED=1
elapsed_ms=$(( ($(date +%s%N) - start_ns) / 1000000 ))
echo "run-atspi-test: driver exited with status $status after $((elapsed_ms / 1000)).$(printf %03d $((elapsed_ms % 1000))) s"
exit "$status"
