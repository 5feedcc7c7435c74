// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// Widths of long texts, added up from the advances of their characters.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>

#include <array>

namespace RyNumEdit {

/// The advances of a font's characters, each looked up once. Laying out a text costs some
/// tens of nanoseconds a character, so a text far longer than any control can show (a value
/// of megabytes, a mark of that length) is measured and cut here instead, by adding up the
/// advances; the sum is the layout's width wherever the font does not kern the pair.
class TextAdvances {
public:
    /// Texts of up to this many characters are laid out whole, as drawing them does.
    static constexpr qsizetype LaidOutLength = 2048;

    explicit TextAdvances(const QFont &Font);

    /// The advance of the character at I; I moves past it (a surrogate pair is one character).
    qreal Next(const QString &Text, qsizetype &I) {
        const char16_t u = Text.at(I).unicode();
        if (u < ascii_.size()) {
            ++I;
            return Ascii(u);
        }
        return Other(Text, I);
    }
    /// The advances of all of Text's characters.
    qreal Sum(const QString &Text);
    /// The same for a code page 932 text all of whose bytes are ASCII, read as it is; -1 when
    /// it holds any other byte.
    qreal SumAscii(const char *Bytes, size_t Size);

    /// The advance of an ASCII character.
    qreal Ascii(char16_t U) {
        qreal &advance = ascii_[U];
        if (advance < 0)
            advance = metrics_.horizontalAdvance(QChar(U));
        return advance;
    }

private:
    /// Next for a character beyond ASCII.
    qreal Other(const QString &Text, qsizetype &I);

    QFontMetricsF metrics_;
    std::array<qreal, 128> ascii_;
    QHash<char32_t, qreal> others_;
};

} // namespace RyNumEdit
