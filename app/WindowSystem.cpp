// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// What start-up asks of the window system: a display to start on, and who frames the window.
#include "WindowSystem.h"

#include <QGuiApplication>

#include <unistd.h>

namespace WindowSystem {

namespace {
const char DisableDecorationVariable[] = "QT_WAYLAND_DISABLE_WINDOWDECORATION";
} // namespace

bool HasDisplay(const TEnvironment &Variable) {
    for (const QByteArray &platform : Variable("QT_QPA_PLATFORM").split(';')) {
        const QByteArray name = platform.split(':').value(0); // without its options
        if (!name.isEmpty() && name != "xcb" && !name.startsWith("wayland"))
            return true;
    }
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET"})
        if (!Variable(name).isEmpty())
            return true;
    // Wayland's client library goes to this socket when given no name.
    const QByteArray runtime = Variable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && access((runtime + "/wayland-0").constData(), F_OK) == 0;
}

void TakeOverTitleBar() {
#ifdef ZELKOR_WAYLAND_CLIENT
    if (!qEnvironmentVariableIsSet(DisableDecorationVariable))
        qputenv(DisableDecorationVariable, "1");
#endif
}

TWindowFrame FrameFor(const QString &Platform, const QByteArray &DisableDecoration,
                      const std::function<TCompositorFrame()> &AskCompositor) {
    TWindowFrame frame;
    if (!Platform.startsWith(QLatin1String("wayland")))
        return frame;
    // The compositor places windows; the window is framed by the compositor where it says so,
    // by Qt where it may draw, and by the window itself where neither does. An unanswered
    // question gets the window's own frame: without one it could not be moved or closed.
    frame.ClientPlacesWindows = false;
    const bool qtFrames = DisableDecoration.toInt() == 0; // as Qt's plug-in reads it
    frame.DrawsOwnFrame = !qtFrames && AskCompositor() != TCompositorFrame::Frames;
    return frame;
}

TWindowFrame MainWindowFrame() {
    return FrameFor(QGuiApplication::platformName(), qgetenv(DisableDecorationVariable),
                    AskCompositor);
}

} // namespace WindowSystem
