// TZelkorApplication: start-up settings of the application and its exception message box.
#include "ZelkorApplication.h"

#include "TZELKF.h"
#include "ZelkorError.h"

#include <QIcon>
#include <QImageReader>
#include <QMessageBox>
#include <QPixmap>

namespace {

/// One size of the application icon, read by Qt's built-in BMP reader. (QIcon::addFile would
/// first load every image format plug-in installed, to ask each whether it reads the file.)
QPixmap IconImage(const QString &Path) {
    QImageReader reader(Path, "bmp");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace

TZelkorApplication::TZelkorApplication(int &argc, char **argv) : QApplication(argc, argv) {
    // The application's title. The display name is left unset: on X11 it would be appended
    // to every window caption, and the main window's caption stands as it is.
    setApplicationName(QStringLiteral("Zelkor"));
    setApplicationVersion(QStringLiteral(ZELKOR_VERSION));
    setDesktopFileName(QStringLiteral("zelkor"));
    // The icons are compiled into this library; a static library needs its resources named.
    Q_INIT_RESOURCE(zelkor);
    QIcon icon;
    icon.addPixmap(IconImage(QStringLiteral(":/icons/zelkor-16.bmp")));
    icon.addPixmap(IconImage(QStringLiteral(":/icons/zelkor-32.bmp")));
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
