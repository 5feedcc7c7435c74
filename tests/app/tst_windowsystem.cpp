// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// What start-up asks of the window system: a display to start on, and who frames the window.
#include "TestRows.h"
#include "WindowSystem.h"

#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QtTest>

using testrows::Row;
using WindowSystem::TCompositorFrame;

class TestWindowSystem : public QObject {
    Q_OBJECT

private slots:
    void display_data();
    void display();
    void frame_data();
    void frame();
};

void TestWindowSystem::display_data() {
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<bool>("hasDisplay");

    Row("nothing", QStringList(), false);
    Row("X11", QStringList{"DISPLAY=:0"}, true);
    Row("Wayland by an open connection", QStringList{"WAYLAND_SOCKET=3"}, true);
    Row("Wayland's default socket", QStringList{"XDG_RUNTIME_DIR=<with socket>"}, true);
    Row("a runtime folder without it", QStringList{"XDG_RUNTIME_DIR=<empty>"}, false);
    Row("empty names", QStringList{"DISPLAY=", "WAYLAND_DISPLAY="}, false);
    Row("X11 asked for", QStringList{"QT_QPA_PLATFORM=xcb"}, false);
    Row("another platform", QStringList{"QT_QPA_PLATFORM=wayland;vnc:size=800x600"}, true);
}

void TestWindowSystem::display() {
    QFETCH(QStringList, environment);
    QFETCH(bool, hasDisplay);
    QTemporaryDir runtime, empty;
    QVERIFY(QFile(runtime.filePath(QStringLiteral("wayland-0"))).open(QIODevice::WriteOnly));
    QHash<QByteArray, QByteArray> env;
    for (const QString &setting : environment) {
        QString value = setting.section(u'=', 1);
        value.replace(QLatin1String("<with socket>"), runtime.path());
        value.replace(QLatin1String("<empty>"), empty.path());
        env.insert(setting.section(u'=', 0, 0).toUtf8(), value.toUtf8());
    }
    QCOMPARE(WindowSystem::HasDisplay([&env](const char *Name) { return env.value(Name); }),
             hasDisplay);
}

void TestWindowSystem::frame_data() {
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QByteArray>("disableDecoration"); // as start-up leaves it for Qt
    QTest::addColumn<int>("compositor");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("ownFrame");
    QTest::addColumn<bool>("placed");

    const int frames = int(TCompositorFrame::Frames);
    const int client = int(TCompositorFrame::LeavesToClient);
    const int unknown = int(TCompositorFrame::Unknown);
    Row("X11", "xcb", QByteArray("1"), client, false, false, true);
    Row("Wayland, compositor frames", "wayland", QByteArray("1"), frames, true, false, false);
    Row("Wayland, compositor leaves it", "wayland", QByteArray("1"), client, true, true, false);
    Row("Wayland, no answer", "wayland", QByteArray("1"), unknown, true, true, false);
    Row("Wayland, Qt draws (user's 0)", "wayland", QByteArray("0"), client, false, false, false);
    Row("Wayland, Qt draws (no build)", "wayland", QByteArray(), client, false, false, false);
}

void TestWindowSystem::frame() {
    QFETCH(QString, platform);
    QFETCH(QByteArray, disableDecoration);
    QFETCH(int, compositor);
    QFETCH(bool, asked);
    QFETCH(bool, ownFrame);
    QFETCH(bool, placed);
    bool wasAsked = false;
    const TWindowFrame frame = WindowSystem::FrameFor(platform, disableDecoration, [&] {
        wasAsked = true;
        return TCompositorFrame(compositor);
    });
    QCOMPARE(wasAsked, asked);
    QCOMPARE(frame.DrawsOwnFrame, ownFrame);
    QCOMPARE(frame.ClientPlacesWindows, placed);
}

QTEST_GUILESS_MAIN(TestWindowSystem)
#include "tst_windowsystem.moc"
