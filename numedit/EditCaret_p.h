// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// The control's own caret: a solid block that exists only while its owner has the focus.
#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QTimer>

class QPainter;
class QWidget;

namespace RyNumEdit {

/// A caret in the manner of a system caret: created with a size, shown or hidden, moved, and
/// destroyed. The owner paints it (Paint) and is asked to repaint where it changes.
class EditCaret : public QObject {
    Q_OBJECT

public:
    explicit EditCaret(QWidget *owner);

    void Create(int width, int height);
    void Destroy();
    void Show();
    void Hide();
    void SetPos(QPoint pos);

    bool Exists() const { return exists_; }
    bool Shown() const { return exists_ && shown_; }
    /// Shown and in the visible half of its blink.
    bool Visible() const { return Shown() && blinkOn_; }
    QPoint Pos() const { return pos_; }
    QSize Size() const { return size_; }
    /// The caret's pixels in the owner's client coordinates.
    QRect Rect() const { return QRect(pos_, size_); }

    /// Fills the caret's rectangle with color while it is visible.
    void Paint(QPainter &painter, const QColor &color) const;

private:
    void Blink();
    void RestartBlink();
    void Invalidate() const;

    QWidget *owner_;
    QTimer blinkTimer_;
    bool exists_ = false;
    bool shown_ = false;
    bool blinkOn_ = true;
    QPoint pos_;
    QSize size_;
};

} // namespace RyNumEdit
