// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// Input decoding, the application, property writes and the value text rules for the fuzz targets.
#include "FuzzSupport.h"

#include "Beep_p.h"
#include "RyNumEdit.h"
#include "ShiftJis_p.h"

#include <QApplication>
#include <QColor>
#include <QMetaEnum>
#include <QMetaProperty>

#include <climits>
#include <cstdio>
#include <cstdlib>

using namespace RyNumEdit;

namespace fuzz {

int Bytes::Int() {
    const uint8_t kind = Byte();
    switch (kind % 8) {
    case 4:
        return -1 - Byte() % 16; // ignored by the writers
    case 5:
        return 10'000'000 + Byte();
    case 6:
        return INT_MAX - Byte();
    case 7: {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v = v << 8 | Byte();
        return static_cast<int32_t>(v);
    }
    default:
        return Byte() % 24;
    }
}

std::string Bytes::Text() {
    const size_t length = Byte();
    if (length != 255) {
        std::string text;
        for (size_t i = 0; i < length && !Empty(); ++i)
            text += static_cast<char>(Byte());
        return text;
    }
    std::string pattern;
    for (size_t n = 1 + Byte() % 8; n > 0 && !Empty(); --n)
        pattern += static_cast<char>(Byte());
    std::string text;
    for (size_t n = size_t{Byte()} * 16 + 1; n > 0; --n)
        text += pattern;
    return text;
}

void StartApplication() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt keeps a reference to argc; libFuzzer's own arguments are none of Qt's business.
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QApplication *app = new QApplication(argc, argv); // lives as long as the process
    Q_UNUSED(app);
    RyNumEdit::SetBeepHook([] {});
}

QString FromCp932(const std::string &Text) {
    return cp932::ToUnicode(Text);
}

std::string ToCp932(const QString &Text) {
    return cp932::FromUnicode(Text);
}

void WriteProperty(TRyNumEdit &Edit, Bytes &In) {
    const QMetaObject &meta = TRyNumEdit::staticMetaObject;
    const int first = meta.propertyOffset();
    const QMetaProperty property =
        meta.property(first + In.Byte() % (meta.propertyCount() - first));
    QVariant value;
    if (property.isEnumType()) {
        const QMetaEnum e = property.enumerator();
        if (property.isFlagType()) {
            int mask = 0;
            for (int i = 0; i < e.keyCount(); ++i)
                mask |= e.value(i);
            value = In.Byte() & mask;
        } else {
            value = e.value(In.Byte() % e.keyCount());
        }
    } else {
        switch (property.typeId()) {
        case QMetaType::Bool:
            value = In.Bool();
            break;
        case QMetaType::Int:
            value = In.Int();
            break;
        case QMetaType::QString:
            value = FromCp932(In.Text());
            break;
        case QMetaType::QColor:
            value = QColor::fromRgb(In.Byte(), In.Byte(), In.Byte());
            break;
        default:
            return;
        }
    }
    Check(property.write(&Edit, value), "a published property takes a value of its type");
}

bool IsValidValueText(const std::string &Value, const TRyNumEdit &Edit) {
    size_t i = 0;
    if (i < Value.size() && Value[i] == '-') {
        if (!Edit.Minus())
            return false;
        ++i;
    }
    const size_t integerStart = i;
    while (i < Value.size() && Value[i] >= '0' && Value[i] <= '9')
        ++i;
    const size_t integerDigits = i - integerStart;
    const bool point = i < Value.size() && Value[i] == '.';
    size_t decimals = 0;
    if (point) {
        ++i;
        while (i < Value.size() && Value[i] >= '0' && Value[i] <= '9') {
            ++i;
            ++decimals;
        }
    }
    if (i != Value.size())
        return false;
    const bool zeroOnly = integerDigits == 1 && Value[integerStart] == '0';
    if (integerDigits > 1 && Value[integerStart] == '0')
        return false; // a leading zero
    if (point && (integerDigits == 0 || Edit.DecimalLength() == 0))
        return false;
    return (zeroOnly || integerDigits <= static_cast<size_t>(Edit.IntegerLength())) &&
           decimals <= static_cast<size_t>(Edit.DecimalLength());
}

void Check(bool Condition, const char *What) {
    if (Condition)
        return;
    std::fprintf(stderr, "invariant broken: %s\n", What);
    std::abort();
}

} // namespace fuzz
