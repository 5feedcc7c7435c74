// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// The control's own blinking block caret.
#include "EditCaret_p.h"

#include <QApplication>
#include <QPainter>
#include <QStyleHints>
#include <QWidget>

namespace RyNumEdit {

EditCaret::EditCaret(QWidget *owner) : owner_(owner) {
    connect(&blinkTimer_, &QTimer::timeout, this, &EditCaret::Blink);
}

void EditCaret::Create(int width, int height) {
    Destroy();
    exists_ = true;
    shown_ = false;
    size_ = QSize(width, height);
}

void EditCaret::Destroy() {
    if (!exists_)
        return;
    Invalidate();
    blinkTimer_.stop();
    exists_ = false;
    shown_ = false;
}

void EditCaret::Show() {
    if (!exists_ || shown_)
        return;
    shown_ = true;
    RestartBlink();
}

void EditCaret::Hide() {
    if (!Shown())
        return;
    Invalidate();
    shown_ = false;
    blinkTimer_.stop();
}

void EditCaret::SetPos(QPoint pos) {
    if (!exists_ || pos == pos_)
        return;
    Invalidate();
    pos_ = pos;
    // A moved caret shows at once, as typing expects.
    RestartBlink();
}

void EditCaret::Paint(QPainter &painter, const QColor &color) const {
    if (Visible())
        painter.fillRect(Rect(), color);
}

void EditCaret::Blink() {
    blinkOn_ = !blinkOn_;
    Invalidate();
}

void EditCaret::RestartBlink() {
    blinkOn_ = true;
    Invalidate();
    const int flash = QApplication::styleHints()->cursorFlashTime();
    // A flash time of 0 or less means a steady caret.
    if (flash > 0 && shown_)
        blinkTimer_.start(flash / 2);
    else
        blinkTimer_.stop();
}

void EditCaret::Invalidate() const {
    if (owner_ && exists_)
        owner_->update(owner_->contentsRect().topLeft().x() + pos_.x(),
                       owner_->contentsRect().topLeft().y() + pos_.y(), size_.width(),
                       size_.height());
}

} // namespace RyNumEdit
