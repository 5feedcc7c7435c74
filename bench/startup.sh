#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zelkor developers
# SPDX-License-Identifier: MIT
# Start-up time, processor time and peak memory of zelkor against two plain Qt windows with as
# many push buttons and edits (bench/minimal_window.cpp): one in Qt's default font, one drawing
# the calculator's captions and digits in the calculator's own fonts. Beside them, when it is
# installed, the leanest desktop calculator, galculator. Builds nothing: point it at a build
# directory (a Release build gives the meaningful figures) in which the targets zelkor,
# minimal_window and watch_shown are built.
#
# Usage: bench/startup.sh BUILD_DIR [RUNS]     (RUNS defaults to 15, at least 10 are meaningful)
#
# Every program runs under the same conditions: same display, environment, working directory
# and harness, in an order that rotates from one round to the next (so that a change in the
# machine's load falls on all alike), after one uncounted warm-up run each.
#   start-up  wall time from just before the process is started until its first frame is
#             painted whole and the window system has processed it (our programs report the
#             moment themselves when run with ZELKOR_EXIT_ON_SHOWN=1, see app/ShownWatcher.h;
#             galculator is watched from outside by bench/watch_shown.cpp)
#   CPU       processor time the process has used by then (user and system, all threads)
#   peak RSS  maximum resident set size of the whole run, from /usr/bin/time
# Each figure is the median of the runs, with the interquartile range (25th to 75th percentile)
# as its spread. zelkor is compared with each program run by run: the ratio of its run to the
# other program's run in the same round, of which the median and the interquartile range are
# given. Without $DISPLAY an Xvfb server is started.
# Then zelkor runs the same way on Wayland (a headless Weston of its own) beside X11 once more.
set -euo pipefail

build=${1:?usage: startup.sh BUILD_DIR [RUNS]}
runs=${2:-15}

# The programs measured, each a command that prints "shown <epoch ns> <cpu ns>" once its first
# frame is on the screen and then ends. Add a program by adding its command and its name.
export ZELKOR_EXIT_ON_SHOWN=1
# shellcheck disable=SC2034 # read through the name references of run_program
cmd_zelkor=("$build/app/zelkor")
# shellcheck disable=SC2034
cmd_bare_window=("$build/bench/minimal_window")
# shellcheck disable=SC2034
cmd_bare_calc_fonts=("$build/bench/minimal_window" --calculator-fonts)
names=(zelkor bare_window bare_calc_fonts)
for name in "${names[@]}"; do
    declare -n cmd="cmd_$name"
    if [ ! -x "${cmd[0]}" ]; then
        echo "startup.sh: ${cmd[0]} is missing; build the targets zelkor and minimal_window" >&2
        exit 1
    fi
    unset -n cmd
done
# galculator, run as a desktop would but without OpenGL: on a server with GLX (Xvfb has it) GTK
# opens a GL context at start, which loads a software renderer of some 50 MiB.
if command -v galculator >/dev/null; then
    if [ -x "$build/bench/watch_shown" ]; then
        # shellcheck disable=SC2034
        cmd_galculator=(env GDK_GL=disable "$build/bench/watch_shown" galculator)
        names+=(galculator)
    else
        echo "startup.sh: $build/bench/watch_shown is missing; galculator is left out" >&2
    fi
fi
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
run_program() {
    local -n cmd="cmd_$1"
    local t0 out shown
    t0=${EPOCHREALTIME/[.,]/} # microseconds, without starting a process
    out=$(/usr/bin/time -f %M -o "$tmp/mem" "${cmd[@]}" 2>>"$tmp/stderr.log")
    shown=$(printf '%s\n' "$out" | sed -n 's/^shown \([0-9]*\) \([0-9]*\)$/\1 \2/p')
    if [ -z "$shown" ]; then
        echo "startup.sh: $1 did not report its first frame" >&2
        exit 1
    fi
    set -- "$2" $shown
    echo "$(($2 / 1000 - t0)) $(($3 / 1000)) $(tail -n 1 "$tmp/mem")" >>"$1"
}

for name in "${names[@]}"; do
    run_program "$name" /dev/null # warm the caches; not counted
    : >"$tmp/$name"
done
for i in $(seq 0 $((runs - 1))); do
    for j in $(seq 0 $((${#names[@]} - 1))); do
        name=${names[(i + j) % ${#names[@]}]}
        run_program "$name" "$tmp/$name"
    done
done

# The numbers on standard input: "median p25 p75" (linear interpolation between ranks).
quartiles() {
    sort -g | awk '
        { v[NR] = $1 }
        function q(p,  r, i) { r = 1 + p * (NR - 1); i = int(r); return v[i] + (r - i) * (v[i + 1] - v[i]) }
        END { v[NR + 1] = v[NR]; printf "%.3f %.3f %.3f\n", q(0.5), q(0.25), q(0.75) }'
}

# The figures of the runs in file $2: sets stat[$1.COLUMN] ("median p25 p75") and prints them as
# a row named $1.
declare -A stat=()
summarise() {
    local column
    for column in 1 2 3; do
        stat[$1.$column]=$(cut -d' ' -f"$column" "$2" | quartiles)
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

# Ratios of zelkor to program $1 in column $2, one a round (the two ran under the same load):
# "median p25 p75".
ratio() {
    paste -d' ' <(cut -d' ' -f"$2" "$tmp/zelkor") <(cut -d' ' -f"$2" "$tmp/$1") |
        awk '{ print $1 / $2 }' | quartiles
}

echo "zelkor against each program: median (IQR) of the $runs ratios of runs made in the same round:"
declare -A ok=()
for name in "${names[@]:1}"; do
    line="  zelkor/$name"
    for column in 1 2 3; do
        read -r r lo hi < <(ratio "$name" "$column")
        ok[$name.$column]=$(awk -v r="$r" 'BEGIN { print (r <= 1) ? 1 : 0 }')
        line+=$(printf ' %s %.2f (%.2f-%.2f)' "$(echo "start-up CPU memory" | cut -d' ' -f"$column")" "$r" "$lo" "$hi")
        [ "$column" -lt 3 ] && line+=,
    done
    echo "$line"
done
# The goal: at or under the window drawing the same fonts, and no more memory than galculator.
goal=met
for column in 1 2 3; do
    [ "${ok[bare_calc_fonts.$column]}" = 1 ] || goal=missed
done
verdict="target: start-up, CPU and memory at or under bare_calc_fonts"
if [ -n "${ok[galculator.3]:-}" ]; then
    verdict+=", memory at or under galculator"
    [ "${ok[galculator.3]}" = 1 ] || goal=missed
fi
echo "$verdict: $goal"

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
QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=bench run_program zelkor /dev/null
: >"$tmp/x11"
: >"$tmp/wayland"
for i in $(seq "$runs"); do
    if ((i % 2)); then order=(x11 wayland); else order=(wayland x11); fi
    for platform in "${order[@]}"; do
        QT_QPA_PLATFORM=${qpa[$platform]} WAYLAND_DISPLAY=bench run_program zelkor "$tmp/$platform"
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
