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

# One session bus for the run: the accessibility bus is started on it when first asked for.
if [ -z "${ZELKOR_CHECK_SESSION:-}" ]; then
    command -v dbus-run-session >/dev/null ||
        { echo "wayland check skipped: dbus-run-session is not installed" >&2; exit 77; }
    ZELKOR_CHECK_SESSION=1 exec dbus-run-session -- "$0" "$@"
fi

tmp=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "wayland check: $*" >&2; exit 1; }
skip() { echo "wayland check skipped: $*" >&2; exit 77; }
# Polls the command until it succeeds, for up to 60 seconds (a loaded two-core machine is slow).
wait_for() {
    for _ in $(seq 600); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}
# Stops the program started last and checks that it wrote nothing to its error output.
stop_quietly() {
    local pid=${pids[-1]} log=$1
    kill "$pid" && wait "$pid" 2>/dev/null || true
    [ ! -s "$log" ] || fail "$(basename "$log" .err) wrote to its error output: $(cat "$log")"
}

export XDG_RUNTIME_DIR=$tmp/runtime QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
mkdir -m 700 "$XDG_RUNTIME_DIR"
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
start_weston() {
    weston --config="$tmp/weston.ini" --socket="$1" --backend="$2" --use-pixman --width=640 \
        --height=480 --idle-time=0 --debug --logger-scopes=proto --log="$tmp/$1.log" \
        >/dev/null 2>&1 &
    pids+=($!)
    wait_for test -S "$XDG_RUNTIME_DIR/$1" || skip "weston ($2) does not start: $(tail -n 3 "$tmp/$1.log")"
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

command -v weston >/dev/null || skip "weston is not installed"
command -v Xvfb >/dev/null || skip "Xvfb is not installed"
display=
for n in $(seq 140 180); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=$n && break; fi
done
[ -n "$display" ] || skip "no free X display number"
Xvfb ":$display" -screen 0 800x600x24 -nolisten tcp -noreset >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=:$display
wait_for xdotool getmouselocation || skip "Xvfb does not start"

# --- The reference: the calculator's client area on X11 -----------------------------------------
QT_QPA_PLATFORM=xcb "$zelkor" 2>"$tmp/x11.err" &
pids+=($!)
window=$(wait_for xdotool search --onlyvisible --name "^$title\$" && xdotool search --onlyvisible --name "^$title\$" | head -n 1) ||
    fail "no calculator window on X11"
grab "$window" "$tmp/x11.png" || fail "no complete frame of the calculator on X11"
stop_quietly "$tmp/x11.err"

# --- Headless Weston: the compositor's view, the pixels, and AT-SPI ------------------------------
start_weston headless headless-backend.so
export WAYLAND_DISPLAY=headless
QT_QPA_PLATFORM=wayland "$zelkor" 2>"$tmp/zelkor.err" &
pids+=($!)
/usr/bin/python3 "$here/atspi_calc.py" shows || fail "the calculator did not start on Weston"
requests=$(toplevel_requests headless)
grep -qxF "set_title(\"$title\")" <<<"$requests" || fail "title on Wayland: $(grep title <<<"$requests")"
grep -qxF 'set_app_id("org.zelkor.Zelkor")' <<<"$requests" || fail "application id: $requests"
# A fixed size: the compositor is told the window cannot be resized.
[ "$(grep -c '^set_m[ai][nx]_size(285, ' <<<"$requests")" -ge 2 ] &&
    [ "$(grep '^set_min_size' <<<"$requests" | tail -n 1 | cut -c13-)" = \
      "$(grep '^set_max_size' <<<"$requests" | tail -n 1 | cut -c13-)" ] ||
    fail "the window's size is not fixed: $requests"

# Weston has no server-side decorations: the calculator draws its title bar, above a client area
# that looks as on X11 (fonts may be smoothed differently: a few pixels may differ slightly).
width=
for _ in $(seq 100); do
    rm -f "$tmp"/wayland-screenshot*.png
    (cd "$tmp" && weston-screenshooter) && read -r width height left top \
        <<<"$(window_box "$tmp"/wayland-screenshot*.png)"
    [ "$width" = 285 ] && break
    sleep 0.5
done
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
/usr/bin/python3 "$here/atspi_calc.py" sequences || fail "the worked sequences went wrong through AT-SPI"
stop_quietly "$tmp/zelkor.err"

# The example window, as the compositor sees it.
if [ -n "$example" ]; then
    QT_QPA_PLATFORM=wayland "$example" 2>"$tmp/example.err" &
    pids+=($!)
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
    xdotool search --onlyvisible --class '^Weston Compositor$' | head -n 1) || fail "no Weston window on Xvfb"
grab "$output" "$tmp/empty.png" || fail "no complete frame of the nested Weston"
QT_QPA_PLATFORM=wayland "$zelkor" 2>"$tmp/nested.err" &
pids+=($!)
/usr/bin/python3 "$here/atspi_calc.py" shows || fail "the calculator did not start on the nested Weston"
shown=
for _ in $(seq 100); do
    grab "$output" "$tmp/nested.png" && read -r _ shown left top <<<"$(window_box "$tmp/nested.png" "$tmp/empty.png")"
    [ "$shown" = "$height" ] && break
    sleep 0.5
done
[ "$shown" = "$height" ] || fail "the calculator is not on the nested Weston's screen"
# The minutes field: the display panel at (8, 8), the field at (192, 8) in it, below the bar.
xdotool mousemove --window "$output" $((left + 8 + 192 + 30)) $((top + bar + 8 + 8 + 10)) click 1
sleep 0.5
xdotool key Delete && xdotool type --delay 200 '12*3' && xdotool key Return
/usr/bin/python3 "$here/atspi_calc.py" shows 0 0 36 || fail "Delete 1 2 * 3 Enter typed on a Japanese keymap"
# The display field took the focus without turning the input method on.
! grep -q 'text_input.*\.activate(' "$tmp/nested.log" || fail "a display field turned the input method on"
stop_quietly "$tmp/nested.err"
echo "wayland check: passed"
