// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// Data rows for QtTest tables written as one call per row, and the control's texts as QStrings.
#pragma once

#include <QString>
#include <QTest>

#include <string>

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

/// A byte text of the control (value, display or undo text) as a QString to compare, read as
/// Latin-1: the texts these tests compare are ASCII.
inline QString Str(const std::string &s) {
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

} // namespace testrows
