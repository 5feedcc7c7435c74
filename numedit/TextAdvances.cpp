// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// Widths of long texts, added up from the advances of their characters.
#include "TextAdvances_p.h"

namespace RyNumEdit {

TextAdvances::TextAdvances(const QFont &Font) : metrics_(Font) {
    ascii_.fill(-1);
}

qreal TextAdvances::Other(const QString &Text, qsizetype &I) {
    const qsizetype n = Text.at(I).isHighSurrogate() && I + 1 < Text.size() ? 2 : 1;
    const QString character = Text.mid(I, n);
    I += n;
    const char32_t code = character.toUcs4().value(0);
    const auto found = others_.constFind(code);
    if (found != others_.constEnd())
        return *found;
    return others_.insert(code, metrics_.horizontalAdvance(character)).value();
}

namespace {

/// The advances of counts[c] characters c, each advance a whole 64th of a pixel: multiplied,
/// they give the same exact sum as adding them up one by one.
qreal SumCounts(TextAdvances &Advances, const std::array<qsizetype, 128> &Counts) {
    qreal sum = 0;
    for (char16_t c = 0; c < Counts.size(); ++c)
        if (Counts[c] != 0)
            sum += static_cast<qreal>(Counts[c]) * Advances.Ascii(c);
    return sum;
}

} // namespace

qreal TextAdvances::SumAscii(const char *Bytes, size_t Size) {
    // Four tables counted in turn, so that a run of one character (digits repeat) does not
    // wait on its own previous count; a byte from 0x80 on is seen in the bit they share.
    std::array<std::array<qsizetype, 256>, 4> counts{};
    unsigned seen = 0;
    size_t i = 0;
    for (; i + 4 <= Size; i += 4) {
        const auto b0 = static_cast<unsigned char>(Bytes[i]);
        const auto b1 = static_cast<unsigned char>(Bytes[i + 1]);
        const auto b2 = static_cast<unsigned char>(Bytes[i + 2]);
        const auto b3 = static_cast<unsigned char>(Bytes[i + 3]);
        seen |= b0 | b1 | b2 | b3;
        ++counts[0][b0];
        ++counts[1][b1];
        ++counts[2][b2];
        ++counts[3][b3];
    }
    for (; i < Size; ++i) {
        const auto b = static_cast<unsigned char>(Bytes[i]);
        seen |= b;
        ++counts[0][b];
    }
    if (seen >= 0x80)
        return -1;
    std::array<qsizetype, 128> total{};
    for (size_t c = 0; c < total.size(); ++c)
        total[c] = counts[0][c] + counts[1][c] + counts[2][c] + counts[3][c];
    return SumCounts(*this, total);
}

qreal TextAdvances::Sum(const QString &Text) {
    // ASCII characters are counted and their advances multiplied.
    std::array<qsizetype, 128> counts{};
    qreal sum = 0;
    const QChar *const text = Text.constData();
    for (qsizetype i = 0; i < Text.size();) {
        const char16_t u = text[i].unicode();
        if (u < counts.size()) {
            ++counts[u];
            ++i;
        } else {
            sum += Other(Text, i);
        }
    }
    return sum + SumCounts(*this, counts);
}

} // namespace RyNumEdit
