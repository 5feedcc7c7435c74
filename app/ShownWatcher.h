// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// The start-up measurement hook: report when a window's first frame is on the screen, then quit.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <ctime>

/// Prints "shown <epoch ns> <cpu ns>" once the watched window's first frame has been painted
/// whole and the window system has processed it, then ends the event loop, so a script can
/// time a program from its start to its complete window on the screen. The second figure is
/// the processor time the process has used up to then. Benchmarks ask for it through the
/// environment (ZELKOR_EXIT_ON_SHOWN=1): the program itself has no command-line options.
class TShownWatcher : public QObject {
public:
    using QObject::QObject;

    /// Watches Window when the environment has ZELKOR_EXIT_ON_SHOWN set to anything but empty.
    static void InstallIfAsked(QWidget *Window) {
        if (!qEnvironmentVariableIsEmpty("ZELKOR_EXIT_ON_SHOWN"))
            Window->installEventFilter(new TShownWatcher(Window));
    }

protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override {
        if (Event->type() == QEvent::Paint && !FSeen) {
            FSeen = true;
            // The window is painted first, its controls after it, and the frame is handed to
            // the window system at the end of the same update; report after all of that.
            QTimer::singleShot(0, this, &TShownWatcher::Report);
        }
        return QObject::eventFilter(Watched, Event);
    }

private:
    void Report() {
        QGuiApplication::sync(); // a round trip: the window system has drawn the frame
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        timespec cpu{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
        std::printf("shown %lld %lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                    static_cast<long long>(cpu.tv_sec) * 1000000000LL + cpu.tv_nsec);
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    bool FSeen = false;
};
