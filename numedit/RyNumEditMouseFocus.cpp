// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// TRyNumEdit: mouse presses, clicks and drags over the number, and the focus entering and
// leaving the control.
#include "RyNumEdit.h"
#include "RyNumEdit_p.h"

#include <QApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QWindow>

using namespace RyNumEdit;

namespace {

/// The next or previous widget after from that Tab would reach inside its window.
QWidget *NextTabStop(QWidget *from, bool next) {
    QWidget *w = from;
    for (;;) {
        w = next ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == from)
            return nullptr;
        if (w->window() == from->window() && (w->focusPolicy() & Qt::TabFocus) && w->isVisible() &&
            w->isEnabled())
            return w;
    }
}

/// Where a mouse event happened, in client coordinates.
QPoint ClientPos(const QWidget *w, const QMouseEvent *e) {
    return e->position().toPoint() - w->contentsRect().topLeft();
}

/// True when a mouse event happened on the client area, not on the frame around it.
bool OnClientArea(const QWidget *w, const QMouseEvent *e) {
    return w->contentsRect().contains(e->position().toPoint());
}

} // namespace

// --- Mouse ------------------------------------------------------------------------------------
// The control handles every mouse event itself: none reaches its parent (an item view or a
// clickable panel around it must not act on a press that selected or focused the control).

void TRyNumEdit::mousePressEvent(QMouseEvent *e) {
    // Any button gives an unfocused control the focus, read-only or not, tab stop or not, on
    // the frame as well; the other rules and events belong to the client area.
    d->FPressButton = e->button();
    if (!IsDesigning())
        d->TakeFocus(Qt::MouseFocusReason);
    d->FPressButton = Qt::NoButton;
    e->accept();
    if (!OnClientArea(this, e)) {
        d->CompleteEntry();
        return;
    }
    d->FMouseCaptured = true; // the moves and the release that follow are the client area's
    const bool left = e->button() == Qt::LeftButton;
    // Where a drag that this press begins (automatically, or by an OnMouseDown handler) is
    // measured from.
    d->FDragFrom = e->position().toPoint();
    if (left && d->FDragMode == dmAutomatic && !FDblClicked)
        BeginDrag(false);
    if (left && !FDblClicked) {
        if (QApplication::activeWindow() && !hasFocus())
            setFocus(Qt::MouseFocusReason);
        ClearSelection();
    }
    // The second press of a double click makes no click.
    d->FClickPending = left && !FDblClicked;
    const QPoint p = ClientPos(this, e);
    Q_EMIT OnMouseDown(this, e->button(), ShiftStateOf(e->modifiers()), p.x(), p.y());
    FDblClicked = false;
    d->CompleteEntry();
}

void TRyNumEdit::mouseDoubleClickEvent(QMouseEvent *e) {
    // Only the left button double-clicks. Qt turns the second press into this event, and
    // QWidget's handler below passes it on as a press, which keeps the selection because of
    // the flag. Should a platform send the press first, the selection made here comes after
    // it anyway, and the release ends the flag.
    if (e->button() == Qt::LeftButton && OnClientArea(this, e)) {
        SelectAll();
        Q_EMIT OnDblClick(this);
        FDblClicked = true;
    }
    QWidget::mouseDoubleClickEvent(e);
    e->accept();
}

void TRyNumEdit::mouseMoveEvent(QMouseEvent *e) {
    e->accept();
    if (d->FDragPending && e->buttons().testFlag(Qt::LeftButton) &&
        (e->position().toPoint() - d->FDragFrom).manhattanLength() >= d->FDragThreshold) {
        d->ExecuteDrag();
        return;
    }
    if (!d->FMouseCaptured && !OnClientArea(this, e))
        return;
    const QPoint p = ClientPos(this, e);
    // The drag selects as soon as the pointer is over the number; y does not matter.
    if (e->buttons().testFlag(Qt::LeftButton) && p.x() >= FTextRect.Left &&
        p.x() <= FTextRect.Right)
        SelectAll();
    Q_EMIT OnMouseMove(this, ShiftStateOf(e->modifiers()), e->buttons(), p.x(), p.y());
}

void TRyNumEdit::mouseReleaseEvent(QMouseEvent *e) {
    FDblClicked = false;
    d->FDragPending = false;
    e->accept();
    const bool captured = d->FMouseCaptured;
    d->FMouseCaptured = e->buttons() != Qt::NoButton;
    if (!captured && !OnClientArea(this, e))
        return;
    const QPoint p = ClientPos(this, e);
    if (e->button() == Qt::LeftButton) {
        // A click is a left press and release with the pointer back inside the client area.
        const bool click = d->FClickPending && QRect(QPoint(), contentsRect().size()).contains(p);
        d->FClickPending = false;
        if (click)
            Q_EMIT OnClick(this);
    }
    Q_EMIT OnMouseUp(this, e->button(), ShiftStateOf(e->modifiers()), p.x(), p.y());
}

// --- Focus ------------------------------------------------------------------------------------

void TRyNumEdit::focusInEvent(QFocusEvent *e) {
    QWidget::focusInEvent(e);
    // The focus coming back from a popup or another window is no entry into the control, nor
    // is a second focus-in without a focus-out (a dialog sends one as it opens); the first
    // focus a window gives when it opens is one.
    d->StopWatchingWindowFocus();
    if (!d->FEntered && !d->FEntryPending)
        d->Enter(e->reason());
    d->FFreshFocus = true;
    CreateEditCaret();
    UpdateCaret();
}

void TRyNumEdit::focusOutEvent(QFocusEvent *e) {
    QWidget::focusOutEvent(e);
    d->CompleteEntry();
    // Only a popup opening over the control, its window losing activation or the keyboard
    // going to the window's menu bar (a popup too, to the user) keep it as the window's focus;
    // every other loss of the focus leaves the control.
    const Qt::FocusReason reason = e->reason();
    if (((reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason) &&
         window()->focusWidget() == this) ||
        reason == Qt::MenuBarFocusReason)
        d->WatchWindowFocus();
    else
        d->ExitRule();
    // Qt has the input method commit a composition before the focus moves; one still shown
    // now was never committed, and goes.
    d->SetComposition(QInputMethodEvent());
    DestroyEditCaret();
}

void TRyNumEditPrivate::WatchWindowFocus() {
    // While the window is inactive the program may move its focus elsewhere (after a message
    // box, say), which sends the control no focus-out: the window's focus object tells.
    if (QWindow *w = q->window()->windowHandle(); w && !FWindowFocusWatch)
        FWindowFocusWatch = QObject::connect(w, &QWindow::focusObjectChanged, q, [this](QObject *Now) {
            if (Now && Now != q && !qobject_cast<QMenuBar *>(Now))
                ExitRule();
        });
}

void TRyNumEditPrivate::StopWatchingWindowFocus() {
    QObject::disconnect(FWindowFocusWatch);
}

void TRyNumEditPrivate::TakeFocus(Qt::FocusReason Reason) {
    if (q->hasFocus())
        return;
    q->setFocus(Reason);
    if (q->hasFocus() || q->window()->focusWidget() != q)
        return;
    // The window is not active, so Qt only records the control as its focus, to be given when
    // the window system activates the window. Ask for that, and enter the control now, as the
    // platform's focus call does, so that a menu opening from this press already sees the
    // selection; the focus that activation brings is then no new entry.
    q->window()->activateWindow();
    if (FEntered || FEntryPending)
        return; // the window's focus all along: it comes back
    Enter(Reason);
    WatchWindowFocus();
}

void TRyNumEditPrivate::Enter(Qt::FocusReason Reason) {
    // The focus that a right or middle press gives follows the press's own processing, so its
    // OnMouseDown comes before the entry; a left press enters first (its rule drops the
    // selection that AutoSelect made).
    const Qt::MouseButtons held = FPressButton | QGuiApplication::mouseButtons();
    if (Reason == Qt::MouseFocusReason && !held.testFlag(Qt::LeftButton) &&
        (held & (Qt::RightButton | Qt::MiddleButton))) {
        FEntryPending = true;
        return;
    }
    EnterRule();
}

void TRyNumEditPrivate::CompleteEntry() {
    if (!FEntryPending)
        return;
    FEntryPending = false;
    if (!FEntered)
        EnterRule();
}

void TRyNumEditPrivate::EnterRule() {
    FEntered = true;
    Q_EMIT q->OnEnter(q);
    if (FAutoSelect)
        q->SelectAll();
}

void TRyNumEditPrivate::ExitRule() {
    FEntered = false;
    StopWatchingWindowFocus();
    Q_EMIT q->OnExit(q);
    if (q->FValueText == "-" && !FOptions.testFlag(TRyNumEdit::eoMinusOnly)) {
        // A sign with no number is dropped quietly: no undo text, no OnChange.
        q->FValueText.clear();
        q->ValueChanged();
    }
    if (FHideSelection)
        q->ClearSelection();
}

void TRyNumEditPrivate::RequestFocusMove(bool Next) {
    QWidget *form = q->window();
    if (form == q)
        return;
    // Carried out after the current key has been handled completely, from whatever has the
    // focus then; from here it is exactly the move that Tab or Shift+Tab makes.
    const QPointer<TRyNumEdit> self(q);
    QMetaObject::invokeMethod(
        form,
        [self, form, Next] {
            QWidget *from = form->focusWidget();
            if (!from)
                return;
            if (from == self)
                self->focusNextPrevChild(Next);
            else if (QWidget *to = NextTabStop(from, Next))
                to->setFocus(Next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        },
        Qt::QueuedConnection);
}
