// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// TTitleBar: the title bar and border a window draws itself where nobody else frames it.
#pragma once

#include <QStyle>
#include <QWidget>

class QStyleOptionTitleBar;

/// The single frame of a fixed-size window: a one-pixel line around it and a title bar at its
/// top, with the buttons that the window's flags ask for and nothing else: the system menu,
/// minimise and close, or whatever subset the flags give; a maximise box only with
/// Qt::WindowMaximizeButtonHint. Dragging the bar moves the window through the window system;
/// there is no resize border. Whether a window needs it is for start-up to find out (on Wayland
/// where neither the compositor nor Qt frames the window).
class TTitleBar : public QWidget {
    Q_OBJECT

public:
    /// The width of the line around the window.
    static constexpr int BorderWidth = 1;

    /// Frames Window: its controls move inside the border and below the bar, and the window
    /// grows by as much. Window must be a top-level widget of fixed size.
    static TTitleBar *AddTo(QWidget *Window);

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
