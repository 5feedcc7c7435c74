// TZelkorApplication: start-up settings of the application and its exception message box.
#include "ZelkorApplication.h"

#include "ZelkorError.h"

#include <QIcon>
#include <QImage>
#include <QMessageBox>
#include <QPixmap>
#include <QResource>
#include <QThreadPool>

namespace {

/// One size of the application icon from its raw pixels, Size x Size RGBA quadruplets compiled in
/// uncompressed: nothing is decoded, and no image reader is needed (the first one looks through
/// every installed image format plug-in, and QIcon::addFile even loads them all).
QPixmap IconImage(const QString &Path, int Size) {
    const QResource pixels(Path);
    if (pixels.compressionAlgorithm() != QResource::NoCompression ||
        pixels.size() != qint64{Size} * Size * 4)
        return QPixmap();
    return QPixmap::fromImage(QImage(pixels.data(), Size, Size, QImage::Format_RGBA8888));
}

} // namespace

TZelkorApplication::TZelkorApplication(int &argc, char **argv) : QApplication(argc, argv) {
    // The application's title. The display name is left unset: on X11 it would be appended
    // to every window caption, and the main window's caption stands as it is.
    setApplicationName(QStringLiteral("Zelkor"));
    setApplicationVersion(QStringLiteral(ZELKOR_VERSION));
    setDesktopFileName(QStringLiteral("org.zelkor.Zelkor"));
    // The icons are compiled into this library; a static library needs its resources named.
    Q_INIT_RESOURCE(zelkor);
    QIcon icon;
    icon.addPixmap(IconImage(QStringLiteral(":/icons/zelkor-16.rgba"), 16));
    icon.addPixmap(IconImage(QStringLiteral(":/icons/zelkor-32.rgba"), 32));
    setWindowIcon(icon);
    // Qt hands a fill of many spans to its global thread pool in parallel pieces, one worker
    // thread each; the outlines of the two tall buttons are such fills. One worker is enough
    // for this window's few pixels, and each further thread costs its start and its stack.
    QThreadPool::globalInstance()->setMaxThreadCount(1);
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
