#!/usr/bin/env bash
# shellcheck disable=SC2317 # the clean-up function runs from the trap
# check-screens.sh CASE APP: runs APP as users meet it under one window
# manager or compositor, inside a private Xvfb, checks what CASE is about,
# then clicks Close where the window shows it: the program must end with
# status 0. Exits 77 when a program the case needs is missing. Whatever it
# started is gone when it returns.
#   i3        a tile on a small screen, which Qt must take as it is given
#   icewm     at 125 %, the frame inside the free area above the taskbar to
#             the device pixel, and full screen refused
#   monitors  the frame inside a smaller monitor it is moved to, and inside
#             the other one once that monitor goes away (openbox)
#   weston    a maximise from the compositor, on Wayland
#   weston-small  the free area of a Wayland output too small for the window
# shellcheck source-path=SCRIPTDIR
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"

CASE="$1"
APP="$(realpath "$2")"
WORK="$(mktemp -d "${TMPDIR:-/tmp}/corvane-screens.XXXXXX")"
PIDS=()
APP_PID=""
WINDOW=""
FRAME=""

cleanup() {
    local status=$?
    trap - EXIT
    [ ${#PIDS[@]} -gt 0 ] && kill "${PIDS[@]}" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$WORK"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 143' INT TERM HUP

fail() {
    echo "check-screens $CASE: $*" >&2
    exit 1
}

need() {
    local tool
    for tool; do
        command -v "$tool" >/dev/null || { echo "check-screens $CASE: skipped, $tool is missing"; exit 77; }
    done
}

# wait_for COMMAND...: true once COMMAND is, within 20 s.
wait_for() {
    for _ in $(seq 200); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# Nothing of the caller's session may leak in.
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_SESSION_TYPE XAUTHORITY QT_SCALE_FACTOR \
    DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS SESSION_MANAGER
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

start_x() {
    need Xvfb xdotool xwininfo xprop
    start_xvfb "$WORK" "$1" || exit 1
    PIDS+=("$XVFB_PID")
    export DISPLAY="$XVFB_DISPLAY"
}

start() {
    "$@" >"$WORK/$1.log" 2>&1 </dev/null &
    PIDS+=("$!")
}

wm_running() {
    xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'
}

# start_wm COMMAND...: the window manager, once it manages the screen.
start_wm() {
    need "$1"
    start "$@"
    wait_for wm_running || fail "$1 did not start: $(cat "$WORK/$1.log")"
}

# start_app [ENV...]: the program, with ENV as env(1) takes it.
start_app() {
    env "$@" "$APP" >"$WORK/app.log" 2>&1 </dev/null &
    APP_PID=$!
    PIDS+=("$APP_PID")
}

find_window() {
    WINDOW="$(xdotool search --name '^FIBONACCI FORMULA$' 2>/dev/null | head -1)"
    [ -n "$WINDOW" ] && xwininfo -id "$WINDOW" | grep -q IsViewable
}

# The window's client area in device pixels: x y width height.
client() {
    xwininfo -id "$WINDOW" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
        /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}'
}

# frame_inside X Y WIDTH HEIGHT: true when the window's frame lies inside.
frame_inside() {
    local x y w h left right top bottom
    read -r x y w h < <(client)
    read -r left right top bottom < <(xprop -id "$WINDOW" -notype _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ,)
    x=$((x - ${left:-0})) y=$((y - ${top:-0})) w=$((w + ${left:-0} + ${right:-0})) h=$((h + ${top:-0} + ${bottom:-0}))
    FRAME="frame ${w}x$h+$x+$y, area $3x$4+$1+$2"
    [ "$x" -ge "$1" ] && [ "$y" -ge "$2" ] && [ $((x + w)) -le $(($1 + $3)) ] && [ $((y + h)) -le $(($2 + $4)) ]
}

# inside_free_area: the window manager's free area, _NET_WORKAREA.
inside_free_area() {
    local x y w h
    read -r x y w h _ < <(xprop -root -notype _NET_WORKAREA | sed -n 's/.*= //p' | tr -d ,)
    frame_inside "$x" "$y" "$w" "$h"
}

not_full_screen() {
    tail -1 "$WORK/states" | grep -vq FULLSCREEN
}

# True when the window's place and size have not changed for half a second.
settled() {
    local before
    before="$(client)"
    sleep 0.5
    [ "$(client)" = "$before" ]
}

# drawn WIDTH HEIGHT: true once the program has drawn its Wayland window,
# decoration included, at that size.
drawn() {
    grep -q "set_window_geometry(0, 0, $1, $2)" "$WORK/app.log"
}

app_gone() {
    ! kill -0 "$APP_PID" 2>/dev/null
}

# click_close X Y WIDTH HEIGHT: clicks along the middle of the strip of
# buttons, 20 pixels above the bottom of that client area, where Close stands
# at any window size, until the program ends.
click_close() {
    local percent
    for percent in 82 86 90; do
        app_gone && break
        xdotool mousemove $(($1 + $3 * percent / 100)) $(($2 + $4 - 20))
        sleep 0.3
        xdotool click 1
        sleep 1
    done
    app_gone || fail "Close is not where the window shows it"
    wait "$APP_PID" || fail "the program ended with status $?: $(cat "$WORK/app.log")"
    echo "check-screens $CASE: Close ended the program"
}

# Wayland: a compositor nested in the Xvfb, with its panel at the top; the
# program's own title bar is 30 pixels high, its border 3.
start_weston() {
    need weston
    start_x "$(($1 + 16))x$(($2 + 16))x24"
    start weston --backend=x11-backend.so --socket=corvane-check --width="$1" --height="$2" --idle-time=0
    wait_for test -S "$XDG_RUNTIME_DIR/corvane-check" || fail "weston did not start: $(cat "$WORK/weston.log")"
    start_app -u DISPLAY WAYLAND_DISPLAY=corvane-check WAYLAND_DEBUG=client
}

case "$CASE" in
i3)
    start_x 800x600x24
    printf 'bar {\n}\n' >"$WORK/i3.config"
    start_wm i3 -c "$WORK/i3.config"
    start_app
    wait_for find_window || fail "no window"
    ;;
icewm)
    need xrdb
    start_x 1024x768x24
    # Xvfb forgets the resources once its last client has gone: set while
    # the window manager runs.
    start_wm icewm
    echo 'Xft.dpi: 120' | xrdb -merge
    start_app
    wait_for find_window || fail "no window"
    wait_for inside_free_area || fail "not inside the free area: $FRAME"
    # Full screen is asked for (Alt+F11), set, and refused.
    xprop -spy -id "$WINDOW" _NET_WM_STATE >"$WORK/states" &
    PIDS+=("$!")
    xdotool windowactivate --sync "$WINDOW" key alt+F11
    wait_for grep -q FULLSCREEN "$WORK/states" || fail "icewm did not make it full screen"
    wait_for not_full_screen || fail "full screen not refused"
    wait_for inside_free_area || fail "not back inside the free area: $FRAME"
    ;;
monitors)
    need xrandr
    start_x 2720x1080x24
    start_wm openbox
    xrandr --setmonitor DESK 1920/508x1080/286+0+0 screen >/dev/null
    xrandr --setmonitor SMALL 800/211x600/159+1920+0 none
    start_app
    wait_for find_window || fail "no window"
    xdotool windowmove "$WINDOW" 1960 60
    wait_for frame_inside 1920 0 800 600 || fail "not inside the smaller monitor: $FRAME"
    xrandr --delmonitor SMALL
    wait_for frame_inside 0 0 1920 1080 || fail "not inside the monitor left: $FRAME"
    ;;
weston)
    start_weston 1000 700
    wait_for drawn 948 609 || fail "no window on Wayland: $(tail -5 "$WORK/app.log")"
    # The compositor maximises the window that has the keyboard. Qt 6.4
    # loses the size of a maximise that comes while a frame is late (under
    # load, just after the window appears), and is then ended.
    wait_for grep -q 'wl_keyboard@[0-9]*\.enter' "$WORK/app.log" || fail "no keyboard"
    sleep 1
    xdotool mousemove 500 400 key super+shift+m
    wait_for drawn 1000 668 || fail "not maximised: $(grep -i error "$WORK/app.log")"
    # Maximised below the 32 pixels of weston's panel.
    click_close 3 62 994 635
    exit 0
    ;;
weston-small)
    start_weston 800 600
    wait_for drawn 800 568 || fail "not in the free area: $(grep set_window_geometry "$WORK/app.log" | tail -1)"
    click_close 3 62 794 535
    exit 0
    ;;
*)
    fail "unknown case"
    ;;
esac
wait_for settled || fail "the window does not settle"
read -r x y w h < <(client)
click_close "$x" "$y" "$w" "$h"
