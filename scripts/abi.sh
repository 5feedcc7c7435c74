#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zelkor developers
# SPDX-License-Identifier: MIT
# The ABI guard of libRyNumEdit, with libabigail: writes the stored baseline, or compares a build
# of the library with it. Only the types of the public headers (the folder given) count.
#   abi.sh baseline <library> <public headers folder> <baseline>   (make abi-baseline)
#   abi.sh check <library> <public headers folder> <baseline> <suppressions>   (CTest abi/RyNumEdit)
# The check passes when nothing changed or when functions or variables were only added (then it
# lists them); anything removed or changed fails it. abidiff itself flags only some incompatible
# changes (removed symbols, moved virtual functions), not a changed class size, so its report
# decides.
set -euo pipefail

mode=${1:-} library=${2:-} headers=${3:-} baseline=${4:-} suppressions=${5:-}
case $mode in
baseline)
    abidw --headers-dir "$headers" --drop-private-types --short-locs --no-corpus-path \
        --no-comp-dir-path --type-id-style hash --out-file "$baseline" "$library"
    echo "ABI baseline of $(basename "$library") written to $baseline"
    ;;
check)
    status=0
    report=$(abidiff --hd2 "$headers" --drop-private-types --suppressions "$suppressions" \
        "$baseline" "$library") || status=$?
    printf '%s\n' "$report"
    if ((status & 3)); then
        echo "abidiff could not compare $library with $baseline (exit status $status)" >&2
        exit 1
    fi
    if ((status == 0)); then
        echo "ABI unchanged from $baseline"
    elif grep -Eq '\b[1-9][0-9]* (Removed|Changed)' <<<"$report"; then
        echo "INCOMPATIBLE ABI change from $baseline: see above. Restore the interface, or start" \
            "a new major version (soname) and refresh the baseline (make abi-baseline)." >&2
        exit 1
    else
        echo "Compatible ABI additions (above): the next release is a minor version; refresh" \
            "the baseline then (make abi-baseline)."
    fi
    ;;
*)
    sed -n '4,7p' "$0" >&2
    exit 2
    ;;
esac
