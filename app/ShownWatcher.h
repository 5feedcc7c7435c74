// The start-up measurement hook: report the first paint of a window, then quit.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

/// Prints "shown <epoch ns>" at the watched window's first paint and then ends the event loop,
/// so a script can time a program from its start to its window on the screen.
class TShownWatcher : public QObject {
public:
    using QObject::QObject;

    /// Watches Window when the program was started with --exit-on-shown.
    static void InstallIfAsked(QWidget *Window) {
        if (QCoreApplication::arguments().contains(QStringLiteral("--exit-on-shown")))
            Window->installEventFilter(new TShownWatcher(Window));
    }

protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override {
        if (Event->type() == QEvent::Paint && !FSeen) {
            FSeen = true;
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::printf("shown %lld\n",
                        static_cast<long long>(
                            std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            std::fflush(stdout);
            // Leave after this paint has reached the screen.
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(Watched, Event);
    }

private:
    bool FSeen = false;
};
