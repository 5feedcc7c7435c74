#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zelkor developers
# SPDX-License-Identifier: MIT
# Runs every fuzz target for SECONDS, one after the other, from its seed corpus in
# fuzz/corpus/<target>. What a run adds goes to WORK/corpus/<target> (the seed corpus in the
# repository is only read), its full output to WORK/<target>.log and an input that breaks
# something to WORK/artifacts/; WORK is $FUZZ_WORK, or BUILD_DIR. Prints each target's figures
# (executions, coverage as libFuzzer's cov and ft, corpus size); fails when a target finds a
# fault.
#
# Usage: [FUZZ_WORK=DIR] fuzz/run.sh BUILD_DIR SECONDS [TARGET...]
set -euo pipefail

build=${1:?usage: run.sh BUILD_DIR SECONDS [TARGET...]}
seconds=${2:?usage: run.sh BUILD_DIR SECONDS [TARGET...]}
shift 2
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_valuetext fuzz_interaction fuzz_calculator)
here=$(cd "$(dirname "$0")" && pwd)
work=${FUZZ_WORK:-$build}

export QT_QPA_PLATFORM=offscreen
# ASan keeps freed memory in quarantine to catch its later use; at its default 256 MB the
# allocator's regions ratchet up past 2 GB over a long run of these allocation-heavy targets
# (nothing leaks: a smaller quarantine keeps them at a few hundred MB). 32 MB still holds what an
# operation or two freed.
export ASAN_OPTIONS=detect_leaks=1:quarantine_size_mb=32
export LSAN_OPTIONS=suppressions=$here/../tests/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

mkdir -p "$work/artifacts"
status=0
for target in "${targets[@]}"; do
    program=$build/fuzz/$target
    if [ ! -x "$program" ]; then
        echo "run.sh: $program is missing; build the target fuzzers in $build" >&2
        exit 1
    fi
    corpus=$work/corpus/$target
    log=$work/$target.log
    mkdir -p "$corpus"
    # A slow input is a fault too: no operation may take long, so ten seconds is a freeze.
    if "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$work/artifacts/$target-" \
        "$corpus" "$here/corpus/$target" >"$log" 2>&1; then
        result=ok
    else
        result=FAILED
        status=1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    done_line=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -n 1 || true)
    cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$done_line")
    ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$done_line")
    printf '%-18s %-6s %8s s  executions %-10s cov %-6s ft %-7s corpus %s files\n' \
        "$target" "$result" "$seconds" "${runs:-?}" "${cov:-?}" "${ft:-?}" \
        "$(find "$corpus" -type f | wc -l)"
    if [ "$result" = FAILED ]; then
        grep -E 'ERROR|invariant broken|SUMMARY|Test unit written|runtime error' "$log" | head -n 20 >&2
        echo "full output: $log" >&2
    fi
done
exit $status
