// Text crossing between the control's code page 932 bytes and Qt's Unicode.
#pragma once

#include <QString>

#include <string>

namespace cp932 {

/// True for a byte that starts a double-byte character (0x81-0x9F, 0xE0-0xFC).
constexpr bool IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

/// Unicode to code page 932. A character with no code page 932 form becomes "?", which no
/// numeric rule accepts, so a scan ends there instead of skipping it.
std::string FromUnicode(const QString &Text);

/// Code page 932 to Unicode. A byte sequence that is not code page 932 (such as a dangling
/// lead byte) becomes U+FFFD, one per byte.
QString ToUnicode(const std::string &Bytes);

} // namespace cp932
