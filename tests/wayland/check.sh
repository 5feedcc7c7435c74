#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zelkor developers
# SPDX-License-Identifier: MIT
# The calculator and the example window on Wayland (Weston), checked as the compositor, a user
# and a screen reader see them: title and application id, the frame, the pixels against the same
# program on X11, the worked sequences pressed through AT-SPI, and keys typed on a Japanese
# keymap (Weston's X11 backend on Xvfb) after a click on a display field.
#
# Usage: check.sh ZELKOR [EXAMPLE]   Exit 77 (skipped) only when D-Bus, Weston or Xvfb cannot run
# here.
set -euo pipefail

zelkor=${1:?usage: check.sh ZELKOR [EXAMPLE]}
example=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
title='Zelkor Ver 1.00'

limit=60 # seconds any one step may take: a loaded two-core machine is slow
for tool in dbus-daemon dbus-send weston Xvfb; do
    command -v "$tool" >/dev/null ||
        { echo "wayland check skipped: $tool is not installed" >&2; exit 77; }
done

# Everything runs in a runtime folder and on buses of its own. The accessibility bus puts its
# socket in $XDG_RUNTIME_DIR/at-spi of the session bus that starts it (in ~/.cache/at-spi without
# one, where any other session on the machine may replace or remove it).
tmp=$(mktemp -d)
export XDG_RUNTIME_DIR=$tmp/runtime QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
# Each program started runs in a process group of its own, ended with all it started.
pids=()
start() { setsid "$@" & pids+=($!); }
cleanup() {
    for pid in "${pids[@]}"; do kill -- -"$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do
        wait "$pid" 2>/dev/null || true
        kill -KILL -- -"$pid" 2>/dev/null || true
    done
    rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 143' TERM INT HUP
fail() { echo "wayland check: $*" >&2; exit 1; }
skip() { echo "wayland check skipped: $*" >&2; exit 77; }
# wait_for COMMAND...: polls the command until it succeeds, for up to $limit seconds.
wait_for() {
    local deadline=$((SECONDS + limit))
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}
# started NAME LOG COMMAND...: waits until the program started last is ready, as COMMAND tells;
# one that ends first cannot run here (skipped), one still not ready after $limit s fails.
started() {
    local name=$1 log=$2 pid=${pids[-1]} deadline=$((SECONDS + limit))
    shift 2
    until "$@" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || skip "$name cannot run here: $(tail -n 3 "$log")"
        ((SECONDS < deadline)) || fail "$name did not start in $limit s: $(tail -n 3 "$log")"
        sleep 0.1
    done
}
# Stops the program started last and checks that it wrote nothing to its error output.
stop_quietly() {
    local pid=${pids[-1]} log=$1
    kill -- -"$pid" && wait "$pid" 2>/dev/null || true
    [ ! -s "$log" ] || fail "$(basename "$log" .err) wrote to its error output: $(cat "$log")"
}

# The session bus, then the accessibility bus through it as a desktop starts it, with its registry.
start dbus-daemon --session --nofork --nopidfile --address="unix:path=$XDG_RUNTIME_DIR/bus" \
    --print-address=3 3>"$tmp/bus.address" >"$tmp/dbus.log" 2>&1
started "the session D-Bus" "$tmp/dbus.log" test -s "$tmp/bus.address"
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$tmp/bus.address")
export DBUS_SESSION_BUS_ADDRESS
a11y_answers() {
    dbus-send --bus="$a11y_address" --print-reply --reply-timeout=20000 \
        --dest=org.a11y.atspi.Registry /org/a11y/atspi/registry org.freedesktop.DBus.Peer.Ping
}
a11y_bus() {
    a11y_address=$(dbus-send --session --print-reply=literal --reply-timeout=5000 \
        --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress 2>"$tmp/a11y.err") &&
        a11y_address=${a11y_address// /} && a11y_answers 2>"$tmp/a11y.err"
}
wait_for a11y_bus ||
    fail "the accessibility bus did not come up in $limit s: $(cat "$tmp/a11y.err")"
[[ $a11y_address == "unix:path=$XDG_RUNTIME_DIR/"* ]] ||
    fail "the accessibility bus is outside the runtime folder: $a11y_address"
# running SOCKET ERR: fails the check, naming it, when Weston SOCKET or the program started last
# (its error output in ERR) has ended.
running() {
    kill -0 "${weston[$1]}" 2>/dev/null || fail "Weston ($1) ended: $(tail -n 3 "$tmp/$1.log")"
    local status=0
    kill -0 "${pids[-1]}" 2>/dev/null && return
    wait "${pids[-1]}" || status=$?
    fail "zelkor ended (exit status $status): $(tail -n 5 "$2")"
}
# atspi SOCKET ERR ARGS...: atspi_calc.py ARGS on the calculator started last, on Weston SOCKET.
# When it fails because the accessibility bus, Weston or the calculator has gone, the check fails
# here, naming it. Only atspi_calc.py is given the bus's address: the programs ask the session
# bus, as on a desktop (Qt 6.4 given AT_SPI_BUS_ADDRESS never shows up on the bus).
atspi() {
    AT_SPI_BUS_ADDRESS=$a11y_address /usr/bin/python3 "$here/atspi_calc.py" "${@:3}" && return 0
    a11y_answers >/dev/null 2>&1 ||
        fail "the accessibility bus stopped answering (atspi_calc.py ${*:3}): $(a11y_answers 2>&1)"
    running "$1" "$2"
    return 1
}
# shows SOCKET ERR: waits until the calculator started last shows its window on Weston SOCKET and
# on the accessibility bus, and names what failed otherwise.
shows() {
    atspi "$@" shows && return 0
    [ -n "$(toplevel_requests "$1")" ] ||
        fail "zelkor did not show its window on Weston ($1) in $limit s"
    fail "zelkor showed its window on Weston ($1) but not on the accessibility bus in $limit s"
}

cat >"$tmp/weston.ini" <<'EOF'
[shell]
background-color=0xff000000
panel-position=none
locking=false
animation=none
startup-animation=none
[keyboard]
keymap_layout=jp
EOF
# start_weston SOCKET BACKEND: a Weston logging every protocol request of its clients.
declare -A weston=()
start_weston() {
    start weston --config="$tmp/weston.ini" --socket="$1" --backend="$2" --use-pixman --width=640 \
        --height=480 --idle-time=0 --debug --logger-scopes=proto --log="$tmp/$1.log" >/dev/null 2>&1
    weston[$1]=${pids[-1]}
    started "Weston ($1)" "$tmp/$1.log" test -S "$XDG_RUNTIME_DIR/$1"
}
# The requests a client made of its xdg_toplevel, as "name(arguments)" lines.
toplevel_requests() { sed -n 's/.* rq xdg_toplevel@[0-9]*\.\([a-z_]*(.*)\)$/\1/p' "$tmp/$1.log"; }
# grab WINDOW FILE: a picture of the X window once two grabs in a row agree (a complete frame).
grab() {
    wait_for bash -c "import -window $1 $2 && import -window $1 $2.again.png &&
        [ \"\$(compare -metric AE $2 $2.again.png null: 2>&1)\" = 0 ]"
}
# window_box SHOT [EMPTY]: where a window is on Weston's black desktop, as "WIDTH HEIGHT X Y": its
# bounding box, or that of what differs from the empty desktop (and its pointer) when given.
window_box() {
    if [ -n "${2:-}" ]; then
        convert "$1" "$2" -compose difference -composite -threshold 0 -trim -format '%w %h %X %Y' info:
    else
        convert "$1" -trim -format '%w %h %X %Y' info:
    fi | tr '+' ' '
}

# Xvfb takes the first free display number itself, and says which once it accepts clients.
start Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset 3>"$tmp/display" \
    >"$tmp/xvfb.log" 2>&1
started Xvfb "$tmp/xvfb.log" test -s "$tmp/display"
DISPLAY=:$(head -n 1 "$tmp/display")
export DISPLAY

# --- The reference: the calculator's client area on X11 -----------------------------------------
QT_QPA_PLATFORM=xcb start "$zelkor" 2>"$tmp/x11.err"
window=$(wait_for xdotool search --onlyvisible --name "^$title\$" && xdotool search --onlyvisible --name "^$title\$" | head -n 1) ||
    fail "zelkor did not show its window on X11 in $limit s: $(tail -n 5 "$tmp/x11.err")"
grab "$window" "$tmp/x11.png" || fail "no complete frame of zelkor on X11 in $limit s"
stop_quietly "$tmp/x11.err"

# --- Headless Weston: the compositor's view, the pixels, and AT-SPI ------------------------------
start_weston headless headless-backend.so
export WAYLAND_DISPLAY=headless
QT_QPA_PLATFORM=wayland start "$zelkor" 2>"$tmp/zelkor.err"
shows headless "$tmp/zelkor.err"
requests=$(toplevel_requests headless)
grep -qxF "set_title(\"$title\")" <<<"$requests" || fail "title on Wayland: $(grep title <<<"$requests")"
grep -qxF 'set_app_id("org.zelkor.Zelkor")' <<<"$requests" || fail "application id: $requests"
# A fixed size: the compositor is told the window cannot be resized. Weston has no server-side
# decorations, so the window is the 285-pixel form in the calculator's own one-pixel frame.
[ "$(grep -c '^set_m[ai][nx]_size(287, ' <<<"$requests")" -ge 2 ] &&
    [ "$(grep '^set_min_size' <<<"$requests" | tail -n 1 | cut -c13-)" = \
      "$(grep '^set_max_size' <<<"$requests" | tail -n 1 | cut -c13-)" ] ||
    fail "the window's size is not fixed: $requests"

# The calculator draws its title bar above a client area that looks as on X11 (fonts may be
# smoothed differently: a few pixels may differ slightly). Its frame line is black, as Weston's
# desktop is, so what shows on the desktop is the 285-pixel form and the bar.
screenshot() {
    rm -f "$tmp"/wayland-screenshot*.png
    (cd "$tmp" && weston-screenshooter) &&
        read -r width height left top <<<"$(window_box "$tmp"/wayland-screenshot*.png)" &&
        [ "$width" = 285 ]
}
width='' height=''
wait_for screenshot || running headless "$tmp/zelkor.err"
bar=$((height - 245))
[ "$width" = 285 ] && [ "$bar" -ge 16 ] && [ "$bar" -le 40 ] ||
    fail "the window on Weston is ${width}x$height, not 285 wide with a title bar above 245"
convert "$tmp"/wayland-screenshot*.png -crop "285x245+$left+$((top + bar))" +repage "$tmp/wayland.png"
differing=$(compare -metric AE -fuzz 25% "$tmp/x11.png" "$tmp/wayland.png" null: 2>&1 || true)
if ! [ "$differing" -le 200 ] 2>/dev/null; then
    cp "$tmp/x11.png" wayland-check-x11.png && cp "$tmp/wayland.png" wayland-check-wayland.png
    fail "the client area on Wayland differs from X11 in $differing pixels (wayland-check-*.png)"
fi
echo "wayland check: the client area is as on X11 ($differing pixels differ by more than a shade)"
atspi headless "$tmp/zelkor.err" sequences || fail "the worked sequences went wrong through AT-SPI"
stop_quietly "$tmp/zelkor.err"

# The example window, as the compositor sees it.
if [ -n "$example" ]; then
    QT_QPA_PLATFORM=wayland start "$example" 2>"$tmp/example.err"
    wait_for grep -q 'set_title("TRyNumEdit example")' "$tmp/headless.log" ||
        fail "the example's title on Wayland: $(toplevel_requests headless | grep title)"
    grep -q 'set_app_id("numedit_example")' "$tmp/headless.log" ||
        fail "the example's application id: $(toplevel_requests headless | grep app_id)"
    stop_quietly "$tmp/example.err"
fi

# --- Weston on Xvfb with a Japanese keymap: a click on a display field, then keys ---------------
setxkbmap jp
start_weston nested x11-backend.so
export WAYLAND_DISPLAY=nested
output=$(wait_for xdotool search --onlyvisible --class '^Weston Compositor$' &&
    xdotool search --onlyvisible --class '^Weston Compositor$' | head -n 1) ||
    fail "Weston (nested) showed no window on Xvfb in $limit s"
grab "$output" "$tmp/empty.png" || fail "no complete frame of Weston (nested) in $limit s"
QT_QPA_PLATFORM=wayland start "$zelkor" 2>"$tmp/nested.err"
shows nested "$tmp/nested.err"
on_screen() {
    grab "$output" "$tmp/nested.png" &&
        read -r _ shown left top <<<"$(window_box "$tmp/nested.png" "$tmp/empty.png")" &&
        [ "$shown" = "$height" ]
}
wait_for on_screen || {
    running nested "$tmp/nested.err"
    fail "zelkor's window is not on the screen of Weston (nested) in $limit s"
}
# The minutes field: the display panel at (8, 8), the field at (192, 8) in it, below the bar.
# The pointer enters Weston's window from outside first: Weston follows a pointer that was
# inside its window from the start only once it has seen it enter.
xdotool mousemove 799 599 mousemove --window "$output" $((left + 8 + 192 + 30)) \
    $((top + bar + 8 + 8 + 10)) click 1
atspi nested "$tmp/nested.err" focused Minutes || fail "a click did not give the minutes field the focus"
xdotool key Delete && xdotool type --delay 200 '12*3' && xdotool key Return
atspi nested "$tmp/nested.err" shows 0 0 36 || fail "Delete 1 2 * 3 Enter typed on a Japanese keymap"
# The display field took the focus without turning the input method on.
! grep -q 'text_input.*\.activate(' "$tmp/nested.log" || fail "a display field turned the input method on"
stop_quietly "$tmp/nested.err"
echo "wayland check: passed"
