// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// What start-up asks of the window system: a display to start on, and who frames the window.
#include "WindowSystem.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QProcessEnvironment>

namespace WindowSystem {

namespace {
const char DisableDecorationVariable[] = "QT_WAYLAND_DISABLE_WINDOWDECORATION";
} // namespace

bool HasDisplay(const QProcessEnvironment &Environment) {
    const QStringList platforms =
        Environment.value(QStringLiteral("QT_QPA_PLATFORM")).split(u';', Qt::SkipEmptyParts);
    for (const QString &platform : platforms) {
        const QString name = platform.section(u':', 0, 0);
        if (name != QLatin1String("xcb") && !name.startsWith(QLatin1String("wayland")))
            return true;
    }
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET"})
        if (!Environment.value(QLatin1String(variable)).isEmpty())
            return true;
    // Wayland's client library goes to this socket when given no name.
    const QString runtime = Environment.value(QStringLiteral("XDG_RUNTIME_DIR"));
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QLatin1String("/wayland-0"));
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
