// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// TTitleBar: the frame a window draws itself: its border line and its title bar.
#include "TitleBar.h"

#include <QEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionTitleBar>
#include <QWindow>

TTitleBar *TTitleBar::AddTo(QWidget *Window) {
    auto *bar = new TTitleBar(Window);
    const int height = bar->sizeHint().height();
    const QPoint offset(BorderWidth, BorderWidth + height);
    for (QWidget *child : Window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (child != bar && !child->isWindow())
            child->move(child->pos() + offset);
    const int width = Window->width();
    Window->setFixedSize(width + 2 * BorderWidth, Window->height() + height + 2 * BorderWidth);
    bar->setGeometry(BorderWidth, BorderWidth, width, height);
    return bar;
}

TTitleBar::TTitleBar(QWidget *Window) : QWidget(Window) {
    setFocusPolicy(Qt::NoFocus);
    // The window's title, icon, state and activation are drawn here, the border on the window.
    Window->installEventFilter(this);
}

QSize TTitleBar::sizeHint() const {
    QStyleOptionTitleBar option;
    InitStyleOption(&option);
    return QSize(window()->width() - 2 * BorderWidth,
                 style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, this));
}

bool TTitleBar::eventFilter(QObject *Watched, QEvent *Event) {
    switch (Event->type()) {
    case QEvent::Paint:
        // A plain line in the foreground colour, as QFrame draws a plain box; the window's own
        // painting, if any, comes after this and inside it.
        if (Watched == window()) {
            QPainter painter(window());
            painter.setPen(QPen(palette().color(QPalette::WindowText), BorderWidth));
            const qreal half = BorderWidth / 2.0;
            painter.drawRect(QRectF(window()->rect()).adjusted(half, half, -half, -half));
        }
        break;
    case QEvent::WindowTitleChange:
    case QEvent::WindowIconChange:
    case QEvent::WindowStateChange:
    case QEvent::ActivationChange:
        update();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(Watched, Event);
}

void TTitleBar::InitStyleOption(QStyleOptionTitleBar *Option) const {
    const QWidget *w = window();
    Option->initFrom(this);
    Option->text = w->windowTitle();
    Option->icon = w->windowIcon();
    Option->titleBarFlags = w->windowFlags();
    Option->titleBarState = w->windowState();
    // Styles write the caption in the text colour on a bar shaded from the window's colour: it
    // takes the window's own text colour, which contrasts with that colour under any palette.
    Option->palette.setColor(QPalette::Text, Option->palette.color(QPalette::WindowText));
    Option->subControls = QStyle::SC_All;
    Option->activeSubControls = FPressed;
    if (FPressed != QStyle::SC_None)
        Option->state |= QStyle::State_Sunken;
    if (w->isActiveWindow()) {
        Option->state |= QStyle::State_Active;
        Option->titleBarState |= QStyle::State_Active;
        Option->palette.setCurrentColorGroup(QPalette::Active);
    } else {
        Option->state &= ~QStyle::State_Active;
        Option->palette.setCurrentColorGroup(QPalette::Inactive);
    }
}

QStyle::SubControl TTitleBar::HitTest(const QPoint &Pos) const {
    QStyleOptionTitleBar option;
    InitStyleOption(&option);
    return style()->hitTestComplexControl(QStyle::CC_TitleBar, &option, Pos, this);
}

QRect TTitleBar::SubControlRect(QStyle::SubControl Control) const {
    QStyleOptionTitleBar option;
    InitStyleOption(&option);
    return style()->subControlRect(QStyle::CC_TitleBar, &option, Control, this);
}

void TTitleBar::paintEvent(QPaintEvent *) {
    QStyleOptionTitleBar option;
    InitStyleOption(&option);
    QPainter painter(this);
    style()->drawComplexControl(QStyle::CC_TitleBar, &option, &painter, this);
}

void TTitleBar::mousePressEvent(QMouseEvent *Event) {
    const QStyle::SubControl hit = HitTest(Event->position().toPoint());
    if (Event->button() == Qt::RightButton && hit == QStyle::SC_TitleBarLabel) {
        ShowSystemMenu(Event->globalPosition().toPoint());
    } else if (Event->button() != Qt::LeftButton) {
        return;
    } else if (hit == QStyle::SC_TitleBarLabel) {
        if (QWindow *handle = window()->windowHandle())
            handle->startSystemMove();
    } else if (hit == QStyle::SC_TitleBarSysMenu) {
        ShowSystemMenu(mapToGlobal(QPoint(0, height())));
    } else if (hit == QStyle::SC_TitleBarMinButton || hit == QStyle::SC_TitleBarCloseButton) {
        FPressed = hit;
        update();
    }
}

void TTitleBar::mouseReleaseEvent(QMouseEvent *Event) {
    if (Event->button() != Qt::LeftButton || FPressed == QStyle::SC_None)
        return;
    const QStyle::SubControl pressed = FPressed;
    FPressed = QStyle::SC_None;
    update();
    if (HitTest(Event->position().toPoint()) != pressed)
        return;
    if (pressed == QStyle::SC_TitleBarMinButton)
        window()->showMinimized();
    else
        window()->close();
}

void TTitleBar::ShowSystemMenu(const QPoint &Pos) {
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QWidget *w = window();
    if (w->windowFlags() & Qt::WindowMinimizeButtonHint)
        menu->addAction(tr("最小化(&N)"), w, &QWidget::showMinimized);
    menu->addAction(tr("閉じる(&C)"), w, &QWidget::close);
    menu->popup(Pos);
}
