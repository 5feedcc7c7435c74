// TZelkorApplication: start-up settings of the application and its exception message box.
#include "ZelkorApplication.h"

#include "TZELKF.h"
#include "ZelkorError.h"

#include <QIcon>
#include <QMessageBox>

TZelkorApplication::TZelkorApplication(int &argc, char **argv) : QApplication(argc, argv) {
    // The application's title. The display name is left unset: on X11 it would be appended
    // to every window caption, and the main window's caption stands as it is.
    setApplicationName(QStringLiteral("Zelkor"));
    setApplicationVersion(QStringLiteral(ZELKOR_VERSION));
    setDesktopFileName(QStringLiteral("org.zelkor.Zelkor"));
    // The icons are compiled into this library; a static library needs its resources named.
    Q_INIT_RESOURCE(zelkor);
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
