// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// The title bar the calculator draws itself on Wayland: its place in the window and its buttons.
#include "TestRows.h"
#include "TitleBar.h"

#include <QLabel>
#include <QtTest>

#include <memory>

using testrows::Row;

class TestTitleBar : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void formMovesBelowTheBar();
    void buttonsFollowTheFlags();
    void buttonActsWhenReleasedOverItself_data();
    void buttonActsWhenReleasedOverItself();

private:
    std::unique_ptr<QWidget> window;
    QLabel *label = nullptr;
    TTitleBar *bar = nullptr;
};

void TestTitleBar::init() {
    // The calculator's frame: system menu, minimise and close; a fixed size.
    window = std::make_unique<QWidget>();
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint);
    window->setWindowTitle(QStringLiteral("Zelkor Ver 1.00"));
    window->setFixedSize(285, 245);
    label = new QLabel(QStringLiteral("D"), window.get());
    label->move(100, 16);
    bar = TTitleBar::AddTo(window.get());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void TestTitleBar::cleanup() {
    window.reset();
}

void TestTitleBar::formMovesBelowTheBar() {
    const int height = bar->height();
    QVERIFY(height > 0);
    QCOMPARE(bar->geometry(), QRect(0, 0, 285, height));
    QCOMPARE(label->pos(), QPoint(100, 16 + height));
    QCOMPARE(window->minimumSize(), QSize(285, 245 + height));
    QCOMPARE(window->maximumSize(), window->minimumSize());
}

void TestTitleBar::buttonsFollowTheFlags() {
    QVERIFY(!bar->SubControlRect(QStyle::SC_TitleBarSysMenu).isEmpty());
    QVERIFY(!bar->SubControlRect(QStyle::SC_TitleBarMinButton).isEmpty());
    QVERIFY(!bar->SubControlRect(QStyle::SC_TitleBarCloseButton).isEmpty());
    QVERIFY(bar->SubControlRect(QStyle::SC_TitleBarMaxButton).isEmpty());
}

void TestTitleBar::buttonActsWhenReleasedOverItself_data() {
    QTest::addColumn<int>("pressed");
    QTest::addColumn<int>("released");
    QTest::addColumn<bool>("minimised");
    QTest::addColumn<bool>("closed");

    const int min = QStyle::SC_TitleBarMinButton, close = QStyle::SC_TitleBarCloseButton;
    Row("minimise", min, min, true, false);
    Row("close", close, close, false, true);
    Row("close, released over the title", close, int(QStyle::SC_TitleBarLabel), false, false);
    Row("minimise, released over close", min, close, false, false);
}

void TestTitleBar::buttonActsWhenReleasedOverItself() {
    QFETCH(int, pressed);
    QFETCH(int, released);
    QFETCH(bool, minimised);
    QFETCH(bool, closed);
    const auto centre = [this](int Control) {
        return bar->SubControlRect(QStyle::SubControl(Control)).center();
    };
    QTest::mousePress(bar, Qt::LeftButton, {}, centre(pressed));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, centre(released));
    QCOMPARE(window->isMinimized(), minimised);
    QCOMPARE(window->isVisible(), !closed);
}

QTEST_MAIN(TestTitleBar)
#include "tst_titlebar.moc"
