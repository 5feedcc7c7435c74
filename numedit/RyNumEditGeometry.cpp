// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// TRyNumEdit: text widths, the layout rectangles, the caret and the automatic size.
#include "RyNumEdit.h"
#include "RyNumEdit_p.h"

#include "ShiftJis_p.h"
#include "TextAdvances_p.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputMethod>
#include <QTextLayout>
#include <QtMath>

#include <algorithm>
#include <climits>

using namespace RyNumEdit;

namespace {

/// Halves as the layout formulas do: integer division truncating toward zero.
int64_t Half(int64_t v) {
    return v / 2;
}

/// The layout is computed in 64 bits, since margins and widths may be anything up to 2^31 - 1,
/// and each coordinate is then brought within 2^29 either way: far outside any control, and
/// small enough that a rectangle's width or the sum of two coordinates still fits in an int.
int Coordinate(int64_t v) {
    constexpr int64_t limit = int64_t{1} << 29;
    return static_cast<int>(std::clamp(v, -limit, limit));
}

/// The rectangle W wide at X of the row that starts at Y and is H high.
TRect RowRect(int64_t X, int64_t W, int64_t Y, int64_t H) {
    return TRect{Coordinate(X), Coordinate(Y), Coordinate(X + W), Coordinate(Y + H)};
}

/// Sign, integer, point and decimals in one text, built in the integer's buffer (the long part,
/// not copied when nothing is added to it).
std::string Joined(TNumberParts &&N) {
    std::string text = std::move(N.Integer);
    text.reserve(N.Sign.size() + text.size() + N.Point.size() + N.Decimals.size());
    text.insert(0, N.Sign);
    text += N.Point;
    text += N.Decimals;
    return text;
}

/// A widget size computed in 64 bits, within what Qt accepts.
int WidgetSize(int64_t v) {
    return static_cast<int>(std::clamp<int64_t>(v, 0, QWIDGETSIZE_MAX));
}

} // namespace

int TRyNumEdit::TextWidth(const std::string &S) const {
    if (S.empty())
        return 0;
    // A character is one or two bytes: only a text this short can be short enough to lay out.
    if (S.size() <= 2 * size_t{TextAdvances::LaidOutLength}) {
        const QString text = cp932::ToUnicode(S);
        if (text.size() <= TextAdvances::LaidOutLength)
            return QFontMetrics(font()).horizontalAdvance(text) + 1;
    }
    // Far wider than any control: added up, not laid out (and kept within an int). The number,
    // its area and what was typed of it are mostly the same long text, measured once.
    if (d->FLongText.Generation == d->FGeneration && d->FLongText.Text == S)
        return d->FLongText.Width;
    TextAdvances advances(font());
    qreal sum = advances.SumAscii(S.data(), S.size());
    if (sum < 0)
        sum = advances.Sum(cp932::ToUnicode(S));
    d->FLongText.Generation = d->FGeneration;
    d->FLongText.Text = S;
    d->FLongText.Width = static_cast<int>(std::min<qint64>(qRound64(sum), INT_MAX - 1)) + 1;
    return d->FLongText.Width;
}

const std::string &TRyNumEditPrivate::FormattedNumber() const {
    TMeasures &m = FMeasures;
    const bool keep = IsPlainControl();
    if (keep && m.Generation == FGeneration && m.Value == q->FValueText)
        return m.Number;
    m.Generation = keep ? FGeneration : 0;
    m.Value = keep ? q->FValueText : std::string();
    m.Number = q->FormatNumber(q->FValueText);
    m.Measured = false;
    return m.Number;
}

const TRyNumEditPrivate::TMeasures &TRyNumEditPrivate::Measures() const {
    TMeasures &m = FMeasures;
    FormattedNumber();
    if (m.Measured)
        return m;
    m.Measured = IsPlainControl();
    m.NumberWidth = q->TextWidth(m.Number);
    if (m.Measured && !FIntegerFixed && !FDecimalFixed) {
        // Without fixed zeros the number's area and what was typed are the formatted number
        // itself: a long value is not built and measured three times.
        m.AreaWidth = m.NumberWidth;
        m.InputWidth = m.NumberWidth;
    } else {
        m.AreaWidth = q->NumberAreaWidth();
        m.InputWidth = q->InputTextWidth(q->FValueText);
    }
    m.LeftMarkWidth = q->TextWidth(FLeftMark);
    m.RightMarkWidth = q->TextWidth(FRightMark);
    return m;
}

int TRyNumEdit::DisplayTextWidth(const std::string &Value) const {
    return TextWidth(FormatDisplayText(Value));
}

int TRyNumEdit::InputTextWidth(const std::string &Value) const {
    // What has been typed, without the zeros that DecimalFixed pads on.
    TNumberParts n = SplitNumber(Value);
    if (d->FComma)
        n.Integer = InsertCommas(n.Integer);
    if ((d->FIntegerFixed || d->FDecimalFixed) && n.Integer.empty())
        n.Integer = "0";
    return TextWidth(Joined(std::move(n)));
}

int TRyNumEdit::AvailableWidth() const {
    const int b = (d->FBorderStyle == bsSingle && d->FCtl3D) ? 2 : 1;
    return Coordinate(int64_t{contentsRect().width()} - d->FLeftMargin - d->FRightMargin - 2 * b);
}

bool TRyNumEdit::FitsDisplay(const std::string &Value) const {
    return DisplayTextWidth(Value) <= AvailableWidth();
}

std::string TRyNumEdit::NumberAreaTemplate() const {
    TNumberParts n = SplitNumber(FValueText);
    if (d->FIntegerFixed) {
        n.Integer.assign(TRyNumEditPrivate::FixedDigits(d->FIntegerLength, n.Integer.size()), '0');
        if (d->FMinus)
            n.Sign = "-";
    }
    if ((d->FIntegerFixed || d->FDecimalFixed) && n.Integer.empty())
        n.Integer = "0";
    if (d->FDecimalFixed) {
        n.Point = ".";
        // As many as FormatNumber gives the number, so the two widths differ by the integers.
        n.Decimals.assign(TRyNumEditPrivate::FixedDigits(d->FDecimalLength, n.Decimals.size()), '0');
    }
    if (d->FComma)
        n.Integer = InsertCommas(n.Integer);
    return Joined(std::move(n));
}

std::string TRyNumEdit::MaxNumberTemplate() const {
    std::string integer(TRyNumEditPrivate::FixedDigits(d->FIntegerLength, 0), '0');
    if (d->FComma)
        integer = InsertCommas(integer);
    return (d->FMinus ? "-" : "") + integer + "." + std::string(TRyNumEditPrivate::FixedDigits(d->FDecimalLength, 0), '0');
}

int TRyNumEdit::NumberAreaWidth() const {
    return TextWidth(NumberAreaTemplate());
}

TRyNumEditPrivate::TRow TRyNumEditPrivate::Row() const {
    TRow r;
    r.CW = q->contentsRect().width();
    r.CH = q->contentsRect().height();
    r.H = q->FTextHeight;
    const TMeasures &m = Measures();
    r.W = m.AreaWidth;
    // Marks around nothing take no room.
    const bool marksShown = !q->FValueText.empty() || FIntegerFixed || FDecimalFixed;
    r.Lw = marksShown ? m.LeftMarkWidth : 0;
    r.Rw = marksShown ? m.RightMarkWidth : 0;
    r.T = r.Lw + r.W + r.Rw;
    switch (FVertAlignment) {
    case TRyNumEdit::taTopJustify:
        r.Y = FTopMargin;
        break;
    case TRyNumEdit::taBottomJustify:
        r.Y = r.CH - r.H - FBottomMargin;
        break;
    case TRyNumEdit::taVCenter:
        r.Y = Half(r.CH - r.H - FTopMargin - FBottomMargin) + FTopMargin;
        break;
    }
    return r;
}

TRect TRyNumEdit::GetLeftMarkRect() const {
    const TRyNumEditPrivate::TRow r = d->Row();
    int64_t x = 0;
    switch (d->FAlignment) {
    case taLeftJustify:
        x = d->FLeftMargin;
        break;
    case taRightJustify:
        x = r.CW - (r.Rw + d->FRightMargin + 1) - (r.Lw + r.W);
        break;
    case taCenter:
        x = d->FLeftMargin + Half(r.CW - d->FLeftMargin - d->FRightMargin) - Half(r.T);
        break;
    }
    return RowRect(x, r.Lw, r.Y, r.H);
}

TRect TRyNumEdit::GetNumberAreaRect() const {
    const TRyNumEditPrivate::TRow r = d->Row();
    int64_t x = 0;
    switch (d->FAlignment) {
    case taLeftJustify:
        x = d->FLeftMargin + r.Lw;
        break;
    case taRightJustify:
        x = r.CW - r.Rw - d->FRightMargin - r.W - 1;
        break;
    case taCenter:
        x = r.Lw + Half(r.CW - d->FLeftMargin - d->FRightMargin) + d->FLeftMargin - Half(r.T);
        break;
    }
    return RowRect(x, r.W, r.Y, r.H);
}

TRect TRyNumEdit::GetNumberTextRect() const {
    const TRyNumEditPrivate::TRow r = d->Row();
    // The number keeps to the right end of its area.
    const int64_t N = d->Measures().NumberWidth;
    int64_t x = 0;
    switch (d->FAlignment) {
    case taLeftJustify:
        x = d->FLeftMargin + r.Lw + r.W - N;
        break;
    case taRightJustify:
        x = r.CW - (r.Rw + d->FRightMargin + 1) - N;
        break;
    case taCenter:
        x = Half(r.CW - d->FLeftMargin - d->FRightMargin) + d->FLeftMargin + r.Lw + r.W - Half(r.T) - N;
        break;
    }
    return RowRect(x, N, r.Y, r.H);
}

TRect TRyNumEdit::GetRightMarkRect() const {
    const TRyNumEditPrivate::TRow r = d->Row();
    int64_t x = 0;
    switch (d->FAlignment) {
    case taLeftJustify:
        x = d->FLeftMargin + r.Lw + r.W;
        break;
    case taRightJustify:
        x = r.CW - (r.Rw + d->FRightMargin + 1);
        break;
    case taCenter:
        x = Half(r.CW - d->FLeftMargin - d->FRightMargin) + d->FLeftMargin + Half(r.T) - r.Rw;
        break;
    }
    return RowRect(x, r.Rw, r.Y, r.H);
}

QPoint TRyNumEdit::GetCaretPoint() const {
    // Just after the last entered character: before padded decimals, after a typed ".".
    const TRect r = GetNumberTextRect();
    return QPoint(Coordinate(int64_t{r.Left} + d->Measures().InputWidth - 1), r.Top);
}

void TRyNumEditPrivate::LayOutComposition(QTextLayout &Layout) const {
    Layout.setText(FPreedit);
    Layout.setFont(q->font());
    Layout.setFormats(FPreeditFormats);
    Layout.beginLayout();
    Layout.createLine();
    Layout.endLayout();
}

TRyNumEditPrivate::TComposition TRyNumEditPrivate::Composition() const {
    TComposition c;
    if (FPreedit.isEmpty())
        return c;
    QTextLayout layout;
    LayOutComposition(layout);
    const QTextLine line = layout.lineAt(0);
    // As wide as its text with the caret after its last character.
    const int width = qCeil(line.naturalTextWidth()) + q->FCaretWidth;
    c.CursorX = qRound(line.cursorToX(std::clamp(FPreeditCursor, 0, int(FPreedit.size()))));
    const QPoint p = q->GetCaretPoint();
    c.Split = p.x();
    // The row makes room as its alignment places it: a right-aligned row grows to the left,
    // a centred one to both sides.
    switch (FAlignment) {
    case TRyNumEdit::taLeftJustify:
        c.LeftShift = 0;
        break;
    case TRyNumEdit::taRightJustify:
        c.LeftShift = -width;
        break;
    case TRyNumEdit::taCenter:
        c.LeftShift = -width / 2;
        break;
    }
    // Where the client area is too narrow, the end of the composition stays in sight, and the
    // input method's cursor before anything else.
    const int64_t clientWidth = q->contentsRect().width();
    const int64_t start = int64_t{c.Split} + c.LeftShift;
    int64_t move = start < 0 ? -start : 0;
    if (start + move + width > clientWidth)
        move = clientWidth - (start + width);
    if (start + move + c.CursorX < 0)
        move = -(start + c.CursorX);
    c.LeftShift = Coordinate(c.LeftShift + move);
    c.Rect = QRect(Coordinate(start + move), p.y(), width, std::max(q->FTextHeight, 1));
    return c;
}

QPoint TRyNumEditPrivate::CaretPosition() const {
    if (FPreedit.isEmpty())
        return q->GetCaretPoint();
    const TComposition c = Composition();
    return QPoint(c.Rect.left() + c.CursorX, c.Rect.top());
}

int TRyNumEditPrivate::AutoHeight() const {
    const QMargins m = q->contentsMargins();
    return WidgetSize(int64_t{q->FTextHeight} + FTopMargin + FBottomMargin + m.top() +
                      m.bottom());
}

int TRyNumEditPrivate::RowWidth(const std::string &Number) const {
    const QMargins m = q->contentsMargins();
    return WidgetSize(int64_t{q->TextWidth(Number)} + q->TextWidth(FLeftMark) +
                      q->TextWidth(FRightMark) + FLeftMargin + FRightMargin + 2 + m.left() +
                      m.right());
}

void TRyNumEdit::AdjustHeight() {
    // A layout asks again for the size the control wants.
    updateGeometry();
    if (d->FAutoSize)
        resize(width(), d->AutoHeight());
}

void TRyNumEdit::AdjustWidth() {
    updateGeometry();
    // Only a form designer sizes the width to the widest number; at run time it stays.
    if (!IsDesigning() || !d->FOptions.testFlag(eoAutoWidthSize) || !d->FAutoSize)
        return;
    resize(d->RowWidth(MaxNumberTemplate()), height());
}

void TRyNumEdit::CreateEditCaret() {
    if (IsDesigning())
        return;
    d->FCaret.Create(FCaretWidth, FTextHeight);
    UpdateCaret();
}

void TRyNumEdit::UpdateCaret() {
    if (IsDesigning() || !hasFocus())
        return;
    // While composing, the caret stands at the input method's cursor, or hides with it.
    if (!d->FPreedit.isEmpty() && !d->FPreeditCursorShown)
        d->FCaret.Hide();
    else
        d->FCaret.Show();
    d->FCaret.SetPos(d->CaretPosition());
    // The input method's composition window follows the caret.
    if (QInputMethod *im = QGuiApplication::inputMethod())
        im->update(Qt::ImCursorRectangle | Qt::ImFont | Qt::ImAnchorRectangle);
}

void TRyNumEdit::DestroyEditCaret() {
    if (IsDesigning())
        return;
    d->FCaret.Hide();
    d->FCaret.Destroy();
}

int TRyNumEditPrivate::HintHeight() const {
    if (q->FTextHeight > 0)
        return AutoHeight();
    const QMargins m = q->contentsMargins();
    return QFontMetrics(q->font()).height() + FTopMargin + FBottomMargin + m.top() + m.bottom();
}

QSize TRyNumEdit::sizeHint() const {
    std::string widest = MaxNumberTemplate();
    if (widest.size() > 18)
        widest.resize(18);
    return QSize(d->RowWidth(widest), d->HintHeight());
}

QSize TRyNumEdit::minimumSizeHint() const {
    return QSize(d->RowWidth(d->FMinus ? "-0" : "0"), d->HintHeight());
}
