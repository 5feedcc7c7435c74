// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// The main window: layout, key map, visible presses, dialog keys and the mode choice.
#include "RyNumEdit.h"
#include "TestRows.h"
#include "TZELKF.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

#include <map>
#include <memory>

using namespace RyNumEdit;

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layout_data();
    void layout();
    void windowFrameAndFonts();
    void buttonsAreNoTabStops();
    void fieldsAreNamedForAssistiveTechnology();
    void controlsShareTheFormLook();
    void readableUnderADarkPalette_data();
    void readableUnderADarkPalette();

    void keyMap_data();
    void keyMap();
    void keysByWhatTheyType_data();
    void keysByWhatTheyType();
    void keysOutsideTheMapReachTheFocusedField_data();
    void keysOutsideTheMapReachTheFocusedField();
    void pressHoldsTheButtonDownThenClicksOnce();
    void pressWaitsTheRealDelay();

    void enterOnFocusedButtonClicksItAtOnce();
    void enterElsewhereClicksDefaultAtOnce_data();
    void enterElsewhereClicksDefaultAtOnce();
    void enterReachesKeyMapWhenFieldClaimsIt();
    void shiftEnterOnFocusedButtonPressesEquals();
    void tabMovesBetweenTabStops();
    void arrowsOnButtonMoveInTabOrder_data();
    void arrowsOnButtonMoveInTabOrder();

    void modeChangeRunsOnlyOnRealChange();
    void digitButtonsAppendTheirCaptions_data();
    void digitButtonsAppendTheirCaptions();
    void workedSequences_data();
    void workedSequences();

private:
    template <class T> T *child(const QString &name) const {
        T *c = window->findChild<T *>(name);
        if (!c)
            qFatal("no control %s", qPrintable(name));
        return c;
    }
    TRyNumEdit *field(int n) const {
        return child<TRyNumEdit>(QStringLiteral("RyNumEdit%1").arg(n));
    }
    QPushButton *button(const QString &name) const { return child<QPushButton>(name); }
    /// Delivers a key as the platform does: to the control with the focus.
    void type(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
        QTest::keyClick(target, static_cast<Qt::Key>(key), mods);
    }
    void typeSequence(const QString &keys);
    /// D, H, M and the indicator, in that order.
    QStringList display() const;
    void spyOnButtons();
    /// Names of the buttons clicked since spyOnButtons, with their counts.
    QStringList clicked() const;

    std::unique_ptr<TZELKF> window;
    int waits = 0;
    std::function<void()> onWait;
    std::map<QString, std::unique_ptr<QSignalSpy>> spies;
};

void TestMainWindow::init() {
    window = std::make_unique<TZELKF>();
    waits = 0;
    onWait = nullptr;
    window->SetPressWait([this](int ms) {
        QCOMPARE(ms, TZELKF::PressMilliseconds);
        ++waits;
        if (onWait)
            onWait();
    });
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    spyOnButtons();
}

void TestMainWindow::cleanup() {
    spies.clear();
    window.reset();
}

void TestMainWindow::spyOnButtons() {
    spies.clear();
    for (QPushButton *b : window->findChildren<QPushButton *>())
        spies[b->objectName()] = std::make_unique<QSignalSpy>(b, &QPushButton::clicked);
}

QStringList TestMainWindow::clicked() const {
    QStringList out;
    for (const auto &[name, spy] : spies)
        if (spy->count() != 0)
            out << QStringLiteral("%1x%2").arg(name).arg(spy->count());
    return out;
}

QStringList TestMainWindow::display() const {
    return {field(3)->text(), field(2)->text(), field(1)->text(),
            child<QLabel>(QStringLiteral("Label4"))->text()};
}

void TestMainWindow::typeSequence(const QString &keys) {
    static const std::map<QChar, int> named = {
        {u'+', Qt::Key_Plus},  {u'-', Qt::Key_Minus},  {u'*', Qt::Key_Asterisk},
        {u'/', Qt::Key_Slash}, {u'=', Qt::Key_Return}, {u'D', Qt::Key_D},
        {u'H', Qt::Key_H},     {u'C', Qt::Key_End},    {u'A', Qt::Key_Delete},
    };
    for (QChar c : keys) {
        if (c.isDigit())
            type(Qt::Key_0 + c.digitValue());
        else
            type(named.at(c));
    }
}

// --- Layout ---------------------------------------------------------------------------------

void TestMainWindow::layout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");

    QTest::newRow("Panel1") << "Panel1" << QRect(8, 8, 273, 33);
    QTest::newRow("Label4") << "Label4" << QRect(8, 8, 12, 21);
    // The form keeps the fields at their laid-out size, whatever height their font gives.
    QTest::newRow("RyNumEdit3") << "RyNumEdit3" << QRect(24, 8, 73, 20);
    QTest::newRow("RyNumEdit2") << "RyNumEdit2" << QRect(112, 8, 65, 20);
    QTest::newRow("RyNumEdit1") << "RyNumEdit1" << QRect(192, 8, 65, 20);
    QTest::newRow("TRadioGroup") << "TRadioGroup" << QRect(128, 48, 153, 33);
    QTest::newRow("Button1 10") << "Button1" << QRect(128, 216, 33, 25);
    QTest::newRow("Button10 55") << "Button10" << QRect(168, 88, 33, 25);
    QTest::newRow("Button19 9") << "Button19" << QRect(88, 120, 33, 25);
    QTest::newRow("Button20 Day") << "Button20" << QRect(8, 56, 113, 25);
    QTest::newRow("Button24 plus") << "Button24" << QRect(208, 184, 33, 57);
    QTest::newRow("Button26 equals") << "Button26" << QRect(248, 152, 33, 89);
    QTest::newRow("Button29 0") << "Button29" << QRect(8, 216, 113, 25);
}

void TestMainWindow::layout() {
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    QCOMPARE(child<QWidget>(name)->geometry(), rect);
}

void TestMainWindow::windowFrameAndFonts() {
    QCOMPARE(window->size(), QSize(285, 245));
    // Centred with its frame, not by its client area.
    QVERIFY(window->frameGeometry().size() != window->size());
    QCOMPARE(window->frameGeometry().center(), window->screen()->availableGeometry().center());
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QCOMPARE(window->windowTitle(), QStringLiteral("Zelkor Ver 1.00"));
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(window->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));

    QCOMPARE(QFontInfo(window->font()).family(), QStringLiteral("IPAPGothic"));
    QCOMPARE(window->font().pixelSize(), 12);
    for (int n = 1; n <= 3; ++n) {
        QCOMPARE(QFontInfo(field(n)->font()).family(), QStringLiteral("IPAGothic"));
        QCOMPARE(field(n)->font().pixelSize(), 16);
        QVERIFY(field(n)->font().bold());
    }
    QCOMPARE(child<QLabel>(QStringLiteral("Label4"))->font().pixelSize(), 21);
}

void TestMainWindow::buttonsAreNoTabStops() {
    const auto buttons = window->findChildren<QPushButton *>();
    QCOMPARE(buttons.size(), 29);
    for (const QPushButton *b : buttons)
        QVERIFY2(b->focusPolicy() == Qt::ClickFocus, qPrintable(b->objectName()));
    QVERIFY(button(QStringLiteral("Button26"))->isDefault());
    // The mode choice starts with the focus, as the first and only tab stop.
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(QStringLiteral("TRadioGroupItem0")));
}

void TestMainWindow::fieldsAreNamedForAssistiveTechnology() {
    const QStringList names = {QString(), "Minutes", "Hours", "Days"};
    for (int n = 1; n <= 3; ++n) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(field(n));
        QVERIFY(iface);
        QCOMPARE(iface->text(QAccessible::Name), names[n]);
        QCOMPARE(iface->role(), QAccessible::EditableText);
    }
}

void TestMainWindow::controlsShareTheFormLook() {
    // One palette for all the buttons: the style caches the faces it draws by palette.
    for (const QPushButton *b : window->findChildren<QPushButton *>())
        QCOMPARE(b->palette().cacheKey(), window->palette().cacheKey());
    // The fonts are hinted by their own instructions.
    const QList<const QWidget *> texts = {window.get(), child<QLabel>("Label4"), field(1)};
    for (const QWidget *w : texts)
        QCOMPARE(w->font().hintingPreference(), QFont::PreferFullHinting);
    // The etched radio group is still a group to assistive technology.
    QAccessibleInterface *group =
        QAccessible::queryAccessibleInterface(child<QWidget>("TRadioGroup"));
    QVERIFY(group);
    QCOMPARE(group->role(), QAccessible::Grouping);
    QCOMPARE(group->text(QAccessible::Name), QStringLiteral("Display mode"));
}

// Under a dark desktop palette, given before the window is built (as a platform theme does)
// or while it runs, the colours the layout fixes keep dark text on them.
void TestMainWindow::readableUnderADarkPalette_data() {
    QTest::addColumn<bool>("whileRunning");
    QTest::newRow("before the window") << false;
    QTest::newRow("while it runs") << true;
}

void TestMainWindow::readableUnderADarkPalette() {
    QFETCH(bool, whileRunning);
    const QPalette original = QApplication::palette();
    QPalette dark = original;
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        dark.setColor(role, QColor(40, 40, 40));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(220, 220, 220));
    if (whileRunning) {
        QApplication::setPalette(dark);
        QTRY_COMPARE(field(1)->palette().color(QPalette::Button), QColor(40, 40, 40));
    } else {
        QApplication::setPalette(dark);
        init();
    }
    const auto colour = [this](const char *name, QPalette::ColorRole role) {
        return child<QWidget>(name)->palette().color(role);
    };
    QCOMPARE(window->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
    QCOMPARE(colour("TRadioGroupItem1", QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(colour("Label1", QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(colour("Label4", QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(field(3)->Color(), QColor(Qt::white));
    QCOMPARE(colour("RyNumEdit3", QPalette::Text), QColor(Qt::black));
    QCOMPARE(colour("Button11", QPalette::ButtonText), QColor(220, 220, 220));
    QApplication::setPalette(original);
}

// --- Key map and presses --------------------------------------------------------------------

void TestMainWindow::keyMap_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("mods");
    QTest::addColumn<QString>("pressed");

    const Qt::KeyboardModifiers none = Qt::NoModifier, pad = Qt::KeypadModifier,
                                shift = Qt::ShiftModifier;
    const char *digitButtons[] = {"Button29", "Button11", "Button12", "Button13", "Button14",
                                  "Button15", "Button16", "Button17", "Button18", "Button19"};
    for (int d = 0; d <= 9; ++d) {
        QTest::addRow("digit %d", d) << Qt::Key_0 + d << none << digitButtons[d];
        QTest::addRow("keypad %d", d) << Qt::Key_0 + d << pad << digitButtons[d];
    }
    QTest::newRow("Page Up") << int(Qt::Key_PageUp) << none << "Button20";
    QTest::newRow("D") << int(Qt::Key_D) << none << "Button20";
    QTest::newRow("Shift+D") << int(Qt::Key_D) << shift << "Button20";
    QTest::newRow("Page Down") << int(Qt::Key_PageDown) << none << "Button21";
    QTest::newRow("H") << int(Qt::Key_H) << none << "Button21";
    QTest::newRow("Shift+H") << int(Qt::Key_H) << shift << "Button21";
    QTest::newRow("End") << int(Qt::Key_End) << none << "Button28";
    QTest::newRow("Delete") << int(Qt::Key_Delete) << none << "Button27";
    QTest::newRow("keypad *") << int(Qt::Key_Asterisk) << pad << "Button22";
    QTest::newRow("*") << int(Qt::Key_Asterisk) << shift << "Button22";
    QTest::newRow("keypad +") << int(Qt::Key_Plus) << pad << "Button24";
    QTest::newRow("+") << int(Qt::Key_Plus) << shift << "Button24";
    QTest::newRow("keypad -") << int(Qt::Key_Minus) << pad << "Button23";
    QTest::newRow("-") << int(Qt::Key_Minus) << none << "Button23";
    QTest::newRow("Shift+keypad -") << int(Qt::Key_Minus) << (pad | shift) << "Button26";
    QTest::newRow("Shift+-") << int(Qt::Key_Minus) << shift << "Button26";
    QTest::newRow("=") << int(Qt::Key_Equal) << none << "Button26";
    QTest::newRow("keypad /") << int(Qt::Key_Slash) << pad << "Button25";
    QTest::newRow("/") << int(Qt::Key_Slash) << none << "Button25";
    QTest::newRow("Shift+Enter") << int(Qt::Key_Return) << shift << "Button26";
    // Right after Shift+"-" ("＝"), a digit typed with Shift still held is still the digit.
    QTest::newRow("Shift+1 (!)") << int(Qt::Key_Exclam) << shift << "Button11";
    QTest::newRow("Shift+9 ())") << int(Qt::Key_ParenRight) << shift << "Button19";
    QTest::newRow("Ctrl+keypad Enter")
        << int(Qt::Key_Enter) << (pad | Qt::ControlModifier) << "Button26";
}

void TestMainWindow::keyMap() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, mods);
    QFETCH(QString, pressed);

    type(key, mods);
    QCOMPARE(clicked(), QStringList{pressed + "x1"});
    QCOMPARE(waits, 1);
    QCOMPARE(QApplication::focusWidget(), button(QStringLiteral("Button26")));
}

void TestMainWindow::keysByWhatTheyType_data() {
    // Each key as xcb reports it on that layout: the key of the character typed, the modifiers
    // and the xkb key code of its place.
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("mods");
    QTest::addColumn<int>("place");
    QTest::addColumn<QString>("pressed"); // empty: the key map leaves it

    const Qt::KeyboardModifiers none = Qt::NoModifier, shift = Qt::ShiftModifier;
    using testrows::Row;
    Row("us * (Shift+8)", int(Qt::Key_Asterisk), shift, 17, "Button22");
    Row("us + (Shift+=)", int(Qt::Key_Plus), shift, 21, "Button24");
    Row("us _ (Shift+-)", int(Qt::Key_Underscore), shift, 20, "Button26");
    Row("us ( (Shift+9)", int(Qt::Key_ParenLeft), shift, 18, "Button19");
    Row("de / (Shift+7)", int(Qt::Key_Slash), shift, 16, "Button25");
    Row("de = (Shift+0)", int(Qt::Key_Equal), shift, 19, "Button26");
    Row("de -", int(Qt::Key_Minus), none, 61, "Button23");
    Row("de _ (Shift+-)", int(Qt::Key_Underscore), shift, 61, "Button26");
    Row("jp * (Shift+:)", int(Qt::Key_Asterisk), shift, 48, "Button22");
    Row("jp :", int(Qt::Key_Colon), none, 48, "Button22");
    Row("jp ;", int(Qt::Key_Semicolon), none, 47, "Button24");
    Row("jp ? (Shift+/)", int(Qt::Key_Question), shift, 61, "Button25");
    Row("jp ! (Shift+1)", int(Qt::Key_Exclam), shift, 10, "Button11");
    Row("jp _ (Shift+ro)", int(Qt::Key_Underscore), shift, 97, "");
    Row("fr & (the 1 key)", int(Qt::Key_Ampersand), none, 10, "Button11");
    Row("fr _ (the 8 key)", int(Qt::Key_Underscore), none, 17, "Button18");
}

void TestMainWindow::keysByWhatTheyType() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, mods);
    QFETCH(int, place);
    QFETCH(QString, pressed);

    QKeyEvent press(QEvent::KeyPress, key, mods, static_cast<quint32>(place), 0, 0);
    QApplication::sendEvent(QApplication::focusWidget(), &press);
    QCOMPARE(clicked(), pressed.isEmpty() ? QStringList() : QStringList{pressed + "x1"});
}

void TestMainWindow::keysOutsideTheMapReachTheFocusedField_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("mods");
    QTest::addColumn<QList<int>>("codes"); // a modifier is a key of its own

    const Qt::KeyboardModifiers none;
    QTest::newRow("Left") << int(Qt::Key_Left) << none << QList<int>{vk::Left};
    QTest::newRow("Down") << int(Qt::Key_Down) << none << QList<int>{vk::Down};
    QTest::newRow("Home") << int(Qt::Key_Home) << none << QList<int>{vk::Home};
    QTest::newRow("Ctrl+C") << int(Qt::Key_C) << Qt::KeyboardModifiers(Qt::ControlModifier)
                            << QList<int>{vk::Control, vk::Letter('C')};
    QTest::newRow("Escape") << int(Qt::Key_Escape) << none << QList<int>{vk::Escape};
    QTest::newRow("F5") << int(Qt::Key_F5) << none << QList<int>{vk::F1 + 4};
    QTest::newRow("Muhenkan") << int(Qt::Key_Muhenkan) << none << QList<int>{vk::NonConvert};
}

void TestMainWindow::keysOutsideTheMapReachTheFocusedField() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, mods);
    QFETCH(QList<int>, codes);

    TRyNumEdit *minutes = field(1);
    QTest::mouseClick(minutes, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), minutes);
    QList<int> seen;
    connect(minutes, &TRyNumEdit::OnKeyDown, this,
            [&seen](TRyNumEdit *, quint16 &Key, TShiftState) { seen << Key; });

    // Sent without text: a key that gives a character is the key map's business or the field's.
    QTest::sendKeyEvent(QTest::Click, minutes, Qt::Key(key), QString(), mods);
    QCOMPARE(seen, codes);
    QCOMPARE(clicked(), QStringList());
    QCOMPARE(waits, 0);
}

void TestMainWindow::pressHoldsTheButtonDownThenClicksOnce() {
    QPushButton *plus = button(QStringLiteral("Button24"));
    bool downDuringWait = false;
    int clicksDuringWait = -1;
    onWait = [&] {
        downDuringWait = plus->isDown();
        clicksDuringWait = int(spies.at(QStringLiteral("Button24"))->count());
    };
    type(Qt::Key_Plus, Qt::KeypadModifier);
    QVERIFY(downDuringWait);
    QCOMPARE(clicksDuringWait, 0);
    QVERIFY(!plus->isDown());
    QCOMPARE(clicked(), QStringList{"Button24x1"});
    QCOMPARE(QApplication::focusWidget(), button(QStringLiteral("Button26")));
}

void TestMainWindow::pressWaitsTheRealDelay() {
    window->SetPressWait(nullptr); // back to the blocking wait
    QElapsedTimer timer;
    timer.start();
    type(Qt::Key_7);
    QVERIFY2(timer.elapsed() >= TZELKF::PressMilliseconds,
             qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(clicked(), QStringList{"Button17x1"});
    QCOMPARE(field(1)->text(), QStringLiteral("7"));
}

// --- Dialog keys ----------------------------------------------------------------------------

void TestMainWindow::enterOnFocusedButtonClicksItAtOnce() {
    QPushButton *five = button(QStringLiteral("Button15"));
    QTest::mouseClick(five, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), five);
    type(Qt::Key_Return);
    QCOMPARE(field(1)->text(), QStringLiteral("55"));
    QCOMPARE(clicked(), QStringList{"Button15x2"});
    QCOMPARE(waits, 0);
    QCOMPARE(QApplication::focusWidget(), five);
}

void TestMainWindow::enterElsewhereClicksDefaultAtOnce_data() {
    QTest::addColumn<QString>("focus");
    QTest::newRow("mode choice") << "TRadioGroupItem0";
    QTest::newRow("display field") << "RyNumEdit1";
}

void TestMainWindow::enterElsewhereClicksDefaultAtOnce() {
    QFETCH(QString, focus);
    QTest::mouseClick(button(QStringLiteral("Button13")), Qt::LeftButton); // "3"
    QTest::mouseClick(child<QWidget>(focus), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    type(Qt::Key_Return);
    QCOMPARE(clicked(), (QStringList{"Button13x1", "Button26x1"}));
    QCOMPARE(waits, 0);
    QCOMPARE(display(), (QStringList{"0", "0", "3", ""}));
}

void TestMainWindow::enterReachesKeyMapWhenFieldClaimsIt() {
    TRyNumEdit *minutes = field(1);
    minutes->SetEnterFocusMove(true); // now it claims Enter from the dialog keys
    QTest::mouseClick(minutes, Qt::LeftButton);
    type(Qt::Key_Return);
    QCOMPARE(clicked(), QStringList{"Button26x1"});
    QCOMPARE(waits, 1);
    QCOMPARE(QApplication::focusWidget(), button(QStringLiteral("Button26")));
}

void TestMainWindow::shiftEnterOnFocusedButtonPressesEquals() {
    QTest::mouseClick(button(QStringLiteral("Button15")), Qt::LeftButton);
    type(Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(clicked(), (QStringList{"Button15x1", "Button26x1"}));
    QCOMPARE(waits, 1);
}

void TestMainWindow::tabMovesBetweenTabStops() {
    auto *dhm = child<QRadioButton>(QStringLiteral("TRadioGroupItem0"));
    auto *hm = child<QRadioButton>(QStringLiteral("TRadioGroupItem1"));
    QPushButton *equals = button(QStringLiteral("Button26"));

    equals->setFocus();
    type(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), dhm);
    type(Qt::Key_Tab); // the only tab stop keeps the focus
    QCOMPARE(QApplication::focusWidget(), dhm);

    // The mode choice is entered at its selected item.
    hm->setChecked(true);
    equals->setFocus();
    type(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), hm);
    QCOMPARE(waits, 0);
    QCOMPARE(clicked(), QStringList());
}

void TestMainWindow::arrowsOnButtonMoveInTabOrder_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("to");

    QTest::newRow("= Right") << "Button26" << int(Qt::Key_Right) << "Button29";
    QTest::newRow("= Down") << "Button26" << int(Qt::Key_Down) << "Button29";
    QTest::newRow("= Left wraps past the fields")
        << "Button26" << int(Qt::Key_Left) << "TRadioGroupItem0";
    QTest::newRow("1 Up") << "Button11" << int(Qt::Key_Up) << "Button29";
    QTest::newRow("9 Right") << "Button19" << int(Qt::Key_Right) << "Button1";
    QTest::newRow("AC Down") << "Button27" << int(Qt::Key_Down) << "TRadioGroupItem0";
}

void TestMainWindow::arrowsOnButtonMoveInTabOrder() {
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(QString, to);

    button(from)->setFocus();
    type(key);
    QCOMPARE(QApplication::focusWidget()->objectName(), to);
    QCOMPARE(clicked(), QStringList());
    QCOMPARE(waits, 0);
}

// --- Mode choice and the calculator through the window ---------------------------------------

void TestMainWindow::modeChangeRunsOnlyOnRealChange() {
    typeSequence(QStringLiteral("100"));
    // Choosing the item already chosen runs nothing: the entry stays as typed.
    QTest::mouseClick(child<QRadioButton>(QStringLiteral("TRadioGroupItem0")), Qt::LeftButton);
    QCOMPARE(display(), (QStringList{"", "", "100", ""}));

    QTest::mouseClick(child<QRadioButton>(QStringLiteral("TRadioGroupItem2")), Qt::LeftButton);
    QCOMPARE(display(), (QStringList{"0", "0", "100", ""}));

    // The arrow keys move the choice like a click does.
    type(Qt::Key_Left);
    QCOMPARE(child<QRadioButton>(QStringLiteral("TRadioGroupItem1"))->isChecked(), true);
    QCOMPARE(display(), (QStringList{"0", "1", "40", ""}));
}

void TestMainWindow::digitButtonsAppendTheirCaptions_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    const char *captions[] = {"10", "15", "20", "25", "30", "35", "40", "45", "50", "55",
                              "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9"};
    for (int i = 1; i <= 19; ++i)
        QTest::addRow("Button%d", i) << QStringLiteral("Button%1").arg(i) << captions[i - 1];
    QTest::newRow("Button29") << "Button29"
                              << "0";
}

void TestMainWindow::digitButtonsAppendTheirCaptions() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QCOMPARE(button(name)->text(), caption);
    QTest::mouseClick(button(QStringLiteral("Button11")), Qt::LeftButton); // "1"
    QTest::mouseClick(button(name), Qt::LeftButton);
    QCOMPARE(field(1)->text(), "1" + caption);
}

void TestMainWindow::workedSequences_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("shown"); // days, hours, minutes, indicator

    QTest::newRow("5+3=") << "5+3=" << QStringList{"0", "0", "8", ""};
    QTest::newRow("5+3+") << "5+3+" << QStringList{"0", "0", "8", ""};
    QTest::newRow("5+3++") << "5+3++" << QStringList{"0", "0", "11", ""};
    QTest::newRow("5+=") << "5+=" << QStringList{"0", "0", "5", ""};
    QTest::newRow("5+*3=") << "5+*3=" << QStringList{"0", "0", "15", ""};
    QTest::newRow("2 Day 3 Hour 15+=") << "2D3H15+=" << QStringList{"2", "3", "15", ""};
    QTest::newRow("100=") << "100=" << QStringList{"0", "1", "40", ""};
    QTest::newRow("3-5=") << "3-5=" << QStringList{"0", "0", "2", "-"};
    QTest::newRow("5+3 C 4=") << "5+3C4=" << QStringList{"0", "0", "9", ""};
    QTest::newRow("5+3 AC 4=") << "5+3A4=" << QStringList{"0", "0", "4", ""};
    QTest::newRow("= at start") << "=" << QStringList{"0", "0", "0", ""};
    QTest::newRow("007") << "007" << QStringList{"", "", "7", ""};
    QTest::newRow("seven digits") << "1234567" << QStringList{"", "", "", ""};
    QTest::newRow("eighth digit") << "12345678" << QStringList{"", "", "8", ""};
    QTest::newRow("0-150=") << "0-150=" << QStringList{"0", "2", "30", "-"};
    QTest::newRow("1000*1000=") << "1000*1000=" << QStringList{"694", "10", "40", ""};
    QTest::newRow("60/0=") << "60/0=" << QStringList{"0", "1", "0", ""};
    QTest::newRow("Day with nothing") << "5HD" << QStringList{"", "5", "", ""};
}

void TestMainWindow::workedSequences() {
    QFETCH(QString, keys);
    QFETCH(QStringList, shown);
    typeSequence(keys);
    QCOMPARE(display(), shown);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
