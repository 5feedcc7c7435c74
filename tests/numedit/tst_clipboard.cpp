// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// Copy, cut, paste and undo, and the built-in context menu that offers them.
#include "Fixture.h"
#include "RyNumEdit.h"
#include "TestRows.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

using fixture::Configure;
using fixture::Form;
using testrows::Row;
using testrows::Str;

namespace {

QClipboard *Clipboard() {
    return QApplication::clipboard();
}

/// The enabled states of the commands (Undo, Cut, Copy, Paste, Delete, Select all) as six
/// characters "1" or "0".
QString EnabledStates(const TRyNumEdit &e) {
    QString mask;
    for (int index : {0, 2, 3, 4, 5, 7})
        mask += e.MenuItem(index)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    return mask;
}

/// Closes whatever popup is open once the event loop runs, so a menu shown modally cannot
/// hang a test.
void CloseMenusLater() {
    QTimer::singleShot(2000, [] {
        while (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
    });
}

/// A right click through the window system, which turns it into a context menu event.
void RightClick(QWidget &window, QWidget &target) {
    QTest::mouseClick(window.windowHandle(), Qt::RightButton, {},
                      target.mapTo(&window, target.rect().center()));
}

} // namespace

class TestClipboard : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void copy_data();
    void copy();
    void cut_data();
    void cut();
    void paste_data();
    void paste();
    void pasteWithoutText();
    void derivedFilterSeesTheWholePaste();
    void undoAfterPaste();
    void menuItems_data();
    void menuItems();
    void menuSpeaksTheApplicationsLanguage_data();
    void menuSpeaksTheApplicationsLanguage();
    void menuBuiltWithTheControl_data();
    void menuBuiltWithTheControl();
    void enabledStates_data();
    void enabledStates();
    void menuTakesFocus_data();
    void menuTakesFocus();
    void menuCommands_data();
    void menuCommands();
    void rightClickOpensMenu();
    void contextMenuKeyOpensMenu();
    void assignedMenuReplacesBuiltIn();
};

void TestClipboard::init() {
    Clipboard()->setText(QStringLiteral("sentinel"));
}

void TestClipboard::cleanup() {
    while (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
}

// --- Copy and cut ---------------------------------------------------------------------------

void TestClipboard::copy_data() {
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QString>("clip");

    Row("value text", "", "1234", true, "1234");
    Row("value text without its mark", "right=円", "1234", true, "1234");
    Row("display text with mark", "image right=円", "1234", true, "1,234円");
    Row("display text with fixed decimals", "image left=￥ decfixed", "12", true, "￥12.000");
    Row("display text of the empty value", "image decfixed", "", true, "0.000");
    Row("read-only", "readonly", "12", true, "12");
    Row("nothing selected", "", "1234", false, "sentinel");
}

void TestClipboard::copy() {
    QFETCH(QString, settings);
    QFETCH(QString, value);
    QFETCH(bool, selected);
    QFETCH(QString, clip);

    TRyNumEdit e;
    Configure(e, settings);
    e.setText(value);
    if (selected)
        e.SelectAll();
    QSignalSpy spy(&e, &TRyNumEdit::OnChange);
    e.CopyToClipboard();
    QCOMPARE(Clipboard()->text(), clip);
    QCOMPARE(e.text(), value);
    QCOMPARE(e.SelLength() != 0, selected);
    QCOMPARE(spy.count(), 0);
}

void TestClipboard::cut_data() {
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QString>("clip");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("changes");

    Row("selected", true, "1234", "", 1);
    Row("nothing selected", false, "sentinel", "1234", 0);
}

void TestClipboard::cut() {
    QFETCH(bool, selected);
    QFETCH(QString, clip);
    QFETCH(QString, value);
    QFETCH(int, changes);

    TRyNumEdit e;
    e.setText(QStringLiteral("1234"));
    if (selected)
        e.SelectAll();
    QSignalSpy spy(&e, &TRyNumEdit::OnChange);
    e.CutToClipboard();
    QCOMPARE(Clipboard()->text(), clip);
    QCOMPARE(e.text(), value);
    QCOMPARE(e.SelLength(), 0);
    QCOMPARE(spy.count(), changes);
    if (selected) {
        e.Undo();
        QCOMPARE(e.text(), QStringLiteral("1234"));
    }
}

// --- Paste ------------------------------------------------------------------------------------

void TestClipboard::paste_data() {
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QString>("clip");
    QTest::addColumn<QString>("value");

    Row("grouped digits", "", "", false, "1,234", "1234");
    Row("full-width digits and comma", "", "", false, "１，２３４", "1234");
    Row("full-width sign and point", "", "", false, "－１．５", "-1.5");
    Row("appended", "", "12", false, "5", "125");
    Row("appended decimals", "", "12", false, ".5", "12.5");
    Row("appended to zero", "", "0", false, "5", "5");
    Row("replaces selection", "", "12", true, "5", "5");
    Row("leading zeros stripped", "", "", false, "007", "7");
    Row("letters appended", "", "12", false, "abc", "12");
    Row("letters replace selection", "", "12", true, "abc", "");
    Row("kanji ends the number", "", "", false, "1漢2", "1");
    Row("character without code page 932 form", "", "", false, "1😀2", "1");
    Row("sign inside the value", "", "12", false, "-5", "12");
    Row("sign replacing selection", "", "12", true, "-5", "-5");
    Row("integer part too long", "", "", false, "1234567890", "");
    Row("appended integer part too long", "", "12345678", false, "90", "");
    Row("limits of the control", "int=2 dec=1", "", false, "-12.56", "-12.5");
    Row("read-only pastes", "readonly", "12", false, "3", "123");
    Row("width not tested", "narrow", "", false, "123456789", "123456789");

    // Long texts: only their beginning matters, but all of it may be commas.
    const QString commas(100000, QLatin1Char(','));
    const QString wideCommas(100000, QChar(0xFF0C));
    Row("long run of digits", "", "", false, QString(100000, QLatin1Char('7')), "");
    Row("long run of garbage", "", "", false, "12" + QString(100000, QLatin1Char('x')), "12");
    Row("digits between long runs of commas", "", "", false, "1" + commas + "2" + commas, "12");
    Row("digits between long runs of full-width commas", "", "", false,
        "１" + wideCommas + "２" + wideCommas + "３", "123");
    Row("long integer part found past commas", "int=2", "", false, "12" + commas + "3", "");
    Row("sign after long comma run", "", "", false, commas + "-5", "");
    // Full-width commas are dropped before the sign test, ASCII ones are not.
    Row("sign after full-width commas", "", "", true, "，，-5", "-5");
    Row("sign after mixed commas", "", "", true, ",，,-5", "");
    Row("sign after full-width then ASCII comma", "", "", true, "，,-5", "");
    Row("surrogate pair across a piece boundary", "", "", false,
        "1" + QString(62, QLatin1Char(',')) + "😀" + "2", "1");
    Row("long text with no limit to stop it", "int=100000", "", false,
        QString(100000, QLatin1Char('9')), QString(100000, QLatin1Char('9')));
}

void TestClipboard::paste() {
    QFETCH(QString, settings);
    QFETCH(QString, initial);
    QFETCH(bool, selected);
    QFETCH(QString, clip);
    QFETCH(QString, value);

    TRyNumEdit e;
    Configure(e, settings);
    e.setText(initial);
    if (selected)
        e.SelectAll();
    const QString before = e.text();
    Clipboard()->setText(clip);
    QSignalSpy spy(&e, &TRyNumEdit::OnChange);

    e.PasteFromClipboard();
    QCOMPARE(e.text(), value);
    QCOMPARE(Str(e.DisplayText()), Str(e.FormatDisplayText(e.ValueText())));
    QCOMPARE(e.SelLength(), 0);
    QVERIFY(e.CanUndo());
    QCOMPARE(Str(e.UndoText()), before);
    QCOMPARE(spy.count(), 1); // even when the value stays as it was
}

// A derived control's own filter may take what the built-in one stops at.
void TestClipboard::derivedFilterSeesTheWholePaste() {
    struct SkipsLetters : TRyNumEdit {
        std::string FilterText(const std::string &Value) const override {
            std::string digits;
            for (char c : Value)
                if (c >= '0' && c <= '9')
                    digits += c;
            return TRyNumEdit::FilterText(digits);
        }
    } e;
    e.setText(QStringLiteral("1"));
    Clipboard()->setText(QStringLiteral("2 apples,,,, 3 pears"));
    e.PasteFromClipboard();
    QCOMPARE(e.text(), QStringLiteral("123"));
}

void TestClipboard::pasteWithoutText() {
    TRyNumEdit e;
    e.setText(QStringLiteral("12"));
    Clipboard()->clear();
    QSignalSpy spy(&e, &TRyNumEdit::OnChange);
    e.PasteFromClipboard();
    QCOMPARE(e.text(), QStringLiteral("12"));
    QVERIFY(!e.CanUndo());
    QCOMPARE(spy.count(), 0);
}

void TestClipboard::undoAfterPaste() {
    TRyNumEdit e;
    e.setText(QStringLiteral("12"));
    Clipboard()->setText(QStringLiteral("5"));
    QSignalSpy spy(&e, &TRyNumEdit::OnChange);
    e.PasteFromClipboard();
    QCOMPARE(e.text(), QStringLiteral("125"));

    e.Undo();
    QCOMPARE(e.text(), QStringLiteral("12"));
    QCOMPARE(e.SelLength(), int(e.DisplayText().size()));
    e.Undo();
    QCOMPARE(e.text(), QStringLiteral("125"));
    QCOMPARE(e.SelLength(), 3);
    QCOMPARE(spy.count(), 3);
}

// --- The context menu -----------------------------------------------------------------------

void TestClipboard::menuItems_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");

    Row("undo", 0, "元に戻す(&U)");
    Row("first separator", 1, "-");
    Row("cut", 2, "切り取り(&T)");
    Row("copy", 3, "コピー(&C)");
    Row("paste", 4, "貼り付け(&P)");
    Row("delete", 5, "削除(&D)");
    Row("second separator", 6, "-");
    Row("select all", 7, "すべて選択(&A)");
}

void TestClipboard::menuItems() {
    QFETCH(int, index);
    QFETCH(QString, caption);

    TRyNumEdit e;
    QMenu *menu = e.BuiltInPopup();
    QVERIFY(menu);
    QCOMPARE(e.PopupMenu(), menu);
    QCOMPARE(menu->parent(), &e);
    QCOMPARE(menu->actions().size(), 8);

    QAction *item = e.MenuItem(index);
    QCOMPARE(menu->actions().at(index), item);
    QCOMPARE(item->parent(), &e);
    QCOMPARE(item->data().toInt(), index);
    const bool separator = caption == QLatin1String("-");
    QCOMPARE(item->isSeparator(), separator);
    QCOMPARE(item->text(), separator ? QString() : caption);
}

void TestClipboard::menuSpeaksTheApplicationsLanguage_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("selectAll");
    Row("German: English", "de_DE", "Select &All");
    Row("C: English", "C", "Select &All");
    Row("Japanese", "ja_JP", "すべて選択(&A)");
}

// The translations shipped with the library, loaded as the documentation shows, replace the
// Japanese captions while installed, in a menu already built too.
void TestClipboard::menuSpeaksTheApplicationsLanguage() {
#ifndef RYNUMEDIT_TRANSLATIONS
    QSKIP("built without Qt's Linguist tools");
#else
    QFETCH(QString, locale);
    QFETCH(QString, selectAll);
    Q_INIT_RESOURCE(rynumedit_translations);
    TRyNumEdit e;
    QCOMPARE(e.MenuItem(7)->text(), QStringLiteral("すべて選択(&A)"));
    const QString folder = QStringLiteral(":/rynumedit/translations");
    QTranslator translator;
    QVERIFY(translator.load(QLocale(locale), QStringLiteral("rynumedit"), QStringLiteral("_"),
                            folder) ||
            translator.load(QStringLiteral("rynumedit_en"), folder));
    QCoreApplication::installTranslator(&translator);
    QTRY_COMPARE(e.MenuItem(7)->text(), selectAll);
    QCoreApplication::removeTranslator(&translator);
    QTRY_COMPARE(e.MenuItem(0)->text(), QStringLiteral("元に戻す(&U)"));
#endif
}

void TestClipboard::menuBuiltWithTheControl_data() {
    QTest::addColumn<bool>("designing");
    Row("running", false);
    Row("designing", true);
}

void TestClipboard::menuBuiltWithTheControl() {
    QFETCH(bool, designing);
    TRyNumEdit e(nullptr, designing ? TRyNumEdit::dsDesigning : TRyNumEdit::dsRunning);
    QMenu *menu = e.PopupMenu();
    QCOMPARE(menu == nullptr, designing);
    QCOMPARE(e.findChild<QMenu *>(), menu);
    QCOMPARE(e.MenuItem(0) == nullptr, designing);
}

void TestClipboard::enabledStates_data() {
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("undo");
    QTest::addColumn<bool>("clip");
    QTest::addColumn<QString>("enabled"); // Undo, Cut, Copy, Paste, Delete, Select all

    Row("empty", false, "", false, false, false, "000000");
    Row("empty, text on clipboard", false, "", false, false, true, "000100");
    Row("value", false, "12", false, false, false, "000001");
    Row("value selected", false, "12", true, false, false, "011010");
    Row("everything enabled that can be", false, "12", true, true, true, "111110");
    Row("undo recorded", false, "12", false, true, true, "100101");
    Row("read-only value", true, "12", false, true, true, "000001");
    Row("read-only selected", true, "12", true, true, true, "001000");
}

void TestClipboard::enabledStates() {
    QFETCH(bool, readOnly);
    QFETCH(QString, value);
    QFETCH(bool, selected);
    QFETCH(bool, undo);
    QFETCH(bool, clip);
    QFETCH(QString, enabled);

    Form f;
    TRyNumEdit &e = *f.edit;
    QVERIFY(f.Show(f.edit));
    e.setText(value);
    e.SetReadOnly(readOnly);
    if (undo)
        e.SaveUndo();
    if (selected)
        e.SelectAll();
    else
        e.ClearSelection();
    if (!clip)
        Clipboard()->clear();

    e.MenuPopup(e.BuiltInPopup());
    QCOMPARE(EnabledStates(e), enabled);
    QVERIFY(e.MenuItem(1)->isEnabled());
    QVERIFY(e.MenuItem(6)->isEnabled());
}

void TestClipboard::menuTakesFocus_data() {
    QTest::addColumn<bool>("autoSelect");
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<QString>("copied");

    // Focus entry selects everything, so only Copy is left; without it only Select all.
    Row("AutoSelect", true, "001000", "12");
    Row("no AutoSelect", false, "000001", "sentinel");
}

void TestClipboard::menuTakesFocus() {
    QFETCH(bool, autoSelect);
    QFETCH(QString, enabled);
    QFETCH(QString, copied);

    Form f;
    QVERIFY(f.Show(f.edit));
    TRyNumEdit &field = *f.field;
    field.SetAutoSelect(autoSelect);
    field.setText(QStringLiteral("12"));
    QVERIFY(!field.hasFocus());

    field.MenuPopup(field.BuiltInPopup());
    QVERIFY(field.hasFocus());
    QCOMPARE(field.SelLength() != 0, autoSelect);
    QCOMPARE(EnabledStates(field), enabled);
    field.MenuItem(3)->trigger();
    QCOMPARE(Clipboard()->text(), copied);
}

void TestClipboard::menuCommands_data() {
    QTest::addColumn<int>("tag");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("selectedAfter");
    QTest::addColumn<QString>("clip");
    QTest::addColumn<QString>("undo");
    QTest::addColumn<int>("changes");

    // Every row starts from "12" with the undo text "7" and "5" on the clipboard.
    Row("undo", 0, false, "7", true, "5", "12", 1);
    Row("separator", 1, true, "12", true, "5", "7", 0);
    Row("cut", 2, true, "", false, "12", "12", 1);
    Row("copy", 3, true, "12", true, "12", "7", 0);
    Row("paste appends", 4, false, "125", false, "5", "12", 1);
    Row("paste replaces", 4, true, "5", false, "5", "12", 1);
    Row("delete raises nothing", 5, true, "", false, "5", "12", 0);
    Row("select all", 7, false, "12", true, "5", "7", 0);
}

void TestClipboard::menuCommands() {
    QFETCH(int, tag);
    QFETCH(bool, selected);
    QFETCH(QString, value);
    QFETCH(bool, selectedAfter);
    QFETCH(QString, clip);
    QFETCH(QString, undo);
    QFETCH(int, changes);

    TRyNumEdit e;
    e.setText(QStringLiteral("7"));
    e.SaveUndo();
    e.setText(QStringLiteral("12"));
    if (selected)
        e.SelectAll();
    Clipboard()->setText(QStringLiteral("5"));
    QSignalSpy spy(&e, &TRyNumEdit::OnChange);

    e.MenuItem(tag)->trigger();
    QCOMPARE(e.text(), value);
    QCOMPARE(e.SelLength() != 0, selectedAfter);
    QCOMPARE(Clipboard()->text(), clip);
    QCOMPARE(Str(e.UndoText()), undo);
    QCOMPARE(spy.count(), changes);
}

void TestClipboard::rightClickOpensMenu() {
    Form f;
    QVERIFY(f.Show(f.edit));
    TRyNumEdit &field = *f.field;
    field.setText(QStringLiteral("12"));
    CloseMenusLater();

    RightClick(f.window, field);
    QTRY_VERIFY(field.BuiltInPopup()->isVisible());
    QVERIFY(field.hasFocus());
    QCOMPARE(EnabledStates(field), QStringLiteral("001000")); // only Copy on a read-only field
    field.MenuItem(3)->trigger();
    QCOMPARE(Clipboard()->text(), QStringLiteral("12"));
}

void TestClipboard::contextMenuKeyOpensMenu() {
    Form f;
    QVERIFY(f.Show(f.edit));
    TRyNumEdit &e = *f.edit;
    e.setText(QStringLiteral("12"));
    e.ClearSelection();
    CloseMenusLater();

    QContextMenuEvent key(QContextMenuEvent::Keyboard, e.rect().center(),
                          e.mapToGlobal(e.rect().center()));
    QApplication::sendEvent(&e, &key);
    QTRY_VERIFY(e.BuiltInPopup()->isVisible());
    QCOMPARE(EnabledStates(e), QStringLiteral("000101"));
}

void TestClipboard::assignedMenuReplacesBuiltIn() {
    Form f;
    QMenu own(&f.window);
    own.addAction(QStringLiteral("own"));
    f.edit->SetPopupMenu(&own);
    QVERIFY(f.Show(f.edit));
    CloseMenusLater();

    RightClick(f.window, *f.edit);
    QTRY_VERIFY(own.isVisible());
    QVERIFY(!f.edit->BuiltInPopup()->isVisible());
}

QTEST_MAIN(TestClipboard)
#include "tst_clipboard.moc"
