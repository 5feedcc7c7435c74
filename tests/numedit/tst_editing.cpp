// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// Editing the value text key by key: limits, beeps, the sign, deletion, selection and undo.
#include "Beep_p.h"
#include "Fixture.h"
#include "RyNumEdit.h"
#include "TestRows.h"

#include <QSignalSpy>
#include <QtTest>

using fixture::Configure;
using testrows::Row;
using testrows::Str;

namespace {

/// Runs a script: digits, "." and "-" are typed, "<" is Backspace or Delete, "*" selects
/// everything, "_" drops the selection, "c" clears the value and "u" undoes. Returns false
/// when an input operation left its key unconsumed.
bool Run(TRyNumEdit &e, const QString &script) {
    for (const QChar q : script) {
        char key = q.toLatin1();
        switch (key) {
        case '.':
            e.InputDecimalPoint(key);
            break;
        case '-':
            e.InputMinus(key);
            break;
        case '<':
            e.DeleteLastChar();
            break;
        case '*':
            e.SelectAll();
            break;
        case '_':
            e.ClearSelection();
            break;
        case 'c':
            e.ClearValue();
            break;
        case 'u':
            e.Undo();
            break;
        default:
            if (key < '0' || key > '9')
                qFatal("unknown script character %c", key);
            e.InputDigit(key);
            break;
        }
        if (key != '\0' && QStringLiteral("0123456789.-").contains(q))
            return false;
    }
    return true;
}

/// A window holding one control, shown and active, so the control can hold the focus.
struct FocusedEdit {
    QWidget window;
    TRyNumEdit *edit = new TRyNumEdit(&window);

    bool Focus() {
        window.resize(200, 60);
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            return false;
        edit->setFocus(Qt::OtherFocusReason);
        return edit->hasFocus();
    }
};

} // namespace

class TestEditing : public QObject {
    Q_OBJECT

public:
    int beepCount = 0;

private slots:
    void init();
    void cleanup();

    void script_data();
    void script();
    void undoRestoresWithoutRefiltering();
    void clearValue();
    void inputStopsAtDisplayWidth_data();
    void inputStopsAtDisplayWidth();
    void changeSeesFinishedEdit_data();
    void changeSeesFinishedEdit();
    void deleteKeys_data();
    void deleteKeys();
};

void TestEditing::init() {
    beepCount = 0;
    RyNumEdit::SetBeepHook([this] { ++beepCount; });
}

void TestEditing::cleanup() {
    RyNumEdit::SetBeepHook(RyNumEdit::BeepHook());
}

// --- Scripts of keys against the settings ------------------------------------------------------

void TestEditing::script_data() {
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("display");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QString>("undo"); // "none" while nothing has been recorded
    QTest::addColumn<int>("beeps");
    QTest::addColumn<int>("changes");

    // Digits and their limits.
    Row("digits appended", "", "", "1234", "1234", "1,234", false, "123", 0, 4);
    Row("zero on zero", "", "", "00", "0", "0", false, "0", 0, 2);
    Row("digit replaces lone zero", "", "", "05", "5", "5", false, "0", 0, 2);
    Row("tenth digit beeps", "", "", "1234567890", "123456789", "123,456,789", false, "12345678", 1,
        9);
    Row("refusal is quiet without ErrorBeep", "quiet", "", "1234567890", "123456789", "123,456,789",
        false, "12345678", 0, 9);
    Row("limit counts the zero before stripping", "int=1", "", "05", "0", "0", false, "", 1, 1);
    Row("decimals ignore the integer limit", "int=1", "", "5.25", "5.25", "5.25", false, "5.2", 0,
        4);
    Row("fourth decimal beeps", "", "", "1.2345", "1.234", "1.234", false, "1.23", 1, 5);
    Row("no integer digits allowed", "int=0 dec=2", "", "5.123", "0.12", "0.12", false, "0.1", 2,
        3);
    Row("no decimals: digits after a refused point", "dec=0", "", "1.2", "12", "12", false, "1", 1,
        2);
    Row("sign not counted", "int=2", "", "-123", "-12", "-12", false, "-1", 1, 3);

    // The decimal point.
    Row("point first", "", "", ".", "0.", "0.", false, "", 0, 1);
    Row("minus then point", "", "", "-.", "-0.", "-0.", false, "-", 0, 2);
    Row("second point beeps", "", "", "-..", "-0.", "-0.", false, "-", 1, 2);
    Row("no decimals: point beeps", "dec=0", "", "1.", "1", "1", false, "", 1, 1);

    // The sign.
    Row("sign toggles", "", "", "12--", "12", "12", false, "-12", 0, 4);
    Row("removing the sign keeps zeros", "", "", "-0-", "0", "0", false, "-0", 0, 3);
    Row("sign before digits", "", "", "-5", "-5", "-5", false, "-", 0, 2);
    Row("no minus: sign beeps", "nominus", "", "-5", "5", "5", false, "", 1, 1);

    // Backspace and Delete.
    Row("delete a decimal", "", "", "12.5<", "12", "12", false, "12.5", 0, 5);
    Row("delete drops a bare point", "", "", "12.<", "12", "12", false, "12.", 0, 4);
    Row("delete leaves the sign", "", "", "-5<", "-", "-", false, "-5", 0, 3);
    Row("delete the sign", "", "", "-5<<", "", "", false, "-", 0, 4);
    Row("delete on empty", "", "", "<", "", "", false, "none", 0, 0);
    Row("delete a written value", "", "12.5", "<", "12", "12", false, "12.5", 0, 1);

    // A whole selection is cleared first; the undo text is then the empty value.
    Row("digit replaces selection", "", "12", "*3", "3", "3", false, "", 0, 1);
    Row("sign replaces selection", "", "12", "*-", "-", "-", false, "", 0, 1);
    Row("point replaces selection", "", "12", "*.", "0.", "0.", false, "", 0, 1);
    Row("delete clears selection quietly", "", "12", "*<", "", "", false, "12", 0, 0);
    Row("no decimals: point keeps selection", "dec=0", "12", "*.", "12", "12", true, "none", 1, 0);
    Row("no minus: sign keeps selection", "nominus", "12", "*-", "12", "12", true, "none", 1, 0);
    Row("refused digit after clearing", "int=0", "-", "*5", "", "", false, "-", 1, 0);
    Row("fixed zeros: delete keeps selection", "decfixed", "", "*<", "", "0.000", true, "none", 0,
        0);
    Row("nothing to select", "", "", "*", "", "", false, "none", 0, 0);
    Row("selection dropped", "", "12", "*_3", "123", "123", false, "12", 0, 1);
    Row("clear value", "", "12", "c", "", "", false, "12", 0, 0);

    // Read-only: nothing changes and nothing beeps.
    Row("read-only ignores keys", "readonly", "12", "3.-<", "12", "12", false, "none", 0, 0);
    Row("read-only ignores keys on selection", "readonly", "12", "*<3.-", "12", "12", true, "none",
        0, 0);
    Row("read-only without limits beeps nothing", "readonly int=0 dec=0 nominus", "", "5.-", "", "",
        false, "none", 0, 0);

    // One level of undo.
    Row("undo after replacing selection", "", "12", "*7u", "", "", false, "7", 0, 2);
    Row("undo twice", "", "12", "*7uu", "7", "7", true, "", 0, 3);
    Row("undo of a quiet clear", "", "12", "*<u", "12", "12", true, "", 0, 1);
    Row("undo of a digit", "", "", "123u", "12", "12", true, "123", 0, 4);
    Row("undo with nothing recorded", "", "12", "u", "12", "12", false, "none", 0, 0);
}

void TestEditing::script() {
    QFETCH(QString, settings);
    QFETCH(QString, initial);
    QFETCH(QString, script);
    QFETCH(QString, value);
    QFETCH(QString, display);
    QFETCH(bool, selected);
    QFETCH(QString, undo);
    QFETCH(int, beeps);
    QFETCH(int, changes);

    TRyNumEdit e;
    Configure(e, settings);
    e.setText(initial); // writing Text works on a read-only control too
    QSignalSpy spy(&e, &TRyNumEdit::OnChange);

    QVERIFY2(Run(e, script), "an input operation left its key unconsumed");
    QCOMPARE(Str(e.ValueText()), value);
    QCOMPARE(Str(e.DisplayText()), display);
    QCOMPARE(e.SelLength() != 0, selected);
    if (selected)
        QCOMPARE(e.SelLength(), int(e.DisplayText().size()));
    QCOMPARE(e.CanUndo(), undo != QLatin1String("none"));
    if (e.CanUndo())
        QCOMPARE(Str(e.UndoText()), undo);
    QCOMPARE(beepCount, beeps);
    QCOMPARE(spy.count(), changes);
}

void TestEditing::undoRestoresWithoutRefiltering() {
    // An undo brings back the text as it was recorded, even where a setting changed since.
    TRyNumEdit e;
    QVERIFY(Run(e, QStringLiteral("1.23")));
    e.SetDecimalLength(0);
    QCOMPARE(Str(e.ValueText()), QStringLiteral("1"));
    e.Undo();
    QCOMPARE(Str(e.ValueText()), QStringLiteral("1.2"));
    QCOMPARE(Str(e.DisplayText()), QStringLiteral("1.2"));
}

void TestEditing::clearValue() {
    TRyNumEdit e;
    e.SetRightMark(QStringLiteral("円"));
    e.setText(QStringLiteral("1234"));
    e.SelectAll();
    QSignalSpy spy(&e, &TRyNumEdit::OnChange);
    e.ClearValue();
    QCOMPARE(Str(e.ValueText()), QString());
    QCOMPARE(Str(e.DisplayText()), QString()); // no marks around nothing
    QCOMPARE(e.SelLength(), 0);
    QCOMPARE(Str(e.UndoText()), QStringLiteral("1234"));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(beepCount, 0);
}

// --- Input refused when the display text would not fit ---------------------------------------

void TestEditing::inputStopsAtDisplayWidth_data() {
    QTest::addColumn<QString>("fits"); // the value text the control is made just wide enough for
    QTest::addColumn<int>("slack");    // pixels more (or fewer) than that
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("beeps");

    Row("sixth digit", "99999", 0, "", "", "999999", "99999", 1);
    Row("exact fit accepted", "12345", 0, "", "", "12345", "12345", 0);
    Row("one pixel short", "12345", -1, "", "", "12345", "1234", 1);
    Row("width counts the mark", "999", 0, "円", "", "9999", "999", 1);
    Row("digit measured after zero stripped", "5", 0, "", "0", "5", "5", 0);
    Row("sign refused", "99999", 0, "", "99999", "-", "99999", 1);
    Row("sign removed without a test", "9999", 0, "", "-99999", "-", "99999", 0);
    Row("point refused", "99999", 0, "", "99999", ".", "99999", 1);
    Row("point measured before its zero", ".", 0, "", "", ".", "0.", 0);
    Row("decimal refused", "1.2", 0, "", "1.2", "3", "1.2", 1);
}

void TestEditing::inputStopsAtDisplayWidth() {
    QFETCH(QString, fits);
    QFETCH(int, slack);
    QFETCH(QString, mark);
    QFETCH(QString, initial);
    QFETCH(QString, script);
    QFETCH(QString, value);
    QFETCH(int, beeps);

    TRyNumEdit e;
    e.SetOptions(e.Options() | TRyNumEdit::eoORInputStop);
    e.SetRightMark(mark);
    // The frame and margins stay what they are; only the client width changes.
    const int wanted = e.DisplayTextWidth(fits.toStdString()) + slack;
    e.resize(e.width() + wanted - e.AvailableWidth(), e.height());
    QCOMPARE(e.AvailableWidth(), wanted);
    e.setText(initial);

    QVERIFY(Run(e, script));
    QCOMPARE(Str(e.ValueText()), value);
    QCOMPARE(beepCount, beeps);
}

// --- OnChange comes last --------------------------------------------------------------------

void TestEditing::changeSeesFinishedEdit_data() {
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("value");

    Row("digit", "12", "3", "123");
    Row("point", "12", ".", "12.");
    Row("sign", "12", "-", "-12");
    Row("delete", "123", "<", "12");
    Row("undo", "12", "3u", "12");
}

void TestEditing::changeSeesFinishedEdit() {
    QFETCH(QString, initial);
    QFETCH(QString, script);
    QFETCH(QString, value);

    FocusedEdit f;
    TRyNumEdit &e = *f.edit;
    e.setText(initial);
    QVERIFY(f.Focus());
    e.ClearSelection();

    QString seenValue, seenDisplay;
    bool caretPlaced = false;
    connect(&e, &TRyNumEdit::OnChange, this, [&](TRyNumEdit *sender) {
        QCOMPARE(sender, &e);
        seenValue = sender->text();
        seenDisplay = Str(sender->DisplayText());
        caretPlaced = sender->CaretRect().topLeft() == sender->GetCaretPoint();
    });
    QVERIFY(Run(e, script));
    QCOMPARE(seenValue, value);
    QCOMPARE(seenDisplay, Str(e.FormatDisplayText(value.toStdString())));
    QVERIFY(caretPlaced);
}

// --- Backspace and Delete keys reach DeleteLastChar --------------------------------------------

void TestEditing::deleteKeys_data() {
    QTest::addColumn<int>("key");
    Row("Backspace", int(Qt::Key_Backspace));
    Row("Delete", int(Qt::Key_Delete));
}

void TestEditing::deleteKeys() {
    QFETCH(int, key);
    FocusedEdit f;
    TRyNumEdit &e = *f.edit;
    e.setText(QStringLiteral("12.5"));
    QVERIFY(f.Focus());
    e.ClearSelection();
    QSignalSpy spy(&e, &TRyNumEdit::OnChange);

    QTest::keyClick(&e, Qt::Key(key));
    QCOMPARE(e.text(), QStringLiteral("12"));
    QCOMPARE(spy.count(), 1);
    e.SelectAll();
    QTest::keyClick(&e, Qt::Key(key));
    QCOMPARE(e.text(), QString());
    QCOMPARE(spy.count(), 1); // clearing a selection raises nothing
    QCOMPARE(beepCount, 0);
}

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
