// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// Code page 932 <-> Unicode conversion, and how its results meet the control's text filter.
#include "RyNumEdit.h"
#include "ShiftJis_p.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

using namespace RyNumEdit;

namespace {

std::string Bytes(const QByteArray &b) {
    return std::string(b.constData(), size_t(b.size()));
}
QByteArray Qb(const std::string &s) {
    return QByteArray(s.data(), qsizetype(s.size()));
}

const QChar Replacement(0xFFFD);

} // namespace

class TestShiftJis : public QObject {
    Q_OBJECT

private slots:
    void fromUnicode_data();
    void fromUnicode();
    void toUnicode_data();
    void toUnicode();
    void roundTrip_data();
    void roundTrip();
    void longTexts_data();
    void longTexts();
    void unmappableEndsFilter_data();
    void unmappableEndsFilter();
    void randomBytesNeverBreakTheValue();
};

void TestShiftJis::fromUnicode_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("ascii") << QStringLiteral("-1,234.5") << QByteArray("-1,234.5");
    QTest::newRow("full-width digits")
        << QStringLiteral("０１９") << QByteArray("\x82\x4f\x82\x50\x82\x58");
    QTest::newRow("full-width signs")
        << QStringLiteral("－．，") << QByteArray("\x81\x7c\x81\x44\x81\x43");
    QTest::newRow("yen as currency word") << QStringLiteral("円") << QByteArray("\x89\x7e");
    QTest::newRow("full-width yen sign") << QStringLiteral("￥") << QByteArray("\x81\x8f");
    QTest::newRow("half-width katakana") << QStringLiteral("ｱ") << QByteArray("\xb1");
    QTest::newRow("euro has no form") << QStringLiteral("€") << QByteArray("?");
    QTest::newRow("emoji is one question mark") << QStringLiteral("😀") << QByteArray("?");
    QTest::newRow("unmappable between ascii")
        << QStringLiteral("1€2😀3円") << QByteArray("1?2?3\x89\x7e");
    QTest::newRow("lone high surrogate at end")
        << (QStringLiteral("7") + QChar(0xD83D)) << QByteArray("7?");
    QTest::newRow("lone high surrogate inside: the next character stays")
        << (QStringLiteral("7") + QChar(0xD83D) + QStringLiteral("8")) << QByteArray("7?8");
    QTest::newRow("lone low surrogate inside")
        << (QStringLiteral("7") + QChar(0xDE00) + QStringLiteral("8")) << QByteArray("7?8");
    QTest::newRow("nul character kept") << QString(QChar(0)) << QByteArray("\0", 1);
}

void TestShiftJis::fromUnicode() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);

    QCOMPARE(Qb(cp932::FromUnicode(text)), bytes);
}

void TestShiftJis::toUnicode_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("ascii") << QByteArray("12.5") << QStringLiteral("12.5");
    QTest::newRow("full-width digits") << QByteArray("\x82\x50\x82\x51") << QStringLiteral("１２");
    QTest::newRow("marks") << QByteArray("\x81\x8f\x89\x7e") << QStringLiteral("￥円");
    QTest::newRow("half-width katakana") << QByteArray("\xb1\xdf") << QStringLiteral("ｱﾟ");
    QTest::newRow("dangling lead byte")
        << QByteArray("12\x82") << (QStringLiteral("12") + Replacement);
    QTest::newRow("lead byte alone") << QByteArray("\xe0") << QString(Replacement);
    QTest::newRow("invalid single bytes")
        << QByteArray("\x80\xa0\xfd\xfe\xff") << QString(5, Replacement);
    QTest::newRow("invalid trail byte keeps the next character")
        << (QByteArray("\x81\x20") + "5") << (QString(Replacement) + QStringLiteral(" 5"));
    QTest::newRow("invalid byte between valid text")
        << QByteArray("\x82\x50\xff\x82\x51")
        << (QStringLiteral("１") + Replacement + QStringLiteral("２"));
}

void TestShiftJis::toUnicode() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);

    QCOMPARE(cp932::ToUnicode(Bytes(bytes)), text);
}

void TestShiftJis::roundTrip_data() {
    QTest::addColumn<QString>("text");

    QTest::newRow("full-width number") << QStringLiteral("－１，２３４．５");
    QTest::newRow("marks") << QStringLiteral("￥ 円 ＄ ％");
    QTest::newRow("kanji and kana") << QStringLiteral("元に戻す 切り取り ｺﾋﾟｰ");
    QTest::newRow("ascii") << QStringLiteral("Total: 42 kg");
}

void TestShiftJis::roundTrip() {
    QFETCH(QString, text);

    QCOMPARE(cp932::ToUnicode(cp932::FromUnicode(text)), text);

    // Marks are held as code page 932 and read back as they were written.
    TRyNumEdit e;
    e.SetLeftMark(text);
    e.SetRightMark(text);
    QCOMPARE(e.LeftMark(), text);
    QCOMPARE(e.RightMark(), text);
}

// Texts longer than any internal buffer convert completely, failures included.
void TestShiftJis::longTexts_data() {
    QTest::addColumn<int>("count");

    QTest::newRow("short") << 10;
    QTest::newRow("around a buffer") << 2049;
    QTest::newRow("many buffers") << 50000;
}

void TestShiftJis::longTexts() {
    QFETCH(int, count);

    const QString digits =
        QStringLiteral("１２３４５６７８９０").repeated(count / 10 + 1).left(count);
    const std::string bytes = cp932::FromUnicode(digits);
    QCOMPARE(bytes.size(), size_t(count) * 2);
    QCOMPARE(cp932::ToUnicode(bytes), digits);

    // Unmappable and invalid input all along the text: one "?" / U+FFFD each.
    const QString euros(count, QChar(0x20AC));
    QCOMPARE(Qb(cp932::FromUnicode(euros)), QByteArray(count, '?'));
    QCOMPARE(cp932::ToUnicode(std::string(size_t(count), '\xff')), QString(count, Replacement));

    // A mixture whose failures fall at every offset of the buffers.
    QString mixed;
    QByteArray expected;
    for (int i = 0; i < count; ++i) {
        if (i % 7 == 3) {
            mixed += QChar(0x20AC);
            expected += '?';
        } else {
            mixed += QChar(0xFF10 + i % 10);
            expected += char(0x82);
            expected += char(0x4f + i % 10);
        }
    }
    QCOMPARE(Qb(cp932::FromUnicode(mixed)), expected);
}

void TestShiftJis::unmappableEndsFilter_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("text");

    QTest::newRow("euro") << QStringLiteral("１２€３") << QStringLiteral("12");
    QTest::newRow("emoji") << QStringLiteral("9😀9") << QStringLiteral("9");
    QTest::newRow("lone surrogate")
        << (QStringLiteral("5") + QChar(0xD800) + QStringLiteral("5")) << QStringLiteral("5");
    QTest::newRow("question mark itself") << QStringLiteral("3?3") << QStringLiteral("3");
}

void TestShiftJis::unmappableEndsFilter() {
    QFETCH(QString, input);
    QFETCH(QString, text);

    TRyNumEdit e;
    e.setText(input);
    QCOMPARE(e.text(), text);
}

// Whatever bytes arrive, the filter leaves a well-formed value text and conversion copes.
void TestShiftJis::randomBytesNeverBreakTheValue() {
    const QRegularExpression valueText(QStringLiteral("^(-?[0-9]*(\\.[0-9]*)?)?$"));
    QRandomGenerator random(932);
    const char alphabet[] = "0123456789-.,, \x81\x82\x43\x44\x4f\x50\x58\x7c\xe0\xfc\xff\x80\xb1";
    TRyNumEdit e;
    for (int round = 0; round < 3000; ++round) {
        std::string input(size_t(random.bounded(12)), '\0');
        for (char &c : input)
            c = alphabet[random.bounded(int(sizeof alphabet - 1))];
        e.SetText(input);
        const QString text = e.text();
        QVERIFY2(valueText.match(text).hasMatch(),
                 qPrintable(QString::fromLatin1(Qb(input).toHex())));
        const auto dot = text.indexOf(QLatin1Char('.'));
        QVERIFY(dot < 0 || text.size() - dot - 1 <= e.DecimalLength());
        QVERIFY(!cp932::ToUnicode(input).isNull() || input.empty());
        QCOMPARE(Qb(cp932::FromUnicode(text)), Qb(e.GetText()));
    }
}

QTEST_MAIN(TestShiftJis)
#include "tst_shiftjis.moc"

