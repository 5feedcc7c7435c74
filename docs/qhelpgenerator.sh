#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zelkor developers
# SPDX-License-Identifier: MIT
# Builds a Qt help file from Doxygen's help project and fails on anything qhelpgenerator
# reports, a link to a file outside the project among it (-c).
#   qhelpgenerator.sh <qhelpgenerator> <index.qhp> <output.qch>
set -euo pipefail
generator=$1 project=$2 output=$3
rm -f "$output"
# qhelpgenerator is a Qt program: it needs no display, only a platform plugin to start with.
report=$(QT_QPA_PLATFORM=offscreen "$generator" -c -s "$project" -o "$output" 2>&1) || {
    printf '%s\n' "$report" >&2
    exit 1
}
# Qt's own notes about the environment (no runtime folder on a build machine) are no finding.
report=$(printf '%s\n' "$report" | grep -v '^QStandardPaths: ' || true)
if [ -n "$report" ]; then
    printf '%s\n' "$report" >&2
    echo "qhelpgenerator reported the above" >&2
    rm -f "$output"
    exit 1
fi
