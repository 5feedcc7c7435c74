// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// The duration engine driven through key sequences against real six-digit numeric fields.
#include "DurationEngine.h"
#include "RyNumEdit.h"
#include "ui_TZELKF.h"

#include <QStringList>
#include <QWidget>
#include <QtTest>

#include <climits>

namespace {

/// The calculator's display as the window builds it: the three fields of its form.
class FieldDisplay : public DurationDisplay {
public:
    FieldDisplay() {
        form.setupUi(&host);
        minutes = form.RyNumEdit1;
        hours = form.RyNumEdit2;
        days = form.RyNumEdit3;
    }

    std::string FieldText(DurationField field) const override { return Field(field)->GetText(); }
    void SetFieldText(DurationField field, const std::string &text) override {
        Field(field)->SetText(text);
    }
    void SetIndicator(const std::string &text) override { indicator = text; }
    int Mode() const override { return mode; }

    /// "days|hours|minutes" of the value texts, or of what the fields show.
    QString Values() const {
        return QStringLiteral("%1|%2|%3")
            .arg(QString::fromStdString(days->GetText()), QString::fromStdString(hours->GetText()),
                 QString::fromStdString(minutes->GetText()));
    }
    QString Shown() const {
        return QStringLiteral("%1|%2|%3")
            .arg(QString::fromStdString(days->DisplayText()),
                 QString::fromStdString(hours->DisplayText()),
                 QString::fromStdString(minutes->DisplayText()));
    }

    QWidget host; // owns the form's widgets
    Ui::TZELKF form;
    TRyNumEdit *minutes = nullptr, *hours = nullptr, *days = nullptr;
    std::string indicator;
    int mode = ModeDHM;

private:
    TRyNumEdit *Field(DurationField field) const {
        switch (field) {
        case DurationField::Minutes:
            return minutes;
        case DurationField::Hours:
            return hours;
        case DurationField::Days:
            break;
        }
        return days;
    }
};

/// Presses the keys of a space-separated sequence: operators "+ - * / =", "Day", "Hour", "C",
/// "AC", "mode:N" (select display mode N); anything else is a digit or quick key caption.
void Press(DurationEngine &engine, FieldDisplay &display, const QString &keys) {
    for (const QString &key : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (key == QLatin1String("+"))
            engine.Evaluate(DurationEngine::opAdd);
        else if (key == QLatin1String("-"))
            engine.Evaluate(DurationEngine::opSubtract);
        else if (key == QLatin1String("*"))
            engine.Evaluate(DurationEngine::opMultiply);
        else if (key == QLatin1String("/"))
            engine.Evaluate(DurationEngine::opDivide);
        else if (key == QLatin1String("="))
            engine.Evaluate(DurationEngine::opEquals);
        else if (key == QLatin1String("Day"))
            engine.MoveToDays();
        else if (key == QLatin1String("Hour"))
            engine.MoveToHours();
        else if (key == QLatin1String("C"))
            engine.Clear();
        else if (key == QLatin1String("AC"))
            engine.AllClear();
        else if (key.startsWith(QLatin1String("mode:"))) {
            display.mode = key.mid(5).toInt();
            engine.ModeChanged();
        } else
            engine.AppendKey(key.toStdString());
    }
}

} // namespace

class TestDurationEngine : public QObject {
    Q_OBJECT

private slots:
    void keySequences_data();
    void keySequences();
    void normaliseDuration_data();
    void normaliseDuration();
    void apply_data();
    void apply();
    void textToNumber_data();
    void textToNumber();
};

void TestDurationEngine::keySequences_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("values"); // days|hours|minutes value texts
    QTest::addColumn<QString>("shown");  // days|hours|minutes display texts
    QTest::addColumn<QString>("indicator");
    QTest::addColumn<int>("accumulator");

    // Row: tag, keys, value texts, shown texts, indicator, accumulator.
    const auto row = [](const char *tag, const char *keys, const char *values, const char *shown,
                        const char *indicator, int accumulator) {
        QTest::newRow(tag) << QString::fromLatin1(keys) << QString::fromLatin1(values)
                           << QString::fromLatin1(shown) << QString::fromLatin1(indicator)
                           << accumulator;
    };

    row("at start", "", "||", "0|0|0", "", 0);
    row("equals at start writes zeros", "=", "0|0|0", "0|0|0", "", 0);
    row("5 + 3 =", "5 + 3 =", "0|0|8", "0|0|8", "", 8);
    row("repeated plus adds operand again", "5 + 3 + +", "0|0|11", "0|0|11", "", 11);
    row("repeated equals changes nothing", "5 + 3 = = =", "0|0|8", "0|0|8", "", 8);
    row("5 + =", "5 + =", "0|0|5", "0|0|5", "", 5);
    row("new operator forgets operand", "5 + 3 = * *", "0|0|8", "0|0|8", "", 8);
    row("last operator wins", "5 + * 3 =", "0|0|15", "0|0|15", "", 15);
    row("day and hour entry", "2 Day 3 Hour 1 5 + =", "2|3|15", "2|3|15", "", 3075);
    row("100 minutes", "1 0 0 =", "0|1|40", "0|1|40", "", 100);
    row("negative result", "3 - 5 =", "0|0|2", "0|0|2", "-", -2);
    row("-150 minutes", "5 0 - 2 0 0 =", "0|2|30", "0|2|30", "-", -150);
    row("leading zeros dropped", "0 0 7", "||7", "0|0|7", "", 0);
    row("seventh digit empties field", "1 2 3 4 5 6 7", "||", "0|0|0", "", 0);
    row("eighth digit starts anew", "1 2 3 4 5 6 7 8", "||8", "0|0|8", "", 0);
    row("quick key appends", "1 15 =", "0|1|55", "0|1|55", "", 115);
    row("quick keys past six digits", "30 30 30 30 45", "||45", "0|0|45", "", 0);
    row("digit after result starts anew", "5 + 3 = 4", "||4", "0|0|4", "", 8);
    row("multiply by zero keeps value", "5 * 0 =", "0|0|5", "0|0|5", "", 5);
    row("division truncates toward zero", "1 - 1 0 2 / 4 =", "0|0|25", "0|0|25", "-", -25);
    row("repeated divide", "1 0 0 / 5 / /", "0|0|4", "0|0|4", "", 4);
    row("C keeps state", "5 + 3 C 4 =", "0|0|9", "0|0|9", "", 9);
    row("C clears indicator", "3 - 5 = C", "||", "0|0|0", "", -2);
    row("AC clears state", "5 + 3 AC 4 =", "0|0|4", "0|0|4", "", 4);
    row("AC forgets accumulator and operand", "5 * 3 AC + +", "0|0|0", "0|0|0", "", 0);
    row("AC forgets operator", "5 * 3 AC 4 =", "0|0|4", "0|0|4", "", 4);
    row("day with empty minutes empties days", "5 Day Day", "||", "0|0|0", "", 0);
    row("hour moves minutes", "3 0 Hour", "|30|", "0|30|0", "", 0);
    row("999999 in M fits", "mode:2 9 9 9 9 9 9 =", "0|0|999999", "0|0|999999", "", 999999);
    row("1000000 in M is E", "mode:2 9 9 9 9 9 9 + 1 =", "0|0|", "0|0|0", "E", 1000000);
    row("1000000 in DHM", "9 9 9 9 9 9 + 1 =", "694|10|40", "694|10|40", "", 1000000);
    row("repeated divide after E clears", "mode:2 9 9 9 9 9 9 + 1 / /", "0|0|0", "0|0|0", "", 0);
    row("repeated minus from zero still subtracts", "5 - 5 - -", "0|0|5", "0|0|5", "-", -5);
    row("mode change when empty", "mode:2", "||", "0|0|0", "", 0);
    row("mode change when zero", "= mode:1", "0|0|0", "0|0|0", "", 0);
    row("result in HM", "mode:1 1 5 3 0 =", "0|25|30", "0|25|30", "", 1530);
    row("mode HM", "1 0 0 = mode:1", "0|1|40", "0|1|40", "", 100);
    row("mode M", "1 5 0 0 = mode:2", "0|0|1500", "0|0|1500", "", 1500);
    row("mode back to DHM", "1 5 0 0 = mode:2 mode:0", "1|1|0", "1|1|0", "", 1500);
    row("mode HM hours past a day", "2 Day mode:1", "0|48|0", "0|48|0", "", 0);
    row("mode change sign from accumulator", "3 - 5 = 7 mode:1", "0|0|7", "0|0|7", "-", -2);
    row("mode change sign after C", "3 - 5 = C 7 mode:1", "0|0|7", "0|0|7", "-", -2);
    row("mode change to M at 999999", "9 9 9 9 9 9 = mode:2", "0|0|999999", "0|0|999999", "",
        999999);
    row("mode change too wide only flags", "9 9 9 9 9 9 + 1 = mode:2", "694|10|40", "694|10|40",
        "E", 1000000);
    row("product overflow wraps", "9 9 9 9 9 9 * 9 9 9 9 9 9 =", "506513|20|47", "506513|20|47",
        "-", -729379967);
    row("sum overflow wraps", "9 9 9 9 9 9 Day + 9 9 9 9 9 9 Day =", "982618|4|16", "982618|4|16",
        "-", -1414970176);
    // |INT32_MIN| is shown as its true magnitude, 2^31 minutes, far too wide for the days.
    row("product reaches INT32_MIN", "3 2 7 6 8 * 6 5 5 3 6 =", "|2|8", "0|2|8", "E", INT_MIN);

    // Doubling by repeated "×" up to 2^31, which wraps to INT32_MIN, and once more to 0.
    QString doubling = QStringLiteral("2 * 2 *");
    for (int i = 0; i < 29; ++i)
        doubling += QStringLiteral(" *");
    QTest::newRow("repeated multiply reaches INT32_MIN")
        << doubling << QStringLiteral("|2|8") << QStringLiteral("0|2|8") << QStringLiteral("E")
        << INT_MIN;
    QTest::newRow("repeated multiply wraps to zero")
        << doubling + QStringLiteral(" *") << QStringLiteral("0|0|0") << QStringLiteral("0|0|0")
        << QString() << 0;
}

void TestDurationEngine::keySequences() {
    QFETCH(QString, keys);
    QFETCH(QString, values);
    QFETCH(QString, shown);
    QFETCH(QString, indicator);
    QFETCH(int, accumulator);

    FieldDisplay display;
    DurationEngine engine(display);
    engine.Reset();
    Press(engine, display, keys);

    QCOMPARE(display.Values(), values);
    QCOMPARE(display.Shown(), shown);
    QCOMPARE(QString::fromStdString(display.indicator), indicator);
    QCOMPARE(engine.Accumulator(), accumulator);
}

void TestDurationEngine::normaliseDuration_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("outDays");
    QTest::addColumn<int>("outHours");
    QTest::addColumn<int>("outMinutes");

    QTest::newRow("DHM 1000000") << int(ModeDHM) << 0 << 0 << 1000000 << 694 << 10 << 40;
    QTest::newRow("DHM carries") << int(ModeDHM) << 1 << 25 << 61 << 2 << 2 << 1;
    QTest::newRow("DHM negative truncates") << int(ModeDHM) << 0 << 0 << -150 << 0 << -2 << -30;
    QTest::newRow("DHM INT32_MAX") << int(ModeDHM) << 0 << 0 << INT_MAX << 1491308 << 2 << 7;
    QTest::newRow("DHM INT32_MIN") << int(ModeDHM) << 0 << 0 << INT_MIN << -1491308 << -2 << -8;
    QTest::newRow("HM") << int(ModeHM) << 1 << 1 << 1 << 0 << 25 << 1;
    QTest::newRow("M") << int(ModeM) << 1 << 1 << 1 << 0 << 0 << 1501;
    QTest::newRow("unknown mode keeps days and hours") << 3 << 5 << 7 << 1 << 5 << 7 << 7621;
    QTest::newRow("days product wraps") << int(ModeM) << 1491309 << 0 << 0 << 0 << 0 << -2147482336;
    QTest::newRow("total sum wraps") << int(ModeM) << 0 << 1 << INT_MAX << 0 << 0 << INT_MIN + 59;
}

void TestDurationEngine::normaliseDuration() {
    QFETCH(int, mode);
    QFETCH(int, days);
    QFETCH(int, hours);
    QFETCH(int, minutes);
    QFETCH(int, outDays);
    QFETCH(int, outHours);
    QFETCH(int, outMinutes);

    int32_t d = days;
    int32_t h = hours;
    int32_t m = minutes;
    DurationEngine::NormaliseDuration(mode, d, h, m);
    QCOMPARE(d, outDays);
    QCOMPARE(h, outHours);
    QCOMPARE(m, outMinutes);
}

void TestDurationEngine::apply_data() {
    QTest::addColumn<int>("op");
    QTest::addColumn<int>("accumulator");
    QTest::addColumn<int>("operand");
    QTest::addColumn<int>("result");

    QTest::newRow("equals takes operand") << int(DurationEngine::opEquals) << 9 << 4 << 4;
    QTest::newRow("add wraps") << int(DurationEngine::opAdd) << INT_MAX << 1 << INT_MIN;
    QTest::newRow("subtract wraps") << int(DurationEngine::opSubtract) << INT_MIN << 1 << INT_MAX;
    QTest::newRow("multiply wraps to INT32_MIN")
        << int(DurationEngine::opMultiply) << 65536 << 32768 << INT_MIN;
    QTest::newRow("multiply INT32_MIN by -1")
        << int(DurationEngine::opMultiply) << INT_MIN << -1 << INT_MIN;
    QTest::newRow("divide truncates toward zero") << int(DurationEngine::opDivide) << -7 << 2 << -3;
    QTest::newRow("divide INT32_MIN by -1 wraps")
        << int(DurationEngine::opDivide) << INT_MIN << -1 << INT_MIN;
    QTest::newRow("divide by zero keeps accumulator")
        << int(DurationEngine::opDivide) << 12 << 0 << 12;
}

void TestDurationEngine::apply() {
    QFETCH(int, op);
    QFETCH(int, accumulator);
    QFETCH(int, operand);
    QFETCH(int, result);

    QCOMPARE(DurationEngine::Apply(op, accumulator, operand), result);
}

void TestDurationEngine::textToNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");

    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("digits") << QStringLiteral("694") << 694;
    QTest::newRow("leading zeros") << QStringLiteral("007") << 7;
    QTest::newRow("negative") << QStringLiteral("-30") << -30;
    QTest::newRow("plus sign") << QStringLiteral("+12") << 12;
    QTest::newRow("sign only") << QStringLiteral("-") << 0;
    QTest::newRow("trailing garbage") << QStringLiteral("12a") << 0;
    QTest::newRow("not a number") << QStringLiteral("E") << 0;
    QTest::newRow("INT32_MAX") << QStringLiteral("2147483647") << INT_MAX;
    QTest::newRow("just above INT32_MAX") << QStringLiteral("2147483648") << 0;
    QTest::newRow("INT32_MIN") << QStringLiteral("-2147483648") << INT_MIN;
    QTest::newRow("just below INT32_MIN") << QStringLiteral("-2147483649") << 0;
    QTest::newRow("far too long") << QStringLiteral("99999999999999999999999") << 0;
}

void TestDurationEngine::textToNumber() {
    QFETCH(QString, text);
    QFETCH(int, number);

    QCOMPARE(DurationEngine::TextToNumber(text.toStdString()), number);
}

QTEST_MAIN(TestDurationEngine)
#include "tst_durationengine.moc"
