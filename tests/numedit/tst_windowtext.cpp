// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// Reading and writing TRyNumEdit's window text: buffer limits and the text filter.
#include "Beep_p.h"
#include "RyNumEdit.h"

#include <QSignalSpy>
#include <QTest>

#include <cstring>

namespace {

/// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *e) override {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

class tst_WindowText : public QObject {
    Q_OBJECT

private slots:
    void getText_data();
    void getText();
    void setText_data();
    void setText();
    void setTextChangesNoSelectionAndRaisesNothing();
    void setTextWithTheCurrentValueDoesNotRepaint();
};

void tst_WindowText::getText_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("bufferSize");
    QTest::addColumn<int>("expectedResult");
    QTest::addColumn<QByteArray>("expectedBuffer"); // up to and including the null

    QTest::newRow("cut to the buffer") << "12345" << 3 << 2 << QByteArray("12\0", 3);
    QTest::newRow("room for the null only") << "12345" << 1 << 0 << QByteArray("\0", 1);
    QTest::newRow("exactly enough") << "12345" << 6 << 5 << QByteArray("12345\0", 6);
    QTest::newRow("larger buffer") << "12345" << 64 << 5 << QByteArray("12345\0", 6);
    QTest::newRow("value text, not display text")
        << "-1234567.5" << 64 << 10 << QByteArray("-1234567.5\0", 11);
    QTest::newRow("empty value") << "" << 8 << 0 << QByteArray("\0", 1);
    QTest::newRow("no buffer") << "12345" << 0 << 0 << QByteArray();
}

void tst_WindowText::getText() {
    QFETCH(QString, value);
    QFETCH(int, bufferSize);
    QFETCH(int, expectedResult);
    QFETCH(QByteArray, expectedBuffer);

    TRyNumEdit edit;
    edit.SetRightMark("円");
    edit.setText(value);
    // Guard bytes around the caller's buffer catch writes past its size.
    char storage[80];
    std::memset(storage, 'x', sizeof storage);
    char *buffer = storage + 8;

    QCOMPARE(edit.WMGetText(bufferSize, buffer), expectedResult);

    QCOMPARE(QByteArray(buffer, int(expectedBuffer.size())), expectedBuffer);
    for (int i = 0; i < 8; ++i)
        QCOMPARE(storage[i], 'x');
    for (int i = 8 + bufferSize; i < int(sizeof storage); ++i)
        QCOMPARE(storage[i], 'x');
}

void tst_WindowText::setText_data() {
    QTest::addColumn<QByteArray>("written"); // code page 932 bytes
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<QString>("expectedDisplay");

    // The filter itself is the Text writer's; these rows show the message goes through it.
    QTest::newRow("full-width digits") << QByteArray("\x82\x50\x82\x51") << "12"
                                       << "12";
    QTest::newRow("full-width minus and point")
        << QByteArray("\x81\x7c\x82\x50\x81\x44\x82\x54") << "-1.5"
        << "-1.5";
    QTest::newRow("separators and excess decimals") << QByteArray("1,234.5678") << "1234.567"
                                                    << "1,234.567";
    QTest::newRow("leading zeros") << QByteArray("000123") << "123"
                                   << "123";
    QTest::newRow("stops at kana") << QByteArray("12\x82\xa0"
                                                 "3")
                                   << "12"
                                   << "12";
    QTest::newRow("empty") << QByteArray("") << ""
                           << "";
}

void tst_WindowText::setText() {
    QFETCH(QByteArray, written);
    QFETCH(QString, expectedText);
    QFETCH(QString, expectedDisplay);

    TRyNumEdit edit;
    edit.setText("9");

    QCOMPARE(edit.WMSetText(written.constData()), 0);

    QCOMPARE(edit.text(), expectedText);
    QCOMPARE(QString::fromStdString(edit.DisplayText()), expectedDisplay);
    char buffer[32];
    QCOMPARE(edit.WMGetText(int(sizeof buffer), buffer), int(expectedText.size()));
    QCOMPARE(QString::fromLatin1(buffer), expectedText);
}

void tst_WindowText::setTextChangesNoSelectionAndRaisesNothing() {
    int beeps = 0;
    RyNumEdit::SetBeepHook([&beeps] { ++beeps; });
    TRyNumEdit edit;
    edit.setText("7");
    edit.SelectAll();
    const bool couldUndo = edit.CanUndo();
    QSignalSpy changes(&edit, &TRyNumEdit::OnChange);

    edit.WMSetText("\x82\x50\x82\x51"); // full-width "12"

    QCOMPARE(edit.text(), QString("12"));
    QVERIFY(edit.SelLength() != 0);
    QCOMPARE(changes.count(), 0);
    QCOMPARE(edit.CanUndo(), couldUndo);
    QCOMPARE(beeps, 0);
    RyNumEdit::SetBeepHook({});
}

void tst_WindowText::setTextWithTheCurrentValueDoesNotRepaint() {
    TRyNumEdit edit;
    edit.setText("12");
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    PaintCounter counter;
    edit.installEventFilter(&counter);
    QCoreApplication::processEvents();
    counter.paints = 0;

    edit.WMSetText("12");
    QCoreApplication::processEvents();
    QCOMPARE(counter.paints, 0);

    // The raw text is compared: "012" differs, is filtered back to "12" and repaints.
    edit.WMSetText("012");
    QTRY_VERIFY(counter.paints > 0);
    QCOMPARE(edit.text(), QString("12"));
}

QTEST_MAIN(tst_WindowText)
#include "tst_windowtext.moc"
