// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// The frame a window draws itself (on Wayland where nobody else does): its place in the window,
// its border line and its buttons.
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

    void formMovesInsideTheFrame();
    void borderLineAroundTheWindow();
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

void TestTitleBar::formMovesInsideTheFrame() {
    const int height = bar->height();
    QVERIFY(height > 0);
    QCOMPARE(bar->geometry(), QRect(1, 1, 285, height));
    QCOMPARE(label->pos(), QPoint(101, 17 + height));
    QCOMPARE(window->minimumSize(), QSize(287, 247 + height));
    QCOMPARE(window->maximumSize(), window->minimumSize());
}

void TestTitleBar::borderLineAroundTheWindow() {
    const QImage image = window->grab().toImage();
    const QColor line = window->palette().color(QPalette::WindowText);
    const QColor face = window->palette().color(QPalette::Window);
    QVERIFY(line != face);
    const int right = image.width() - 1, bottom = image.height() - 1;
    for (const QPoint &p : {QPoint(0, 0), QPoint(right, bottom), QPoint(0, bottom / 2),
                            QPoint(right, bottom / 2), QPoint(right / 2, bottom)})
        QCOMPARE(image.pixelColor(p), line);
    QCOMPARE(image.pixelColor(1, bottom - 1), face); // the client area starts inside it
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
