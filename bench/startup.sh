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
#
# A run that crashes, hangs (ended after $limit s) or reports no first frame is a failure, not a
# figure: the failures are counted per program, a figure from fewer than 10 runs is marked "*",
# and the script fails when a program failed every run. (On Wayland, Qt 6.4's plug-in can abort
# or hang in a program that quits straight after its first frame.)
set -euo pipefail

build=${1:?usage: startup.sh BUILD_DIR [RUNS]}
runs=${2:-15}
limit=30

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

# The servers run in a runtime folder of their own, each in a process group of its own that ends
# with the script.
tmp=$(mktemp -d)
export XDG_RUNTIME_DIR=$tmp/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
servers=()
cleanup() {
    for pid in "${servers[@]}"; do kill -- -"$pid" 2>/dev/null || true; done
    for pid in "${servers[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 143' TERM INT HUP
# serve NAME TEST PATH COMMAND...: starts a server and waits until it is ready, as test TEST PATH
# tells (-s: a file it writes then, -S: its socket).
serve() {
    local name=$1 op=$2 path=$3 deadline=$((SECONDS + limit))
    shift 3
    setsid "$@" >"$tmp/$name.log" 2>&1 &
    servers+=($!)
    until test "$op" "$path"; do
        if ! kill -0 "${servers[-1]}" 2>/dev/null || ((SECONDS >= deadline)); then
            echo "startup.sh: $name did not start in $limit s: $(tail -n 3 "$tmp/$name.log")" >&2
            exit 1
        fi
        sleep 0.05
    done
}

if [ -z "${DISPLAY:-}" ]; then
    serve Xvfb -s "$tmp/display" \
        Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/display"
    DISPLAY=:$(head -n 1 "$tmp/display")
    export DISPLAY
fi
export QT_QPA_PLATFORM=xcb

# run_program NAME SET ROUND: one run of program NAME; appends "ROUND start-up-µs CPU-µs
# peak-RSS-KiB" to $tmp/SET, or, when the run failed, why to $tmp/SET.failed.
run_program() {
    local -n cmd="cmd_$1"
    local t0 out shown status=0
    t0=${EPOCHREALTIME/[.,]/} # microseconds, without starting a process
    out=$(timeout -k 5 "$limit" /usr/bin/time -f %M -o "$tmp/mem" "${cmd[@]}" \
        2>>"$tmp/stderr.log") || status=$?
    shown=$(sed -n 's/^shown \([0-9]*\) \([0-9]*\)$/\1 \2/p' <<<"$out")
    if [ "$status" = 124 ]; then
        echo "hung" >>"$tmp/$2.failed"
    elif [ "$status" -gt 128 ]; then
        echo "signal $((status - 128))" >>"$tmp/$2.failed"
    elif [ "$status" != 0 ]; then
        echo "exit $status" >>"$tmp/$2.failed"
    elif [ -z "$shown" ]; then
        echo "no first frame" >>"$tmp/$2.failed"
    else
        set -- "$2" "$3" $shown
        echo "$2 $(($3 / 1000 - t0)) $(($4 / 1000)) $(tail -n 1 "$tmp/mem")" >>"$tmp/$1"
    fi
}

for name in "${names[@]}"; do
    run_program "$name" warm-up 0 # warm the caches; not counted
    : >"$tmp/$name" && : >"$tmp/$name.failed"
done
for i in $(seq 0 $((runs - 1))); do
    for j in $(seq 0 $((${#names[@]} - 1))); do
        name=${names[(i + j) % ${#names[@]}]}
        run_program "$name" "$name" "$i"
    done
done

# The numbers on standard input: "median p25 p75" (linear interpolation between ranks).
quartiles() {
    sort -g | awk '
        { v[NR] = $1 }
        function q(p,  r, i) { r = 1 + p * (NR - 1); i = int(r); return v[i] + (r - i) * (v[i + 1] - v[i]) }
        END { v[NR + 1] = v[NR]; printf "%.3f %.3f %.3f\n", q(0.5), q(0.25), q(0.75) }'
}

# The figures of the runs of set $1: sets stat[$1.COLUMN] ("median p25 p75") and prints them as
# a row named $1, marked "*" when fewer than 10 runs made them, with the failed runs counted.
declare -A stat=()
failed_all=()
summarise() {
    local column ok failed
    ok=$(wc -l <"$tmp/$1")
    failed=$(sort "$tmp/$1.failed" | uniq -c |
        awk '{ $1 = $1 " ×"; printf "%s%s", s, $0; s = ", " }')
    [ -z "$failed" ] || failed="  failed $(wc -l <"$tmp/$1.failed"): $failed"
    if [ "$ok" = 0 ]; then
        printf '%-16s %s%s\n' "$1" "no run succeeded" "$failed"
        failed_all+=("$1")
        return
    fi
    for column in 2 3 4; do
        stat[$1.$column]=$(cut -d' ' -f"$column" "$tmp/$1" | quartiles)
    done
    awk -v name="$1" -v t="${stat[$1.2]}" -v c="${stat[$1.3]}" -v m="${stat[$1.4]}" -v ok="$ok" \
        -v failed="$failed" 'BEGIN {
        split(t, T, " "); split(c, C, " "); split(m, M, " ")
        printf "%-16s %8.1f (%5.1f-%5.1f) %9.1f (%5.1f-%5.1f) %9.0f (%6.0f-%6.0f)%s%s\n", name,
            T[1] / 1000, T[2] / 1000, T[3] / 1000, C[1] / 1000, C[2] / 1000, C[3] / 1000, M[1], M[2], M[3],
            ok < 10 ? "  * " ok " runs" : "", failed
    }'
}

printf '%-16s %24s %24s %26s\n' program "start-up ms (IQR)" "CPU ms (IQR)" "peak RSS KiB (IQR)"
for name in "${names[@]}"; do
    summarise "$name"
done
# Comparisons with a program that never ran would mislead.
all_failed() {
    [ ${#failed_all[@]} = 0 ] && return
    echo "startup.sh: every run of $1${failed_all[*]} failed" >&2
    sort -u "$tmp/stderr.log" | tail -n 5 >&2
    exit 1
}
all_failed ""

# Ratios of zelkor to program $1 in column $2, one a round in which both ran (under the same
# load): "median p25 p75 rounds".
ratio() {
    awk -v c="$2" 'NR == FNR { z[$1] = $c; next } $1 in z { print z[$1] / $c }' "$tmp/zelkor" \
        "$tmp/$1" >"$tmp/ratios"
    echo "$(quartiles <"$tmp/ratios") $(wc -l <"$tmp/ratios")"
}

echo "zelkor against each program: median (IQR) of the ratios of runs made in the same round:"
declare -A ok=()
for name in "${names[@]:1}"; do
    line="  zelkor/$name"
    for column in 2 3 4; do
        read -r r lo hi count < <(ratio "$name" "$column")
        ok[$name.$column]=$(awk -v r="$r" 'BEGIN { print (r <= 1) ? 1 : 0 }')
        line+=$(printf ' %s %.2f (%.2f-%.2f)' "$(echo "- start-up CPU memory" | cut -d' ' -f"$column")" "$r" "$lo" "$hi")
        [ "$column" -lt 4 ] && line+=,
    done
    [ "$count" -ge 10 ] || line+="  * $count rounds"
    echo "$line"
done
# The goal: at or under the window drawing the same fonts, and no more memory than galculator.
goal=met
for column in 2 3 4; do
    [ "${ok[bare_calc_fonts.$column]}" = 1 ] || goal=missed
done
verdict="target: start-up, CPU and memory at or under bare_calc_fonts"
if [ -n "${ok[galculator.4]:-}" ]; then
    verdict+=", memory at or under galculator"
    [ "${ok[galculator.4]}" = 1 ] || goal=missed
fi
echo "$verdict: $goal"

# Wayland: zelkor on a headless Weston beside zelkor on X11, the two runs alternating as above.
# Goal: on Wayland at most 1.10 times the X11 figures. Skipped, with a note, without weston.
if ! command -v weston >/dev/null; then
    echo "startup.sh: weston is not installed (Debian package weston); no Wayland run" >&2
    exit 0
fi
serve weston -S "$XDG_RUNTIME_DIR/bench" weston --backend=headless-backend.so --use-pixman \
    --socket=bench --idle-time=0
declare -A qpa=([x11]=xcb [wayland]=wayland)
: >"$tmp/stderr.log"
QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=bench run_program zelkor warm-up 0
: >"$tmp/x11" && : >"$tmp/x11.failed"
: >"$tmp/wayland" && : >"$tmp/wayland.failed"
for i in $(seq "$runs"); do
    if ((i % 2)); then order=(x11 wayland); else order=(wayland x11); fi
    for platform in "${order[@]}"; do
        QT_QPA_PLATFORM=${qpa[$platform]} WAYLAND_DISPLAY=bench run_program zelkor "$platform" "$i"
    done
done
if [ -s "$tmp/stderr.log" ]; then
    echo "startup.sh: zelkor wrote to its error output:" >&2
    sort -u "$tmp/stderr.log" >&2
fi
echo
printf '%-16s %24s %24s %26s\n' "zelkor on" "start-up ms (IQR)" "CPU ms (IQR)" "peak RSS KiB (IQR)"
for platform in x11 wayland; do
    summarise "$platform"
done
all_failed "zelkor on "
awk -v x="${stat[x11.2]} ${stat[x11.3]} ${stat[x11.4]}" \
    -v w="${stat[wayland.2]} ${stat[wayland.3]} ${stat[wayland.4]}" \
    -v n="$(cat "$tmp/x11" "$tmp/wayland" | wc -l)" 'BEGIN {
    split(x, X, " "); split(w, W, " ")
    rt = W[1] / X[1]; rc = W[4] / X[4]; rm = W[7] / X[7]
    printf "ratio Wayland/X11 (medians of %d interleaved runs): start-up %.2f, CPU %.2f, memory %.2f\n", n, rt, rc, rm
    printf "target 1.10 for each: %s\n", (rt <= 1.1 && rc <= 1.1 && rm <= 1.1) ? "met" : "missed"
}'
