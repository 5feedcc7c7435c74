#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zelkor developers
# SPDX-License-Identifier: MIT
# Who frames the calculator on a Weston of its own (no server-side decorations), in each way a
# program is started on Wayland: by socket name, on the default socket, handed an open connection
# (WAYLAND_SOCKET), and with QT_WAYLAND_DISABLE_WINDOWDECORATION already set either way. The
# window's size as the program tells the compositor says who draws the one title bar.
#
# Usage: frames.sh ZELKOR   Exit 77 (skipped) only when Weston cannot run here.
set -euo pipefail

zelkor=${1:?usage: frames.sh ZELKOR}
tmp=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$tmp"
}
trap cleanup EXIT
wait_for() {
    for _ in $(seq 600); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}

command -v weston >/dev/null || { echo "frames check skipped: weston is not installed" >&2; exit 77; }
export XDG_RUNTIME_DIR=$tmp/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY WAYLAND_SOCKET QT_WAYLAND_DISABLE_WINDOWDECORATION
weston --socket=wayland-0 --backend=headless-backend.so --use-pixman --idle-time=0 \
    >"$tmp/weston.log" 2>&1 &
pids+=($!)
wait_for test -S "$XDG_RUNTIME_DIR/wayland-0" || { echo "frames check skipped: weston does not start" >&2; exit 77; }
# A program handed an open connection, as a launcher starts it.
socket_launch='import os, socket, sys
s = socket.socket(socket.AF_UNIX); s.connect(os.environ["XDG_RUNTIME_DIR"] + "/wayland-0")
os.set_inheritable(s.fileno(), True); os.environ["WAYLAND_SOCKET"] = str(s.detach())
os.execv(sys.argv[1], sys.argv[1:])'

# mode, its start command, and the window's last minimum size and geometry expected (W H)
check() {
    local mode=$1 min=$2 geometry=$3 log=$tmp/$1.log
    shift 3
    env QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$@" 2>"$log" &
    pids+=($!)
    wait_for grep -q 'set_window_geometry' "$log" || { echo "frames check: no window ($mode)" >&2; exit 1; }
    kill "${pids[-1]}" && wait "${pids[-1]}" 2>/dev/null || true
    local got_min got_geometry
    got_min=$(sed -n 's/.*xdg_toplevel@[0-9]*\.set_min_size(\([0-9]*\), \([0-9]*\))$/\1 \2/p' "$log" | tail -n 1)
    got_geometry=$(sed -n 's/.*set_window_geometry(0, 0, \([0-9]*\), \([0-9]*\))$/\1 \2/p' "$log" | tail -n 1)
    [[ $got_min =~ ^$min$ && $got_geometry =~ ^$geometry$ ]] ||
        { echo "frames check: $mode: minimum size $got_min, geometry $got_geometry" >&2; exit 1; }
    echo "frames check: $mode: $got_geometry"
}
# The program's own frame: the form of 285x245 inside a border line, below a bar of 16 to 40.
own='287 (26[3-9]|27[0-9]|28[0-7])'
check "by name" "$own" "$own" env WAYLAND_DISPLAY=wayland-0 "$zelkor"
check "default socket" "$own" "$own" "$zelkor"
check "WAYLAND_SOCKET" "$own" "$own" /usr/bin/python3 -c "$socket_launch" "$zelkor"
check "Qt told to draw none" "$own" "$own" env QT_WAYLAND_DISABLE_WINDOWDECORATION=1 "$zelkor"
# Qt's frame, which the user asked for: the form alone, in a larger window.
check "Qt told to draw" "285 245" '(28[6-9]|29[0-9]) (24[6-9]|2[5-9][0-9])' \
    env QT_WAYLAND_DISABLE_WINDOWDECORATION=0 "$zelkor"
