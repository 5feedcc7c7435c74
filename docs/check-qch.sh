#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zelkor developers
# SPDX-License-Identifier: MIT
# Checks a built rynumedit.qch as Qt's help system reads it: registered into a fresh help
# collection (as Qt Assistant and Qt Creator register it), with its namespace, pages and
# keywords there. Used by `make docs`.
#   check-qch.sh <rynumedit.qch>
set -euo pipefail
qch=$(realpath "$1")
generator=$(find /usr/lib/qt6 -name qhelpgenerator -type f | head -n 1)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "check-qch.sh: $qch: $*" >&2
    exit 1
}
query() {
    sqlite3 -batch -noheader "$1" "$2"
}

namespace=$(query "$qch" "SELECT Name FROM NamespaceTable;")
[[ $namespace == org.zelkor.rynumedit.* ]] || fail "namespace '$namespace'"
for page in index.html classTRyNumEdit.html operations.html limits.html designer.html \
    subclassing.html; do
    [ "$(query "$qch" "SELECT COUNT(*) FROM FileNameTable WHERE Name = '$page';")" = 1 ] ||
        fail "no $page"
done
for keyword in TRyNumEdit TRyNumEdit::FormatNumber TRyNumEdit::textChanged; do
    [ "$(query "$qch" "SELECT COUNT(*) FROM IndexTable WHERE Identifier = '$keyword' OR
        Identifier LIKE '${keyword}\_%' ESCAPE '\';")" -ge 1 ] ||
        fail "no keyword $keyword"
done

# A help collection that registers the file, as Qt Assistant's -register does.
cat >"$work/collection.qhcp" <<XML
<?xml version="1.0" encoding="UTF-8"?>
<QHelpCollectionProject version="1.0">
  <docFiles><register><file>$qch</file></register></docFiles>
</QHelpCollectionProject>
XML
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work "$generator" -s "$work/collection.qhcp" \
    -o "$work/collection.qhc" >/dev/null || fail "qhelpgenerator cannot register it"
[ "$(query "$work/collection.qhc" "SELECT Name FROM NamespaceTable;")" = "$namespace" ] ||
    fail "not registered in a help collection"
echo "$qch: $namespace, $(query "$qch" "SELECT COUNT(*) FROM FileNameTable;") files," \
    "$(query "$qch" "SELECT COUNT(*) FROM IndexTable;") keywords; registers in a help collection"
