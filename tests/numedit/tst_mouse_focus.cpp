// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// Mouse presses, double clicks and drags, focus entry and exit, the caret and the context menu
// of TRyNumEdit, driven through the window system layer so Qt orders the events as it would
// for a real mouse.
#define QTEST_QPA_MOUSE_HANDLING

#include "Beep_p.h"
#include "Fixture.h"
#include "RyNumEdit.h"
#include "TestRows.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace RyNumEdit;

using fixture::Form;
using testrows::Row;

namespace {

/// A point given in the control's client coordinates, as the layout rectangles are.
QPoint ClientPoint(const TRyNumEdit *e, int x, int y) {
    return e->contentsRect().topLeft() + QPoint(x, y);
}

/// Right-clicks w, runs action on the context menu once it is open (closing it if the action
/// did not) and waits until the menu is gone. The menu may open at the press or, as the
/// offscreen platform delivers it, only while the release is processed.
void RightClickWithMenu(QWidget *w, const std::function<void(QMenu *)> &action) {
    QTimer timer;
    bool ran = false;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (ran || !menu || !menu->isVisible())
            return;
        ran = true;
        action(menu);
        if (menu->isVisible())
            menu->close();
    });
    timer.start(10);
    QTest::mousePress(w, Qt::RightButton, {}, w->rect().center());
    QTest::mouseRelease(w, Qt::RightButton, {}, w->rect().center());
    QTRY_VERIFY(ran);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    // The offscreen platform leaves a closed menu the active window; a desktop gives the
    // activation back to the window the menu came from.
    if (!w->window()->isActiveWindow()) {
        w->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w->window()));
    }
}

} // namespace

class tst_MouseFocus : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void clicks_data();
    void clicks();
    void drag_data();
    void drag();
    void anyButtonFocuses_data();
    void anyButtonFocuses();
    void entry_data();
    void entry();
    void firstFocusOfANewWindowIsAnEntry();
    void exitWithLoneMinus_data();
    void exitWithLoneMinus();
    void hideSelection_data();
    void hideSelection();
    void windowSwitch_data();
    void windowSwitch();
    void rightClickCopyOnReadOnlyField_data();
    void rightClickCopyOnReadOnlyField();
    void mouseEventsStayInTheControl_data();
    void mouseEventsStayInTheControl();
    void contextMenuRunsNoExitRule();
    void dragStarts_data();
    void dragStarts();
    void caretLivesWithTheFocus();

private:
    void ShowForm();

    std::unique_ptr<Form> form;
    int beeps = 0;
};

void tst_MouseFocus::init() {
    beeps = 0;
    RyNumEdit::SetBeepHook([this] { ++beeps; });
    form = std::make_unique<Form>();
}

void tst_MouseFocus::cleanup() {
    form.reset();
    RyNumEdit::SetBeepHook({});
}

void tst_MouseFocus::ShowForm() {
    QVERIFY(form->Show());
}

void tst_MouseFocus::clicks_data() {
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("selectedBefore");
    // c: click, d: double click, m: middle double click, F and D: click and double click on
    // the frame
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("expectedSelected");
    QTest::addColumn<int>("expectedDblClicks");

    QTest::newRow("click drops the selection") << false << true << "c" << false << 0;
    QTest::newRow("double click selects") << false << false << "d" << true << 1;
    QTest::newRow("double click then click") << false << false << "dc" << false << 1;
    QTest::newRow("double click again") << false << false << "dcd" << true << 2;
    QTest::newRow("read-only double click selects") << true << false << "d" << true << 1;
    QTest::newRow("read-only double click then click") << true << false << "dc" << false << 1;
    QTest::newRow("middle double click") << false << false << "m" << false << 0;
    QTest::newRow("middle click keeps the selection") << false << true << "M" << true << 0;
    QTest::newRow("click on the frame keeps the selection") << false << true << "F" << true << 0;
    QTest::newRow("double click on the frame") << false << false << "D" << false << 0;
}

void tst_MouseFocus::clicks() {
    QFETCH(bool, readOnly);
    QFETCH(bool, selectedBefore);
    QFETCH(QString, script);
    QFETCH(bool, expectedSelected);
    QFETCH(int, expectedDblClicks);

    ShowForm();
    TRyNumEdit *edit = form->edit;
    edit->setText("12");
    edit->SetReadOnly(readOnly);
    edit->setFocus();
    if (selectedBefore)
        edit->SelectAll();
    else
        edit->ClearSelection();
    QSignalSpy dblClicks(edit, &TRyNumEdit::OnDblClick);
    QSignalSpy downs(edit, &TRyNumEdit::OnMouseDown);
    const QPoint at = edit->rect().center();
    const QPoint frame(0, at.y());

    for (const QChar step : script) {
        switch (step.toLatin1()) {
        case 'c':
            QTest::mouseClick(edit, Qt::LeftButton, {}, at);
            break;
        case 'd':
            QTest::mouseDClick(edit, Qt::LeftButton, {}, at);
            break;
        case 'm':
            QTest::mouseDClick(edit, Qt::MiddleButton, {}, at);
            break;
        case 'M':
            QTest::mouseClick(edit, Qt::MiddleButton, {}, at);
            break;
        case 'F':
            QTest::mouseClick(edit, Qt::LeftButton, {}, frame);
            break;
        case 'D':
            QTest::mouseDClick(edit, Qt::LeftButton, {}, frame);
            break;
        default:
            QFAIL("unknown step");
        }
    }

    QCOMPARE(edit->SelLength() != 0, expectedSelected);
    QCOMPARE(dblClicks.count(), expectedDblClicks);
    QCOMPARE(downs.isEmpty(), script.contains('F') || script.contains('D'));
    QCOMPARE(edit->text(), QString("12"));
    QVERIFY(edit->hasFocus());
}

void tst_MouseFocus::drag_data() {
    QTest::addColumn<QString>("rightMark");
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QString>("row"); // number: the number's row; above, below: off it
    QTest::addColumn<bool>("expectedSelected");

    QTest::newRow("stops short of the number") << "" << QStringList{"left-1"} << "number" << false;
    QTest::newRow("reaches its left edge") << "" << QStringList{"left"} << "number" << true;
    QTest::newRow("reaches its right edge") << "" << QStringList{"right"} << "number" << true;
    QTest::newRow("past its right edge") << "" << QStringList{"right+1"} << "number" << false;
    QTest::newRow("above the number") << "" << QStringList{"middle"} << "above" << true;
    QTest::newRow("below the control") << "" << QStringList{"middle"} << "below" << true;
    QTest::newRow("over the right mark only") << "円" << QStringList{"mark"} << "number" << false;
    QTest::newRow("across the number and back")
        << "" << QStringList{"middle", "margin"} << "number" << true;
}

void tst_MouseFocus::drag() {
    QFETCH(QString, rightMark);
    QFETCH(QStringList, path);
    QFETCH(QString, row);
    QFETCH(bool, expectedSelected);

    ShowForm();
    TRyNumEdit *edit = form->edit;
    edit->setText("1234");
    edit->SetRightMark(rightMark);
    edit->repaint();
    const TRect number = edit->TextRect();
    QCOMPARE(number.ToQRect(), edit->GetNumberTextRect().ToQRect());
    QVERIFY(number.Width() > 2);
    QVERIFY2(number.Left > 2, "the number must leave room for a margin to its left");

    const int numberY = number.Top + number.Height() / 2;
    auto xOf = [&](const QString &where) {
        if (where == "margin")
            return 1;
        if (where == "left-1")
            return number.Left - 1;
        if (where == "left")
            return number.Left;
        if (where == "middle")
            return (number.Left + number.Right) / 2;
        if (where == "right")
            return number.Right;
        if (where == "right+1")
            return number.Right + 1;
        const TRect mark = edit->GetRightMarkRect();
        return (mark.Left + mark.Right) / 2;
    };
    int y = numberY;
    if (row == "above")
        y = -edit->contentsRect().top(); // the widget's own top row, on the frame
    else if (row == "below")
        y = edit->height() + 2 - edit->contentsRect().top(); // off the control

    QTest::mousePress(edit, Qt::LeftButton, {}, ClientPoint(edit, xOf("margin"), numberY));
    QCOMPARE(edit->SelLength(), 0);
    for (const QString &where : path)
        QTest::mouseMove(edit, ClientPoint(edit, xOf(where), y));
    QCOMPARE(edit->SelLength() != 0, expectedSelected);
    QTest::mouseRelease(edit, Qt::LeftButton, {}, ClientPoint(edit, xOf(path.last()), y));
    QCOMPARE(edit->SelLength() != 0, expectedSelected);
}

void tst_MouseFocus::anyButtonFocuses_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("enteredAtMouseDown");
    QTest::addColumn<bool>("expectedSelected");

    // AutoSelect selects on entry; only the left press drops it again. The left press enters
    // the control before OnMouseDown, the others after it.
    QTest::newRow("left") << int(Qt::LeftButton) << true << false;
    QTest::newRow("middle") << int(Qt::MiddleButton) << false << true;
    QTest::newRow("right") << int(Qt::RightButton) << false << true;
}

void tst_MouseFocus::anyButtonFocuses() {
    QFETCH(int, button);
    QFETCH(bool, enteredAtMouseDown);
    QFETCH(bool, expectedSelected);

    ShowForm();
    TRyNumEdit *edit = form->field; // read-only and no tab stop
    edit->setText("12");
    form->first->setFocus();
    QSignalSpy enters(edit, &TRyNumEdit::OnEnter);
    qsizetype entersAtMouseDown = -1;
    connect(edit, &TRyNumEdit::OnMouseDown, edit, [&] { entersAtMouseDown = enters.count(); });
    bool focusedWhenMenuOpened = false;
    if (button == Qt::RightButton)
        RightClickWithMenu(edit, [&](QMenu *) { focusedWhenMenuOpened = edit->hasFocus(); });
    else
        QTest::mouseClick(edit, Qt::MouseButton(button), {}, edit->rect().center());

    QTRY_VERIFY(edit->hasFocus()); // back from the menu
    QCOMPARE(entersAtMouseDown, enteredAtMouseDown ? 1 : 0);
    QCOMPARE(enters.count(), 1);
    QCOMPARE(edit->SelLength() != 0, expectedSelected);
    if (button == Qt::RightButton)
        QVERIFY(focusedWhenMenuOpened);
}

void tst_MouseFocus::entry_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("autoSelect");
    QTest::addColumn<bool>("expectedSelected");

    QTest::newRow("Tab in selects") << "tab" << true << true;
    QTest::newRow("Shift+Tab in selects") << "backtab" << true << true;
    QTest::newRow("Enter move in selects") << "enter" << true << true;
    QTest::newRow("Down move in selects") << "down" << true << true;
    QTest::newRow("click in does not select") << "click" << true << false;
    QTest::newRow("Tab in without AutoSelect") << "tab" << false << false;
}

void tst_MouseFocus::entry() {
    QFETCH(QString, how);
    QFETCH(bool, autoSelect);
    QFETCH(bool, expectedSelected);

    ShowForm();
    TRyNumEdit *edit = form->edit;
    edit->setText("1234");
    edit->SetAutoSelect(autoSelect);
    form->first->SetEnterFocusMove(true);
    form->first->SetArrowFocusMove(true);
    QWidget *from = how == "backtab" ? form->last : form->first;
    from->setFocus();
    QSignalSpy enters(edit, &TRyNumEdit::OnEnter);

    if (how == "tab")
        QTest::keyClick(from, Qt::Key_Tab);
    else if (how == "backtab")
        QTest::keyClick(from, Qt::Key_Backtab, Qt::ShiftModifier);
    else if (how == "enter")
        QTest::keyClick(from, Qt::Key_Return);
    else if (how == "down")
        QTest::keyClick(from, Qt::Key_Down);
    else
        QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center());

    QTRY_VERIFY(edit->hasFocus());
    QCOMPARE(enters.count(), 1);
    QCOMPARE(edit->SelLength() != 0, expectedSelected);
    QCOMPARE(beeps, 0);
}

void tst_MouseFocus::firstFocusOfANewWindowIsAnEntry() {
    // Opening a window focuses its first tab stop; that is an entry like any other.
    form->first->setText("12");
    QSignalSpy enters(form->first, &TRyNumEdit::OnEnter);

    ShowForm();

    QTRY_VERIFY(form->first->hasFocus());
    QCOMPARE(enters.count(), 1);
    QVERIFY(form->first->SelLength() != 0);
    QVERIFY(!form->first->CaretRect().isNull());
}

void tst_MouseFocus::exitWithLoneMinus_data() {
    QTest::addColumn<bool>("minusOnly");
    QTest::addColumn<bool>("integerFixed");
    QTest::addColumn<bool>("decimalFixed");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<QString>("expectedDisplay");

    QTest::newRow("emptied") << false << false << false << ""
                             << "";
    QTest::newRow("kept with eoMinusOnly") << true << false << false << "-"
                                           << "-";
    QTest::newRow("emptied to the fixed zero") << false << true << false << ""
                                               << "0";
    QTest::newRow("emptied to the fixed decimals") << false << false << true << ""
                                                   << "0.000";
}

void tst_MouseFocus::exitWithLoneMinus() {
    QFETCH(bool, minusOnly);
    QFETCH(bool, integerFixed);
    QFETCH(bool, decimalFixed);
    QFETCH(QString, expectedText);
    QFETCH(QString, expectedDisplay);

    ShowForm();
    TRyNumEdit *edit = form->edit;
    if (minusOnly)
        edit->SetOptions(edit->Options() | TRyNumEdit::eoMinusOnly);
    edit->SetIntegerFixed(integerFixed);
    edit->SetDecimalFixed(decimalFixed);
    edit->setText("5");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Backspace); // drops the selection with the value
    QTest::keyClicks(edit, "5-");
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QString("-"));
    const std::string undoText = edit->UndoText();
    QSignalSpy changes(edit, &TRyNumEdit::OnChange);
    QSignalSpy textChanges(edit, &TRyNumEdit::textChanged);
    QSignalSpy exits(edit, &TRyNumEdit::OnExit);

    QTest::keyClick(edit, Qt::Key_Tab);

    QVERIFY(form->last->hasFocus());
    QCOMPARE(exits.count(), 1);
    QCOMPARE(edit->text(), expectedText);
    QCOMPARE(QString::fromStdString(edit->DisplayText()), expectedDisplay);
    QCOMPARE(changes.count(), 0);
    QCOMPARE(textChanges.count(), expectedText == QLatin1String("-") ? 0 : 1);
    QCOMPARE(edit->UndoText(), undoText);
}

void tst_MouseFocus::hideSelection_data() {
    QTest::addColumn<bool>("hideSelection");
    QTest::addColumn<bool>("autoSelect");
    QTest::addColumn<bool>("selectedAway");
    QTest::addColumn<bool>("selectedBack");

    QTest::newRow("dropped, not hidden") << true << false << false << false;
    QTest::newRow("AutoSelect selects again") << true << true << false << true;
    QTest::newRow("kept without HideSelection") << false << false << true << true;
}

void tst_MouseFocus::hideSelection() {
    QFETCH(bool, hideSelection);
    QFETCH(bool, autoSelect);
    QFETCH(bool, selectedAway);
    QFETCH(bool, selectedBack);

    ShowForm();
    TRyNumEdit *edit = form->edit;
    edit->setText("12");
    edit->SetHideSelection(hideSelection);
    edit->SetAutoSelect(autoSelect);
    edit->setFocus();
    edit->SelectAll();

    QTest::keyClick(edit, Qt::Key_Tab);
    QVERIFY(form->last->hasFocus());
    QCOMPARE(edit->SelLength() != 0, selectedAway);
    QTest::keyClick(form->last, Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(edit->hasFocus());
    QCOMPARE(edit->SelLength() != 0, selectedBack);
}

// Another window, or the keyboard in the window's menu bar (Alt, F10), takes Qt's focus, but
// the control stays its window's focus: only a move to another control is an exit.
void tst_MouseFocus::windowSwitch_data() {
    QTest::addColumn<bool>("menuBar");
    QTest::addColumn<bool>("movedAway"); // the focus moves elsewhere meanwhile
    QTest::newRow("another window and back is no exit") << false << false;
    QTest::newRow("a focus move while away is an exit") << false << true;
    QTest::newRow("the menu bar and back is no exit") << true << false;
    QTest::newRow("from the menu bar to another field is an exit") << true << true;
}

void tst_MouseFocus::windowSwitch() {
    QFETCH(bool, menuBar);
    QFETCH(bool, movedAway);
    auto *bar = new QMenuBar(&form->window);
    bar->addMenu(QStringLiteral("&File"));
    ShowForm();
    TRyNumEdit *edit = form->edit;
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Minus);
    edit->SelectAll();
    QSignalSpy enters(edit, &TRyNumEdit::OnEnter);
    QSignalSpy exits(edit, &TRyNumEdit::OnExit);

    QWidget other;
    if (menuBar) {
        bar->setFocus(Qt::MenuBarFocusReason);
    } else {
        other.resize(100, 50);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
    }
    QVERIFY(!edit->hasFocus());
    QVERIFY(edit->CaretRect().isNull());
    QCOMPARE(exits.count(), 0);
    if (movedAway)
        form->last->setFocus(Qt::OtherFocusReason);
    if (menuBar && !movedAway)
        edit->setFocus(Qt::MenuBarFocusReason); // Esc gives the focus back
    form->window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form->window));
    QTRY_VERIFY((movedAway ? form->last : edit)->hasFocus());

    QCOMPARE(exits.count(), movedAway ? 1 : 0);
    QCOMPARE(enters.count(), 0);
    QCOMPARE(edit->text(), movedAway ? QString() : QString("-"));
    QCOMPARE(edit->SelLength() != 0, !movedAway);
    QCOMPARE(!edit->CaretRect().isNull(), !movedAway);
    if (movedAway) {
        // Coming back is a new entry.
        edit->setText("12");
        edit->setFocus(Qt::TabFocusReason);
        QCOMPARE(enters.count(), 1);
        QVERIFY(edit->SelLength() != 0);
    }
}

void tst_MouseFocus::rightClickCopyOnReadOnlyField_data() {
    QTest::addColumn<bool>("inactive");
    QTest::newRow("active window") << false;
    QTest::newRow("inactive window") << true;
}

void tst_MouseFocus::rightClickCopyOnReadOnlyField() {
    QFETCH(bool, inactive);
    ShowForm();
    TRyNumEdit *edit = form->field;
    edit->setText("12");
    form->first->setFocus();
    QWidget other;
    if (inactive) {
        other.resize(100, 50);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
    }
    QApplication::clipboard()->setText("before");
    QList<bool> enabled;
    RightClickWithMenu(edit, [&](QMenu *menu) {
        for (int i = 0; i < 8; ++i)
            enabled << edit->MenuItem(i)->isEnabled();
        QTest::keyClick(menu, Qt::Key_C); // the access key of Copy
    });

    // Undo, -, Cut, Copy, Paste, Delete, -, Select all
    const QList<bool> onlyCopy{false, true, false, true, false, false, true, false};
    QCOMPARE(enabled, onlyCopy);
    QCOMPARE(QApplication::clipboard()->text(), QString("12"));
    QTRY_VERIFY(edit->hasFocus());
    QVERIFY(edit->SelLength() != 0);
}

void tst_MouseFocus::mouseEventsStayInTheControl_data() {
    QTest::addColumn<QString>("script"); // c: click, d: double click, g: drag, m: middle click
    // D and M with the selection state the event sees (the rule has run), C: OnClick, U:
    // OnMouseUp, K: OnDblClick. Moves without a button are left out.
    QTest::addColumn<QString>("events");

    Row("click", "c", "D0 C U");
    Row("double click", "d", "D0 C U K1 D1 U");
    Row("drag over the number", "g", "D0 M1 C U");
    Row("middle click", "m", "D1 U");
}

void tst_MouseFocus::mouseEventsStayInTheControl() {
    QFETCH(QString, script);
    QFETCH(QString, events);

    ShowForm();
    TRyNumEdit *edit = form->edit;
    edit->setText("12");
    edit->setFocus();
    edit->SelectAll();
    edit->repaint(); // places the number for the drag
    QStringList log;
    const auto sel = [edit] { return QString::number(edit->SelLength() != 0); };
    connect(edit, &TRyNumEdit::OnMouseDown, this,
            [&](TRyNumEdit *, Qt::MouseButton, TShiftState, int, int) { log << "D" + sel(); });
    connect(edit, &TRyNumEdit::OnMouseMove, this,
            [&](TRyNumEdit *, TShiftState, Qt::MouseButtons Buttons, int, int) {
                if (Buttons != Qt::NoButton)
                    log << "M" + sel();
            });
    connect(edit, &TRyNumEdit::OnMouseUp, this,
            [&](TRyNumEdit *, Qt::MouseButton, TShiftState, int, int) { log << "U"; });
    connect(edit, &TRyNumEdit::OnClick, this, [&] { log << "C"; });
    connect(edit, &TRyNumEdit::OnDblClick, this, [&] { log << "K" + sel(); });
    struct : QObject {
        int events = 0;
        bool eventFilter(QObject *, QEvent *e) override {
            events += dynamic_cast<QMouseEvent *>(e) != nullptr;
            return false;
        }
    } parent;
    form->window.installEventFilter(&parent);

    const TRect number = edit->TextRect();
    const QPoint margin = ClientPoint(edit, 1, number.Top + 1);
    const QPoint middle = ClientPoint(edit, (number.Left + number.Right) / 2, number.Top + 1);
    if (script == "c") {
        QTest::mouseClick(edit, Qt::LeftButton, {}, middle);
    } else if (script == "d") {
        QTest::mouseDClick(edit, Qt::LeftButton, {}, middle);
    } else if (script == "g") {
        QTest::mousePress(edit, Qt::LeftButton, {}, margin);
        QTest::mouseMove(edit, middle);
        QTest::mouseRelease(edit, Qt::LeftButton, {}, middle);
    } else {
        QTest::mouseClick(edit, Qt::MiddleButton, {}, middle);
    }

    QCOMPARE(log.join(' '), events);
    QCOMPARE(parent.events, 0);
}

void tst_MouseFocus::contextMenuRunsNoExitRule() {
    ShowForm();
    TRyNumEdit *edit = form->edit;
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Minus);
    edit->SelectAll();
    QSignalSpy enters(edit, &TRyNumEdit::OnEnter);
    QSignalSpy exits(edit, &TRyNumEdit::OnExit);
    RightClickWithMenu(edit, [](QMenu *menu) { QTest::keyClick(menu, Qt::Key_Escape); });

    QTRY_VERIFY(edit->hasFocus());
    QCOMPARE(exits.count(), 0);
    QCOMPARE(enters.count(), 0);
    QCOMPARE(edit->text(), QString("-"));
    QVERIFY(edit->SelLength() != 0);
    QVERIFY(!edit->CaretRect().isNull());
}

void tst_MouseFocus::caretLivesWithTheFocus() {
    ShowForm();
    TRyNumEdit *edit = form->edit;
    QVERIFY(edit->CaretRect().isNull());
    edit->setFocus();
    QVERIFY(!edit->CaretRect().isNull());
    QVERIFY(edit->CaretShown());
    QCOMPARE(edit->CaretRect().size(), QSize(edit->CaretWidth(), edit->TextHeight()));

    // The input method's cursor rectangle is the caret's, in widget coordinates.
    auto imRect = [edit] {
        return static_cast<QWidget *>(edit)->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    };
    edit->SetAlignment(TRyNumEdit::taLeftJustify);
    const QRect empty = imRect();
    QCOMPARE(empty, edit->CaretRect().translated(edit->contentsRect().topLeft()));
    QTest::keyClicks(edit, "123");
    QCOMPARE(imRect(), edit->CaretRect().translated(edit->contentsRect().topLeft()));
    QCOMPARE(imRect().left() - empty.left(), edit->TextWidth("123"));

    QTest::keyClick(edit, Qt::Key_Tab);
    QVERIFY(!edit->hasFocus());
    QVERIFY(edit->CaretRect().isNull());
}

// A left press and a move of the start-drag distance drag the control in automatic mode, or
// where a handler of OnMouseDown begins the drag. (The offscreen platform ends every drag at
// once, undropped.)
void tst_MouseFocus::dragStarts_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("beginOnMouseDown");
    QTest::addColumn<bool>("farEnough"); // the move is the start-drag distance, or one less
    QTest::addColumn<bool>("dock");
    QTest::addColumn<bool>("dragged");

    Row("automatic", int(TRyNumEdit::dmAutomatic), false, true, false, true);
    Row("automatic, a move too short", int(TRyNumEdit::dmAutomatic), false, false, false, false);
    Row("manual", int(TRyNumEdit::dmManual), false, true, false, false);
    Row("manual, begun on the press", int(TRyNumEdit::dmManual), true, true, false, true);
    Row("set to dock: never dragged", int(TRyNumEdit::dmAutomatic), true, true, true, false);
}

void tst_MouseFocus::dragStarts() {
    QFETCH(int, mode);
    QFETCH(bool, beginOnMouseDown);
    QFETCH(bool, farEnough);
    QFETCH(bool, dock);
    QFETCH(bool, dragged);

    ShowForm();
    TRyNumEdit *edit = form->edit;
    edit->SetDragMode(TRyNumEdit::TDragMode(mode));
    edit->SetDragKind(dock ? TRyNumEdit::dkDock : TRyNumEdit::dkDrag);
    if (beginOnMouseDown)
        connect(edit, &TRyNumEdit::OnMouseDown, edit, [edit] { edit->BeginDrag(false); });
    QSignalSpy starts(edit, &TRyNumEdit::OnStartDrag);
    QSignalSpy ends(edit, &TRyNumEdit::OnEndDrag);
    QSignalSpy clicks(edit, &TRyNumEdit::OnClick);

    const QPoint from = edit->rect().center();
    const int distance = QApplication::startDragDistance() - (farEnough ? 0 : 1);
    QTest::mousePress(edit, Qt::LeftButton, {}, from);
    QTest::mouseMove(edit, from + QPoint(distance / 2, distance - distance / 2));
    QTest::mouseRelease(edit, Qt::LeftButton, {}, from);
    QCOMPARE(starts.count(), dragged ? 1 : 0);
    QCOMPARE(ends.count(), dragged ? 1 : 0);
    if (dragged)
        QCOMPARE(ends.first().at(1).value<QObject *>(), nullptr);
    QCOMPARE(clicks.count(), dragged ? 0 : 1);
    QVERIFY(!edit->Dragging());
}

QTEST_MAIN(tst_MouseFocus)
#include "tst_mouse_focus.moc"
