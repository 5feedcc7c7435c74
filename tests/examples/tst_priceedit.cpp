// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// TPriceEdit, the reference manual's derived control: it must do what the manual says it does.
#include "PriceEdit.h"
#include "TestRows.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QtTest>

using testrows::Row;
using testrows::Str;

class TestPriceEdit : public QObject {
    Q_OBJECT

private slots:
    void formatting_data();
    void formatting();
    void leadersSkipped_data();
    void leadersSkipped();
    void pasteOverSelection();
    void marksKeepClearOfThePadding();
    void caretStaysBeforeThePadding();
    void minDecimalsFormatsAgain();
    void trimZeros_data();
    void trimZeros();
};

void TestPriceEdit::formatting_data() {
    QTest::addColumn<int>("minDecimals");
    QTest::addColumn<bool>("decimalFixed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    Row("one decimal padded", 2, false, "1.5", "1.50");
    Row("integer padded with a point", 2, false, "1200", "1,200.00");
    Row("more decimals kept", 2, false, "1.125", "1.125");
    Row("empty stays empty", 2, false, "", "");
    Row("sign alone not padded", 2, false, "-", "-");
    Row("capped at DecimalLength", 9, false, "1", "1.0000");
    Row("DecimalFixed pads alone", 2, true, "1.5", "1.5000");
}

void TestPriceEdit::formatting() {
    QFETCH(int, minDecimals);
    QFETCH(bool, decimalFixed);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    TPriceEdit e;
    e.SetMinDecimals(minDecimals);
    e.SetDecimalFixed(decimalFixed);
    e.setText(text);
    QCOMPARE(e.text(), text);
    QCOMPARE(Str(e.DisplayText()), shown);
}

void TestPriceEdit::leadersSkipped_data() {
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("value");
    Row("dollar and blank", "$ 1,200", "1200");
    Row("full-width yen", "￥980", "980");
    Row("full-width blank", "　42", "42");
    Row("several", " $ ￥ 7", "7");
    Row("after the number ends it", "1$2", "1");
    Row("other text still empties", "EUR 5", "");
}

void TestPriceEdit::leadersSkipped() {
    QFETCH(QString, written);
    QFETCH(QString, value);
    TPriceEdit e;
    e.setText(written);
    QCOMPARE(e.text(), value);
}

void TestPriceEdit::pasteOverSelection() {
    TPriceEdit e;
    e.setText(QStringLiteral("3"));
    QApplication::clipboard()->setText(QStringLiteral("$ 1,234.5"));
    QSignalSpy changes(&e, &TRyNumEdit::OnChange);
    e.SelectAll();
    e.PasteFromClipboard();
    QCOMPARE(e.text(), QStringLiteral("1234.5"));
    QCOMPARE(Str(e.DisplayText()), QStringLiteral("1,234.50"));
    QCOMPARE(changes.count(), 1);
}

// The number's area holds the zeros, so the mark before it is not drawn over the number.
void TestPriceEdit::marksKeepClearOfThePadding() {
    QWidget form;
    auto *e = new TPriceEdit(&form);
    e->resize(200, e->height());
    e->SetLeftMark(QStringLiteral("$"));
    for (auto alignment : {TRyNumEdit::taLeftJustify, TRyNumEdit::taRightJustify,
                           TRyNumEdit::taCenter}) {
        e->SetAlignment(alignment);
        e->setText(QStringLiteral("1.5"));
        QCOMPARE(e->GetNumberTextRect().Width(), e->TextWidth("1.50"));
        QVERIFY(e->GetLeftMarkRect().Right <= e->GetNumberTextRect().Left);
    }
}

void TestPriceEdit::caretStaysBeforeThePadding() {
    QWidget form;
    auto *e = new TPriceEdit(&form);
    e->setText(QStringLiteral("1.5"));
    const RyNumEdit::TRect number = e->GetNumberTextRect();
    QCOMPARE(e->GetCaretPoint().x(), number.Left + e->TextWidth("1.5") - 1);
}

void TestPriceEdit::minDecimalsFormatsAgain() {
    TPriceEdit e;
    e.setText(QStringLiteral("2.5"));
    QSignalSpy formats(&e, &TRyNumEdit::formatChanged);
    e.SetMinDecimals(3);
    QCOMPARE(Str(e.DisplayText()), QStringLiteral("2.500"));
    QCOMPARE(formats.count(), 1);
    e.SetMinDecimals(3);
    e.SetMinDecimals(-1);
    e.SetMinDecimals(TRyNumEdit::MaxFixedDigits + 1);
    QCOMPARE(e.MinDecimals(), 3);
    QCOMPARE(formats.count(), 1);
}

void TestPriceEdit::trimZeros_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");
    Row("zeros past two", "1.2500", "1.25");
    Row("zeros within two kept", "1.200", "1.20");
    Row("trailing point", "12.", "12");
    Row("nothing to trim", "1.5", "1.5");
    Row("negative", "-3.1000", "-3.10");
}

void TestPriceEdit::trimZeros() {
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    TPriceEdit e;
    e.setText(text);
    QSignalSpy texts(&e, &TRyNumEdit::textChanged);
    QSignalSpy changes(&e, &TRyNumEdit::OnChange);
    e.TrimZeros();
    QCOMPARE(e.text(), trimmed);
    QCOMPARE(Str(e.DisplayText()), Str(e.FormatDisplayText(e.ValueText())));
    QCOMPARE(texts.count(), trimmed == text ? 0 : 1);
    QCOMPARE(changes.count(), 0);
    QVERIFY(!e.CanUndo());
}

QTEST_MAIN(TestPriceEdit)
#include "tst_priceedit.moc"
