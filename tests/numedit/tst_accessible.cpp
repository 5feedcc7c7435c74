// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// What assistive technology reads from a numeric edit control, writes to it and is told.
#include "RyNumEdit.h"
#include "TestRows.h"

#include <QAccessible>
#include <QFormLayout>
#include <QLabel>
#include <QtTest>
#include <qtestaccessible.h>

#include <memory>

using testrows::Row;

class TestAccessible : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void roleNameAndValue();
    void nameFromTheFormsLabel_data();
    void nameFromTheFormsLabel();
    void textInterfaceReadsTheDisplayText_data();
    void textInterfaceReadsTheDisplayText();
    void selectionIsAllOrNothing();
    void writesGoThroughTheTextFilter_data();
    void writesGoThroughTheTextFilter();
    void editsOfTheShownTextLeaveTheMarksOut();
    void readOnlyRefusesWrites();
    void changesAreAnnounced();

private:
    QAccessibleInterface *iface() const {
        return QAccessible::queryAccessibleInterface(edit.get());
    }
    QAccessibleTextInterface *text() const { return iface()->textInterface(); }

    std::unique_ptr<TRyNumEdit> edit;
};

void TestAccessible::initTestCase() {
    QTestAccessibility::initialize();
}

void TestAccessible::init() {
    edit = std::make_unique<TRyNumEdit>();
    edit->SetText("1234.5");
    QTestAccessibility::clearEvents();
}

void TestAccessible::cleanup() {
    edit.reset();
}

void TestAccessible::roleNameAndValue() {
    QAccessibleInterface *a = iface();
    QVERIFY(a);
    QCOMPARE(a->role(), QAccessible::EditableText);
    // Unnamed, the field is known by what it shows: the formatted number.
    QCOMPARE(a->text(QAccessible::Value), QStringLiteral("1,234.5"));
    QCOMPARE(a->text(QAccessible::Name), QStringLiteral("1,234.5"));
    edit->setAccessibleName(QStringLiteral("Minutes"));
    QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Minutes"));
    QVERIFY(a->state().editable);
    QVERIFY(!a->state().readOnly);
}

// In a form the field is named as Qt names widgets: its accessible name, else its buddy
// label or its row's label; only a field nothing names is read by the number it shows.
void TestAccessible::nameFromTheFormsLabel_data() {
    QTest::addColumn<QString>("named"); // by: accessible, buddy, row or nothing
    QTest::addColumn<QString>("name");
    Row("accessible name", "accessible", "Total");
    Row("buddy label", "buddy", "Price");
    Row("form layout row", "row", "Amount");
    Row("nothing", "nothing", "1,234.5");
}

void TestAccessible::nameFromTheFormsLabel() {
    QFETCH(QString, named);
    QFETCH(QString, name);
    QWidget form;
    auto *layout = new QFormLayout(&form);
    auto *field = new TRyNumEdit;
    field->SetText("1234.5");
    if (named == QLatin1String("row")) {
        layout->addRow(QStringLiteral("&Amount"), field);
    } else {
        auto *label = new QLabel(QStringLiteral("&Price"));
        layout->addRow(label);
        layout->addRow(field);
        if (named == QLatin1String("buddy"))
            label->setBuddy(field);
        if (named == QLatin1String("accessible"))
            field->setAccessibleName(QStringLiteral("Total"));
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(field)->text(QAccessible::Name), name);
}

void TestAccessible::textInterfaceReadsTheDisplayText_data() {
    QTest::addColumn<QString>("leftMark");
    QTest::addColumn<int>("decimalLength");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("shown");

    // Each with DecimalFixed, so an empty value still shows its zeros.
    Row("separators and fixed zeros", "", 3, "1234.5", "1,234.500");
    Row("empty calculator field", "", 0, "", "0");
    Row("marks", "￥", 2, "1234.5", "￥1,234.50");
}

void TestAccessible::textInterfaceReadsTheDisplayText() {
    QFETCH(QString, leftMark);
    QFETCH(int, decimalLength);
    QFETCH(QString, value);
    QFETCH(QString, shown);
    edit->SetDecimalFixed(true);
    edit->SetDecimalLength(decimalLength);
    edit->SetLeftMark(leftMark);
    edit->setText(value);

    QVERIFY(text());
    QCOMPARE(text()->characterCount(), shown.size());
    QCOMPARE(text()->text(0, int(shown.size())), shown);
    QCOMPARE(text()->cursorPosition(), shown.size());
}

void TestAccessible::selectionIsAllOrNothing() {
    QCOMPARE(text()->selectionCount(), 0);
    text()->setSelection(0, 1, 2);
    QCOMPARE(edit->SelLength() != 0, true);
    int start = -1, end = -1;
    text()->selection(0, &start, &end);
    QCOMPARE(start, 0);
    QCOMPARE(end, 7); // "1,234.5"
    text()->removeSelection(0);
    QCOMPARE(edit->SelLength(), 0);
}

void TestAccessible::writesGoThroughTheTextFilter_data() {
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("held");
    QTest::newRow("plain") << "42"
                           << "42";
    QTest::newRow("leading zeros") << "007"
                                   << "7";
    QTest::newRow("full width") << QStringLiteral("１２") << "12";
    QTest::newRow("letters cut") << "12ab"
                                 << "12";
}

void TestAccessible::writesGoThroughTheTextFilter() {
    QFETCH(QString, written);
    QFETCH(QString, held);
    iface()->setText(QAccessible::Value, written);
    QCOMPARE(edit->text(), held);
}

void TestAccessible::editsOfTheShownTextLeaveTheMarksOut() {
    edit->SetLeftMark(QStringLiteral("￥"));
    edit->SetRightMark(QStringLiteral("円"));
    iface()->editableTextInterface()->deleteText(1, 2); // the "1" of "￥1,234.5円"
    QCOMPARE(edit->text(), QStringLiteral("234.5"));
}

void TestAccessible::readOnlyRefusesWrites() {
    edit->SetReadOnly(true);
    QVERIFY(iface()->state().readOnly);
    iface()->setText(QAccessible::Value, QStringLiteral("99"));
    iface()->editableTextInterface()->insertText(0, QStringLiteral("9"));
    QCOMPARE(edit->text(), QStringLiteral("1234.5"));
}

void TestAccessible::changesAreAnnounced() {
    iface(); // the interface exists before the change, as with a screen reader attached
    QAccessible::setActive(true);
    if (!QAccessible::isActive())
        QSKIP("no accessibility bridge is active here, so nothing is announced");
    edit->SetText("56");
    bool textUpdate = false;
    for (QAccessibleEvent *e : QTestAccessibility::events()) {
        if (e->type() == QAccessible::TextUpdated) {
            auto *u = static_cast<QAccessibleTextUpdateEvent *>(e);
            QCOMPARE(u->textRemoved(), QStringLiteral("1,234.5"));
            QCOMPARE(u->textInserted(), QStringLiteral("56"));
            textUpdate = true;
        }
    }
    QVERIFY(textUpdate);
}

QTEST_MAIN(TestAccessible)
#include "tst_accessible.moc"
