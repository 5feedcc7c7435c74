// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// In ordinary Qt forms, as the example window's table of prices has it: the editor of an item
// view's column, a data widget mapper's field, and a field of a layout.
#include "PriceDelegate.h"
#include "RyNumEdit.h"

#include <QDataWidgetMapper>
#include <QFormLayout>
#include <QLabel>
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>

class TestForms : public QObject {
    Q_OBJECT

private slots:
    void editorOfATableColumn();
    void fieldOfAMapper();
    void fieldOfALayout();
};

// The delegate reads and writes the model through the USER property, Text.
void TestForms::editorOfATableColumn() {
    QStandardItemModel model(1, 1);
    model.setData(model.index(0, 0), QStringLiteral("12.5"));
    QTableView view;
    view.setModel(&model);
    view.setItemDelegateForColumn(0, new PriceDelegate(&view));
    view.show();
    QVERIFY(QTest::qWaitForWindowActive(&view));

    view.edit(model.index(0, 0));
    auto *editor = view.findChild<TRyNumEdit *>();
    QVERIFY(editor);
    QCOMPARE(editor->text(), QStringLiteral("12.5"));
    QTRY_VERIFY(editor->hasFocus());
    QTest::keyClicks(editor, QStringLiteral("7.255")); // selected on entry: replaced
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(editor->text(), QStringLiteral("7.25"));
    QTRY_COMPARE(model.data(model.index(0, 0)).toString(), QStringLiteral("7.25"));
}

// The mapper fills the field from the model and writes its edits back on submit.
void TestForms::fieldOfAMapper() {
    QStandardItemModel model(2, 1);
    model.setData(model.index(0, 0), QStringLiteral("100"));
    model.setData(model.index(1, 0), QStringLiteral("-3"));
    TRyNumEdit edit;
    QDataWidgetMapper mapper;
    mapper.setModel(&model);
    mapper.addMapping(&edit, 0);
    mapper.setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    mapper.toFirst();
    QCOMPARE(edit.text(), QStringLiteral("100"));
    mapper.toNext();
    QCOMPARE(edit.text(), QStringLiteral("-3"));
    edit.setText(QStringLiteral("42"));
    QVERIFY(mapper.submit());
    QCOMPARE(model.data(model.index(1, 0)).toString(), QStringLiteral("42"));
}

// In a layout the field keeps the height AutoSize gives it and asks for the width of its
// widest number; a change of its settings lays the form out again.
void TestForms::fieldOfALayout() {
    QWidget form;
    auto *layout = new QFormLayout(&form);
    auto *field = new TRyNumEdit;
    layout->addRow(QStringLiteral("Price"), field);
    form.resize(400, 200);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(field->height(), field->sizeHint().height());
    form.resize(400, 400);
    QTRY_COMPARE(form.height(), 400);
    QCOMPARE(field->height(), field->sizeHint().height());

    const QSize wide = field->sizeHint();
    field->SetIntegerLength(3);
    QVERIFY(field->sizeHint().width() < wide.width());
    QVERIFY(field->minimumSizeHint().width() < field->sizeHint().width());
    field->SetTopMargin(12);
    QCOMPARE(field->sizeHint().height(), wide.height() + 10);
    QTRY_COMPARE(field->height(), wide.height() + 10);
}

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
