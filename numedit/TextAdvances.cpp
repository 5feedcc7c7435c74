// Widths of long texts, added up from the advances of their characters.
#include "TextAdvances.h"

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

qreal TextAdvances::Sum(const QString &Text) {
    // ASCII characters are counted and their advances multiplied, which gives the same exact
    // sum: advances are whole 64ths of a pixel.
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
    for (char16_t c = 0; c < counts.size(); ++c)
        if (counts[c] != 0)
            sum += static_cast<qreal>(counts[c]) * Ascii(c);
    return sum;
}
