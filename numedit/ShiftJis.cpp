// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// Code page 932 <-> Unicode conversion through iconv.
#include "ShiftJis_p.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <stdexcept>
#include <string_view>

namespace RyNumEdit::cp932 {

namespace {

/// One iconv descriptor per direction and thread, opened on first use.
class Converter {
public:
    Converter(const char *to, const char *from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv cannot convert between CP932 and Unicode");
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    /// Converts [in, in + inLeft) and appends it to out; each input unit of unitSize bytes that
    /// cannot be converted appends replacement instead.
    void ConvertAll(const char *in, size_t inLeft, size_t unitSize, std::string_view replacement,
                    std::string &out) {
        while (!Convert(in, inLeft, out)) {
            out.append(replacement);
            const size_t skip = std::min(unitSize, inLeft);
            in += skip;
            inLeft -= skip;
        }
    }

private:
    /// Converts as much of [in, in + inLeft) as it can into out, appending. Returns false and
    /// leaves in at the offending input when a sequence cannot be converted.
    bool Convert(const char *&in, size_t &inLeft, std::string &out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char buffer[4096];
        while (inLeft > 0) {
            char *dst = buffer;
            size_t dstLeft = sizeof buffer;
            char *src = const_cast<char *>(in);
            const size_t rc = iconv(cd_, &src, &inLeft, &dst, &dstLeft);
            in = src;
            out.append(buffer, static_cast<size_t>(dst - buffer));
            if (rc == static_cast<size_t>(-1) && errno != E2BIG)
                return false;
        }
        return true;
    }

    iconv_t cd_;
};

bool IsAscii(const std::string &s) {
    unsigned char seen = 0;
    for (unsigned char c : s)
        seen |= c;
    return seen < 0x80;
}

} // namespace

std::string FromUnicode(const QString &Text) {
    const QChar *const units = Text.constData();
    const auto size = static_cast<size_t>(Text.size());

    // ASCII, the usual text, is its own code page 932 form: copied in one pass that also sees
    // whether anything else is there.
    std::string result(size, '\0');
    char *const bytes = result.data();
    char16_t seen = 0;
    for (size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>(units[i].unicode());
        seen |= units[i].unicode();
    }
    if (seen < 0x80)
        return result;
    size_t ascii = 0;
    while (units[ascii].unicode() < 0x80)
        ++ascii;
    result.resize(ascii);

    // The rest goes to iconv in pieces, as wchar_t code points: the form glibc's iconv converts
    // through, so that the conversion is one step. From UTF-16 it is two, and each character
    // that the second step cannot convert makes iconv convert again, through the first step,
    // all of the text after it that it had buffered: a text full of characters without a code
    // page 932 form took time growing with the square of their number.
    static_assert(sizeof(wchar_t) == 4, "WCHAR_T holds code points");
    thread_local Converter toCp932("CP932", "WCHAR_T");
    wchar_t points[1024];
    for (size_t i = ascii; i < size;) {
        size_t count = 0;
        size_t unpaired = 0; // a surrogate without its partner
        while (i < size && count < std::size(points)) {
            const QChar unit = units[i];
            if (!unit.isSurrogate()) {
                points[count++] = static_cast<wchar_t>(unit.unicode());
                ++i;
            } else if (unit.isHighSurrogate() && i + 1 < size && units[i + 1].isLowSurrogate()) {
                points[count++] = static_cast<wchar_t>(QChar::surrogateToUcs4(unit, units[i + 1]));
                i += 2;
            } else {
                // A surrogate without its partner is a "?" of its own; what follows it stays.
                unpaired = 1;
                break;
            }
        }
        // One "?" for each character without a code page 932 form.
        toCp932.ConvertAll(reinterpret_cast<const char *>(points), count * sizeof(wchar_t),
                           sizeof(wchar_t), "?", result);
        if (unpaired != 0) {
            result += '?';
            i += unpaired;
        }
    }
    return result;
}

QString ToUnicode(const std::string &Bytes) {
    if (IsAscii(Bytes))
        return QString::fromLatin1(Bytes.data(), static_cast<qsizetype>(Bytes.size()));

    thread_local Converter fromCp932("UTF-16LE", "CP932");
    std::string utf16;
    utf16.reserve(Bytes.size() * 2);
    // U+FFFD (little-endian) for each byte that is not code page 932.
    fromCp932.ConvertAll(Bytes.data(), Bytes.size(), 1, std::string_view("\xFD\xFF", 2), utf16);
    return QString(reinterpret_cast<const QChar *>(utf16.data()),
                   static_cast<qsizetype>(utf16.size() / 2));
}

} // namespace RyNumEdit::cp932
