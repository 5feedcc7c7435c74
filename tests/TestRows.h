// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// Data rows for QtTest tables written as one call per row.
#pragma once

#include <QString>
#include <QTest>

namespace testrows {

/// Text literals become QString cells; anything else goes in as it is.
inline QString Cell(const char *text) {
    return QString::fromUtf8(text);
}
template <typename T> const T &Cell(const T &value) {
    return value;
}

/// Adds the row tag with its cells, in column order.
template <typename... T> void Row(const char *tag, const T &...values) {
    (QTest::newRow(tag) << ... << Cell(values));
}

} // namespace testrows
