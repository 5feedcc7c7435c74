// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// TTitleBar: the title bar the program draws itself where neither Qt nor the compositor frames
// its window (Wayland without server-side decorations).
#pragma once

#include <QStyle>
#include <QWidget>

class QStyleOptionTitleBar;

/// A title bar at the top of a fixed-size window, with the buttons that the window's flags ask
/// for and nothing else: the system menu, minimise and close, or whatever subset the flags give;
/// a maximise box only with Qt::WindowMaximizeButtonHint. Dragging it moves the window through
/// the window system; there is no resize border.
///
/// Qt's Wayland plug-in draws a title bar of its own with all three boxes whatever the flags,
/// and only after it has loaded EGL and the whole OpenGL driver to find out whether it may
/// (a program that paints with the raster engine alone pays twice the start-up time and memory
/// for it). The program therefore asks Qt to draw none (TakeOverWaylandTitleBar, before the
/// application object exists) and draws its own where the compositor does not frame windows.
class TTitleBar : public QWidget {
    Q_OBJECT

public:
    /// Puts a title bar on top of Window: its controls move down by the bar's height and the
    /// window grows by as much. Window must be a top-level widget of fixed size.
    static TTitleBar *AddTo(QWidget *Window);

    /// Call before the application object: on Wayland, Qt is asked to draw no title bar, unless
    /// the user has chosen either way through QT_WAYLAND_DISABLE_WINDOWDECORATION.
    static void TakeOverWaylandTitleBar();
    /// True when windows of this program must draw their own title bar: the program has taken
    /// the title bar over from Qt, runs on Wayland, and the compositor offers no server-side
    /// decorations (no xdg-decoration manager among its globals).
    static bool Needed();
    /// False where the window system decides where windows go (Wayland): centring a window there
    /// is no use.
    static bool ClientPlacesWindows();

    QSize sizeHint() const override;
    /// Where a part of the bar is (a button, the title); empty for a part the flags leave out.
    QRect SubControlRect(QStyle::SubControl Control) const;

protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override;
    void paintEvent(QPaintEvent *Event) override;
    void mousePressEvent(QMouseEvent *Event) override;
    void mouseReleaseEvent(QMouseEvent *Event) override;

private:
    explicit TTitleBar(QWidget *Window);
    void InitStyleOption(QStyleOptionTitleBar *Option) const;
    QStyle::SubControl HitTest(const QPoint &Pos) const;
    void ShowSystemMenu(const QPoint &Pos);

    /// The button held down, drawn pressed; it acts when released over itself.
    QStyle::SubControl FPressed = QStyle::SC_None;
};
