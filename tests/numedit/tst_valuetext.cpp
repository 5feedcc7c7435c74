// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// The value text: filtering, leading zeros, formatting, the Text property and the writers.
#include "Fixture.h"
#include "RyNumEdit.h"

#include <QMenu>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QtTest>

namespace {

std::string Bytes(const QByteArray &b) {
    return std::string(b.constData(), size_t(b.size()));
}
QByteArray Qb(const std::string &s) {
    return QByteArray(s.data(), qsizetype(s.size()));
}

enum Preset { Initial, Calculator, NoDecimals, NoMinus, TwoDigits };

/// The settings a test row runs under; Calculator is what the duration window's fields use.
void Apply(TRyNumEdit &e, int preset) {
    switch (preset) {
    case Calculator:
        fixture::CalculatorField(e);
        break;
    case NoDecimals:
        e.SetDecimalLength(0);
        break;
    case NoMinus:
        e.SetMinus(false);
        break;
    case TwoDigits:
        e.SetIntegerLength(2);
        e.SetDecimalLength(2);
        break;
    default:
        break;
    }
}

/// Counts paints, so that a write that must do nothing can be seen not to repaint.
class PaintCounter : public TRyNumEdit {
public:
    using TRyNumEdit::TRyNumEdit;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *e) override {
        ++paints;
        TRyNumEdit::paintEvent(e);
    }
};

/// A derived control with a unit of its own after the number, which its constructor also adds
/// to the built-in menu.
class UnitEdit : public TRyNumEdit {
public:
    explicit UnitEdit(QWidget *Parent) : TRyNumEdit(Parent) {
        FPopup->insertAction(FMenuItems[0], new QAction(QStringLiteral("km"), FPopup));
    }
    std::string Unit = "m";

protected:
    std::string FormatNumber(const std::string &Value) const override {
        return TRyNumEdit::FormatNumber(Value) + Unit;
    }
};

} // namespace

class TestValueText : public QObject {
    Q_OBJECT

private slots:
    void writeText_data();
    void writeText();
    void filterText_data();
    void filterText();
    void writeUnicodeText_data();
    void writeUnicodeText();
    void stripLeadingZeros_data();
    void stripLeadingZeros();
    void insertCommas_data();
    void insertCommas();
    void formatNumber_data();
    void formatNumber();
    void formatDisplayText_data();
    void formatDisplayText();
    void refilteringWriters_data();
    void refilteringWriters();
    void reformattingWriters_data();
    void reformattingWriters();
    void negativeLengthsIgnored_data();
    void negativeLengthsIgnored();
    void optionsReformatNothing();
    void noChangeSignalFromWrites();
    void textChangedFollowsEveryChange();
    void derivedFormatDrawnAtEachPaint();
    void writerRepaints_data();
    void writerRepaints();
    void initialProperties_data();
    void initialProperties();
    void initialState();
    void derivedFormatShapesTheFirstDisplay();
};

// --- Writing Text: filter, leading zeros and the display text together -----------------------

void TestValueText::writeText_data() {
    QTest::addColumn<int>("preset");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("display");

    QTest::newRow("calc: seven digits empty")
        << int(Calculator) << QByteArray("1234567") << QByteArray() << QByteArray("0");
    QTest::newRow("calc: six digits")
        << int(Calculator) << QByteArray("123456") << QByteArray("123456") << QByteArray("123456");
    QTest::newRow("calc: negative empty")
        << int(Calculator) << QByteArray("-5") << QByteArray() << QByteArray("0");
    QTest::newRow("calc: leading zeros")
        << int(Calculator) << QByteArray("000123") << QByteArray("123") << QByteArray("123");
    QTest::newRow("calc: empty shows 0")
        << int(Calculator) << QByteArray() << QByteArray() << QByteArray("0");
    QTest::newRow("calc: decimals dropped")
        << int(Calculator) << QByteArray("12.7") << QByteArray("12") << QByteArray("12");
    QTest::newRow("calc: zero") << int(Calculator) << QByteArray("0") << QByteArray("0")
                                << QByteArray("0");
    QTest::newRow("calc: zeros only")
        << int(Calculator) << QByteArray("000000") << QByteArray("0") << QByteArray("0");
    QTest::newRow("calc: seven zeros too long")
        << int(Calculator) << QByteArray("0000000") << QByteArray() << QByteArray("0");

    QTest::newRow("commas and cut decimals") << int(Initial) << QByteArray("1,234.5678")
                                             << QByteArray("1234.567") << QByteArray("1,234.567");
    QTest::newRow("letters end the scan")
        << int(Initial) << QByteArray("12abc") << QByteArray("12") << QByteArray("12");
    QTest::newRow("leading blank")
        << int(Initial) << QByteArray(" 12") << QByteArray() << QByteArray();
    QTest::newRow("plus sign") << int(Initial) << QByteArray("+5") << QByteArray() << QByteArray();
    QTest::newRow("nine digits") << int(Initial) << QByteArray("123456789")
                                 << QByteArray("123456789") << QByteArray("123,456,789");
    QTest::newRow("ten digits") << int(Initial) << QByteArray("1234567890") << QByteArray()
                                << QByteArray();
    QTest::newRow("limit before zeros")
        << int(Initial) << QByteArray("0000000001") << QByteArray() << QByteArray();
    QTest::newRow("comma before minus")
        << int(Initial) << QByteArray(",-5") << QByteArray() << QByteArray();
    QTest::newRow("negative") << int(Initial) << QByteArray("-1234.5") << QByteArray("-1234.5")
                              << QByteArray("-1,234.5");
    QTest::newRow("second minus") << int(Initial) << QByteArray("--5") << QByteArray("-")
                                  << QByteArray("-");
    QTest::newRow("inner minus") << int(Initial) << QByteArray("12-3") << QByteArray("12")
                                 << QByteArray("12");
    QTest::newRow("trailing point")
        << int(Initial) << QByteArray("5.") << QByteArray("5.") << QByteArray("5.");
    QTest::newRow("point alone") << int(Initial) << QByteArray(".") << QByteArray("0.")
                                 << QByteArray("0.");
    QTest::newRow("second point") << int(Initial) << QByteArray("1.2.3") << QByteArray("1.2")
                                  << QByteArray("1.2");
    QTest::newRow("negative fraction")
        << int(Initial) << QByteArray("-.5") << QByteArray("-0.5") << QByteArray("-0.5");
    QTest::newRow("negative zeros")
        << int(Initial) << QByteArray("-00") << QByteArray("-0") << QByteArray("-0");
    QTest::newRow("commas anywhere")
        << int(Initial) << QByteArray("1,2,,3") << QByteArray("123") << QByteArray("123");
    QTest::newRow("nul byte ends the scan")
        << int(Initial) << QByteArray("12\0003", 4) << QByteArray("12") << QByteArray("12");
    QTest::newRow("no decimals: point ends")
        << int(NoDecimals) << QByteArray("12.5") << QByteArray("12") << QByteArray("12");
    QTest::newRow("no minus: sign ends")
        << int(NoMinus) << QByteArray("-12") << QByteArray() << QByteArray();
    QTest::newRow("two digits: cut decimals")
        << int(TwoDigits) << QByteArray("12.345") << QByteArray("12.34") << QByteArray("12.34");
    QTest::newRow("two digits: negative fits")
        << int(TwoDigits) << QByteArray("-99") << QByteArray("-99") << QByteArray("-99");
    QTest::newRow("two digits: too long")
        << int(TwoDigits) << QByteArray("-100.5") << QByteArray() << QByteArray();

    // Code page 932: full-width digits, minus, full stop and comma fold into ASCII.
    QTest::newRow("full-width digits") << int(Initial) << QByteArray("\x82\x50\x82\x51\x82\x52")
                                       << QByteArray("123") << QByteArray("123");
    QTest::newRow("full-width number")
        << int(Initial)
        << QByteArray("\x81\x7c\x82\x50\x81\x43\x82\x51\x82\x52\x82\x53\x81\x44\x82\x54")
        << QByteArray("-1234.5") << QByteArray("-1,234.5");
    QTest::newRow("full-width digits to both limits")
        << int(Initial)
        << QByteArray("\x82\x50\x82\x51\x82\x52\x82\x53\x82\x54\x82\x55\x82\x56\x82\x57\x82\x58"
                      "\x81\x44\x82\x50\x82\x51\x82\x52\x82\x53")
        << QByteArray("123456789.123") << QByteArray("123,456,789.123");
    QTest::newRow("full-width and ascii mixed") << int(Initial) << (QByteArray("1\x82\x51") + "3")
                                                << QByteArray("123") << QByteArray("123");
    QTest::newRow("full-width comma before minus")
        << int(Initial) << QByteArray("\x81\x43-5") << QByteArray("-5") << QByteArray("-5");
    QTest::newRow("other double-byte char ends")
        << int(Initial) << (QByteArray("12\x89\x7e") + "34") << QByteArray("12")
        << QByteArray("12");
    QTest::newRow("digit as trail byte ends")
        << int(Initial) << (QByteArray("1\x82") + "23") << QByteArray("1") << QByteArray("1");
    QTest::newRow("dangling lead byte")
        << int(Initial) << QByteArray("12\x82") << QByteArray("12") << QByteArray("12");
    QTest::newRow("dangling high lead byte")
        << int(Initial) << QByteArray("7\xfc") << QByteArray("7") << QByteArray("7");
    QTest::newRow("half-width katakana ends")
        << int(Initial) << (QByteArray("1\xb1") + "2") << QByteArray("1") << QByteArray("1");
    QTest::newRow("stray byte ends")
        << int(Initial) << (QByteArray("1\x80") + "2") << QByteArray("1") << QByteArray("1");
    QTest::newRow("calc: full-width seven digits")
        << int(Calculator) << QByteArray("\x82\x50\x82\x51\x82\x52\x82\x53\x82\x54\x82\x55\x82\x56")
        << QByteArray() << QByteArray("0");
}

void TestValueText::writeText() {
    QFETCH(int, preset);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, display);

    TRyNumEdit e;
    Apply(e, preset);
    e.SetText(Bytes(input));
    QCOMPARE(Qb(e.GetText()), text);
    QCOMPARE(Qb(e.ValueText()), text);
    QCOMPARE(Qb(e.DisplayText()), display);
}

// --- The filter alone: leading zeros are another step ----------------------------------------

void TestValueText::filterText_data() {
    QTest::addColumn<int>("preset");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("result");

    QTest::newRow("zeros kept") << int(Calculator) << QByteArray("000123") << QByteArray("000123");
    QTest::newRow("point kept bare") << int(Initial) << QByteArray(".5") << QByteArray(".5");
    QTest::newRow("minus alone") << int(Initial) << QByteArray("-") << QByteArray("-");
    QTest::newRow("decimals exactly at limit")
        << int(Initial) << QByteArray("1.123") << QByteArray("1.123");
    QTest::newRow("comma after decimals cut")
        << int(Initial) << QByteArray("1.1234,5") << QByteArray("1.123");
    QTest::newRow("integer limit counts zeros")
        << int(TwoDigits) << QByteArray("007") << QByteArray();
    QTest::newRow("sign not counted") << int(TwoDigits) << QByteArray("-12.") << QByteArray("-12.");
    QTest::newRow("empty") << int(Initial) << QByteArray() << QByteArray();
}

void TestValueText::filterText() {
    QFETCH(int, preset);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, result);

    TRyNumEdit e;
    Apply(e, preset);
    QCOMPARE(Qb(e.FilterText(Bytes(input))), result);
}

// --- Text through Unicode, as forms and windows write it -------------------------------------

void TestValueText::writeUnicodeText_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("text");

    QTest::newRow("full-width digits") << QStringLiteral("１２３") << QStringLiteral("123");
    QTest::newRow("full-width comma") << QStringLiteral("１，２３４") << QStringLiteral("1234");
    QTest::newRow("full-width sign and point")
        << QStringLiteral("－１２．５") << QStringLiteral("-12.5");
    QTest::newRow("yen sign ends") << QStringLiteral("１２円") << QStringLiteral("12");
    QTest::newRow("unmappable ends") << QStringLiteral("12€3") << QStringLiteral("12");
    QTest::newRow("emoji ends") << QStringLiteral("4😀5") << QStringLiteral("4");
    QTest::newRow("ascii") << QStringLiteral("-1,000.25") << QStringLiteral("-1000.25");
}

void TestValueText::writeUnicodeText() {
    QFETCH(QString, input);
    QFETCH(QString, text);

    TRyNumEdit e;
    e.setText(input);
    QCOMPARE(e.text(), text);

    // The same through the published property, as a form sets it.
    TRyNumEdit f;
    QVERIFY(f.setProperty("Text", input));
    QCOMPARE(f.property("Text").toString(), text);
}

// --- StripLeadingZeros ----------------------------------------------------------------------

void TestValueText::stripLeadingZeros_data() {
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("result");

    QTest::newRow("007") << QByteArray("007") << QByteArray("7");
    QTest::newRow("000") << QByteArray("000") << QByteArray("0");
    QTest::newRow("00.5") << QByteArray("00.5") << QByteArray("0.5");
    QTest::newRow(".5") << QByteArray(".5") << QByteArray("0.5");
    QTest::newRow("-00") << QByteArray("-00") << QByteArray("-0");
    QTest::newRow("-") << QByteArray("-") << QByteArray("-");
    QTest::newRow("-.5") << QByteArray("-.5") << QByteArray("-0.5");
    QTest::newRow("0.") << QByteArray("0.") << QByteArray("0.");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("inner zeros kept") << QByteArray("1000") << QByteArray("1000");
    QTest::newRow("trailing decimal zeros kept") << QByteArray("-007.50") << QByteArray("-7.50");
    QTest::newRow("zeros then point") << QByteArray("000.") << QByteArray("0.");
}

void TestValueText::stripLeadingZeros() {
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, result);

    TRyNumEdit e;
    QCOMPARE(Qb(e.StripLeadingZeros(Bytes(value))), result);
}

// --- InsertCommas ---------------------------------------------------------------------------

void TestValueText::insertCommas_data() {
    QTest::addColumn<QByteArray>("digits");
    QTest::addColumn<QByteArray>("result");

    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("1") << QByteArray("1") << QByteArray("1");
    QTest::newRow("12") << QByteArray("12") << QByteArray("12");
    QTest::newRow("123") << QByteArray("123") << QByteArray("123");
    QTest::newRow("1234") << QByteArray("1234") << QByteArray("1,234");
    QTest::newRow("12345") << QByteArray("12345") << QByteArray("12,345");
    QTest::newRow("123456") << QByteArray("123456") << QByteArray("123,456");
    QTest::newRow("1234567") << QByteArray("1234567") << QByteArray("1,234,567");
    QTest::newRow("1234567890") << QByteArray("1234567890") << QByteArray("1,234,567,890");
}

void TestValueText::insertCommas() {
    QFETCH(QByteArray, digits);
    QFETCH(QByteArray, result);

    TRyNumEdit e;
    QCOMPARE(Qb(e.InsertCommas(Bytes(digits))), result);
}

// --- FormatNumber ---------------------------------------------------------------------------

void TestValueText::formatNumber_data() {
    QTest::addColumn<bool>("comma");
    QTest::addColumn<bool>("decimalFixed");
    QTest::addColumn<bool>("integerFixed");
    QTest::addColumn<int>("decimalLength");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("number");

    QTest::newRow("empty") << true << false << false << 3 << QByteArray() << QByteArray();
    QTest::newRow("grouped") << true << false << false << 3 << QByteArray("1234567.5")
                             << QByteArray("1,234,567.5");
    QTest::newRow("ungrouped") << false << false << false << 3 << QByteArray("1234567.5")
                               << QByteArray("1234567.5");
    QTest::newRow("negative grouped")
        << true << false << false << 3 << QByteArray("-1234") << QByteArray("-1,234");
    QTest::newRow("decimals padded")
        << true << true << false << 3 << QByteArray("12") << QByteArray("12.000");
    QTest::newRow("decimals padded after some")
        << true << true << false << 3 << QByteArray("12.5") << QByteArray("12.500");
    QTest::newRow("decimals cut to length")
        << true << true << false << 2 << QByteArray("1.2345") << QByteArray("1.23");
    QTest::newRow("empty with decimal fixed")
        << true << true << false << 3 << QByteArray() << QByteArray("0.000");
    QTest::newRow("empty with integer fixed")
        << true << false << true << 3 << QByteArray() << QByteArray("0");
    QTest::newRow("minus alone") << true << false << false << 3 << QByteArray("-")
                                 << QByteArray("-");
    QTest::newRow("minus alone integer fixed")
        << true << false << true << 3 << QByteArray("-") << QByteArray("-0");
    QTest::newRow("minus alone decimal fixed")
        << true << true << false << 2 << QByteArray("-") << QByteArray("-0.00");
    QTest::newRow("trailing point")
        << true << false << false << 3 << QByteArray("12.") << QByteArray("12.");
    QTest::newRow("no decimals fixed empty")
        << true << true << false << 0 << QByteArray() << QByteArray("0");
    QTest::newRow("no decimals fixed value")
        << false << true << false << 0 << QByteArray("42") << QByteArray("42");
    QTest::newRow("point before digits")
        << true << false << false << 3 << QByteArray(".5") << QByteArray(".5");
}

void TestValueText::formatNumber() {
    QFETCH(bool, comma);
    QFETCH(bool, decimalFixed);
    QFETCH(bool, integerFixed);
    QFETCH(int, decimalLength);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, number);

    TRyNumEdit e;
    e.SetComma(comma);
    e.SetDecimalFixed(decimalFixed);
    e.SetIntegerFixed(integerFixed);
    e.SetDecimalLength(decimalLength);
    QCOMPARE(Qb(e.FormatNumber(Bytes(value))), number);
}

// --- FormatDisplayText with marks ------------------------------------------------------------

void TestValueText::formatDisplayText_data() {
    QTest::addColumn<QString>("leftMark");
    QTest::addColumn<QString>("rightMark");
    QTest::addColumn<bool>("integerFixed");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("display");

    const QString yen = QStringLiteral("￥");
    const QString en = QStringLiteral("円");
    QTest::newRow("both marks") << yen << en << false << QByteArray("1234")
                                << (QByteArray("\x81\x8f") + "1,234\x89\x7e");
    QTest::newRow("left mark only")
        << QStringLiteral("$") << QString() << false << QByteArray("-5") << QByteArray("$-5");
    QTest::newRow("right mark only")
        << QString() << QStringLiteral(" kg") << false << QByteArray("0.5") << QByteArray("0.5 kg");
    QTest::newRow("marks around nothing") << yen << en << false << QByteArray() << QByteArray();
    QTest::newRow("marks around fixed zero")
        << yen << en << true << QByteArray() << (QByteArray("\x81\x8f") + "0\x89\x7e");
    QTest::newRow("marks around minus")
        << yen << en << false << QByteArray("-") << QByteArray("\x81\x8f-\x89\x7e");
}

void TestValueText::formatDisplayText() {
    QFETCH(QString, leftMark);
    QFETCH(QString, rightMark);
    QFETCH(bool, integerFixed);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, display);

    TRyNumEdit e;
    e.SetLeftMark(leftMark);
    e.SetRightMark(rightMark);
    e.SetIntegerFixed(integerFixed);
    QCOMPARE(Qb(e.FormatDisplayText(Bytes(value))), display);
    // The stored display text follows every write of Text.
    e.SetText(Bytes(value));
    QCOMPARE(Qb(e.DisplayText()), display);
    QCOMPARE(e.LeftMark(), leftMark);
    QCOMPARE(e.RightMark(), rightMark);
}

// --- Writers that refilter or reformat --------------------------------------------------------

void TestValueText::refilteringWriters_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QByteArray>("display");

    QTest::newRow("fewer decimals cut") << QByteArray("1.25") << QByteArray("DecimalLength")
                                        << QVariant(1) << QByteArray("1.2") << QByteArray("1.2");
    QTest::newRow("no decimals drop point") << QByteArray("1.25") << QByteArray("DecimalLength")
                                            << QVariant(0) << QByteArray("1") << QByteArray("1");
    QTest::newRow("more decimals keep") << QByteArray("1.25") << QByteArray("DecimalLength")
                                        << QVariant(5) << QByteArray("1.25") << QByteArray("1.25");
    QTest::newRow("integer limit below") << QByteArray("1234") << QByteArray("IntegerLength")
                                         << QVariant(3) << QByteArray() << QByteArray();
    QTest::newRow("integer limit exact")
        << QByteArray("1234") << QByteArray("IntegerLength") << QVariant(4) << QByteArray("1234")
        << QByteArray("1,234");
    QTest::newRow("integer limit zero keeps lone minus")
        << QByteArray("-") << QByteArray("IntegerLength") << QVariant(0) << QByteArray("-")
        << QByteArray("-");
    QTest::newRow("minus off empties negative") << QByteArray("-5") << QByteArray("Minus")
                                                << QVariant(false) << QByteArray() << QByteArray();
    QTest::newRow("minus off keeps positive")
        << QByteArray("5") << QByteArray("Minus") << QVariant(false) << QByteArray("5")
        << QByteArray("5");
}

void TestValueText::refilteringWriters() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, value);
    QFETCH(QByteArray, after);
    QFETCH(QByteArray, display);

    TRyNumEdit e;
    e.SetText(Bytes(before));
    QSignalSpy changes(&e, &TRyNumEdit::OnChange);
    QVERIFY(e.setProperty(property.constData(), value));
    QCOMPARE(e.property(property.constData()), value);
    QCOMPARE(Qb(e.GetText()), after);
    QCOMPARE(Qb(e.DisplayText()), display);
    QCOMPARE(changes.count(), 0);
}

void TestValueText::reformattingWriters_data() {
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QByteArray>("display");

    // The value is "-1234.5" throughout.
    QTest::newRow("Comma") << QByteArray("Comma") << QVariant(false) << QByteArray("-1234.5");
    QTest::newRow("DecimalFixed") << QByteArray("DecimalFixed") << QVariant(true)
                                  << QByteArray("-1,234.500");
    QTest::newRow("DecimalLength")
        << QByteArray("DecimalLength") << QVariant(4) << QByteArray("-1,234.5");
    QTest::newRow("LeftMark") << QByteArray("LeftMark") << QVariant(QStringLiteral("￥"))
                              << QByteArray("\x81\x8f-1,234.5");
    QTest::newRow("RightMark") << QByteArray("RightMark") << QVariant(QStringLiteral("円"))
                               << QByteArray("-1,234.5\x89\x7e");
    QTest::newRow("Minus") << QByteArray("Minus") << QVariant(false) << QByteArray();
}

void TestValueText::reformattingWriters() {
    QFETCH(QByteArray, property);
    QFETCH(QVariant, value);
    QFETCH(QByteArray, display);

    TRyNumEdit e;
    e.SetText("-1234.5");
    QVERIFY(e.setProperty(property.constData(), value));
    QCOMPARE(Qb(e.DisplayText()), display);
    QCOMPARE(Qb(e.DisplayText()), Qb(e.FormatDisplayText(e.GetText())));
}

void TestValueText::negativeLengthsIgnored_data() {
    QTest::addColumn<QByteArray>("property");

    for (const char *name : {"IntegerLength", "DecimalLength", "LeftMargin", "RightMargin",
                             "TopMargin", "BottomMargin"})
        QTest::newRow(name) << QByteArray(name);
}

void TestValueText::negativeLengthsIgnored() {
    QFETCH(QByteArray, property);

    TRyNumEdit e;
    e.SetText("12.5");
    const QVariant before = e.property(property.constData());
    const QSize size = e.size();
    e.setProperty(property.constData(), -1);
    QCOMPARE(e.property(property.constData()), before);
    QCOMPARE(Qb(e.GetText()), QByteArray("12.5"));
    QCOMPARE(e.size(), size);
}

void TestValueText::optionsReformatNothing() {
    QWidget host;
    auto *e = new TRyNumEdit(&host);
    e->SetText("1234");
    const QSize size = e->size();
    e->SetOptions(e->Options() | TRyNumEdit::eoAutoWidthSize | TRyNumEdit::eoORInputStop);
    QCOMPARE(e->size(), size);
    QCOMPARE(Qb(e->DisplayText()), QByteArray("1,234"));
    QVERIFY(e->Options().testFlag(TRyNumEdit::eoAutoWidthSize));
}

// --- Neither writes of Text nor the writers raise OnChange -------------------------------------

void TestValueText::noChangeSignalFromWrites() {
    TRyNumEdit e;
    QSignalSpy changes(&e, &TRyNumEdit::OnChange);
    e.SetText("12.5");
    e.setText(QStringLiteral("１２"));
    e.setProperty("Text", QStringLiteral("-7"));
    e.WMSetText("99");
    e.SetText("1234567890"); // emptied by the filter
    e.SetText("-3.25");
    e.SetDecimalLength(1);
    e.SetIntegerLength(0);
    e.SetText("-3");
    e.SetMinus(false);
    e.SetComma(false);
    e.SetDecimalFixed(true);
    e.SetLeftMark(QStringLiteral("$"));
    QCOMPARE(changes.count(), 0);
    QVERIFY(!e.CanUndo());
}

// textChanged follows the value text whatever changes it, and only when it changes.
void TestValueText::textChangedFollowsEveryChange() {
    TRyNumEdit e;
    QSignalSpy changed(&e, &TRyNumEdit::textChanged);
    const auto announced = [&changed] {
        QStringList texts;
        for (const QList<QVariant> &args : changed)
            texts << args.at(0).toString();
        changed.clear();
        return texts.join(QLatin1Char(' '));
    };
    e.setText(QStringLiteral("12.5"));
    e.setText(QStringLiteral("12.5"));
    e.SetText("012.5"); // filtered to the value it has
    QCOMPARE(announced(), QStringLiteral("12.5"));
    e.SetComma(false);
    e.SetDecimalLength(0); // refilters
    QCOMPARE(announced(), QStringLiteral("12"));
    char key = '3';
    e.InputDigit(key);
    e.Undo(); // selects what it brings back
    e.ClearSelection();
    key = '.';
    e.InputDecimalPoint(key); // refused without decimals: a beep and nothing else
    e.SelectAll();
    e.DeleteLastChar();
    QCOMPARE(announced(), QStringLiteral("123 12 "));
    e.setText(QStringLiteral("7"));
    e.SelectAll();
    key = '5';
    e.InputDigit(key); // over the selection: emptied, then the digit, one change
    QCOMPARE(announced(), QStringLiteral("7 5"));
}

// A derived control's format is asked at each paint, so a change of its own state shows at
// the next paint without FormatChanged; its constructor finds the built-in menu made.
void TestValueText::derivedFormatDrawnAtEachPaint() {
    QWidget host;
    host.resize(200, 60);
    auto *e = new UnitEdit(&host);
    QCOMPARE(e->BuiltInPopup()->actions().size(), 9);
    e->setText(QStringLiteral("12"));
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QTRY_COMPARE(e->TextRect().Width(), e->TextWidth("12m"));
    e->Unit = "km";
    e->update();
    QTRY_COMPARE(e->TextRect().Width(), e->TextWidth("12km"));
}

// --- Writers repaint only when the value differs ----------------------------------------------

void TestValueText::writerRepaints_data() {
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("other");

    QTest::newRow("Text") << QByteArray("Text") << QVariant(QStringLiteral("7"));
    QTest::newRow("Alignment") << QByteArray("Alignment") << QVariant(int(TRyNumEdit::taCenter));
    QTest::newRow("AutoSelect") << QByteArray("AutoSelect") << QVariant(false);
    QTest::newRow("AutoSize") << QByteArray("AutoSize") << QVariant(false);
    QTest::newRow("BorderStyle") << QByteArray("BorderStyle") << QVariant(int(TRyNumEdit::bsNone));
    QTest::newRow("BottomMargin") << QByteArray("BottomMargin") << QVariant(5);
    QTest::newRow("Comma") << QByteArray("Comma") << QVariant(false);
    QTest::newRow("DecimalFixed") << QByteArray("DecimalFixed") << QVariant(true);
    QTest::newRow("DecimalLength") << QByteArray("DecimalLength") << QVariant(1);
    QTest::newRow("DisabledColor") << QByteArray("DisabledColor") << QVariant(QColor(Qt::red));
    QTest::newRow("IntegerFixed") << QByteArray("IntegerFixed") << QVariant(true);
    QTest::newRow("IntegerLength") << QByteArray("IntegerLength") << QVariant(12);
    QTest::newRow("LeftMargin") << QByteArray("LeftMargin") << QVariant(6);
    QTest::newRow("LeftMark") << QByteArray("LeftMark") << QVariant(QStringLiteral("$"));
    QTest::newRow("Minus") << QByteArray("Minus") << QVariant(false);
    QTest::newRow("RightMargin") << QByteArray("RightMargin") << QVariant(6);
    QTest::newRow("RightMark") << QByteArray("RightMark") << QVariant(QStringLiteral("%"));
    QTest::newRow("TopMargin") << QByteArray("TopMargin") << QVariant(5);
    QTest::newRow("VertAlignment")
        << QByteArray("VertAlignment") << QVariant(int(TRyNumEdit::taTopJustify));
    QTest::newRow("Color") << QByteArray("Color") << QVariant(QColor(Qt::yellow));
}

void TestValueText::writerRepaints() {
    QFETCH(QByteArray, property);
    QFETCH(QVariant, other);

    QWidget host;
    host.resize(200, 60);
    auto *e = new PaintCounter(&host);
    e->SetText("12.5");
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QTRY_VERIFY(e->paints > 0);

    // The current value again: nothing at all happens.
    e->paints = 0;
    QVERIFY(e->setProperty(property.constData(), e->property(property.constData())));
    QTest::qWait(50);
    QCOMPARE(e->paints, 0);
    QCOMPARE(Qb(e->ValueText()), QByteArray("12.5"));

    // A different value repaints.
    QVERIFY(e->setProperty(property.constData(), other));
    QTRY_VERIFY(e->paints > 0);
}

// --- Initial values, read through the published property surface ---------------------------

void TestValueText::initialProperties_data() {
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("initial");

    QTest::newRow("Alignment") << QByteArray("Alignment")
                               << QVariant(int(TRyNumEdit::taRightJustify));
    QTest::newRow("ArrowFocusMove") << QByteArray("ArrowFocusMove") << QVariant(false);
    QTest::newRow("AutoSelect") << QByteArray("AutoSelect") << QVariant(true);
    QTest::newRow("AutoSize") << QByteArray("AutoSize") << QVariant(true);
    QTest::newRow("BorderStyle") << QByteArray("BorderStyle")
                                 << QVariant(int(TRyNumEdit::bsSingle));
    QTest::newRow("BottomMargin") << QByteArray("BottomMargin") << QVariant(2);
    QTest::newRow("Comma") << QByteArray("Comma") << QVariant(true);
    QTest::newRow("DecimalFixed") << QByteArray("DecimalFixed") << QVariant(false);
    QTest::newRow("DecimalLength") << QByteArray("DecimalLength") << QVariant(3);
    QTest::newRow("EnterFocusMove") << QByteArray("EnterFocusMove") << QVariant(false);
    QTest::newRow("ErrorBeep") << QByteArray("ErrorBeep") << QVariant(true);
    QTest::newRow("HideSelection") << QByteArray("HideSelection") << QVariant(true);
    QTest::newRow("ImageCopy") << QByteArray("ImageCopy") << QVariant(false);
    QTest::newRow("IntegerFixed") << QByteArray("IntegerFixed") << QVariant(false);
    QTest::newRow("IntegerLength") << QByteArray("IntegerLength") << QVariant(9);
    QTest::newRow("LeftMargin") << QByteArray("LeftMargin") << QVariant(2);
    QTest::newRow("LeftMark") << QByteArray("LeftMark") << QVariant(QString());
    QTest::newRow("Minus") << QByteArray("Minus") << QVariant(true);
    QTest::newRow("Options") << QByteArray("Options")
                             << QVariant(int(TRyNumEdit::eoArrowUp | TRyNumEdit::eoArrowDown));
    QTest::newRow("ReadOnly") << QByteArray("ReadOnly") << QVariant(false);
    QTest::newRow("RightMargin") << QByteArray("RightMargin") << QVariant(2);
    QTest::newRow("RightMark") << QByteArray("RightMark") << QVariant(QString());
    QTest::newRow("Text") << QByteArray("Text") << QVariant(QString());
    QTest::newRow("TopMargin") << QByteArray("TopMargin") << QVariant(2);
    QTest::newRow("VertAlignment")
        << QByteArray("VertAlignment") << QVariant(int(TRyNumEdit::taVCenter));
    QTest::newRow("TabStop") << QByteArray("TabStop") << QVariant(true);
    QTest::newRow("Ctl3D") << QByteArray("Ctl3D") << QVariant(true);
    QTest::newRow("ImeMode") << QByteArray("ImeMode") << QVariant(int(TRyNumEdit::imDontCare));
}

void TestValueText::initialProperties() {
    QFETCH(QByteArray, property);
    QFETCH(QVariant, initial);

    TRyNumEdit e;
    const QMetaObject *mo = e.metaObject();
    const int index = mo->indexOfProperty(property.constData());
    QVERIFY2(index >= 0, property.constData());
    QVERIFY(mo->property(index).isWritable());
    QVariant value = e.property(property.constData());
    // Enumerations and sets read back as their own types; compare their ordinals or bits.
    if (mo->property(index).isEnumType())
        value = QVariant(value.toInt());
    QCOMPARE(value, initial);
}

void TestValueText::initialState() {
    TRyNumEdit e;
    QCOMPARE(e.size(), QSize(121, 20));
    QCOMPARE(e.cursor().shape(), Qt::IBeamCursor);
    QCOMPARE(e.Color(), e.palette().color(QPalette::Active, QPalette::Base));
    QCOMPARE(e.property("Color").value<QColor>(), e.Color());
    QVERIFY(e.property("DisabledColor").value<QColor>().isValid());
    QVERIFY(e.focusPolicy() & Qt::TabFocus);
    QVERIFY(e.testAttribute(Qt::WA_InputMethodEnabled));
    QVERIFY(e.ValueText().empty());
    QVERIFY(e.DisplayText().empty());
    QVERIFY(e.UndoText().empty());
    QVERIFY(!e.CanUndo());
    QCOMPARE(e.SelLength(), 0);
    QCOMPARE(e.TextHeight(), 0); // not measured before the control has a parent
    QCOMPARE(e.CaretWidth(), 1);
    QVERIFY(e.TextRect().IsEmpty());
    QVERIFY(e.BuiltInPopup() != nullptr);
    QCOMPARE(e.PopupMenu(), e.BuiltInPopup());
    for (int outside : {-1, 8})
        QCOMPARE(e.MenuItem(outside), nullptr);
}

// The constructor formats with the class's own formatting; a derived control's shapes the
// display text from the time the control is polished, before it is first shown.
void TestValueText::derivedFormatShapesTheFirstDisplay() {
    struct Dashes : TRyNumEdit {
        std::string FormatNumber(const std::string &Value) const override {
            return Value.empty() ? "--" : TRyNumEdit::FormatNumber(Value);
        }
    } e;
    e.ensurePolished();
    QCOMPARE(e.DisplayText(), std::string("--"));
}

QTEST_MAIN(TestValueText)
#include "tst_valuetext.moc"
