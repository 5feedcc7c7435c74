// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// Text crossing between the control's code page 932 bytes and Qt's Unicode.
#pragma once

#include <QString>

#include <string>

namespace RyNumEdit::cp932 {

/// True for a byte that starts a double-byte character (0x81-0x9F, 0xE0-0xFC).
constexpr bool IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

/// The code of a double-byte character: its lead byte and trail byte.
constexpr unsigned PairCode(unsigned char Lead, unsigned char Trail) {
    return (unsigned{Lead} << 8) | Trail;
}

/// The full-width comma, which the numeric folding drops.
constexpr unsigned FullWidthComma = 0x8143;

/// The numeric folding of a double-byte character: the full-width digits (0x824F-0x8258),
/// minus (0x817C, which U+FF0D and U+2212 both convert to) and full stop (0x8144) become their
/// ASCII characters; any other code gives '\0'.
constexpr char FoldFullWidth(unsigned Code) {
    if (Code >= 0x824F && Code <= 0x8258)
        return static_cast<char>('0' + (Code - 0x824F));
    if (Code == 0x817C)
        return '-';
    if (Code == 0x8144)
        return '.';
    return '\0';
}

/// Unicode to code page 932. A character with no code page 932 form becomes "?", which no
/// numeric rule accepts, so a scan ends there instead of skipping it.
std::string FromUnicode(const QString &Text);

/// Code page 932 to Unicode. A byte sequence that is not code page 932 (such as a dangling
/// lead byte) becomes U+FFFD, one per byte.
QString ToUnicode(const std::string &Bytes);

} // namespace RyNumEdit::cp932
