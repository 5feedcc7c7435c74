// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// TRyNumEdit: construction, the published properties and the value text with its formatting.
#include "RyNumEdit.h"
#include "RyNumEditPrivate.h"

#include "Beep.h"
#include "RyNumEditAccessible.h"
#include "ShiftJis.h"

#include <QApplication>
#include <QMenu>
#include <QMetaMethod>
#include <QPalette>

#include <algorithm>
#include <cstring>
#include <typeinfo>

using namespace RyNumEdit;

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

TRyNumEditPrivate::TRyNumEditPrivate(TRyNumEdit *Q, bool Designing)
    : q(Q), FDesigning(Designing), FCaret(Q) {}

TRyNumEdit::TRyNumEdit(QWidget *parent, TDesignState State)
    : QWidget(parent), d(std::make_unique<TRyNumEditPrivate>(this, State == dsDesigning)) {
    // FCreating is true from here until the end of the constructor.
    InstallRyNumEditAccessibility();
    setAttribute(Qt::WA_InputMethodEnabled);
    resize(121, 20);
    setCursor(Qt::IBeamCursor);
    SetTabStop(true);
    // Every move is published, not only those with a button held.
    setMouseTracking(true);
    // In a layout, as wide as it asks for or wider, and as high as AutoSize makes it.
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    setContentsMargins(d->FrameWidth(), d->FrameWidth(), d->FrameWidth(), d->FrameWidth());

    FDisplayText = FormatDisplayText(FValueText);
    FUndoText.clear();
    FCaretWidth = 1;
    FDblClicked = false;
    // The built-in context menu, which a derived control's constructor may already change.
    d->BuildPopupMenu();
    FCreating = false;

    // Qt gives a parent at construction; what follows a parent assignment runs now, before
    // a form sets its stored properties, so a stored Color still wins.
    if (parent)
        ParentAssigned();
}

TRyNumEdit::~TRyNumEdit() {
    // QWidget's destructor gives the focus away, which must not reach a control that is gone.
    d->StopWatchingWindowFocus();
}

void TRyNumEdit::virtual_hook(int, void *) {}

// --- Reading the properties and the state ---------------------------------------------------

TRyNumEdit::TAlignment TRyNumEdit::Alignment() const { return d->FAlignment; }
bool TRyNumEdit::ArrowFocusMove() const { return d->FArrowFocusMove; }
bool TRyNumEdit::AutoSelect() const { return d->FAutoSelect; }
bool TRyNumEdit::AutoSize() const { return d->FAutoSize; }
TRyNumEdit::TBorderStyle TRyNumEdit::BorderStyle() const { return d->FBorderStyle; }
int TRyNumEdit::BottomMargin() const { return d->FBottomMargin; }
bool TRyNumEdit::Comma() const { return d->FComma; }
bool TRyNumEdit::DecimalFixed() const { return d->FDecimalFixed; }
int TRyNumEdit::DecimalLength() const { return d->FDecimalLength; }
bool TRyNumEdit::EnterFocusMove() const { return d->FEnterFocusMove; }
bool TRyNumEdit::ErrorBeep() const { return d->FErrorBeep; }
bool TRyNumEdit::HideSelection() const { return d->FHideSelection; }
bool TRyNumEdit::ImageCopy() const { return d->FImageCopy; }
bool TRyNumEdit::IntegerFixed() const { return d->FIntegerFixed; }
int TRyNumEdit::IntegerLength() const { return d->FIntegerLength; }
int TRyNumEdit::LeftMargin() const { return d->FLeftMargin; }
bool TRyNumEdit::Minus() const { return d->FMinus; }
TRyNumEdit::TRyNumEditOptions TRyNumEdit::Options() const { return d->FOptions; }
bool TRyNumEdit::ReadOnly() const { return d->FReadOnly; }
int TRyNumEdit::RightMargin() const { return d->FRightMargin; }
int TRyNumEdit::TopMargin() const { return d->FTopMargin; }
TRyNumEdit::TVertAlignment TRyNumEdit::VertAlignment() const { return d->FVertAlignment; }
bool TRyNumEdit::Ctl3D() const { return d->FCtl3D; }
TRyNumEdit::TImeMode TRyNumEdit::ImeMode() const { return d->FImeMode; }
QString TRyNumEdit::ImeName() const { return d->FImeName; }
Qt::CursorShape TRyNumEdit::DragCursor() const { return d->FDragCursor; }
TRyNumEdit::TDragMode TRyNumEdit::DragMode() const { return d->FDragMode; }
TRyNumEdit::TDragKind TRyNumEdit::DragKind() const { return d->FDragKind; }
bool TRyNumEdit::Dragging() const { return d->FDragging; }
bool TRyNumEdit::IsDesigning() const { return d->FDesigning; }

const std::string &TRyNumEdit::ValueText() const { return FValueText; }
const std::string &TRyNumEdit::DisplayText() const { return FDisplayText; }
const std::string &TRyNumEdit::UndoText() const { return FUndoText; }
bool TRyNumEdit::CanUndo() const { return FCanUndo; }
int TRyNumEdit::SelLength() const { return FSelLength; }
int TRyNumEdit::TextHeight() const { return FTextHeight; }
int TRyNumEdit::CaretWidth() const { return FCaretWidth; }
TRyNumEdit::TRect TRyNumEdit::TextRect() const { return FTextRect; }
QString TRyNumEdit::PreeditText() const { return d->FPreedit; }

QRect TRyNumEdit::CaretRect() const {
    return d->FCaret.Exists() ? d->FCaret.Rect() : QRect();
}

bool TRyNumEdit::CaretShown() const {
    return d->FCaret.Shown();
}

// --- Published properties -------------------------------------------------------------------
// Those only stored are read where they act.

void TRyNumEdit::SetArrowFocusMove(bool Value) { d->FArrowFocusMove = Value; }
void TRyNumEdit::SetEnterFocusMove(bool Value) { d->FEnterFocusMove = Value; }
void TRyNumEdit::SetErrorBeep(bool Value) { d->FErrorBeep = Value; }
void TRyNumEdit::SetHideSelection(bool Value) { d->FHideSelection = Value; }
void TRyNumEdit::SetImageCopy(bool Value) { d->FImageCopy = Value; }
void TRyNumEdit::SetOptions(TRyNumEditOptions Value) { d->FOptions = Value; }
void TRyNumEdit::SetImeName(const QString &Value) { d->FImeName = Value; }
void TRyNumEdit::SetDragCursor(Qt::CursorShape Value) { d->FDragCursor = Value; }
void TRyNumEdit::SetDragMode(TDragMode Value) { d->FDragMode = Value; }
void TRyNumEdit::SetDragKind(TDragKind Value) { d->FDragKind = Value; }

void TRyNumEdit::SetAlignment(TAlignment Value) {
    if (Value == d->FAlignment)
        return;
    d->FAlignment = Value;
    update();
    UpdateCaret();
}

void TRyNumEdit::SetAutoSelect(bool Value) {
    if (Value == d->FAutoSelect)
        return;
    d->FAutoSelect = Value;
    update();
}

void TRyNumEdit::SetAutoSize(bool Value) {
    if (Value == d->FAutoSize)
        return;
    d->FAutoSize = Value;
    setSizePolicy(sizePolicy().horizontalPolicy(),
                  Value ? QSizePolicy::Fixed : QSizePolicy::Preferred);
    AdjustHeight();
    AdjustWidth();
    update();
    UpdateCaret();
}

void TRyNumEdit::SetBorderStyle(TBorderStyle Value) {
    if (Value == d->FBorderStyle)
        return;
    d->FBorderStyle = Value;
    d->RecreateWnd();
    AdjustHeight();
    AdjustWidth();
    update();
    UpdateCaret();
}

void TRyNumEdit::SetBottomMargin(int Value) {
    if (Value < 0 || Value == d->FBottomMargin)
        return;
    d->FBottomMargin = Value;
    AdjustHeight();
    update();
    UpdateCaret();
}

void TRyNumEdit::SetComma(bool Value) {
    if (Value == d->FComma)
        return;
    d->FComma = Value;
    FormatChanged();
}

void TRyNumEdit::SetDecimalFixed(bool Value) {
    if (Value == d->FDecimalFixed)
        return;
    d->FDecimalFixed = Value;
    FormatChanged();
}

void TRyNumEdit::SetDecimalLength(int Value) {
    if (Value < 0 || Value == d->FDecimalLength)
        return;
    d->FDecimalLength = Value;
    FValueText = FilterText(FValueText);
    FormatChanged();
}

QColor TRyNumEdit::DisabledColor() const {
    return d->FDisabledColor.isValid() ? d->FDisabledColor
                                    : palette().color(QPalette::Disabled, QPalette::Text);
}

void TRyNumEdit::SetDisabledColor(const QColor &Value) {
    if (Value == d->FDisabledColor)
        return;
    const QColor shown = DisabledColor();
    d->FDisabledColor = Value;
    if (DisabledColor() != shown)
        update();
}

void TRyNumEdit::SetIntegerFixed(bool Value) {
    if (Value == d->FIntegerFixed)
        return;
    d->FIntegerFixed = Value;
    FormatChanged();
}

void TRyNumEdit::SetIntegerLength(int Value) {
    if (Value < 0 || Value == d->FIntegerLength)
        return;
    d->FIntegerLength = Value;
    FValueText = FilterText(FValueText);
    FormatChanged();
}

void TRyNumEdit::SetLeftMargin(int Value) {
    if (Value < 0 || Value == d->FLeftMargin)
        return;
    d->FLeftMargin = Value;
    AdjustWidth();
    update();
    UpdateCaret();
}

QString TRyNumEdit::LeftMark() const {
    return cp932::ToUnicode(d->FLeftMark);
}

void TRyNumEdit::SetLeftMark(const QString &Value) {
    const std::string mark = cp932::FromUnicode(Value);
    if (mark == d->FLeftMark)
        return;
    d->FLeftMark = mark;
    FormatChanged();
}

void TRyNumEdit::SetMinus(bool Value) {
    if (Value == d->FMinus)
        return;
    d->FMinus = Value;
    FValueText = FilterText(FValueText);
    FormatChanged();
}

void TRyNumEdit::SetRightMargin(int Value) {
    if (Value < 0 || Value == d->FRightMargin)
        return;
    d->FRightMargin = Value;
    AdjustWidth();
    update();
    UpdateCaret();
}

QString TRyNumEdit::RightMark() const {
    return cp932::ToUnicode(d->FRightMark);
}

void TRyNumEdit::SetRightMark(const QString &Value) {
    const std::string mark = cp932::FromUnicode(Value);
    if (mark == d->FRightMark)
        return;
    d->FRightMark = mark;
    FormatChanged();
}

void TRyNumEdit::SetTopMargin(int Value) {
    if (Value < 0 || Value == d->FTopMargin)
        return;
    d->FTopMargin = Value;
    AdjustHeight();
    update();
    UpdateCaret();
}

void TRyNumEdit::SetVertAlignment(TVertAlignment Value) {
    if (Value == d->FVertAlignment)
        return;
    d->FVertAlignment = Value;
    update();
    UpdateCaret();
}

QString TRyNumEdit::text() const {
    return cp932::ToUnicode(GetText());
}

void TRyNumEdit::setText(const QString &Value) {
    SetText(cp932::FromUnicode(Value));
}

QColor TRyNumEdit::Color() const {
    return d->FColor.isValid() ? d->FColor : palette().color(QPalette::Active, QPalette::Base);
}

void TRyNumEdit::SetColor(const QColor &Value) {
    // Any valid colour is fixed, even one equal to today's palette; an invalid one returns to
    // the system colour.
    if (Value == d->FColor)
        return;
    const QColor shown = Color();
    d->FColor = Value;
    if (Color() != shown)
        update();
}

bool TRyNumEdit::TabStop() const {
    // A form designer takes the focus of the widgets on its forms; what it shows and saves is
    // the value that was set.
    if (IsDesigning())
        return d->FTabStop;
    return (focusPolicy() & Qt::TabFocus) != 0;
}

void TRyNumEdit::SetTabStop(bool Value) {
    d->FTabStop = Value;
    // A mouse press focuses the control whether or not it is a tab stop.
    setFocusPolicy(Value ? Qt::StrongFocus : Qt::ClickFocus);
}

// --- The value text ---------------------------------------------------------------------------

void TRyNumEdit::SetText(const std::string &Value) {
    // The raw text is compared, so writing "05" over "5" still runs the filter.
    if (Value == FValueText)
        return;
    FValueText = StripLeadingZeros(FilterText(Value));
    ValueChanged();
}

std::string TRyNumEdit::GetText() const {
    return FValueText;
}

void TRyNumEditPrivate::AnnounceText(bool Now) {
    // Followed only while someone listens: connecting takes the value text as announced.
    static const QMetaMethod textChanged = QMetaMethod::fromSignal(&TRyNumEdit::textChanged);
    if ((FAnnounceHeld > 0 && !Now) || !q->isSignalConnected(textChanged) ||
        q->FValueText == FAnnounced)
        return;
    FAnnounced = q->FValueText;
    Q_EMIT q->textChanged(q->text());
}

void TRyNumEdit::FormatChanged() {
    ++d->FGeneration;
    FDisplayText = FormatDisplayText(FValueText);
    AdjustWidth();
    update();
    UpdateCaret();
    d->NotifyAccessibility();
    d->AnnounceText();
    Q_EMIT formatChanged();
}

void TRyNumEdit::ValueChanged() {
    FDisplayText = FormatDisplayText(FValueText);
    update();
    UpdateCaret();
    d->NotifyAccessibility();
    d->AnnounceText();
}

bool TRyNumEditPrivate::IsPlainControl() const {
    return typeid(*q) == typeid(TRyNumEdit);
}

size_t TRyNumEditPrivate::FixedDigits(int Limit, size_t Held) {
    return static_cast<size_t>(std::min<uint64_t>(static_cast<uint64_t>(std::max(Limit, 0)),
                                                  uint64_t{Held} + TRyNumEdit::MaxFixedDigits));
}

std::string TRyNumEdit::FormatDisplayText(const std::string &Value) const {
    // The value text's own number is formatted once, for the display and the layout.
    std::string number = &Value == &FValueText ? d->FormattedNumber() : FormatNumber(Value);
    if (number.empty() || (d->FLeftMark.empty() && d->FRightMark.empty()))
        return number;
    std::string display;
    display.reserve(d->FLeftMark.size() + number.size() + d->FRightMark.size());
    display += d->FLeftMark;
    display += number;
    display += d->FRightMark;
    return display;
}

std::string TRyNumEdit::FormatNumber(const std::string &Value) const {
    TNumberParts n = SplitNumber(Value);
    if (d->FComma)
        n.Integer = InsertCommas(n.Integer);
    if (d->FDecimalFixed) {
        // Padded (or cut) to DecimalLength digits, but never padded by more than a control
        // can show.
        n.Decimals.resize(TRyNumEditPrivate::FixedDigits(d->FDecimalLength, n.Decimals.size()), '0');
        if (d->FDecimalLength > 0)
            n.Point = ".";
    }
    if ((d->FIntegerFixed || d->FDecimalFixed) && n.Integer.empty())
        n.Integer = "0";
    return JoinNumber(n.Sign, n.Integer, n.Point, n.Decimals);
}

TNumberParts TRyNumEdit::SplitNumber(const std::string &Value) const {
    TNumberParts n;
    size_t start = 0;
    if (!Value.empty() && Value[0] == '-') {
        n.Sign = "-";
        start = 1;
    }
    const size_t point = Value.find('.', start);
    if (point == std::string::npos) {
        n.Integer = Value.substr(start);
    } else {
        n.Integer = Value.substr(start, point - start);
        n.Point = ".";
        n.Decimals = Value.substr(point + 1);
    }
    return n;
}

std::string TRyNumEdit::JoinNumber(const std::string &Sign, const std::string &Integer,
                                   const std::string &Point, const std::string &Decimals) const {
    std::string result;
    result.reserve(Sign.size() + Integer.size() + Point.size() + Decimals.size());
    result += Sign;
    result += Integer;
    result += Point;
    result += Decimals;
    return result;
}

std::string TRyNumEdit::InsertCommas(const std::string &Digits) const {
    const size_t n = Digits.size();
    if (n <= 3)
        return Digits;
    // A comma goes before every group of three counted from the right: the groups are copied
    // into a text of commas, leaving one between each two.
    std::string result(n + (n - 1) / 3, ',');
    const char *from = Digits.data();
    char *to = &result[0];
    const size_t head = n % 3 == 0 ? 3 : n % 3;
    std::memcpy(to, from, head);
    to += head;
    for (size_t done = head; done < n; done += 3) {
        ++to; // past the comma
        std::memcpy(to, from + done, 3);
        to += 3;
    }
    return result;
}

std::string TRyNumEdit::FilterText(const std::string &Value) const {
    const auto intLimit = static_cast<size_t>(d->FIntegerLength);
    const auto decLimit = static_cast<size_t>(d->FDecimalLength);
    std::string result;
    // The result can be no longer than the input, nor than the limits allow.
    result.reserve(std::min(Value.size(), intLimit + decLimit + 2));
    bool folded = false;     // a character has been produced by the folding stage
    bool pointTaken = false; // the result holds a "."
    size_t intDigits = 0;
    size_t decDigits = 0;

    // Folding and the character filter run in one pass; each folded character is filtered as
    // it is produced. The scan also ends as soon as the outcome can no longer change: once the
    // integer part is too long the whole value is discarded, and decimals past the limit are
    // cut anyway.
    const size_t size = Value.size();
    const char *const bytes = Value.data();
    for (size_t i = 0; i < size; ++i) {
        auto b = static_cast<unsigned char>(bytes[i]);
        if (IsDigit(static_cast<char>(b))) {
            // A run of ASCII digits is taken whole, as far as the limits let it.
            size_t run = 1;
            while (i + run < size && IsDigit(bytes[i + run]))
                ++run;
            folded = true;
            if (pointTaken) {
                const size_t room = decLimit - decDigits;
                result.append(bytes + i, std::min(run, room));
                if (run > room)
                    break; // everything after the last allowed decimal is cut
                decDigits += run;
            } else {
                if (run > intLimit - intDigits)
                    return std::string(); // too long an integer part discards the whole value
                intDigits += run;
                result.append(bytes + i, run);
            }
            i += run - 1;
            continue;
        }
        char c;
        if (cp932::IsLeadByte(b)) {
            if (i + 1 >= size)
                break; // a lead byte without its trail byte
            const unsigned code = cp932::PairCode(b, static_cast<unsigned char>(Value[i + 1]));
            ++i;
            if (code == cp932::FullWidthComma)
                continue; // the full-width comma is dropped by the folding
            c = cp932::FoldFullWidth(code);
            if (c == '\0')
                break;
        } else {
            c = static_cast<char>(b);
        }
        const bool first = !folded;
        folded = true;

        if (c == ',')
            continue;
        if (c == '-') {
            if (!(d->FMinus && first))
                break;
            result += c;
        } else if (c == '.') {
            if (decLimit == 0 || pointTaken)
                break;
            pointTaken = true;
            result += c;
        } else if (IsDigit(c)) {
            if (pointTaken) {
                if (decDigits == decLimit)
                    break; // everything after the last allowed decimal is cut
                ++decDigits;
            } else if (++intDigits > intLimit) {
                return std::string(); // too long an integer part discards the whole value
            }
            result += c;
        } else {
            break;
        }
    }
    return result;
}

std::string TRyNumEdit::StripLeadingZeros(const std::string &Value) const {
    // Built in one piece: a sign, a "0" where one is due, and the rest after the zeros.
    const bool negative = Value.find('-') != std::string::npos;
    const size_t start = negative ? 1 : 0;
    const size_t rest = std::min(Value.find_first_not_of('0', start), Value.size());
    std::string r;
    r.reserve(Value.size() + 1);
    if (negative)
        r += '-';
    if ((rest == Value.size() && rest > start) || (rest < Value.size() && Value[rest] == '.'))
        r += '0';
    r.append(Value, rest, std::string::npos);
    return r;
}
