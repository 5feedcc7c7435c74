// TZelkorApplication: start-up settings of the application and its exception message box.
#include "ZelkorApplication.h"

#include "TZELKF.h"
#include "ZelkorError.h"

#include <QIcon>
#include <QMessageBox>
#include <QTimer>

#include <chrono>
#include <cstdio>

namespace {

/// Ends the event loop after the watched window's first paint.
class TShownWatcher : public QObject {
public:
    using QObject::QObject;

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

} // namespace

TZelkorApplication::TZelkorApplication(int &argc, char **argv) : QApplication(argc, argv) {
    // The application's title. The display name is left unset: on X11 it would be appended
    // to every window caption, and the main window's caption stands as it is.
    setApplicationName(QStringLiteral("Zelkor"));
    setApplicationVersion(QStringLiteral(ZELKOR_VERSION));
    setDesktopFileName(QStringLiteral("zelkor"));
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/zelkor-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/zelkor-32.png"), QSize(32, 32));
    setWindowIcon(icon);
    TZELKF::SubstituteFonts();
}

bool TZelkorApplication::notify(QObject *Receiver, QEvent *Event) {
    try {
        return QApplication::notify(Receiver, Event);
    } catch (const EZelkorError &e) {
        ShowException(e);
        return false;
    }
}

void TZelkorApplication::ShowException(const std::exception &Error) {
    QMessageBox::critical(activeWindow(), applicationDisplayName(),
                          QString::fromUtf8(Error.what()));
}

void TZelkorApplication::ExitWhenShownIfAsked(QWidget *Window) {
    if (arguments().contains(QStringLiteral("--exit-on-shown")))
        Window->installEventFilter(new TShownWatcher(Window));
}
