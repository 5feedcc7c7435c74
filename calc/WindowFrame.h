// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// TWindowFrame: what the window system does for the main window, as start-up found out.
#pragma once

/// Who frames the main window and whether it may place itself. Start-up asks the window system
/// (app/WindowSystem.h) and hands the answers to the window, which has no platform code of its
/// own. The defaults are those of X11: the window system frames, the program places.
struct TWindowFrame {
    /// Neither the compositor nor Qt frames the window: it draws its own title bar and border.
    bool DrawsOwnFrame = false;
    /// The window system lets a client place its windows (not Wayland): the window centres
    /// itself on the screen.
    bool ClientPlacesWindows = true;
};
