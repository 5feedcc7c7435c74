// TRyNumEdit: dragging the control within the program, and drops of dragged controls onto it.
#include "RyNumEdit.h"

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

void TRyNumEdit::BeginDrag(bool Immediate, int Threshold) {
    if (IsDesigning() || FDragging)
        return;
    if (Immediate) {
        ExecuteDrag();
        return;
    }
    // Measured from the last press, which is the one in progress when a handler of
    // OnMouseDown begins the drag.
    FDragPending = true;
    FDragThreshold = Threshold < 0 ? QApplication::startDragDistance() : Threshold;
}

void TRyNumEdit::ExecuteDrag() {
    FDragPending = false;
    FDragging = true;
    auto *drag = new QDrag(this);
    auto *mark = new QMimeData;
    mark->setData(ObjectDragFormat, QByteArray());
    drag->setMimeData(mark);
    emit OnStartDrag(this, drag);
    LastDrop = TDrop();
    const QPointer<TRyNumEdit> self(this);
    drag->exec(ActionOf(FDragCursor));
    // The loop of the drag may have closed the window and the control with it.
    if (!self)
        return;
    FDragging = false;
    // The drag took the release: no click and no capture follow the press that started it.
    FClickPending = false;
    FMouseCaptured = false;
    const TDrop drop = LastDrop;
    emit OnEndDrag(this, drop.Target, drop.Point.x(), drop.Point.y());
}

void TRyNumEdit::connectNotify(const QMetaMethod &Signal) {
    // Only a control that may accept drops is a drop site.
    if (Signal == QMetaMethod::fromSignal(&TRyNumEdit::OnDragOver))
        setAcceptDrops(true);
    QWidget::connectNotify(Signal);
}

void TRyNumEdit::DragOverRule(QDropEvent *e, TDragState State) {
    if (!IsObjectDrag(e)) {
        e->ignore();
        return;
    }
    FDragOverSource = e->source();
    FDragOverPoint = e->position().toPoint() - contentsRect().topLeft();
    bool accept = isSignalConnected(QMetaMethod::fromSignal(&TRyNumEdit::OnDragOver));
    emit OnDragOver(this, e->source(), FDragOverPoint.x(), FDragOverPoint.y(), State, accept);
    // Asked again at every move, so a handler may accept one part and refuse another.
    if (accept)
        e->acceptProposedAction();
    else
        e->ignore();
}

void TRyNumEdit::dragEnterEvent(QDragEnterEvent *e) {
    DragOverRule(e, dsDragEnter);
}

void TRyNumEdit::dragMoveEvent(QDragMoveEvent *e) {
    DragOverRule(e, dsDragMove);
}

void TRyNumEdit::dragLeaveEvent(QDragLeaveEvent *e) {
    e->accept();
    if (!FDragOverSource)
        return;
    bool accept = false;
    emit OnDragOver(this, FDragOverSource, FDragOverPoint.x(), FDragOverPoint.y(), dsDragLeave,
                    accept);
    FDragOverSource = nullptr;
}

void TRyNumEdit::dropEvent(QDropEvent *e) {
    FDragOverSource = nullptr;
    if (!IsObjectDrag(e)) {
        e->ignore();
        return;
    }
    e->acceptProposedAction();
    const QPoint p = e->position().toPoint() - contentsRect().topLeft();
    LastDrop = TDrop{this, p};
    emit OnDragDrop(this, e->source(), p.x(), p.y());
}
