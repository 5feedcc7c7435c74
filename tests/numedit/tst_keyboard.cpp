// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// Keys, typed characters and input method commits reaching TRyNumEdit through Qt's events.
#include "Beep_p.h"
#include "Fixture.h"
#include "RyNumEdit.h"
#include "TestRows.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace RyNumEdit;

using fixture::Form;
using testrows::Row;

namespace {

/// The keys of the presses that reach the watched widget itself.
struct KeyPresses : QObject {
    QList<int> keys;
    bool eventFilter(QObject *, QEvent *e) override {
        if (e->type() == QEvent::KeyPress)
            keys << static_cast<QKeyEvent *>(e)->key();
        return false;
    }
};

/// A derived control with a key rule of its own, F2 emptying the value, which it claims from the
/// window's shortcuts when told to.
class F2Edit : public TRyNumEdit {
public:
    using TRyNumEdit::TRyNumEdit;
    bool claims = true;

protected:
    void KeyDownRules(quint16 &Key, TShiftState Shift) override {
        if (Key == vk::F1 + 1 && Shift.None()) {
            ClearValue();
            Key = 0;
        }
        TRyNumEdit::KeyDownRules(Key, Shift);
    }
    void virtual_hook(int Id, void *Data) override {
        TRyNumEdit::virtual_hook(Id, Data);
        auto *query = static_cast<TWantsKey *>(Data);
        if (Id == hkWantsKey && claims && query->Key == vk::F1 + 1 && query->Shift.None())
            query->Wanted = true;
    }
};

QString Focused() {
    QWidget *w = QApplication::focusWidget();
    return w ? w->objectName() : QString("none");
}

} // namespace

class tst_Keyboard : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void keyDownRules_data();
    void keyDownRules();
    void copyNeedsSelection_data();
    void copyNeedsSelection();
    void characters_data();
    void characters();
    void replacedCharacterBeeps();
    void consumedKeyDownStillDeliversItsCharacter();
    void keyRouting_data();
    void keyRouting();
    void enterAndEscape_data();
    void enterAndEscape();
    void focusMoveIsPostedAfterTheKey();
    void enterWithoutParentWindow();
    void dialogKeys_data();
    void dialogKeys();
    void arrowKeys_data();
    void arrowKeys();
    void labelShortcutReachesANonTabStop();
    void inputMethod_data();
    void inputMethod();
    void imeMode_data();
    void imeMode();
    void derivedKeyRuleBeforeShortcuts_data();
    void derivedKeyRuleBeforeShortcuts();
    void compositionBesideTheNumber_data();
    void compositionBesideTheNumber();
    void focusChangeCommitsOnce();

private:
    void ShowForm();

    std::unique_ptr<Form> form;
    int beeps = 0;
};

void tst_Keyboard::init() {
    beeps = 0;
    RyNumEdit::SetBeepHook([this] { ++beeps; });
    QApplication::clipboard()->clear();
    form = std::make_unique<Form>();
}

void tst_Keyboard::cleanup() {
    form.reset();
    RyNumEdit::SetBeepHook({});
}

void tst_Keyboard::ShowForm() {
    QVERIFY(form->Show(form->edit));
}

void tst_Keyboard::keyDownRules_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<bool>("expectedSelected");

    const int none = Qt::NoModifier, shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier,
              alt = Qt::AltModifier;
    // The selecting and deselecting keys.
    QTest::newRow("Shift+Left selects")
        << "12" << false << false << "" << int(Qt::Key_Left) << shift << "12" << true;
    QTest::newRow("Shift+Right selects")
        << "12" << false << false << "" << int(Qt::Key_Right) << shift << "12" << true;
    QTest::newRow("Ctrl+A selects")
        << "12" << false << false << "" << int(Qt::Key_A) << ctrl << "12" << true;
    QTest::newRow("Left drops") << "12" << false << true << "" << int(Qt::Key_Left) << none << "12"
                                << false;
    QTest::newRow("Right drops") << "12" << false << true << "" << int(Qt::Key_Right) << none
                                 << "12" << false;
    QTest::newRow("Home drops") << "12" << false << true << "" << int(Qt::Key_Home) << none << "12"
                                << false;
    QTest::newRow("End drops") << "12" << false << true << "" << int(Qt::Key_End) << none << "12"
                               << false;
    QTest::newRow("PageUp drops") << "12" << false << true << "" << int(Qt::Key_PageUp) << none
                                  << "12" << false;
    QTest::newRow("PageDown drops")
        << "12" << false << true << "" << int(Qt::Key_PageDown) << none << "12" << false;
    QTest::newRow("Up drops") << "12" << false << true << "" << int(Qt::Key_Up) << none << "12"
                              << false;
    QTest::newRow("Down drops") << "12" << false << true << "" << int(Qt::Key_Down) << none << "12"
                                << false;
    // Editing keys.
    QTest::newRow("Backspace") << "12.5" << false << false << "" << int(Qt::Key_Backspace) << none
                               << "12" << false;
    QTest::newRow("Delete") << "12.5" << false << false << "" << int(Qt::Key_Delete) << none << "12"
                            << false;
    QTest::newRow("Backspace on selection")
        << "12" << false << true << "" << int(Qt::Key_Backspace) << none << "" << false;
    QTest::newRow("Ctrl+V appends")
        << "12" << false << false << "5" << int(Qt::Key_V) << ctrl << "125" << false;
    QTest::newRow("Ctrl+V replaces selection")
        << "12" << false << true << "5" << int(Qt::Key_V) << ctrl << "5" << false;
    QTest::newRow("Ctrl+X cuts selection")
        << "12" << false << true << "" << int(Qt::Key_X) << ctrl << "" << false;
    // Other modifier sets leave the key alone.
    QTest::newRow("Ctrl+Shift+A") << "12" << false << false << "" << int(Qt::Key_A)
                                  << (ctrl | shift) << "12" << false;
    QTest::newRow("Alt+Left") << "12" << false << true << "" << int(Qt::Key_Left) << alt << "12"
                              << true;
    QTest::newRow("Ctrl+Left") << "12" << false << true << "" << int(Qt::Key_Left) << ctrl << "12"
                               << true;
    QTest::newRow("Shift+Home") << "12" << false << true << "" << int(Qt::Key_Home) << shift << "12"
                                << true;
    QTest::newRow("Shift+Up") << "12" << false << true << "" << int(Qt::Key_Up) << shift << "12"
                              << true;
    QTest::newRow("Shift+Insert") << "12" << false << false << "5" << int(Qt::Key_Insert) << shift
                                  << "12" << false;
    QTest::newRow("Ctrl+Insert") << "12" << false << true << "" << int(Qt::Key_Insert) << ctrl
                                 << "12" << true;
    QTest::newRow("Shift+Delete") << "12" << false << false << "" << int(Qt::Key_Delete) << shift
                                  << "12" << false;
    QTest::newRow("Shift+Backspace")
        << "12" << false << false << "" << int(Qt::Key_Backspace) << shift << "12" << false;
    QTest::newRow("Ctrl+Shift+V") << "12" << false << false << "5" << int(Qt::Key_V)
                                  << (ctrl | shift) << "12" << false;
    QTest::newRow("Ctrl+digit types nothing")
        << "12" << false << false << "" << int(Qt::Key_5) << ctrl << "12" << false;
    QTest::newRow("Ctrl+keypad 1 types nothing")
        << "12" << false << true << "" << int(Qt::Key_1) << (ctrl | int(Qt::KeypadModifier)) << "12"
        << true;
    // Read-only: selecting and copying only.
    QTest::newRow("read-only Ctrl+A selects")
        << "12" << true << false << "" << int(Qt::Key_A) << ctrl << "12" << true;
    QTest::newRow("read-only Shift+Left selects")
        << "12" << true << false << "" << int(Qt::Key_Left) << shift << "12" << true;
    QTest::newRow("read-only Left drops")
        << "12" << true << true << "" << int(Qt::Key_Left) << none << "12" << false;
    QTest::newRow("read-only Backspace")
        << "12" << true << false << "" << int(Qt::Key_Backspace) << none << "12" << false;
    QTest::newRow("read-only Delete")
        << "12" << true << true << "" << int(Qt::Key_Delete) << none << "12" << true;
    QTest::newRow("read-only Ctrl+V")
        << "12" << true << false << "5" << int(Qt::Key_V) << ctrl << "12" << false;
    QTest::newRow("read-only Ctrl+X")
        << "12" << true << true << "" << int(Qt::Key_X) << ctrl << "12" << true;
}

void tst_Keyboard::keyDownRules() {
    QFETCH(QString, text);
    QFETCH(bool, readOnly);
    QFETCH(bool, selected);
    QFETCH(QString, clipboard);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, expectedText);
    QFETCH(bool, expectedSelected);

    ShowForm();
    TRyNumEdit *edit = form->edit;
    edit->setText(text);
    edit->SetReadOnly(readOnly);
    if (selected)
        edit->SelectAll();
    else
        edit->ClearSelection();
    if (!clipboard.isEmpty())
        QApplication::clipboard()->setText(clipboard);

    QTest::keyClick(edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    QCOMPARE(edit->text(), expectedText);
    QCOMPARE(edit->SelLength() != 0, expectedSelected);
    QCOMPARE(beeps, 0);
    QCOMPARE(Focused(), QString("edit"));
}

void tst_Keyboard::copyNeedsSelection_data() {
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("expectedClipboard");

    QTest::newRow("selected") << true << false << "1234";
    QTest::newRow("selected read-only") << true << true << "1234";
    QTest::newRow("nothing selected") << false << false << "before";
}

void tst_Keyboard::copyNeedsSelection() {
    QFETCH(bool, selected);
    QFETCH(bool, readOnly);
    QFETCH(QString, expectedClipboard);

    ShowForm();
    TRyNumEdit *edit = form->edit;
    edit->setText("1234");
    edit->SetReadOnly(readOnly);
    if (selected)
        edit->SelectAll();
    else
        edit->ClearSelection();
    QApplication::clipboard()->setText("before");

    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);

    QCOMPARE(QApplication::clipboard()->text(), expectedClipboard);
    QCOMPARE(edit->SelLength() != 0, selected);
    QCOMPARE(beeps, 0);
}

void tst_Keyboard::characters_data() {
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("errorBeep");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<int>("refusals"); // each beeps where ErrorBeep is on

    QTest::newRow("digits") << false << true << "1234"
                            << "1234" << 0;
    QTest::newRow("nine and zero") << false << true << "90"
                                   << "90" << 0;
    QTest::newRow("point and decimals") << false << true << ".25"
                                        << "0.25" << 0;
    QTest::newRow("sign toggles") << false << true << "5--"
                                  << "5" << 0;
    QTest::newRow("sign before digits") << false << true << "-7"
                                        << "-7" << 0;
    QTest::newRow("letter beeps") << false << true << "a"
                                  << "" << 1;
    QTest::newRow("letter without ErrorBeep") << false << false << "a"
                                              << "" << 1;
    QTest::newRow("blank comma plus") << false << true << "1 ,+"
                                      << "1" << 3;
    QTest::newRow("Latin-1 letter beeps once")
        << false << true << QString::fromUtf8("\u00e9") << "" << 1;
    QTest::newRow("kana beeps per byte") << false << true << QString::fromUtf8("\u3042") << "" << 2;
    QTest::newRow("half-width kana beeps once")
        << false << true << QString::fromUtf8("\uff71") << "" << 1;
    QTest::newRow("read-only swallows") << true << true << "12a-. "
                                        << "" << 0;
}

void tst_Keyboard::characters() {
    QFETCH(bool, readOnly);
    QFETCH(bool, errorBeep);
    QFETCH(QString, typed);
    QFETCH(QString, expectedText);
    QFETCH(int, refusals);

    ShowForm();
    TRyNumEdit *edit = form->edit;
    edit->SetReadOnly(readOnly);
    edit->SetErrorBeep(errorBeep);
    QSignalSpy changes(edit, &TRyNumEdit::OnChange);
    QSignalSpy rejected(edit, &TRyNumEdit::inputRejected);

    for (const QChar c : typed) {
        // Characters without a key of their own arrive as text on an unknown key.
        const Qt::Key key =
            c.unicode() < 0x80 ? Qt::Key(QChar(c).toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, edit, key, QString(c), Qt::NoModifier);
    }

    QCOMPARE(edit->text(), expectedText);
    QCOMPARE(beeps, errorBeep ? refusals : 0);
    QCOMPARE(rejected.count(), refusals);
    if (readOnly)
        QCOMPARE(changes.count(), 0);
}

void tst_Keyboard::replacedCharacterBeeps() {
    // A handler that replaces the character by 0 leaves a character the rules refuse.
    ShowForm();
    TRyNumEdit *edit = form->edit;
    connect(edit, &TRyNumEdit::OnKeyPress, this, [](TRyNumEdit *, char &Key) { Key = '\0'; });

    QTest::keyClicks(edit, "5");

    QCOMPARE(edit->text(), QString());
    QCOMPARE(beeps, 1);
}

void tst_Keyboard::consumedKeyDownStillDeliversItsCharacter() {
    // A handler that consumes the key turns the key rules off; Backspace's character is still
    // taken silently.
    ShowForm();
    TRyNumEdit *edit = form->edit;
    edit->setText("12");
    connect(edit, &TRyNumEdit::OnKeyDown, this,
            [](TRyNumEdit *, quint16 &Key, TShiftState) { Key = 0; });

    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);

    QCOMPARE(edit->text(), QString("12"));
    QCOMPARE(edit->SelLength(), 0);
    QCOMPARE(beeps, 0);
}

void tst_Keyboard::keyRouting_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text"); // the event's text
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<int>("code");         // what OnKeyDown and OnKeyUp see of the key
    QTest::addColumn<QByteArray>("chars"); // what OnKeyPress sees
    QTest::addColumn<bool>("toParent");    // the key press goes on to the window
    QTest::addColumn<bool>("toShortcut");  // a window shortcut on the key fires

    const int none = Qt::NoModifier, ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
    const QByteArray nothing;
    Row("Henkan", int(Qt::Key_Henkan), none, "", false, int(vk::Convert), nothing, true, true);
    Row("no code", int(Qt::Key_unknown), none, "", false, 0, nothing, true, false);
    Row("@", int(Qt::Key_At), none, "@", false, int(vk::Oem3), QByteArray("@"), false, true);
    Row("Shift+1 is the key 1", int(Qt::Key_Exclam), shift, "!", false, int('1'), QByteArray("!"),
        false, true);
    Row("Ctrl+Enter is a line feed", int(Qt::Key_Return), ctrl, "\r", false, int(vk::Return),
        QByteArray("\n"), false, true);
    Row("Ctrl+Backspace is a delete", int(Qt::Key_Backspace), ctrl, "\b", false, int(vk::Back),
        QByteArray("\x7f"), false, true);
    Row("Delete", int(Qt::Key_Delete), none, "", false, int(vk::Delete), nothing, false, false);
    Row("read-only Delete", int(Qt::Key_Delete), none, "", true, int(vk::Delete), nothing, true,
        true);
    Row("read-only Backspace", int(Qt::Key_Backspace), none, "\b", true, int(vk::Back),
        QByteArray("\b"), false, true);
}

void tst_Keyboard::keyRouting() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(bool, readOnly);
    QFETCH(int, code);
    QFETCH(QByteArray, chars);
    QFETCH(bool, toParent);
    QFETCH(bool, toShortcut);

    ShowForm();
    TRyNumEdit *edit = form->edit;
    edit->setText("12");
    edit->SetReadOnly(readOnly);
    QList<int> downs, ups;
    QByteArray pressed;
    connect(edit, &TRyNumEdit::OnKeyDown, this,
            [&](TRyNumEdit *, quint16 &Key, TShiftState) { downs << Key; });
    connect(edit, &TRyNumEdit::OnKeyUp, this,
            [&](TRyNumEdit *, quint16 &Key, TShiftState) { ups << Key; });
    connect(edit, &TRyNumEdit::OnKeyPress, this, [&](TRyNumEdit *, char &Key) { pressed += Key; });
    KeyPresses parent;
    form->window.installEventFilter(&parent);
    const auto click = [&] {
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(key), text,
                            Qt::KeyboardModifiers(modifiers));
    };

    click();
    QCOMPARE(downs.value(downs.size() - 1, -1), code);
    QCOMPARE(ups.value(0, -1), code);
    QCOMPARE(pressed, chars);
    // Every character here is refused, with a beep unless the control is read-only.
    QCOMPARE(beeps, readOnly ? 0 : int(chars.size()));
    QCOMPARE(parent.keys.contains(key), toParent);

    if (key == Qt::Key_unknown)
        return; // no key sequence names it
    QShortcut shortcut(QKeySequence(key | modifiers), &form->window);
    QSignalSpy fired(&shortcut, &QShortcut::activated);
    click();
    QCOMPARE(fired.count() != 0, toShortcut);
}

void tst_Keyboard::enterAndEscape_data() {
    QTest::addColumn<bool>("enterFocusMove");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("expectedBeeps");
    QTest::addColumn<QString>("expectedFocus");

    const int enter = Qt::Key_Return, pad = Qt::Key_Enter, esc = Qt::Key_Escape;
    const int none = Qt::NoModifier, keypad = Qt::KeypadModifier;
    QTest::newRow("Enter beeps") << false << false << enter << none << 1 << "edit";
    QTest::newRow("Enter moves to the next tab stop")
        << true << false << enter << none << 0 << "last";
    QTest::newRow("keypad Enter moves") << true << false << pad << keypad << 0 << "last";
    QTest::newRow("claimed Escape beeps") << true << false << esc << none << 1 << "edit";
    QTest::newRow("Escape beeps") << false << false << esc << none << 1 << "edit";
    QTest::newRow("read-only Enter is silent") << false << true << enter << none << 0 << "edit";
    QTest::newRow("read-only swallows Enter") << true << true << enter << none << 0 << "edit";
}

void tst_Keyboard::enterAndEscape() {
    QFETCH(bool, enterFocusMove);
    QFETCH(bool, readOnly);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, expectedBeeps);
    QFETCH(QString, expectedFocus);

    ShowForm();
    TRyNumEdit *edit = form->edit;
    edit->setText("12");
    edit->SetEnterFocusMove(enterFocusMove);
    edit->SetReadOnly(readOnly);
    QCOMPARE(edit->WMGetDlgCode(), enterFocusMove ? 0x85 : 0x81);

    QTest::keyClick(edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCoreApplication::processEvents();

    QCOMPARE(beeps, expectedBeeps);
    QCOMPARE(Focused(), expectedFocus);
    QCOMPARE(edit->text(), QString("12"));
}

void tst_Keyboard::focusMoveIsPostedAfterTheKey() {
    ShowForm();
    TRyNumEdit *edit = form->edit;
    edit->SetEnterFocusMove(true);
    bool focusedDuringKey = false;
    connect(edit, &TRyNumEdit::OnKeyPress, this,
            [&](TRyNumEdit *, char &) { focusedDuringKey = QApplication::focusWidget() == edit; });

    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(focusedDuringKey);
    QCOMPARE(Focused(), QString("edit")); // still here until the posted request runs
    QTRY_COMPARE(Focused(), QString("last"));
}

void tst_Keyboard::enterWithoutParentWindow() {
    TRyNumEdit alone;
    alone.SetEnterFocusMove(true);
    alone.SetArrowFocusMove(true);
    alone.setText("12");
    alone.show();
    QVERIFY(QTest::qWaitForWindowActive(&alone));
    alone.setFocus();

    QTest::keyClick(&alone, Qt::Key_Return);
    QTest::keyClick(&alone, Qt::Key_Down);
    QCoreApplication::processEvents();

    QVERIFY(alone.hasFocus());
    QCOMPARE(alone.text(), QString("12"));
    QCOMPARE(beeps, 0);
}

void tst_Keyboard::dialogKeys_data() {
    QTest::addColumn<bool>("enterFocusMove");
    QTest::addColumn<QString>("defaultButton"); // none, enabled or disabled
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("expectedClicks");
    QTest::addColumn<bool>("expectedRejected");
    QTest::addColumn<int>("expectedBeeps");

    const int enter = Qt::Key_Return, esc = Qt::Key_Escape, none = Qt::NoModifier;
    Row("Enter presses the default button", false, "enabled", enter, none, 1, false, 0);
    Row("keypad Enter presses it", false, "enabled", int(Qt::Key_Enter), int(Qt::KeypadModifier), 1,
        false, 0);
    Row("Shift+Enter reaches the control", false, "enabled", enter, int(Qt::ShiftModifier), 0,
        false, 1);
    Row("Enter with the default button disabled reaches the control", false, "disabled", enter,
        none, 0, false, 1);
    Row("claimed Enter moves instead", true, "enabled", enter, none, 0, false, 0);
    Row("Enter without default button beeps", false, "none", enter, none, 0, false, 1);
    Row("Escape cancels the dialog", false, "enabled", esc, none, 0, true, 0);
    Row("claimed Escape beeps", true, "enabled", esc, none, 0, false, 1);
}

void tst_Keyboard::dialogKeys() {
    QFETCH(bool, enterFocusMove);
    QFETCH(QString, defaultButton);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, expectedClicks);
    QFETCH(bool, expectedRejected);
    QFETCH(int, expectedBeeps);

    QDialog dialog;
    dialog.resize(160, 110);
    auto *edit = new TRyNumEdit(&dialog);
    auto *next = new TRyNumEdit(&dialog);
    edit->move(10, 10);
    next->move(10, 40);
    QPushButton *ok = nullptr;
    if (defaultButton != "none") {
        ok = new QPushButton("OK", &dialog);
        ok->setGeometry(10, 70, 80, 30);
        ok->setDefault(true);
        ok->setEnabled(defaultButton == "enabled");
    }
    edit->SetEnterFocusMove(enterFocusMove);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    edit->setFocus();
    int clicks = 0;
    if (ok)
        connect(ok, &QPushButton::clicked, this, [&clicks] { ++clicks; });
    QSignalSpy rejected(&dialog, &QDialog::rejected);

    QTest::keyClick(edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCoreApplication::processEvents();

    QCOMPARE(clicks, expectedClicks);
    QCOMPARE(rejected.count() != 0, expectedRejected);
    QCOMPARE(beeps, expectedBeeps);
    if (enterFocusMove && key == Qt::Key_Return)
        QCOMPARE(QApplication::focusWidget(), next);
}

void tst_Keyboard::arrowKeys_data() {
    QTest::addColumn<bool>("arrowFocusMove");
    QTest::addColumn<int>("options");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("expectedFocus");

    const int both = TRyNumEdit::eoArrowUp | TRyNumEdit::eoArrowDown;
    const int up = TRyNumEdit::eoArrowUp, down = TRyNumEdit::eoArrowDown;
    const int kUp = Qt::Key_Up, kDown = Qt::Key_Down;
    QTest::newRow("Down moves over a non-tab-stop")
        << true << both << false << "edit" << kDown << "last";
    QTest::newRow("Up moves back") << true << both << false << "edit" << kUp << "first";
    QTest::newRow("Down from the last wraps")
        << true << both << false << "last" << kDown << "first";
    QTest::newRow("read-only Down moves") << true << both << true << "edit" << kDown << "last";
    QTest::newRow("Down without ArrowFocusMove")
        << false << both << false << "edit" << kDown << "edit";
    QTest::newRow("Up without ArrowFocusMove") << false << both << false << "edit" << kUp << "edit";
    QTest::newRow("Down without eoArrowDown") << true << up << false << "edit" << kDown << "edit";
    QTest::newRow("Up without eoArrowUp") << true << down << false << "edit" << kUp << "edit";
    QTest::newRow("Up with eoArrowUp only") << true << up << false << "edit" << kUp << "first";
}

void tst_Keyboard::arrowKeys() {
    QFETCH(bool, arrowFocusMove);
    QFETCH(int, options);
    QFETCH(bool, readOnly);
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(QString, expectedFocus);

    ShowForm();
    auto *source = form->window.findChild<TRyNumEdit *>(from);
    QVERIFY(source);
    source->setText("12");
    source->SetArrowFocusMove(arrowFocusMove);
    source->SetOptions(TRyNumEdit::TRyNumEditOptions(options));
    source->SetReadOnly(readOnly);
    source->SetAutoSelect(false);
    source->setFocus();
    source->SelectAll();

    QTest::keyClick(source, Qt::Key(key));
    QCOMPARE(source->SelLength(), 0); // dropped whether or not the focus moves
    QCoreApplication::processEvents();

    QCOMPARE(Focused(), expectedFocus);
    QCOMPARE(beeps, 0);
}

// Not being a tab stop keeps a field out of the Tab order only: its label's shortcut reaches it.
void tst_Keyboard::labelShortcutReachesANonTabStop() {
    auto *label = new QLabel(QStringLiteral("&Days"), &form->window);
    label->setBuddy(form->field);
    ShowForm();
    QTest::keyClick(form->edit, Qt::Key_D, Qt::AltModifier);
    QCOMPARE(Focused(), QString("field"));
}

void tst_Keyboard::inputMethod_data() {
    QTest::addColumn<QStringList>("commits");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<int>("expectedBeeps");

    auto u = [](const char *s) { return QString::fromUtf8(s); };
    QTest::newRow("full-width one point five")
        << QStringList{u("\uff11"), u("\uff0e"), u("\uff15")} << false << "1.5" << 0;
    QTest::newRow("full-width in one commit")
        << QStringList{u("\uff11\uff12\uff13")} << false << "123" << 0;
    QTest::newRow("full-width minus") << QStringList{u("\uff0d\uff13")} << false << "-3" << 0;
    QTest::newRow("minus sign") << QStringList{u("\u2212\uff13")} << false << "-3" << 0;
    QTest::newRow("ASCII commit") << QStringList{"42"} << false << "42" << 0;
    QTest::newRow("kana refused per byte") << QStringList{u("\u3042")} << false << "" << 2;
    QTest::newRow("full-width comma refused") << QStringList{u("1\uff0c2")} << false << "12" << 2;
    QTest::newRow("half-width kana refused once") << QStringList{u("\uff71")} << false << "" << 1;
    QTest::newRow("character outside the code page")
        << QStringList{u("\U0001F600")} << false << "" << 1;
    QTest::newRow("read-only swallows") << QStringList{u("\uff11"), u("\u3042")} << true << "" << 0;
}

void tst_Keyboard::inputMethod() {
    QFETCH(QStringList, commits);
    QFETCH(bool, readOnly);
    QFETCH(QString, expectedText);
    QFETCH(int, expectedBeeps);

    ShowForm();
    TRyNumEdit *edit = form->edit;
    edit->SetReadOnly(readOnly);
    // A read-only control keeps the input method off; should a commit still arrive, it is
    // refused as a typed character would be.
    QCOMPARE(static_cast<QWidget *>(edit)->inputMethodQuery(Qt::ImEnabled).toBool(), !readOnly);

    for (const QString &commit : commits) {
        const QString before = edit->text();
        QInputMethodEvent composing(commit, {}); // shown while composing, not yet entered
        QApplication::sendEvent(edit, &composing);
        QCOMPARE(edit->PreeditText(), commit);
        QCOMPARE(edit->text(), before);
        QInputMethodEvent e;
        e.setCommitString(commit);
        QApplication::sendEvent(edit, &e);
    }

    QCOMPARE(edit->text(), expectedText);
    QCOMPARE(edit->PreeditText(), QString());
    QCOMPARE(beeps, expectedBeeps);
}

void tst_Keyboard::imeMode_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("latin"); // asks the input method to start in direct input

    QTest::newRow("imDisable") << int(TRyNumEdit::imDisable) << false << false << false;
    QTest::newRow("imClose: the user may open it")
        << int(TRyNumEdit::imClose) << false << true << true;
    QTest::newRow("imOpen") << int(TRyNumEdit::imOpen) << false << true << false;
    QTest::newRow("imOpen, read-only") << int(TRyNumEdit::imOpen) << true << false << false;
    QTest::newRow("imClose, read-only") << int(TRyNumEdit::imClose) << true << false << true;
}

void tst_Keyboard::imeMode() {
    QFETCH(int, mode);
    QFETCH(bool, readOnly);
    QFETCH(bool, enabled);
    QFETCH(bool, latin);
    ShowForm();
    TRyNumEdit *edit = form->edit;
    // The mode is set while read-only; clearing ReadOnly brings back what the mode says.
    edit->SetReadOnly(true);
    edit->SetImeMode(TRyNumEdit::imDisable);
    edit->SetImeMode(TRyNumEdit::TImeMode(mode));
    edit->SetReadOnly(readOnly);
    QCOMPARE(edit->testAttribute(Qt::WA_InputMethodEnabled), enabled);
    // What the input method asks the focused control.
    QCOMPARE(QInputMethod::queryFocusObject(Qt::ImEnabled, QVariant()).toBool(), enabled);
    // Wayland's text input protocols know a formatted number; they have no preference for digits.
    const int hints = QInputMethod::queryFocusObject(Qt::ImHints, QVariant()).toInt();
    QCOMPARE(bool(hints & Qt::ImhPreferLatin), latin);
    QCOMPARE(hints & ~Qt::ImhPreferLatin,
             int(Qt::ImhFormattedNumbersOnly | Qt::ImhNoAutoUppercase | Qt::ImhNoPredictiveText));
}

void tst_Keyboard::derivedKeyRuleBeforeShortcuts_data() {
    QTest::addColumn<bool>("claims");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("toShortcut");
    Row("claimed", true, int(Qt::Key_F2), false);
    Row("not claimed", false, int(Qt::Key_F2), true);
    Row("own rule, Ctrl+A", true, int(Qt::Key_A) | int(Qt::ControlModifier), false);
}

// The keys that a derived control's rules act on are claimed from the window's shortcuts as the
// control's own are, through the hook.
void tst_Keyboard::derivedKeyRuleBeforeShortcuts() {
    QFETCH(bool, claims);
    QFETCH(int, key);
    QFETCH(bool, toShortcut);
    auto *edit = new F2Edit(&form->window);
    edit->claims = claims;
    edit->SetAutoSelect(false);
    edit->setText(QStringLiteral("12"));
    ShowForm();
    edit->setFocus();
    QShortcut shortcut(QKeySequence(key), &form->window);
    QSignalSpy fired(&shortcut, &QShortcut::activated);
    QTest::keyClick(edit, Qt::Key(key & ~Qt::KeyboardModifierMask),
                    Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
    QCOMPARE(fired.count() != 0, toShortcut);
    QCOMPARE(edit->text().isEmpty() || edit->SelLength() != 0, !toShortcut);
}

/// An input method's composition in progress, its cursor at Cursor.
void Compose(TRyNumEdit *Edit, const QString &Text, int Cursor) {
    QInputMethodEvent e(Text, {{QInputMethodEvent::Cursor, Cursor, 1, QVariant()}});
    QApplication::sendEvent(Edit, &e);
}

void tst_Keyboard::compositionBesideTheNumber_data() {
    QTest::addColumn<int>("alignment");
    QTest::newRow("right") << int(TRyNumEdit::taRightJustify);
    QTest::newRow("centre") << int(TRyNumEdit::taCenter);
    QTest::newRow("left") << int(TRyNumEdit::taLeftJustify);
}

void tst_Keyboard::compositionBesideTheNumber() {
    QFETCH(int, alignment);
    form->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form->window));
    TRyNumEdit *edit = form->edit; // no focus, so no caret in the pictures
    edit->resize(160, edit->height());
    edit->SetAlignment(TRyNumEdit::TAlignment(alignment));
    edit->SetLeftMark(QString::fromUtf8("\uffe5"));
    edit->SetRightMark(QString::fromUtf8("\u5186"));
    edit->setText("1234");
    const QRect client = edit->contentsRect();
    const auto row = [&] { return edit->grab(client).toImage(); };
    const QImage before = row();
    const int split = edit->GetCaretPoint().x();
    const int left = edit->GetLeftMarkRect().Left, right = edit->GetRightMarkRect().Right;

    // The row makes room at the caret point: marks and digits are all drawn as before, moved
    // aside, and the composition stands between them.
    Compose(edit, QString::fromUtf8("\uff17\uff18"), 2);
    const QImage composing = row();
    const QRect c = edit->PreeditRect();
    const int leftShift = c.left() - split, rightShift = leftShift + c.width();
    QVERIFY(c.left() >= 0 && c.right() < client.width());
    QVERIFY(left + leftShift >= 0 && right + rightShift <= client.width());
    QCOMPARE(composing.copy(left + leftShift, 0, split - left, client.height()),
             before.copy(left, 0, split - left, client.height()));
    QCOMPARE(composing.copy(split + rightShift, 0, right - split, client.height()),
             before.copy(split, 0, right - split, client.height()));
    QCOMPARE(edit->text(), QStringLiteral("1234"));

    // Wider than the field, the composition keeps its end, and the caret its cursor, in sight.
    edit->resize(40, edit->height());
    Compose(edit, QString(6, QChar(0xFF19)), 6);
    QCOMPARE(edit->PreeditRect().right(), edit->contentsRect().width() - 1);
    edit->setFocus(Qt::OtherFocusReason);
    QCOMPARE(edit->CaretRect().right(), edit->PreeditRect().right());
    Compose(edit, QString(6, QChar(0xFF19)), 0);
    QCOMPARE(edit->CaretRect().left(), 0);
}

void tst_Keyboard::focusChangeCommitsOnce() {
    ShowForm();
    TRyNumEdit *edit = form->edit;
    const QString digits = QString::fromUtf8("\uff17\uff18");
    // Qt commits the composition into the control that composed it as the focus moves on; an
    // input method that then delivers the same text to the control that got the focus has it
    // dropped there, once.
    Compose(edit, digits, 2);
    QInputMethodEvent commit;
    commit.setCommitString(digits);
    QApplication::sendEvent(edit, &commit);
    form->last->setFocus(Qt::MouseFocusReason);
    QInputMethodEvent nothing; // ibus sends one before the echo
    QApplication::sendEvent(form->last, &nothing);
    QApplication::sendEvent(form->last, &commit);
    QCOMPARE(edit->text(), QStringLiteral("78"));
    QCOMPARE(form->last->text(), QString());
    // What the control composes itself is its own.
    Compose(form->last, digits, 2);
    QApplication::sendEvent(form->last, &commit);
    QCOMPARE(form->last->text(), QStringLiteral("78"));

    // A composition still shown when the focus leaves was never committed: it goes.
    Compose(form->last, digits, 2);
    edit->setFocus(Qt::TabFocusReason);
    QVERIFY(form->last->PreeditRect().isNull());
    QCOMPARE(form->last->text(), QStringLiteral("78"));
}

QTEST_MAIN(tst_Keyboard)
#include "tst_keyboard.moc"
