#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zelkor developers
# SPDX-License-Identifier: MIT
# Who frames the calculator on a Weston of its own (no server-side decorations), in each way a
# program is started on Wayland: by socket name, on the default socket, handed an open connection
# (WAYLAND_SOCKET), and with QT_WAYLAND_DISABLE_WINDOWDECORATION already set either way. The size
# the program gives the compositor says whether it draws its own frame around the 285x245 form.
#
# Usage: frames.sh ZELKOR   Exit 77 (skipped) only when Weston cannot run here.
set -euo pipefail

zelkor=${1:?usage: frames.sh ZELKOR}
tmp=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait; rm -rf "$tmp"' EXIT
wait_for() {
    for _ in $(seq 600); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}

command -v weston >/dev/null || { echo "frames check skipped: weston is not installed" >&2; exit 77; }
export XDG_RUNTIME_DIR=$tmp/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY WAYLAND_SOCKET QT_WAYLAND_DISABLE_WINDOWDECORATION
weston --socket=wayland-0 --backend=headless-backend.so --use-pixman --idle-time=0 >/dev/null 2>&1 &
pids+=($!)
wait_for test -S "$XDG_RUNTIME_DIR/wayland-0" || { echo "frames check skipped: weston does not start" >&2; exit 77; }

# check MODE SIZE COMMAND...: the window's last minimum size matches SIZE ("W H", a pattern).
check() {
    local mode=$1 size=$2 log=$tmp/${#pids[@]}.log got # a new log: the last one is complete
    shift 2
    env QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$@" 2>"$log" &
    pids+=($!)
    wait_for grep -q 'set_window_geometry' "$log" || { echo "frames check: no window ($mode)" >&2; exit 1; }
    kill "${pids[-1]}" && wait "${pids[-1]}" 2>/dev/null || true
    got=$(sed -n 's/.*xdg_toplevel@[0-9]*\.set_min_size(\([0-9]*\), \([0-9]*\))$/\1 \2/p' "$log" | tail -n 1)
    [[ $got =~ ^$size$ ]] || { echo "frames check: $mode: the window is $got" >&2; exit 1; }
    echo "frames check: $mode: $got"
}
# The program's own frame: a border line around the form and a bar of 16 to 40 above it.
own='287 (26[3-9]|27[0-9]|28[0-7])'
check "by name" "$own" env WAYLAND_DISPLAY=wayland-0 "$zelkor"
check "default socket" "$own" "$zelkor"
check "WAYLAND_SOCKET" "$own" /usr/bin/python3 -c 'import os, socket, sys
s = socket.socket(socket.AF_UNIX); s.connect(os.environ["XDG_RUNTIME_DIR"] + "/wayland-0")
os.set_inheritable(s.fileno(), True); os.environ["WAYLAND_SOCKET"] = str(s.detach())
os.execv(sys.argv[1], sys.argv[1:])' "$zelkor"
check "Qt told to draw none" "$own" env QT_WAYLAND_DISABLE_WINDOWDECORATION=1 "$zelkor"
# Qt's frame, which the user asked for: the form alone.
check "Qt told to draw" "285 245" env QT_WAYLAND_DISABLE_WINDOWDECORATION=0 "$zelkor"
