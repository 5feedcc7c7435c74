// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// TRyNumEdit: dragging the control within the program, and drops of dragged controls onto it.
#include "RyNumEdit.h"
#include "RyNumEdit_p.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMetaMethod>
#include <QMimeData>

namespace {

/// The data of an object drag: it carries no text, only the mark that the source, a control
/// of this program, is what is dragged.
const QString ObjectDragFormat = QStringLiteral("application/x-rynumedit-object-drag");

/// Where the current object drag was dropped; drags run one at a time.
struct TDrop {
    QPointer<QObject> Target;
    QPoint Point;
};
TDrop LastDrop;

/// The drop action that makes Qt show a drag cursor.
Qt::DropAction ActionOf(Qt::CursorShape Cursor) {
    switch (Cursor) {
    case Qt::DragCopyCursor:
        return Qt::CopyAction;
    case Qt::DragLinkCursor:
        return Qt::LinkAction;
    default:
        return Qt::MoveAction;
    }
}

bool IsObjectDrag(const QDropEvent *e) {
    return e->source() && e->mimeData() && e->mimeData()->hasFormat(ObjectDragFormat);
}

} // namespace

Qt::CursorShape TRyNumEdit::DragCursor() const { return d->FDragCursor; }
TRyNumEdit::TDragMode TRyNumEdit::DragMode() const { return d->FDragMode; }
TRyNumEdit::TDragKind TRyNumEdit::DragKind() const { return d->FDragKind; }
bool TRyNumEdit::Dragging() const { return d->FDragging; }
void TRyNumEdit::SetDragCursor(Qt::CursorShape Value) { d->FDragCursor = Value; }
void TRyNumEdit::SetDragMode(TDragMode Value) { d->FDragMode = Value; }
void TRyNumEdit::SetDragKind(TDragKind Value) { d->FDragKind = Value; }

void TRyNumEdit::BeginDrag(bool Immediate, int Threshold) {
    // A control set to dock would be docked, which it cannot be: it is not dragged at all.
    if (IsDesigning() || d->FDragging || d->FDragKind == dkDock)
        return;
    if (Immediate) {
        d->ExecuteDrag();
        return;
    }
    // Measured from the last press, which is the one in progress when a handler of
    // OnMouseDown begins the drag.
    d->FDragPending = true;
    d->FDragThreshold = Threshold < 0 ? QApplication::startDragDistance() : Threshold;
}

void TRyNumEditPrivate::ExecuteDrag() {
    FDragPending = false;
    FDragging = true;
    auto *drag = new QDrag(q);
    auto *mark = new QMimeData;
    mark->setData(ObjectDragFormat, QByteArray());
    drag->setMimeData(mark);
    Q_EMIT q->OnStartDrag(q, drag);
    LastDrop = TDrop();
    const QPointer<TRyNumEdit> self(q);
    drag->exec(ActionOf(FDragCursor));
    // The loop of the drag may have closed the window and the control with it.
    if (!self)
        return;
    FDragging = false;
    // The drag took the release: no click and no capture follow the press that started it.
    FClickPending = false;
    FMouseCaptured = false;
    const TDrop drop = LastDrop;
    Q_EMIT q->OnEndDrag(q, drop.Target, drop.Point.x(), drop.Point.y());
}

void TRyNumEditPrivate::DragOverRule(QDropEvent *e, TRyNumEdit::TDragState State) {
    if (!IsObjectDrag(e)) {
        e->ignore();
        return;
    }
    FDragOverSource = e->source();
    FDragOverPoint = e->position().toPoint() - q->contentsRect().topLeft();
    bool accept = q->isSignalConnected(QMetaMethod::fromSignal(&TRyNumEdit::OnDragOver));
    Q_EMIT q->OnDragOver(q, e->source(), FDragOverPoint.x(), FDragOverPoint.y(), State, accept);
    // Asked again at every move, so a handler may accept one part and refuse another.
    if (accept)
        e->acceptProposedAction();
    else
        e->ignore();
}

void TRyNumEdit::dragEnterEvent(QDragEnterEvent *e) {
    d->DragOverRule(e, dsDragEnter);
}

void TRyNumEdit::dragMoveEvent(QDragMoveEvent *e) {
    d->DragOverRule(e, dsDragMove);
}

void TRyNumEdit::dragLeaveEvent(QDragLeaveEvent *e) {
    e->accept();
    if (!d->FDragOverSource)
        return;
    bool accept = false;
    Q_EMIT OnDragOver(this, d->FDragOverSource, d->FDragOverPoint.x(), d->FDragOverPoint.y(), dsDragLeave,
                    accept);
    d->FDragOverSource = nullptr;
}

void TRyNumEdit::dropEvent(QDropEvent *e) {
    d->FDragOverSource = nullptr;
    if (!IsObjectDrag(e)) {
        e->ignore();
        return;
    }
    e->acceptProposedAction();
    const QPoint p = e->position().toPoint() - contentsRect().topLeft();
    LastDrop = TDrop{this, p};
    Q_EMIT OnDragDrop(this, e->source(), p.x(), p.y());
}
