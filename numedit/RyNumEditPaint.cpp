// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// TRyNumEdit: the border, painting, and what follows a new parent, font, 3D look, state or size.
#include "RyNumEdit.h"
#include "RyNumEdit_p.h"

#include "ShiftJis_p.h"
#include "TextAdvances_p.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QResizeEvent>
#include <QTextLayout>

#include <algorithm>
#include <qdrawutil.h>
#include <utility>

using namespace RyNumEdit;

namespace {

/// The height of a line of text such as "M" in a font: its whole cell, ascent and descent, as
/// the platform's text extent gives it, so that the row the texts are clipped to cuts no comma
/// or descender. (IPA Gothic at 16 pixels is 17 high; a form that lays a field out at its em
/// height fixes the field's size itself.)
int TextHeightOf(const QFont &Font) {
    return QFontMetrics(Font).height();
}

constexpr int RowTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;

/// The characters of a text too long to lay out that reach into Visible when the text starts
/// at Left: [From, To), From drawn at FromX. Next(i) gives the advance of the character at i
/// and moves i past it; From is -1 when none shows.
struct TVisibleRun {
    qsizetype From = -1;
    qsizetype To = 0;
    qreal FromX = 0;
};

template <typename NextAdvance>
TVisibleRun VisibleRun(qsizetype Size, qreal Left, const QRectF &Visible, NextAdvance Next) {
    TVisibleRun run;
    qreal x = Left;
    qsizetype i = 0;
    while (i < Size && x < Visible.right()) {
        const qsizetype at = i;
        const qreal next = x + Next(i);
        if (run.From < 0 && next > Visible.left()) {
            run.From = at;
            run.FromX = x;
        }
        x = next;
    }
    run.To = i;
    return run;
}

/// Draws Bytes (code page 932) at the top left of Rect, on one line and clipped to it. A text
/// too long to lay out whole is drawn from the first character that reaches into the painter's
/// clip (which the paint sets to the client area) to the last, at the places the whole text
/// would put them; only that part is converted.
void DrawRowText(QPainter &Painter, const QRect &Rect, const std::string &Bytes) {
    QString text;
    // A character is one or two bytes: only a text this short can be short enough to lay out.
    if (Bytes.size() <= 2 * size_t{TextAdvances::LaidOutLength}) {
        text = cp932::ToUnicode(Bytes);
        if (text.size() <= TextAdvances::LaidOutLength) {
            Painter.drawText(Rect, RowTextFlags, text);
            return;
        }
    }
    const QRectF visible = QRectF(Rect).intersected(Painter.clipBoundingRect());
    if (visible.isEmpty())
        return;
    TextAdvances advances(Painter.font());
    const auto size = static_cast<qsizetype>(Bytes.size());
    const bool ascii = text.isNull() && std::all_of(Bytes.begin(), Bytes.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x80;
    });
    TVisibleRun run;
    if (ascii) {
        run = VisibleRun(size, Rect.left(), visible, [&](qsizetype &i) {
            return advances.Ascii(static_cast<unsigned char>(Bytes[static_cast<size_t>(i++)]));
        });
        if (run.From >= 0)
            text = QString::fromLatin1(Bytes.data() + run.From, run.To - run.From);
    } else {
        if (text.isNull())
            text = cp932::ToUnicode(Bytes);
        run = VisibleRun(text.size(), Rect.left(), visible,
                         [&](qsizetype &i) { return advances.Next(text, i); });
        if (run.From >= 0)
            text = text.mid(run.From, run.To - run.From);
    }
    if (run.From >= 0)
        Painter.drawText(
            QRectF(run.FromX, Rect.top(), Rect.left() + Rect.width() - run.FromX, Rect.height()),
            RowTextFlags, text);
}

} // namespace

int TRyNumEditPrivate::FrameWidth() const {
    if (FBorderStyle == TRyNumEdit::bsNone)
        return 0;
    // A sunken 3D edge is two pixels wide, the flat line one.
    return FCtl3D ? 2 : 1;
}

void TRyNumEditPrivate::RecreateWnd() {
    const int f = FrameWidth();
    q->setContentsMargins(f, f, f, f);
    q->update();
}





void TRyNumEditPrivate::MeasureTextHeight() {
    q->FTextHeight = TextHeightOf(q->font());
    q->AdjustHeight();
    q->AdjustWidth();
}

void TRyNumEdit::ParentAssigned() {
    d->MeasureTextHeight();
    // A colour set by program code before the parent wins no more; a form's stored one, set
    // after this, still does.
    d->FColor = QColor();
}

void TRyNumEdit::changeEvent(QEvent *e) {
    switch (e->type()) {
    case QEvent::FontChange: {
        if (FCreating)
            break;
        const bool focused = hasFocus();
        if (focused)
            DestroyEditCaret();
        QWidget::changeEvent(e);
        ++d->FGeneration;
        d->MeasureTextHeight();
        FCaretWidth = font().bold() ? 2 : 1;
        if (focused) {
            CreateEditCaret();
            UpdateCaret();
        }
        return;
    }
    case QEvent::EnabledChange:
        QWidget::changeEvent(e);
        update();
        return;
    case QEvent::LanguageChange:
        d->TranslateMenu();
        break;
    default:
        break;
    }
    QWidget::changeEvent(e);
}

void TRyNumEdit::resizeEvent(QResizeEvent *e) {
    QWidget::resizeEvent(e);
    // Nothing repaints by itself on a resize, so the whole control is painted at once.
    repaint();
    if (hasFocus())
        UpdateCaret();
}

void TRyNumEdit::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const QColor color = Color();
    painter.fillRect(rect(), color);

    if (d->FBorderStyle == bsSingle) {
        if (d->FCtl3D)
            qDrawWinPanel(&painter, rect(), palette(), /*sunken=*/true);
        else {
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }

    const QRect client = contentsRect();
    painter.setClipRect(client);
    painter.translate(client.topLeft());

    QColor background = color;
    QColor textColor = palette().color(QPalette::Active, QPalette::Text);
    if (FSelLength != 0) {
        background = palette().color(QPalette::Active, QPalette::Highlight);
        textColor = palette().color(QPalette::Active, QPalette::HighlightedText);
    }
    if (!isEnabled()) {
        background = color;
        textColor = DisabledColor();
    }

    const TRect left = GetLeftMarkRect();
    FTextRect = GetNumberTextRect();
    const TRect right = GetRightMarkRect();
    // The band runs from the left mark through the right mark.
    TRect fill = FTextRect;
    if (!d->FLeftMark.empty())
        fill.Left = left.Left;
    if (!d->FRightMark.empty())
        fill.Right = right.Right;
    const std::string &number = d->Measures().Number;
    painter.setFont(font());
    const auto drawRow = [&] {
        painter.fillRect(fill.ToQRect(), background);
        painter.setPen(textColor);
        if (!d->FLeftMark.empty() && !number.empty())
            DrawRowText(painter, left.ToQRect(), d->FLeftMark);
        DrawRowText(painter, FTextRect.ToQRect(), number);
        if (!d->FRightMark.empty() && !number.empty())
            DrawRowText(painter, right.ToQRect(), d->FRightMark);
    };

    if (d->FPreedit.isEmpty()) {
        drawRow();
    } else {
        // The composition is drawn where the next character would go, and the row makes room
        // for it: what lies left of the caret point and what lies right of it move apart.
        const TRyNumEditPrivate::TComposition c = d->Composition();
        constexpr int far = 1 << 29;
        for (const auto &[shift, part] :
             {std::pair{c.LeftShift, QRect(-far, -far, far + c.Split, 2 * far)},
              std::pair{c.LeftShift + c.Rect.width(), QRect(c.Split, -far, far, 2 * far)}}) {
            painter.save();
            painter.translate(shift, 0);
            painter.setClipRect(part, Qt::IntersectClip);
            drawRow();
            painter.restore();
        }
        FTextRect.Left += c.LeftShift;
        FTextRect.Right += c.LeftShift;

        painter.fillRect(c.Rect, color);
        painter.setPen(palette().color(QPalette::Active, QPalette::Text));
        QTextLayout layout;
        d->LayOutComposition(layout);
        layout.draw(&painter, c.Rect.topLeft());
        // An input method that gives no formats has its composition underlined whole.
        if (d->FPreeditFormats.isEmpty())
            painter.drawLine(c.Rect.left(), c.Rect.bottom(), c.Rect.right(), c.Rect.bottom());
    }

    d->FCaret.Paint(painter, palette().color(QPalette::Active, QPalette::Text));
}

