// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// TRyNumEditPrivate: the state and helpers of TRyNumEdit that are not part of its interface.
#pragma once

#include "EditCaret_p.h"
#include "RyNumEdit.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTextLayout>

#include <cstdint>
#include <string>

class QInputMethodEvent;

class TRyNumEditPrivate {
public:
    TRyNumEditPrivate(TRyNumEdit *Q, bool Designing);

    TRyNumEdit *const q;

    // --- Published properties -------------------------------------------------------------
    TRyNumEdit::TAlignment FAlignment = TRyNumEdit::taRightJustify;
    bool FArrowFocusMove = false;
    bool FAutoSelect = true;
    bool FAutoSize = true;
    TRyNumEdit::TBorderStyle FBorderStyle = TRyNumEdit::bsSingle;
    int FBottomMargin = 2;
    bool FComma = true;
    bool FDecimalFixed = false;
    int FDecimalLength = 3;
    QColor FDisabledColor; ///< invalid while it is the system colour
    bool FEnterFocusMove = false;
    bool FErrorBeep = true;
    bool FHideSelection = true;
    bool FImageCopy = false;
    bool FIntegerFixed = false;
    int FIntegerLength = 9;
    int FLeftMargin = 2;
    std::string FLeftMark;
    bool FMinus = true;
    TRyNumEdit::TRyNumEditOptions FOptions =
        TRyNumEdit::TRyNumEditOptions(TRyNumEdit::eoArrowUp | TRyNumEdit::eoArrowDown);
    bool FReadOnly = false;
    int FRightMargin = 2;
    std::string FRightMark;
    int FTopMargin = 2;
    TRyNumEdit::TVertAlignment FVertAlignment = TRyNumEdit::taVCenter;
    QColor FColor; ///< invalid while it is the system colour
    bool FCtl3D = true;
    TRyNumEdit::TImeMode FImeMode = TRyNumEdit::imDontCare;
    QString FImeName;
    const bool FDesigning;
    bool FTabStop = true;
    QPointer<QMenu> FPopupMenu;
    /// PopupMenu has been assigned; until then it is the built-in menu.
    bool FPopupMenuAssigned = false;
    Qt::CursorShape FDragCursor = Qt::DragMoveCursor;
    TRyNumEdit::TDragMode FDragMode = TRyNumEdit::dmManual;
    TRyNumEdit::TDragKind FDragKind = TRyNumEdit::dkDrag;

    // --- Caret and input method -------------------------------------------------------------
    RyNumEdit::EditCaret FCaret;
    /// The input method's composition in progress, its cursor (a position in it, and whether
    /// the input method shows it) and the formats it gives its segments.
    QString FPreedit;
    int FPreeditCursor = 0;
    bool FPreeditCursorShown = true;
    QList<QTextLayout::FormatRange> FPreeditFormats;
    /// Turns the input method on or off for the control by ReadOnly and ImeMode; Qt tells the
    /// input method at once while the control has the focus.
    void ApplyInputMethodState();
    /// Takes the composition of an input method event, and repaints and places the caret when
    /// it changed.
    void SetComposition(const QInputMethodEvent &e);
    /// The composition laid out in the control's font, formats included.
    void LayOutComposition(QTextLayout &Layout) const;

    /// Where the composition stands: it is inserted into the row at the caret point, Split in
    /// client coordinates, and what is drawn left of that point moves by LeftShift, what is
    /// drawn right of it by LeftShift and the composition's width, as the alignment makes room;
    /// the composition keeps its end and its cursor in sight.
    struct TComposition {
        int Split = 0;
        int LeftShift = 0;
        QRect Rect;      ///< the composition itself
        int CursorX = 0; ///< the input method's cursor, from Rect's left
    };
    TComposition Composition() const;
    /// Where the caret stands: at GetCaretPoint, or while composing at the composition's cursor.
    QPoint CaretPosition() const;

    /// A commit that has just ended this control's composition, and when it came. Qt commits a
    /// composition right before the focus moves on; such a commit is the one that the focus
    /// change delivered.
    QString FEndingCommit;
    QElapsedTimer FEndingCommitTime;
    /// Nothing has been typed or composed since the focus came: a commit without composition
    /// that repeats the one a focus change just delivered elsewhere is an echo of it.
    bool FFreshFocus = false;
    /// Records FEndingCommit as the commit of a focus change, when it came just now.
    void FocusAboutToChange();
    /// True, once, for a commit that repeats the one that the focus change into this control
    /// delivered to the control that had been composing.
    bool IsFocusCommitEcho(const QInputMethodEvent &e);

    // --- Focus and mouse ---------------------------------------------------------------------
    /// From the entry to the exit: the control is its window's focus, also while a popup or
    /// another window has Qt's focus, so the focus coming back is no new entry.
    bool FEntered = false;
    QMetaObject::Connection FWindowFocusWatch;
    /// A left press that may become a click on release.
    bool FClickPending = false;
    /// A button was pressed on the client area and is held: the moves and the release belong
    /// to the client area wherever the pointer goes, as under the platform's mouse capture.
    bool FMouseCaptured = false;

    /// True for the keys that TRyNumEdit's own key-down rules act on with this modifier set.
    bool WantsKey(quint16 Key, RyNumEdit::TShiftState Shift) const;
    /// Takes the focus as the platform's focus call does: also in a window that is not
    /// active, which is then activated, the control being entered at once.
    void TakeFocus(Qt::FocusReason Reason);
    /// The entry for a focus that came for Reason: at once, or after the press that gave it.
    void Enter(Qt::FocusReason Reason);
    /// The entry that a right or middle press put off, once the press is processed.
    void CompleteEntry();
    /// The mouse button whose press is taking the focus now.
    Qt::MouseButton FPressButton = Qt::NoButton;
    /// The focus came with a right or middle press; the entry follows its OnMouseDown.
    bool FEntryPending = false;
    /// The entry: OnEnter, then AutoSelect.
    void EnterRule();
    /// The exit: OnExit, then the emptying of a lone "-" and HideSelection.
    void ExitRule();
    /// While the control stays its window's focus without Qt's focus (a popup, another window
    /// or the menu bar has that), a move of the window's focus elsewhere is its exit.
    void WatchWindowFocus();
    void StopWatchingWindowFocus();
    /// Posts a request to the top-level window to move the focus to the next or previous
    /// tab stop once the current event is done; none without a parent window.
    void RequestFocusMove(bool Next);

    // --- Drag and drop -------------------------------------------------------------------------
    bool FDragging = false;
    /// A drag waits for the pointer to move FDragThreshold pixels from FDragFrom.
    bool FDragPending = false;
    int FDragThreshold = 0;
    QPoint FDragFrom;
    /// The last object drag over the control: its source and point, for its leaving.
    QPointer<QObject> FDragOverSource;
    QPoint FDragOverPoint;

    /// Drags the control now, in a loop of its own until the drop; OnStartDrag, then
    /// OnEndDrag.
    void ExecuteDrag();
    /// Asks OnDragOver about an object drag entering or moving over the control, and accepts
    /// or refuses it.
    void DragOverRule(QDropEvent *e, TRyNumEdit::TDragState State);

    // --- Measuring and the layout row ------------------------------------------------------
    /// How many zeros a fixed part Limit digits long gets when the value holds Held digits of
    /// it: Limit, but no more than MaxFixedDigits beyond Held.
    static size_t FixedDigits(int Limit, size_t Held);

    /// The client size, the text height, the widths and the top that the layout rectangles
    /// are built from, in 64 bits so that no margin or width can overflow them.
    struct TRow {
        int64_t CW = 0, CH = 0, H = 0, W = 0, Lw = 0, Rw = 0, T = 0, Y = 0;
    };
    TRow Row() const;

    /// What the layout measures of the value text, kept while the value text, the settings
    /// and the font stay as they were, so that a value of megabytes is formatted and measured
    /// once, not for every rectangle, paint and caret move. Only TRyNumEdit itself keeps them:
    /// a derived control may format and measure by state of its own, so its operations are
    /// asked each time, in the documented order.
    struct TMeasures {
        std::string Value;      ///< the value text measured
        quint64 Generation = 0; ///< of the settings and font it was measured with
        std::string Number;     ///< FormatNumber(Value)
        bool Measured = false;  ///< the widths below are those of Value
        int NumberWidth = 0;    ///< TextWidth(Number)
        int AreaWidth = 0;      ///< NumberAreaWidth()
        int InputWidth = 0;     ///< InputTextWidth(Value)
        int LeftMarkWidth = 0;
        int RightMarkWidth = 0;
    };
    /// The control is a TRyNumEdit itself, not a derived control: only then may a shortcut
    /// stand for its virtual operations (the measurements kept, a paste cut short).
    bool IsPlainControl() const;
    /// FormatNumber(FValueText), formatted once for each value text and settings.
    const std::string &FormattedNumber() const;
    /// The measurements, taken once for each value text, settings and font.
    const TMeasures &Measures() const;
    mutable TMeasures FMeasures;
    /// The last text measured that is too long to lay out, and its width.
    struct TLongText {
        quint64 Generation = 0;
        std::string Text;
        int Width = 0;
    };
    mutable TLongText FLongText;
    /// Changes with every setting and font that formatting and measuring depend on.
    quint64 FGeneration = 1;

    /// The value text that textChanged last announced.
    std::string FAnnounced;
    /// Raises textChanged when the value text differs from the one last announced, unless an
    /// operation holds the announcement back (Now announces all the same).
    void AnnounceText(bool Now = false);
    /// While above 0, an operation of several steps runs (a key over a selection empties the
    /// value, then appends the digit): textChanged waits for its end, to be raised once.
    int FAnnounceHeld = 0;
    /// Holds textChanged back for one operation and raises it at its end.
    class THoldAnnouncement {
    public:
        explicit THoldAnnouncement(TRyNumEditPrivate *D) : d(D) { ++d->FAnnounceHeld; }
        ~THoldAnnouncement() {
            if (--d->FAnnounceHeld == 0)
                d->AnnounceText();
        }
        THoldAnnouncement(const THoldAnnouncement &) = delete;
        THoldAnnouncement &operator=(const THoldAnnouncement &) = delete;

    private:
        TRyNumEditPrivate *d;
    };

    // --- Sizing, border, menu, accessibility ------------------------------------------------
    /// Measures the text row in the control's font (FTextHeight) and adjusts the size to it.
    void MeasureTextHeight();
    /// The height AutoSize gives: the text height, the top and bottom margins and the frame.
    int AutoHeight() const;
    /// The width of a control showing Number with the marks: the widths, the margins, the two
    /// pixels the row keeps free and the frame.
    int RowWidth(const std::string &Number) const;
    /// The height layouts are asked for: AutoHeight, with the font measured now if the control
    /// has not measured it yet.
    int HintHeight() const;
    /// The frame width that BorderStyle and Ctl3D put around the client area.
    int FrameWidth() const;
    /// Applies the border (contents margins) after BorderStyle or Ctl3D changed.
    void RecreateWnd();
    /// Builds the built-in context menu, unless the control is being designed.
    void BuildPopupMenu();
    /// Gives the menu's items their captions in the application's language (the Japanese
    /// source texts where no translation is loaded).
    void TranslateMenu();
    /// Tells assistive technology that the displayed text changed.
    void NotifyAccessibility();
};
