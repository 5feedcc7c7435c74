// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// Code page 932 <-> Unicode conversion through iconv.
#include "ShiftJis.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace cp932 {

namespace {

/// One iconv descriptor per direction and thread, opened on first use.
class Converter {
public:
    Converter(const char *to, const char *from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv cannot convert between CP932 and UTF-16");
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

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

private:
    iconv_t cd_;
};

bool IsAscii(const QChar *p, qsizetype n) {
    for (qsizetype i = 0; i < n; ++i)
        if (p[i].unicode() >= 0x80)
            return false;
    return true;
}

bool IsAscii(const std::string &s) {
    for (unsigned char c : s)
        if (c >= 0x80)
            return false;
    return true;
}

} // namespace

std::string FromUnicode(const QString &Text) {
    if (IsAscii(Text.constData(), Text.size()))
        return Text.toStdString();

    thread_local Converter toCp932("CP932", "UTF-16LE");
    static_assert(sizeof(QChar) == 2, "QString holds UTF-16");
    std::string result;
    result.reserve(static_cast<size_t>(Text.size()));
    const char *in = reinterpret_cast<const char *>(Text.constData());
    size_t inLeft = static_cast<size_t>(Text.size()) * 2;
    while (!toCp932.Convert(in, inLeft, result)) {
        // One character without a code page 932 form: a whole surrogate pair or one unit.
        const auto unit = static_cast<char16_t>(static_cast<unsigned char>(in[0]) |
                                                (static_cast<unsigned char>(in[1]) << 8));
        size_t skip = 2;
        if (unit >= 0xD800 && unit <= 0xDBFF && inLeft >= 4)
            skip = 4;
        skip = skip > inLeft ? inLeft : skip;
        result.push_back('?');
        in += skip;
        inLeft -= skip;
    }
    return result;
}

QString ToUnicode(const std::string &Bytes) {
    if (IsAscii(Bytes))
        return QString::fromLatin1(Bytes.data(), static_cast<qsizetype>(Bytes.size()));

    thread_local Converter fromCp932("UTF-16LE", "CP932");
    std::string utf16;
    utf16.reserve(Bytes.size() * 2);
    const char *in = Bytes.data();
    size_t inLeft = Bytes.size();
    while (!fromCp932.Convert(in, inLeft, utf16)) {
        utf16.append("\xFD\xFF", 2); // U+FFFD, little-endian
        ++in;
        --inLeft;
    }
    return QString(reinterpret_cast<const QChar *>(utf16.data()),
                   static_cast<qsizetype>(utf16.size() / 2));
}

} // namespace cp932
