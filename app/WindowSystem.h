// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// What start-up asks of the window system: a display to start on, and who frames the window.
#pragma once

#include "WindowFrame.h"

#include <QByteArray>

#include <functional>

class QString;

namespace WindowSystem {

/// The value of an environment variable (qgetenv, or a test's own environment).
using TEnvironment = std::function<QByteArray(const char *Name)>;

/// False when the environment names no display for the platform plug-ins Qt tries by default
/// (X11 and Wayland): no DISPLAY, WAYLAND_DISPLAY or WAYLAND_SOCKET, and no Wayland socket of
/// the default name. Another platform chosen through QT_QPA_PLATFORM is not judged here.
bool HasDisplay(const TEnvironment &Variable);

/// Call before the application object. Qt's Wayland plug-in is asked to draw no title bar
/// (QT_WAYLAND_DISABLE_WINDOWDECORATION): its own has a maximise box whatever the window's
/// flags, and to find out whether it may draw at all it loads EGL and the OpenGL driver, twice
/// the start-up cost of a program that paints with the raster engine alone. A choice the user
/// has made through the variable stands; a build that cannot ask the compositor leaves it.
void TakeOverTitleBar();

/// How the compositor decorates a toplevel window of the program's.
enum class TCompositorFrame { Frames, LeavesToClient, Unknown };

/// Who frames the main window, from the platform's name, QT_WAYLAND_DISABLE_WINDOWDECORATION as
/// Qt reads it, and the compositor's answer, asked only where it decides.
TWindowFrame FrameFor(const QString &Platform, const QByteArray &DisableDecoration,
                      const std::function<TCompositorFrame()> &AskCompositor);

/// After the application object: the main window's frame in this session.
TWindowFrame MainWindowFrame();

/// The compositor of Qt's own Wayland connection, asked with a toplevel that is never shown
/// (WaylandDecoration.cpp).
TCompositorFrame AskCompositor();

} // namespace WindowSystem
