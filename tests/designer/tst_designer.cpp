// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// The control as Qt Designer sees it: the plugin loaded from the build, the instances it creates
// (design mode on the forms being edited, run mode in a preview), and a form saved by Designer,
// compiled by uic, that must build the control with exactly the values it stores.
#include "RyNumEdit.h"
#include "ui_numeditform.h"

#include <QPluginLoader>
#include <QtTest>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class TestDesigner : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void pluginDescribesControl();
    void designModeOnlyOnForms();
    void widthFollowsWidestNumber_data();
    void widthFollowsWidestNumber();
    void savedFormBuildsControl();

private:
    TRyNumEdit *Create(QWidget *Parent) {
        return qobject_cast<TRyNumEdit *>(FPlugin->createWidget(Parent));
    }
    QDesignerCustomWidgetInterface *FPlugin = nullptr;
};

void TestDesigner::initTestCase() {
    QPluginLoader loader(QStringLiteral(RYNUMEDIT_DESIGNER_PLUGIN));
    FPlugin = qobject_cast<QDesignerCustomWidgetInterface *>(loader.instance());
    QVERIFY2(FPlugin, qPrintable(loader.errorString()));
}

void TestDesigner::pluginDescribesControl() {
    QCOMPARE(FPlugin->name(), QStringLiteral("TRyNumEdit"));
    QCOMPARE(FPlugin->includeFile(), QStringLiteral("RyNumEdit.h"));
    QVERIFY(!FPlugin->isContainer());
    QVERIFY(!FPlugin->icon().isNull());
    QVERIFY(!FPlugin->toolTip().isEmpty());
    const QString xml = FPlugin->domXml();
    QVERIFY(xml.contains(QStringLiteral("<width>121</width>")));
    QVERIFY(xml.contains(QStringLiteral("<height>20</height>")));
}

// Designer's own instances (no parent, or on a form window) build no menu and never get a
// caret; a preview's instances are ordinary ones.
void TestDesigner::designModeOnlyOnForms() {
    QWidget window;
    window.resize(300, 80);
    TRyNumEdit *designed = Create(nullptr);
    designed->setParent(&window);
    TRyNumEdit *previewed = Create(&window);
    previewed->move(0, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QVERIFY(designed->IsDesigning());
    QVERIFY(!designed->BuiltInPopup());
    QVERIFY(!designed->PopupMenu());
    designed->setFocus();
    QTRY_VERIFY(designed->hasFocus());
    QVERIFY(designed->CaretRect().isNull());

    QVERIFY(!previewed->IsDesigning());
    QVERIFY(previewed->BuiltInPopup());
    previewed->setFocus();
    QTRY_VERIFY(!previewed->CaretRect().isNull());
}

void TestDesigner::widthFollowsWidestNumber_data() {
    QTest::addColumn<bool>("designing");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("digits") << true << QByteArray("IntegerLength") << QVariant(14);
    QTest::newRow("mark") << true << QByteArray("LeftMark") << QVariant(QStringLiteral("US$"));
    QTest::newRow("margin") << true << QByteArray("RightMargin") << QVariant(30);
    QTest::newRow("no border") << true << QByteArray("BorderStyle")
                               << QVariant::fromValue(TRyNumEdit::bsNone);
    QTest::newRow("run time") << false << QByteArray("IntegerLength") << QVariant(14);
}

// With eoAutoWidthSize and AutoSize the client width is the widest possible number with its
// marks and margins, and follows each setting it depends on; outside design mode it never
// changes.
void TestDesigner::widthFollowsWidestNumber() {
    QFETCH(bool, designing);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, value);
    QWidget window;
    TRyNumEdit *e = designing ? Create(nullptr) : Create(&window);
    e->setParent(&window);
    e->SetOptions(e->Options() | TRyNumEdit::eoAutoWidthSize);
    QVERIFY(e->setProperty(property, value));

    const auto Tw = [e](const QString &s) { return e->TextWidth(s.toStdString()); };
    const int expected = designing ? e->TextWidth(e->MaxNumberTemplate()) + Tw(e->LeftMark()) +
                                         Tw(e->RightMark()) + e->LeftMargin() + e->RightMargin() + 2
                                   : 121 - 2 * 2;
    QCOMPARE(e->contentsRect().width(), expected);
}

void TestDesigner::savedFormBuildsControl() {
    QWidget form;
    Ui::Form ui;
    ui.setupUi(&form);
    TRyNumEdit *e = ui.RyNumEdit1;
    QVERIFY(!e->IsDesigning());
    QVERIFY(e->BuiltInPopup());
    // The stored width stands at run time; the height is AutoSize's, from the font in use.
    QCOMPARE(e->pos(), QPoint(60, 60));
    QCOMPARE(e->width(), 135);
    QCOMPARE(e->Alignment(), TRyNumEdit::taLeftJustify);
    QCOMPARE(e->VertAlignment(), TRyNumEdit::taTopJustify);
    QCOMPARE(e->BorderStyle(), TRyNumEdit::bsNone);
    QCOMPARE(e->Comma(), false);
    QCOMPARE(e->DecimalLength(), 2);
    QCOMPARE(e->IntegerLength(), 12);
    QCOMPARE(e->LeftMark(), QStringLiteral("￥"));
    QCOMPARE(e->Options(),
             TRyNumEdit::TRyNumEditOptions(TRyNumEdit::eoArrowUp | TRyNumEdit::eoArrowDown |
                                           TRyNumEdit::eoAutoWidthSize));
    QCOMPARE(e->Color(), QColor(255, 255, 200));
    QCOMPARE(e->text(), QStringLiteral("1234.56"));
    QCOMPARE(e->DisplayText(), std::string("\x81\x8f"
                                           "1234.56")); // code page 932
    // What the form leaves out keeps the control's defaults.
    QCOMPARE(e->Minus(), true);
    QCOMPARE(e->RightMark(), QString());
    QVERIFY(e->TabStop());
}

QTEST_MAIN(TestDesigner)
#include "tst_designer.moc"
