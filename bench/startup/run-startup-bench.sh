#!/usr/bin/env bash
# Start-up of Corvane against a bare Qt Widgets window of the same size.
#
#   bench/startup/run-startup-bench.sh [-n ROUNDS] [-w WARMUP] [-s SETTLE_MS]
#                                      [-a APP] [-o RAW_FILE] [-b] [-q]
#
#   -n ROUNDS    measured rounds (default 11)
#   -w WARMUP    warm-up rounds, not counted (default 1)
#   -s SETTLE    ms after the map before memory is read (default 1000)
#   -a APP       the program to measure (default build/app/corvane)
#   -o RAW_FILE  also write every launch_timer line there
#   -b           give the session a private D-Bus session bus, as a desktop
#                has (needs dbus-daemon); without one, every Qt program that
#                starts forks dbus-launch to find or start a bus
#   -q           no per-round lines
#
# Builds Corvane, the launch timer and the bare window (bench/startup/) in
# build/, starts a private Xvfb (1280x1024x24),
# then runs rounds of "corvane, baseline" one after the other, each as
# `launch_timer -s SETTLE -- PROGRAM` with QT_QPA_PLATFORM=xcb and, unless -b,
# no DBUS_SESSION_BUS_ADDRESS. Prints the medians of the map time, the
# first-frame time and the resident memory of both, the ratio of the medians,
# and the median of the per-round ratios.
# Needs the packages of scripts/packages-run and libx11-dev, libxdamage-dev.
# shellcheck source-path=SCRIPTDIR
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"
BUILD="$ROOT/build"
LAUNCH_TIMER="$BUILD/bench/startup/launch_timer"
BASELINE="$BUILD/bench/startup/bare_window"

ROUNDS=11
WARMUP=1
SETTLE=1000
APP="$BUILD/app/corvane"
RAW=""
QUIET=0
BUS=0
usage() { sed -n '4,15p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//' >&2; exit 2; }
while getopts "n:w:s:a:o:bqh" opt; do
    case "$opt" in
        n) ROUNDS="$OPTARG" ;;
        w) WARMUP="$OPTARG" ;;
        s) SETTLE="$OPTARG" ;;
        a) APP="$OPTARG" ;;
        o) RAW="$OPTARG" ;;
        b) BUS=1 ;;
        q) QUIET=1 ;;
        *) usage ;;
    esac
done
shift $((OPTIND - 1))
[ $# -eq 0 ] || usage
for v in "$ROUNDS" "$WARMUP" "$SETTLE"; do
    [[ "$v" =~ ^[0-9]+$ ]] || usage
done
[ "$ROUNDS" -ge 1 ] || usage

for header in /usr/include/X11/Xlib.h /usr/include/X11/extensions/Xdamage.h; do
    if [ ! -f "$header" ]; then
        echo "error: $header is missing: apt-get install libx11-dev libxdamage-dev" >&2
        exit 1
    fi
done
missing=()
tools=(cmake Xvfb)
[ "$BUS" -eq 0 ] || tools+=(dbus-daemon)
for tool in "${tools[@]}"; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
if [ ${#missing[@]} -ne 0 ]; then
    echo "error: missing ${missing[*]} (apt-get install cmake xvfb$([ "$BUS" -eq 0 ] || echo " dbus-daemon"))" >&2
    exit 1
fi
# Configured again so that the timer is built once its headers are there.
(cd "$ROOT" && cmake --preset default >/dev/null &&
    cmake --build --preset default --target corvane launch_timer bare_window >/dev/null)
if [ ! -x "$APP" ]; then
    echo "error: $APP is not there" >&2
    exit 1
fi

WORK="$(mktemp -d)"
XVFB_PID=""
BUS_PID=""
cleanup() {
    if [ -n "$BUS_PID" ]; then
        kill "$BUS_PID" 2>/dev/null || true
    fi
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

start_xvfb "$WORK" || exit 1
export DISPLAY="$XVFB_DISPLAY"
export QT_QPA_PLATFORM=xcb
if [ "$BUS" -eq 1 ]; then
    dbus-daemon --session --fork --nopidfile --print-address=4 --print-pid=5 4>"$WORK/bus" 5>"$WORK/bus.pid"
    BUS_PID="$(head -1 "$WORK/bus.pid")"
    DBUS_SESSION_BUS_ADDRESS="$(head -1 "$WORK/bus")"
    export DBUS_SESSION_BUS_ADDRESS
else
    # Both programs then find (or, the first time, start) a bus the same way.
    unset DBUS_SESSION_BUS_ADDRESS
fi

# One launch; appends "NAME ROUND map frame full rss_kib pss_kib w h ndmg".
measure() {
    local name="$1" round="$2" program="$3" line
    if ! line="$("$LAUNCH_TIMER" -s "$SETTLE" -- "$program" 2>>"$WORK/$name.stderr")"; then
        echo "error: launch_timer failed on $program:" >&2
        tail -5 "$WORK/$name.stderr" >&2
        exit 1
    fi
    read -r -a f <<<"$line"
    if [ ${#f[@]} -lt 8 ] || [[ "${f[0]}" == -* ]] || [[ "${f[1]}" == -* ]]; then
        echo "error: $name showed no window or drew nothing: $line" >&2
        tail -5 "$WORK/$name.stderr" >&2
        exit 1
    fi
    echo "$name $round $line" >>"$WORK/raw"
    [ "$QUIET" -eq 1 ] || [ "$round" -le 0 ] ||
        printf '%3d %-8s map %7.1f ms  frame %7.1f ms  rss %6.1f MiB  %sx%s\n' \
            "$round" "$name" "${f[0]}" "${f[1]}" "$(echo "${f[3]}" | awk '{print $1 / 1024}')" "${f[5]}" "${f[6]}"
}

: >"$WORK/raw"
echo "display $DISPLAY, $WARMUP warm-up + $ROUNDS measured rounds, settle $SETTLE ms," \
    "$([ "$BUS" -eq 1 ] && echo "private session bus" || echo "no session bus")"
echo "corvane:  $APP"
echo "baseline: $BASELINE"
for ((r = 1 - WARMUP; r <= ROUNDS; r++)); do
    measure corvane "$r" "$APP"
    measure baseline "$r" "$BASELINE"
done
[ -z "$RAW" ] || { echo "# name round map_ms frame_ms full_ms rss_kib pss_kib w h ndmg"; cat "$WORK/raw"; } >"$RAW"

awk '
function median(a, n,    i, j, t, b) {
    for (i = 1; i <= n; i++) b[i] = a[i]
    for (i = 2; i <= n; i++) { t = b[i]; for (j = i - 1; j >= 1 && b[j] > t; j--) b[j + 1] = b[j]; b[j + 1] = t }
    return (n % 2) ? b[(n + 1) / 2] : (b[n / 2] + b[n / 2 + 1]) / 2
}
$2 >= 1 {
    k = ($1 == "corvane") ? "c" : "b"
    n[k]++
    v[k, "map", n[k]] = $3; v[k, "frame", n[k]] = $4; v[k, "rss", n[k]] = $6 / 1024
}
END {
    split("map frame rss", m, " ")
    split("ms ms MiB", u, " ")
    printf "\nmedians of %d rounds      corvane   baseline   ratio of medians   median of ratios\n", n["c"]
    for (i = 1; i <= 3; i++) {
        for (r = 1; r <= n["c"]; r++) { c[r] = v["c", m[i], r]; b[r] = v["b", m[i], r]; q[r] = c[r] / b[r] }
        mc = median(c, n["c"]); mb = median(b, n["b"])
        printf "%-6s (%-3s)              %8.1f   %8.1f   %16.3f   %16.3f\n", m[i], u[i], mc, mb, mc / mb, median(q, n["c"])
    }
}' "$WORK/raw"
