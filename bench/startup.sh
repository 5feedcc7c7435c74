#!/usr/bin/env bash
# Start-up time and peak memory of zelkor against a plain Qt window with as many controls
# (bench/minimal_window.cpp). Builds nothing: point it at a build directory (a Release build
# gives the meaningful figures) in which the targets zelkor and minimal_window are built.
#
# Usage: bench/startup.sh BUILD_DIR [RUNS]     (RUNS defaults to 10)
#
# Start-up time is wall time from just before the process is started to its first paint,
# which the program reports itself when run with --exit-on-shown. Peak memory is the maximum
# resident set size from /usr/bin/time. Without $DISPLAY an Xvfb server is started for the run.
set -euo pipefail

build=${1:?usage: startup.sh BUILD_DIR [RUNS]}
runs=${2:-10}
zelkor=$build/app/zelkor
minimal=$build/bench/minimal_window
for program in "$zelkor" "$minimal"; do
    if [ ! -x "$program" ]; then
        echo "startup.sh: $program is missing; build the targets zelkor and minimal_window" >&2
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

# One run: prints start-up time in microseconds and peak RSS in KiB.
measure() {
    local t0 out shown
    t0=$(date +%s%N)
    out=$(/usr/bin/time -f %M -o "$tmp/mem" "$1" --exit-on-shown 2>>"$tmp/stderr.log")
    shown=$(printf '%s\n' "$out" | sed -n 's/^shown \([0-9]*\)$/\1/p')
    if [ -z "$shown" ]; then
        echo "startup.sh: $1 did not report its first paint" >&2
        exit 1
    fi
    echo "$(((shown - t0) / 1000)) $(tail -n 1 "$tmp/mem")"
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

declare -A time_median mem_median
for name in zelkor minimal_window; do
    program=$zelkor
    [ "$name" = minimal_window ] && program=$minimal
    measure "$program" >/dev/null # warm the caches; not counted
    : >"$tmp/$name"
    for _ in $(seq "$runs"); do
        measure "$program" >>"$tmp/$name"
    done
    time_median[$name]=$(cut -d' ' -f1 "$tmp/$name" | median)
    mem_median[$name]=$(cut -d' ' -f2 "$tmp/$name" | median)
done

printf '%-16s %18s %18s\n' program "start-up ms" "peak RSS KiB"
for name in zelkor minimal_window; do
    awk -v name="$name" -v t="${time_median[$name]}" -v m="${mem_median[$name]}" \
        'BEGIN { printf "%-16s %18.1f %18.0f\n", name, t / 1000, m }'
done
awk -v tz="${time_median[zelkor]}" -v tm="${time_median[minimal_window]}" \
    -v mz="${mem_median[zelkor]}" -v mm="${mem_median[minimal_window]}" -v n="$runs" 'BEGIN {
    rt = tz / tm; rm = mz / mm
    printf "ratio zelkor/minimal_window (medians of %d runs): start-up %.2f, memory %.2f\n", n, rt, rm
    printf "target 1.20: %s\n", (rt <= 1.2 && rm <= 1.2) ? "met" : "missed"
}'
