// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// Layout geometry: text widths, the row's rectangles, the caret point and the automatic size.
// Every expected pixel is derived from the control's own font: widths from QFontMetrics, the
// text height from its pixel size.
#include "RyNumEdit.h"
#include "ShiftJis_p.h"

#include <QFontMetrics>
#include <QtTest>

#include <climits>

using namespace RyNumEdit;

namespace {

using Edit = TRyNumEdit;

/// A control with a parent, so that its text height has been measured.
struct Fixture {
    QWidget host;
    Edit *e = new Edit(&host);

    /// The measured width of a text as the layout counts it: the advance plus one pixel.
    int Tw(const QString &s) const {
        return s.isEmpty() ? 0 : QFontMetrics(e->font()).horizontalAdvance(s) + 1;
    }
    int H() const { return QFontMetrics(e->font()).height(); }
    int CW() const { return e->contentsRect().width(); }
    int CH() const { return e->contentsRect().height(); }
};

const char *AlignName(int a) {
    switch (a) {
    case Edit::taLeftJustify:
        return "left";
    case Edit::taRightJustify:
        return "right";
    default:
        return "center";
    }
}

const char *VertName(int v) {
    switch (v) {
    case Edit::taTopJustify:
        return "top";
    case Edit::taBottomJustify:
        return "bottom";
    default:
        return "vcenter";
    }
}

} // namespace

class TestGeometry : public QObject {
    Q_OBJECT

private slots:
    void textWidths();
    void rectangles_data();
    void rectangles();
    void centerHalvesTruncate();
    void vcenterTruncatesTowardZero();
    void fixedOptions_data();
    void fixedOptions();
    void maxNumberTemplate_data();
    void maxNumberTemplate();
    void fixedDigitsBounded_data();
    void fixedDigitsBounded();
    void extremeSettings_data();
    void extremeSettings();
    void caretPoint_data();
    void caretPoint();
    void calculatorFieldCaret_data();
    void calculatorFieldCaret();
    void availableWidth_data();
    void availableWidth();
    void fitsDisplayBoundary_data();
    void fitsDisplayBoundary();
    void adjustHeight_data();
    void adjustHeight();
    void widthNeverAdjustedAtRunTime();
    void textHeightMeasuredWithParent();
};

void TestGeometry::textWidths() {
    Fixture f;
    QCOMPARE(f.e->TextWidth(""), 0);
    QCOMPARE(f.e->TextWidth("1"), f.Tw(QStringLiteral("1")));
    QCOMPARE(f.e->TextWidth("-1,234.5"), f.Tw(QStringLiteral("-1,234.5")));
    // Code page 932 bytes are measured as the characters they stand for.
    QCOMPARE(f.e->TextWidth(cp932::FromUnicode(QStringLiteral("￥１２円"))),
             f.Tw(QStringLiteral("￥１２円")));
    // Texts too long to show are measured without laying them out, to the same width.
    const QString grouped = QStringLiteral("-123,456,789.0").repeated(500);
    QCOMPARE(f.e->TextWidth(grouped.toStdString()), f.Tw(grouped));
    const QString marks = QStringLiteral("円,%").repeated(1000);
    QCOMPARE(f.e->TextWidth(cp932::FromUnicode(marks)), f.Tw(marks));

    f.e->SetLeftMark(QStringLiteral("$"));
    f.e->SetDecimalFixed(true);
    QCOMPARE(f.e->DisplayTextWidth("1234.5"), f.Tw(QStringLiteral("$1,234.500")));
    QCOMPARE(f.e->DisplayTextWidth(""), f.Tw(QStringLiteral("$0.000")));
    // The mark shown before the fixed zeros of the empty value takes its room in the row.
    QCOMPARE(f.e->GetLeftMarkRect().Width(), f.Tw(QStringLiteral("$")));
    // What was entered, without the padded decimals.
    QCOMPARE(f.e->InputTextWidth("1234.5"), f.Tw(QStringLiteral("1,234.5")));
    QCOMPARE(f.e->InputTextWidth(""), f.Tw(QStringLiteral("0")));
}

// The three rectangles of the row for every alignment, with and without marks.
void TestGeometry::rectangles_data() {
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("vert");
    QTest::addColumn<QString>("leftMark");
    QTest::addColumn<QString>("rightMark");
    QTest::addColumn<QByteArray>("value");

    for (int a : {Edit::taLeftJustify, Edit::taRightJustify, Edit::taCenter}) {
        for (int v : {Edit::taTopJustify, Edit::taBottomJustify, Edit::taVCenter}) {
            const QByteArray tag = QByteArray(AlignName(a)) + '/' + VertName(v);
            QTest::newRow(tag + "/no marks")
                << a << v << QString() << QString() << QByteArray("-1234.5");
            QTest::newRow(tag + "/marks")
                << a << v << QStringLiteral("$") << QStringLiteral("円") << QByteArray("1234");
            QTest::newRow(tag + "/marks around nothing")
                << a << v << QStringLiteral("$") << QStringLiteral("円") << QByteArray();
        }
    }
}

void TestGeometry::rectangles() {
    QFETCH(int, alignment);
    QFETCH(int, vert);
    QFETCH(QString, leftMark);
    QFETCH(QString, rightMark);
    QFETCH(QByteArray, value);

    Fixture f;
    Edit *e = f.e;
    e->SetAutoSize(false);
    e->resize(150, 40);
    e->SetLeftMargin(3);
    e->SetRightMargin(5);
    e->SetTopMargin(4);
    e->SetBottomMargin(6);
    e->SetAlignment(Edit::TAlignment(alignment));
    e->SetVertAlignment(Edit::TVertAlignment(vert));
    e->SetLeftMark(leftMark);
    e->SetRightMark(rightMark);
    e->SetText(value.toStdString());

    const TRect l = e->GetLeftMarkRect();
    const TRect area = e->GetNumberAreaRect();
    const TRect text = e->GetNumberTextRect();
    const TRect r = e->GetRightMarkRect();

    // Widths: marks around nothing take no room.
    const QString number = cp932::ToUnicode(e->FormatNumber(e->GetText()));
    const bool shown = !value.isEmpty();
    const int lw = shown ? f.Tw(leftMark) : 0;
    const int rw = shown ? f.Tw(rightMark) : 0;
    const int w = f.Tw(number);
    const int t = lw + w + rw;
    QCOMPARE(l.Width(), lw);
    QCOMPARE(area.Width(), w);
    QCOMPARE(text.Width(), w);
    QCOMPARE(r.Width(), rw);

    // Heights: the row is one text line high, placed by the vertical alignment.
    int top = 0;
    switch (vert) {
    case Edit::taTopJustify:
        top = 4;
        break;
    case Edit::taBottomJustify:
        top = f.CH() - f.H() - 6;
        break;
    default:
        top = (f.CH() - f.H() - 4 - 6) / 2 + 4;
        break;
    }
    for (const TRect &rect : {l, area, text, r}) {
        QCOMPARE(rect.Top, top);
        QCOMPARE(rect.Height(), f.H());
    }

    // The pieces follow each other: mark, number area (number at its right end), mark.
    QCOMPARE(area.Left, l.Right);
    QCOMPARE(text.Right, area.Right);
    switch (alignment) {
    case Edit::taLeftJustify:
        QCOMPARE(l.Left, 3);
        QCOMPARE(r.Left, area.Right);
        break;
    case Edit::taRightJustify:
        // The row ends one pixel inside the right margin.
        QCOMPARE(r.Right, f.CW() - 5 - 1);
        QCOMPARE(r.Left, area.Right);
        break;
    default:
        QCOMPARE(l.Left, 3 + (f.CW() - 3 - 5) / 2 - t / 2);
        QCOMPARE(r.Left, area.Right - t % 2);
        break;
    }
}

// With an odd row width the right mark starts one pixel before the number area ends.
void TestGeometry::centerHalvesTruncate() {
    Fixture f;
    Edit *e = f.e;
    e->SetAlignment(Edit::taCenter);
    e->SetLeftMark(QStringLiteral("$"));
    e->SetRightMark(QStringLiteral("%"));
    bool seen[2] = {false, false};
    const char *values[] = {"1", "11", "12", "111", "7.5", "-4", "1234", "99.99", "-1.1", "88"};
    for (const char *v : values) {
        e->SetText(v);
        const int t = f.Tw(QStringLiteral("$")) + f.Tw(cp932::ToUnicode(e->FormatNumber(v))) +
                      f.Tw(QStringLiteral("%"));
        QCOMPARE(e->GetNumberAreaRect().Right - e->GetRightMarkRect().Left, t % 2);
        QCOMPARE(e->GetRightMarkRect().Right - e->GetLeftMarkRect().Left, t - t % 2);
        seen[t % 2] = true;
    }
    if (!seen[0] || !seen[1])
        QSKIP("this font gave row widths of one parity only");
}

void TestGeometry::vcenterTruncatesTowardZero() {
    Fixture f;
    Edit *e = f.e;
    e->SetBorderStyle(Edit::bsNone);
    e->SetAutoSize(false);
    // Three pixels too low for the text and its margins: the top is 2 + (-3) / 2 = 1.
    e->resize(e->width(), f.H() + 2 + 2 - 3);
    QCOMPARE(f.CH(), f.H() + 1);
    e->SetText("5");
    QCOMPARE(e->GetNumberTextRect().Top, 1);
    e->SetVertAlignment(Edit::taBottomJustify);
    QCOMPARE(e->GetNumberTextRect().Top, -1);
}

// Fixed integer or decimal places keep the number area as wide as its template.
void TestGeometry::fixedOptions_data() {
    QTest::addColumn<bool>("integerFixed");
    QTest::addColumn<bool>("decimalFixed");
    QTest::addColumn<int>("integerLength");
    QTest::addColumn<int>("decimalLength");
    QTest::addColumn<bool>("minus");
    QTest::addColumn<bool>("comma");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("templ");
    QTest::addColumn<QString>("number");

    QTest::newRow("integer fixed") << true << false << 4 << 3 << true << true << QByteArray("5")
                                   << QStringLiteral("-0,000") << QStringLiteral("5");
    QTest::newRow("integer fixed no minus")
        << true << false << 4 << 3 << false << true << QByteArray("5") << QStringLiteral("0,000")
        << QStringLiteral("5");
    QTest::newRow("integer fixed no comma")
        << true << false << 4 << 3 << true << false << QByteArray("-12.5")
        << QStringLiteral("-0000.5") << QStringLiteral("-12.5");
    QTest::newRow("integer fixed zero digits")
        << true << false << 0 << 3 << false << true << QByteArray() << QStringLiteral("0")
        << QStringLiteral("0");
    QTest::newRow("decimal fixed") << false << true << 9 << 3 << true << true << QByteArray("12")
                                   << QStringLiteral("12.000") << QStringLiteral("12.000");
    QTest::newRow("decimal fixed empty") << false << true << 9 << 3 << true << true << QByteArray()
                                         << QStringLiteral("0.000") << QStringLiteral("0.000");
    QTest::newRow("decimal fixed no decimals")
        << false << true << 6 << 0 << false << false << QByteArray("42") << QStringLiteral("42.")
        << QStringLiteral("42");
    QTest::newRow("both fixed") << true << true << 3 << 2 << true << true << QByteArray("7.5")
                                << QStringLiteral("-000.00") << QStringLiteral("7.50");
    QTest::newRow("neither: the number itself")
        << false << false << 9 << 3 << true << true << QByteArray("-1234.5")
        << QStringLiteral("-1,234.5") << QStringLiteral("-1,234.5");
}

void TestGeometry::fixedOptions() {
    QFETCH(bool, integerFixed);
    QFETCH(bool, decimalFixed);
    QFETCH(int, integerLength);
    QFETCH(int, decimalLength);
    QFETCH(bool, minus);
    QFETCH(bool, comma);
    QFETCH(QByteArray, value);
    QFETCH(QString, templ);
    QFETCH(QString, number);

    Fixture f;
    Edit *e = f.e;
    e->SetAlignment(Edit::taLeftJustify);
    e->SetIntegerLength(integerLength);
    e->SetDecimalLength(decimalLength);
    e->SetMinus(minus);
    e->SetComma(comma);
    e->SetIntegerFixed(integerFixed);
    e->SetDecimalFixed(decimalFixed);
    e->SetText(value.toStdString());

    QCOMPARE(cp932::ToUnicode(e->NumberAreaTemplate()), templ);
    QCOMPARE(cp932::ToUnicode(e->FormatNumber(e->GetText())), number);
    QCOMPARE(e->NumberAreaWidth(), f.Tw(templ));
    // Left-justified, the number stands at the right end of its area, not at the margin.
    const TRect text = e->GetNumberTextRect();
    QCOMPARE(text.Right, e->LeftMargin() + f.Tw(templ));
    QCOMPARE(text.Width(), f.Tw(number));
}

void TestGeometry::maxNumberTemplate_data() {
    QTest::addColumn<int>("integerLength");
    QTest::addColumn<int>("decimalLength");
    QTest::addColumn<bool>("minus");
    QTest::addColumn<bool>("comma");
    QTest::addColumn<QByteArray>("templ");

    QTest::newRow("initial") << 9 << 3 << true << true << QByteArray("-000,000,000.000");
    QTest::newRow("calculator") << 6 << 0 << false << false << QByteArray("000000.");
    QTest::newRow("nothing allowed") << 0 << 0 << true << true << QByteArray("-.");
    QTest::newRow("grouped odd") << 4 << 1 << false << true << QByteArray("0,000.0");
}

void TestGeometry::maxNumberTemplate() {
    QFETCH(int, integerLength);
    QFETCH(int, decimalLength);
    QFETCH(bool, minus);
    QFETCH(bool, comma);
    QFETCH(QByteArray, templ);

    Edit e;
    e.SetIntegerLength(integerLength);
    e.SetDecimalLength(decimalLength);
    e.SetMinus(minus);
    e.SetComma(comma);
    QCOMPARE(QByteArray::fromStdString(e.MaxNumberTemplate()), templ);
}

// Fixed zeros are built up to MaxFixedDigits beyond the digits the value holds, however long
// the digit limits: the template and the padded number keep the same decimals, so the width
// between them stays that of the integers, and a number left-justified in a very long fixed
// area still stands beyond the right edge.
void TestGeometry::fixedDigitsBounded_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("integerZeros");
    QTest::addColumn<int>("decimalZeros");

    const int k = Edit::MaxFixedDigits;
    QTest::newRow("at the bound") << k << QByteArray() << k << k;
    QTest::newRow("past the bound") << k + 1 << QByteArray() << k << k;
    QTest::newRow("past the bound with digits") << k + 5 << QByteArray("12.5") << k + 2 << k + 1;
    QTest::newRow("ten million") << 10'000'000 << QByteArray("-7") << k + 1 << k;
    QTest::newRow("2^31 - 1") << INT_MAX << QByteArray("3.25") << k + 1 << k + 2;
}

void TestGeometry::fixedDigitsBounded() {
    QFETCH(int, length);
    QFETCH(QByteArray, value);
    QFETCH(int, integerZeros);
    QFETCH(int, decimalZeros);

    Fixture f;
    Edit *e = f.e;
    e->SetAlignment(Edit::taLeftJustify);
    e->SetComma(false);
    e->SetIntegerLength(length);
    e->SetDecimalLength(length);
    e->SetIntegerFixed(true);
    e->SetDecimalFixed(true);
    e->SetText(value.toStdString());

    const QByteArray templ = QByteArray::fromStdString(e->NumberAreaTemplate());
    QCOMPARE(templ, "-" + QByteArray(integerZeros, '0') + "." + QByteArray(decimalZeros, '0'));
    const QByteArray number = QByteArray::fromStdString(e->FormatNumber(e->ValueText()));
    QCOMPARE(number.size() - number.indexOf('.') - 1, decimalZeros);
    QCOMPARE(QByteArray::fromStdString(e->DisplayText()), number);
    const QByteArray widest = QByteArray::fromStdString(e->MaxNumberTemplate());
    QCOMPARE(widest.size(), 2 + 2 * qMin(length, Edit::MaxFixedDigits));
    QVERIFY(e->GetNumberTextRect().Left >= f.CW());
}

// Settings at the top of their range: margins and digit limits up to 2^31 - 1 are taken, the
// layout stays within reach of an int, and a paint draws them.
void TestGeometry::extremeSettings_data() {
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QByteArray>("fixed");

    for (const char *margin : {"TopMargin", "BottomMargin", "LeftMargin", "RightMargin"})
        QTest::newRow(margin) << QByteArray(margin) << QByteArray();
    QTest::newRow("IntegerLength") << QByteArray("IntegerLength") << QByteArray("IntegerFixed");
    QTest::newRow("DecimalLength") << QByteArray("DecimalLength") << QByteArray("DecimalFixed");
}

void TestGeometry::extremeSettings() {
    QFETCH(QByteArray, property);
    QFETCH(QByteArray, fixed);

    Fixture f;
    Edit *e = f.e;
    if (!fixed.isEmpty())
        QVERIFY(e->setProperty(fixed.constData(), true));
    e->SetLeftMark(QStringLiteral("$"));
    e->SetText("-1234.5");
    QVERIFY(e->setProperty(property.constData(), INT_MAX));
    QCOMPARE(e->property(property.constData()).toInt(), INT_MAX);
    if (property == "TopMargin" || property == "BottomMargin")
        QCOMPARE(e->height(), QWIDGETSIZE_MAX);

    constexpr int reach = 1 << 29;
    for (const TRect &r : {e->GetLeftMarkRect(), e->GetNumberAreaRect(), e->GetNumberTextRect(),
                           e->GetRightMarkRect()}) {
        QVERIFY(qAbs(r.Left) <= reach && qAbs(r.Right) <= reach);
        QVERIFY(qAbs(r.Top) <= reach && qAbs(r.Bottom) <= reach);
    }
    QVERIFY(qAbs(e->GetCaretPoint().x()) <= reach);
    QVERIFY(e->AvailableWidth() >= -reach);
    e->SetAutoSize(false);
    e->resize(121, 24);
    QVERIFY(!e->grab().isNull());
}

// The caret stands right after the last entered character, in every alignment.
void TestGeometry::caretPoint_data() {
    QTest::addColumn<int>("alignment");
    QTest::addColumn<bool>("decimalFixed");
    QTest::addColumn<bool>("integerFixed");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("entered");

    for (int a : {Edit::taLeftJustify, Edit::taRightJustify, Edit::taCenter}) {
        const QByteArray tag = QByteArray(AlignName(a)) + '/';
        QTest::newRow(tag + "empty") << a << false << false << QByteArray() << QString();
        QTest::newRow(tag + "grouped")
            << a << false << false << QByteArray("1234") << QStringLiteral("1,234");
        QTest::newRow(tag + "before padded decimals")
            << a << true << false << QByteArray("12") << QStringLiteral("12");
        QTest::newRow(tag + "after typed point")
            << a << true << false << QByteArray("12.") << QStringLiteral("12.");
        QTest::newRow(tag + "after typed decimal")
            << a << true << false << QByteArray("12.5") << QStringLiteral("12.5");
        QTest::newRow(tag + "after minus")
            << a << false << false << QByteArray("-") << QStringLiteral("-");
        QTest::newRow(tag + "after fixed zero")
            << a << false << true << QByteArray() << QStringLiteral("0");
        QTest::newRow(tag + "before .000")
            << a << true << false << QByteArray() << QStringLiteral("0");
        QTest::newRow(tag + "minus before .000")
            << a << true << false << QByteArray("-") << QStringLiteral("-0");
    }
}

void TestGeometry::caretPoint() {
    QFETCH(int, alignment);
    QFETCH(bool, decimalFixed);
    QFETCH(bool, integerFixed);
    QFETCH(QByteArray, value);
    QFETCH(QString, entered);

    Fixture f;
    Edit *e = f.e;
    e->SetAlignment(Edit::TAlignment(alignment));
    e->SetDecimalFixed(decimalFixed);
    e->SetIntegerFixed(integerFixed);
    e->SetText(value.toStdString());

    const TRect text = e->GetNumberTextRect();
    const QPoint p = e->GetCaretPoint();
    QCOMPARE(p.x(), text.Left + f.Tw(entered) - 1);
    QCOMPARE(p.y(), text.Top);
    if (alignment == Edit::taRightJustify && value.isEmpty() && !decimalFixed && !integerFixed)
        QCOMPARE(p.x(), f.CW() - e->RightMargin() - 2);
}

// The calculator's fields: right-justified, margins 2, six digits, no decimals, no border.
void TestGeometry::calculatorFieldCaret_data() {
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("border");

    for (const char *v : {"42", "", "7", "123456"}) {
        QTest::newRow(QByteArray(v) + "/single") << QByteArray(v) << int(Edit::bsSingle);
        QTest::newRow(QByteArray(v) + "/none") << QByteArray(v) << int(Edit::bsNone);
    }
}

void TestGeometry::calculatorFieldCaret() {
    QFETCH(QByteArray, value);
    QFETCH(int, border);

    Fixture f;
    Edit *e = f.e;
    e->SetIntegerLength(6);
    e->SetDecimalLength(0);
    e->SetDecimalFixed(true);
    e->SetComma(false);
    e->SetMinus(false);
    e->SetBorderStyle(Edit::TBorderStyle(border));
    e->SetText(value.toStdString());

    const TRect text = e->GetNumberTextRect();
    QCOMPARE(text.Right, f.CW() - 3);
    QCOMPARE(text.Width(), f.Tw(value.isEmpty() ? QStringLiteral("0") : QString(value)));
    QCOMPARE(e->GetCaretPoint().x(), f.CW() - 4);
}

void TestGeometry::availableWidth_data() {
    QTest::addColumn<int>("border");
    QTest::addColumn<bool>("ctl3d");
    QTest::addColumn<int>("frame");

    QTest::newRow("single 3d") << int(Edit::bsSingle) << true << 4;
    QTest::newRow("single flat") << int(Edit::bsSingle) << false << 2;
    QTest::newRow("none 3d") << int(Edit::bsNone) << true << 2;
    QTest::newRow("none flat") << int(Edit::bsNone) << false << 2;
}

void TestGeometry::availableWidth() {
    QFETCH(int, border);
    QFETCH(bool, ctl3d);
    QFETCH(int, frame);

    Fixture f;
    Edit *e = f.e;
    e->SetBorderStyle(Edit::TBorderStyle(border));
    e->SetCtl3D(ctl3d);
    e->SetLeftMargin(3);
    e->SetRightMargin(7);
    QCOMPARE(e->AvailableWidth(), f.CW() - 3 - 7 - frame);
}

// A display text exactly as wide as the available width fits; one pixel more does not.
void TestGeometry::fitsDisplayBoundary_data() {
    availableWidth_data();
}

void TestGeometry::fitsDisplayBoundary() {
    QFETCH(int, border);
    QFETCH(bool, ctl3d);

    Fixture f;
    Edit *e = f.e;
    e->SetAutoSize(false);
    e->SetBorderStyle(Edit::TBorderStyle(border));
    e->SetCtl3D(ctl3d);
    e->SetLeftMark(QStringLiteral("$"));
    const int display = f.Tw(QStringLiteral("$1,234.5"));
    QCOMPARE(e->DisplayTextWidth("1234.5"), display);

    e->resize(e->width() + display - e->AvailableWidth(), e->height());
    QCOMPARE(e->AvailableWidth(), display);
    QVERIFY(e->FitsDisplay("1234.5"));
    QVERIFY(e->FitsDisplay("1234"));
    QVERIFY(!e->FitsDisplay("12345.5"));

    e->resize(e->width() - 1, e->height());
    QCOMPARE(e->AvailableWidth(), display - 1);
    QVERIFY(!e->FitsDisplay("1234.5"));
    // An empty value shows nothing, marks included, and always fits.
    QVERIFY(e->FitsDisplay(""));
}

// With AutoSize the client height is the text height plus the top and bottom margins.
void TestGeometry::adjustHeight_data() {
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("autoSize");

    QTest::newRow("top margin") << QByteArray("TopMargin") << QVariant(7) << true;
    QTest::newRow("bottom margin") << QByteArray("BottomMargin") << QVariant(0) << true;
    QTest::newRow("no border") << QByteArray("BorderStyle") << QVariant(int(Edit::bsNone)) << true;
    QTest::newRow("flat border") << QByteArray("Ctl3D") << QVariant(false) << true;
    QTest::newRow("large font") << QByteArray("font") << QVariant() << true;
    QTest::newRow("fixed: top margin") << QByteArray("TopMargin") << QVariant(7) << false;
    QTest::newRow("fixed: no border")
        << QByteArray("BorderStyle") << QVariant(int(Edit::bsNone)) << false;
    QTest::newRow("fixed: large font") << QByteArray("font") << QVariant() << false;
}

void TestGeometry::adjustHeight() {
    QFETCH(QByteArray, property);
    QFETCH(QVariant, value);
    QFETCH(bool, autoSize);

    Fixture f;
    Edit *e = f.e;
    QCOMPARE(f.CH(), f.H() + 2 + 2);
    QCOMPARE(e->height(), f.H() + 2 + 2 + 4);

    e->SetAutoSize(autoSize);
    const int height = e->height();
    if (property == "font") {
        QFont font = e->font();
        font.setPointSizeF(font.pointSizeF() * 3);
        value = font;
    }
    QVERIFY(e->setProperty(property.constData(), value));
    QCOMPARE(e->TextHeight(), f.H());
    if (autoSize)
        QCOMPARE(f.CH(), f.H() + e->TopMargin() + e->BottomMargin());
    else
        QCOMPARE(e->height(), height);
    QCOMPARE(e->width(), 121);
}

void TestGeometry::widthNeverAdjustedAtRunTime() {
    Fixture f;
    Edit *e = f.e;
    e->SetOptions(e->Options() | Edit::eoAutoWidthSize);
    e->SetAutoSize(false);
    e->SetAutoSize(true);
    e->SetLeftMargin(10);
    e->SetRightMargin(10);
    e->SetLeftMark(QStringLiteral("$$$"));
    e->SetIntegerLength(20);
    e->SetComma(false);
    e->SetBorderStyle(Edit::bsNone);
    QFont font = e->font();
    font.setPointSizeF(font.pointSizeF() * 2);
    e->setFont(font);
    QCOMPARE(e->width(), 121);
}

void TestGeometry::textHeightMeasuredWithParent() {
    Edit e;
    QCOMPARE(e.TextHeight(), 0);
    QWidget host;
    e.setParent(&host);
    QCOMPARE(e.TextHeight(), QFontMetrics(e.font()).height());
    QCOMPARE(e.contentsRect().height(), e.TextHeight() + 4);
    e.setParent(nullptr);
}

QTEST_MAIN(TestGeometry)
#include "tst_geometry.moc"
