#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zelkor developers
# SPDX-License-Identifier: MIT
# Start-up time, processor time and peak memory of zelkor against a plain Qt window with as many
# push buttons and edits (bench/minimal_window.cpp). Builds nothing: point it at a build
# directory (a Release build gives the meaningful figures) in which the targets zelkor and
# minimal_window are built.
#
# Usage: bench/startup.sh BUILD_DIR [RUNS]     (RUNS defaults to 15, at least 10 are meaningful)
#
# Both programs run under the same conditions: same display, environment, working directory and
# harness, one after the other in alternating order (so that a change in the machine's load
# falls on both alike), after one uncounted warm-up run each.
#   start-up  wall time from just before the process is started until its first frame is
#             painted whole and the window system has processed it (the program reports the
#             moment itself when run with --exit-on-shown, see app/ShownWatcher.h)
#   CPU       processor time the process has used by then (user and system, all threads)
#   peak RSS  maximum resident set size of the whole run, from /usr/bin/time
# Each figure is the median of the runs, with the interquartile range (25th to 75th percentile)
# as its spread; the ratios are those of the medians. Without $DISPLAY an Xvfb server is started.
# Then zelkor runs the same way on Wayland (a headless Weston of its own) beside X11 once more.
set -euo pipefail

build=${1:?usage: startup.sh BUILD_DIR [RUNS]}
runs=${2:-15}
declare -A program=([zelkor]=$build/app/zelkor [minimal_window]=$build/bench/minimal_window)
names=(zelkor minimal_window)
for name in "${names[@]}"; do
    if [ ! -x "${program[$name]}" ]; then
        echo "startup.sh: ${program[$name]} is missing; build the targets zelkor and minimal_window" >&2
        exit 1
    fi
done
if [ ! -x /usr/bin/time ]; then
    echo "startup.sh: needs /usr/bin/time (Debian package time)" >&2
    exit 1
fi

tmp=$(mktemp -d)
xvfb_pid=
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
    display=
    for n in $(seq 90 130); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            display=$n
            break
        fi
    done
    if [ -z "$display" ]; then
        echo "startup.sh: no free X display number for Xvfb" >&2
        exit 1
    fi
    Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$tmp/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -e "/tmp/.X11-unix/X$display" ] && break
        sleep 0.05
    done
    export DISPLAY=":$display"
fi
export QT_QPA_PLATFORM=xcb

# One run of program $1: appends "start-up µs, CPU µs, peak RSS KiB" to $2.
measure() {
    local t0 out shown
    t0=${EPOCHREALTIME/[.,]/} # microseconds, without starting a process
    out=$(/usr/bin/time -f %M -o "$tmp/mem" "$1" --exit-on-shown 2>>"$tmp/stderr.log")
    shown=$(printf '%s\n' "$out" | sed -n 's/^shown \([0-9]*\) \([0-9]*\)$/\1 \2/p')
    if [ -z "$shown" ]; then
        echo "startup.sh: $1 did not report its first frame" >&2
        exit 1
    fi
    set -- "$2" $shown
    echo "$(($2 / 1000 - t0)) $(($3 / 1000)) $(tail -n 1 "$tmp/mem")" >>"$1"
}

for name in "${names[@]}"; do
    measure "${program[$name]}" /dev/null # warm the caches; not counted
    : >"$tmp/$name"
done
for i in $(seq "$runs"); do
    if ((i % 2)); then order=(zelkor minimal_window); else order=(minimal_window zelkor); fi
    for name in "${order[@]}"; do
        measure "${program[$name]}" "$tmp/$name"
    done
done

# Column $2 of file $1: "median p25 p75" (linear interpolation between ranks).
quartiles() {
    cut -d' ' -f"$2" "$1" | sort -n | awk '
        { v[NR] = $1 }
        function q(p,  r, i) { r = 1 + p * (NR - 1); i = int(r); return v[i] + (r - i) * (v[i + 1] - v[i]) }
        END { v[NR + 1] = v[NR]; printf "%.1f %.1f %.1f\n", q(0.5), q(0.25), q(0.75) }'
}

# The figures of the runs in file $2: sets stat[$1.COLUMN] and prints them as a row named $1.
declare -A stat
summarise() {
    local column
    for column in 1 2 3; do
        stat[$1.$column]=$(quartiles "$2" "$column")
    done
    awk -v name="$1" -v t="${stat[$1.1]}" -v c="${stat[$1.2]}" -v m="${stat[$1.3]}" 'BEGIN {
        split(t, T, " "); split(c, C, " "); split(m, M, " ")
        printf "%-16s %8.1f (%5.1f-%5.1f) %9.1f (%5.1f-%5.1f) %9.0f (%6.0f-%6.0f)\n", name,
            T[1] / 1000, T[2] / 1000, T[3] / 1000, C[1] / 1000, C[2] / 1000, C[3] / 1000, M[1], M[2], M[3]
    }'
}

printf '%-16s %24s %24s %26s\n' program "start-up ms (IQR)" "CPU ms (IQR)" "peak RSS KiB (IQR)"
for name in "${names[@]}"; do
    summarise "$name" "$tmp/$name"
done
awk -v z="${stat[zelkor.1]} ${stat[zelkor.2]} ${stat[zelkor.3]}" \
    -v b="${stat[minimal_window.1]} ${stat[minimal_window.2]} ${stat[minimal_window.3]}" \
    -v n="$runs" 'BEGIN {
    split(z, Z, " "); split(b, B, " ")
    rt = Z[1] / B[1]; rc = Z[4] / B[4]; rm = Z[7] / B[7]
    printf "ratio zelkor/minimal_window (medians of %d interleaved runs): start-up %.2f, CPU %.2f, memory %.2f\n", n, rt, rc, rm
    printf "target 1.00 for each: %s\n", (rt <= 1 && rc <= 1 && rm <= 1) ? "met" : "missed"
}'

# Wayland: zelkor on a headless Weston beside zelkor on X11, the two runs alternating as above.
# Goal: on Wayland at most 1.10 times the X11 figures. Skipped, with a note, without weston.
if ! command -v weston >/dev/null; then
    echo "startup.sh: weston is not installed (Debian package weston); no Wayland run" >&2
    exit 0
fi
export XDG_RUNTIME_DIR=$tmp/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --use-pixman --socket=bench --idle-time=0 \
    >"$tmp/weston.log" 2>&1 &
weston_pid=$!
trap 'kill "$weston_pid" 2>/dev/null || true; wait "$weston_pid" 2>/dev/null || true; cleanup' EXIT
for _ in $(seq 100); do
    [ -e "$XDG_RUNTIME_DIR/bench" ] && break
    sleep 0.05
done
declare -A qpa=([x11]=xcb [wayland]=wayland)
: >"$tmp/stderr.log"
QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=bench measure "${program[zelkor]}" /dev/null
: >"$tmp/x11"
: >"$tmp/wayland"
for i in $(seq "$runs"); do
    if ((i % 2)); then order=(x11 wayland); else order=(wayland x11); fi
    for platform in "${order[@]}"; do
        QT_QPA_PLATFORM=${qpa[$platform]} WAYLAND_DISPLAY=bench measure "${program[zelkor]}" "$tmp/$platform"
    done
done
if [ -s "$tmp/stderr.log" ]; then
    echo "startup.sh: zelkor wrote to its error output:" >&2
    sort -u "$tmp/stderr.log" >&2
fi
echo
printf '%-16s %24s %24s %26s\n' "zelkor on" "start-up ms (IQR)" "CPU ms (IQR)" "peak RSS KiB (IQR)"
for platform in x11 wayland; do
    summarise "$platform" "$tmp/$platform"
done
awk -v x="${stat[x11.1]} ${stat[x11.2]} ${stat[x11.3]}" \
    -v w="${stat[wayland.1]} ${stat[wayland.2]} ${stat[wayland.3]}" -v n="$runs" 'BEGIN {
    split(x, X, " "); split(w, W, " ")
    rt = W[1] / X[1]; rc = W[4] / X[4]; rm = W[7] / X[7]
    printf "ratio Wayland/X11 (medians of %d interleaved runs): start-up %.2f, CPU %.2f, memory %.2f\n", n, rt, rc, rm
    printf "target 1.10 for each: %s\n", (rt <= 1.1 && rc <= 1.1 && rm <= 1.1) ? "met" : "missed"
}'
