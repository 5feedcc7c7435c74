// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// TRyNumEdit: construction, the published properties, the read-only views of the state, and the
// routing of Qt's events that several concerns share.
#include "RyNumEdit.h"
#include "RyNumEdit_p.h"

#include "RyNumEditAccessible_p.h"
#include "ShiftJis_p.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QPalette>

using namespace RyNumEdit;

TRyNumEditPrivate::TRyNumEditPrivate(TRyNumEdit *Q, bool Designing)
    : q(Q), FDesigning(Designing), FCaret(Q) {}

TRyNumEdit::TRyNumEdit(QWidget *parent, TDesignState State)
    : QWidget(parent), d(std::make_unique<TRyNumEditPrivate>(this, State == dsDesigning)) {
    // FCreating is true from here until the end of the constructor.
    InstallAccessibility();
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

void TRyNumEdit::virtual_hook(int Id, void *Data) {
    if (Id == hkWantsKey && Data) {
        auto *query = static_cast<TWantsKey *>(Data);
        query->Wanted = query->Wanted || d->WantsKey(query->Key, query->Shift);
    }
}

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
QRect TRyNumEdit::PreeditRect() const { return d->Composition().Rect; }

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

void TRyNumEdit::SetReadOnly(bool Value) {
    if (Value == d->FReadOnly)
        return;
    d->FReadOnly = Value;
    d->ApplyInputMethodState();
    Q_EMIT readOnlyChanged(Value);
}

void TRyNumEdit::SetImeMode(TImeMode Value) {
    if (Value == d->FImeMode)
        return;
    d->FImeMode = Value;
    d->ApplyInputMethodState();
    if (hasFocus())
        if (QInputMethod *im = QGuiApplication::inputMethod())
            im->update(Qt::ImHints);
}

void TRyNumEdit::SetCtl3D(bool Value) {
    if (Value == d->FCtl3D)
        return;
    d->FCtl3D = Value;
    if (FCreating)
        return;
    if (d->FBorderStyle == bsSingle)
        d->RecreateWnd();
    AdjustHeight();
    AdjustWidth();
}

// --- Events several concerns share --------------------------------------------------------------

void TRyNumEdit::connectNotify(const QMetaMethod &Signal) {
    // Only a control that may accept drops is a drop site; the value text is followed for
    // textChanged from the time someone listens.
    if (Signal == QMetaMethod::fromSignal(&TRyNumEdit::OnDragOver))
        setAcceptDrops(true);
    else if (Signal == QMetaMethod::fromSignal(&TRyNumEdit::textChanged))
        d->FAnnounced = FValueText;
    QWidget::connectNotify(Signal);
}

bool TRyNumEdit::event(QEvent *e) {
    switch (e->type()) {
    case QEvent::ParentChange:
        if (parentWidget())
            ParentAssigned();
        break;
    case QEvent::Polish:
        // A control shown as a window of its own never had a parent to measure its font for.
        if (FTextHeight == 0)
            d->MeasureTextHeight();
        // The constructor formatted the first display text with this class's own formatting;
        // a derived control's formatting shapes it from here on.
        ++d->FGeneration;
        ValueChanged();
        break;
    case QEvent::FocusAboutToChange:
        d->FocusAboutToChange();
        break;
    case QEvent::ShortcutOverride: {
        // Keys the control's key rules act on, a derived control's included, are not taken by
        // a window's shortcuts.
        const TVirtualKey v = TranslateKey(*static_cast<QKeyEvent *>(e));
        TWantsKey query{v.Code, v.Shift, false};
        if (v.Code != 0)
            virtual_hook(hkWantsKey, &query);
        if (query.Wanted) {
            e->accept();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::event(e);
}
