// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// TRyNumEdit: a single-line control that holds one number as text and shows it formatted.
#pragma once

#include "RyNumEditKeys.h"
#include "rynumedit_export.h"
#include "rynumedit_version.h"

#include <QColor>
#include <QDrag>
#include <QMenu>
#include <QWidget>

#include <array>
#include <memory>
#include <string>

class QAction;
class QDropEvent;
class TRyNumEditPrivate;

namespace RyNumEdit {

/// A rectangle in client coordinates with an exclusive right and bottom edge,
/// as the layout formulas are written: (Left, Top, Left + width, Top + height).
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    /// The same pixels as a QRect (whose right() and bottom() are inclusive).
    QRect ToQRect() const { return QRect(Left, Top, Width(), Height()); }
    bool operator==(const TRect &o) const {
        return Left == o.Left && Top == o.Top && Right == o.Right && Bottom == o.Bottom;
    }
};

/// The four pieces of a value text; joined in this order they give it back.
struct TNumberParts {
    std::string Sign;
    std::string Integer;
    std::string Point;
    std::string Decimals;
};

} // namespace RyNumEdit

/// A numeric edit control. It never holds free text: the number lives in FValueText (code page
/// 932 bytes, in practice ASCII), and everything shown is derived from it by the virtual
/// formatting methods below, so a derived control can change the format.
///
/// Entry works like a pocket calculator's display: digits and the point are appended, the sign
/// key toggles a leading "-", Backspace and Delete remove the last character, and the selection
/// is all or nothing.
///
/// Binary interface: the class holds a pointer to its private state and the protected state
/// fields below, which derived controls may read and write; neither changes within a major
/// version. The control is used from the GUI thread only.
class RYNUMEDIT_EXPORT TRyNumEdit : public QWidget {
    Q_OBJECT

    Q_PROPERTY(TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(bool ArrowFocusMove READ ArrowFocusMove WRITE SetArrowFocusMove)
    Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE SetAutoSelect)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(int BottomMargin READ BottomMargin WRITE SetBottomMargin)
    Q_PROPERTY(bool Comma READ Comma WRITE SetComma NOTIFY formatChanged)
    Q_PROPERTY(bool DecimalFixed READ DecimalFixed WRITE SetDecimalFixed NOTIFY formatChanged)
    Q_PROPERTY(int DecimalLength READ DecimalLength WRITE SetDecimalLength NOTIFY formatChanged)
    Q_PROPERTY(QColor DisabledColor READ DisabledColor WRITE SetDisabledColor)
    Q_PROPERTY(bool EnterFocusMove READ EnterFocusMove WRITE SetEnterFocusMove)
    Q_PROPERTY(bool ErrorBeep READ ErrorBeep WRITE SetErrorBeep)
    Q_PROPERTY(bool HideSelection READ HideSelection WRITE SetHideSelection)
    Q_PROPERTY(bool ImageCopy READ ImageCopy WRITE SetImageCopy)
    Q_PROPERTY(bool IntegerFixed READ IntegerFixed WRITE SetIntegerFixed NOTIFY formatChanged)
    Q_PROPERTY(int IntegerLength READ IntegerLength WRITE SetIntegerLength NOTIFY formatChanged)
    Q_PROPERTY(int LeftMargin READ LeftMargin WRITE SetLeftMargin)
    Q_PROPERTY(QString LeftMark READ LeftMark WRITE SetLeftMark NOTIFY formatChanged)
    Q_PROPERTY(bool Minus READ Minus WRITE SetMinus NOTIFY formatChanged)
    Q_PROPERTY(TRyNumEditOptions Options READ Options WRITE SetOptions)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly NOTIFY readOnlyChanged)
    Q_PROPERTY(int RightMargin READ RightMargin WRITE SetRightMargin)
    Q_PROPERTY(QString RightMark READ RightMark WRITE SetRightMark NOTIFY formatChanged)
    Q_PROPERTY(QString Text READ text WRITE setText NOTIFY textChanged USER true)
    Q_PROPERTY(int TopMargin READ TopMargin WRITE SetTopMargin)
    Q_PROPERTY(TVertAlignment VertAlignment READ VertAlignment WRITE SetVertAlignment)
    // Framework properties that Qt has no direct counterpart for.
    Q_PROPERTY(QColor Color READ Color WRITE SetColor)
    Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE SetCtl3D)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    Q_PROPERTY(TImeMode ImeMode READ ImeMode WRITE SetImeMode)
    Q_PROPERTY(QString ImeName READ ImeName WRITE SetImeName)
    Q_PROPERTY(Qt::CursorShape DragCursor READ DragCursor WRITE SetDragCursor)
    Q_PROPERTY(TDragMode DragMode READ DragMode WRITE SetDragMode)
    Q_PROPERTY(TDragKind DragKind READ DragKind WRITE SetDragKind)

public:
    // The helper types, as derived controls and their handlers write them.
    using TRect = RyNumEdit::TRect;
    using TNumberParts = RyNumEdit::TNumberParts;
    using TShiftState = RyNumEdit::TShiftState;
    using TVirtualKey = RyNumEdit::TVirtualKey;

    enum TAlignment { taLeftJustify, taRightJustify, taCenter };
    Q_ENUM(TAlignment)
    enum TVertAlignment { taTopJustify, taBottomJustify, taVCenter };
    Q_ENUM(TVertAlignment)
    enum TBorderStyle { bsNone, bsSingle };
    Q_ENUM(TBorderStyle)
    enum TImeMode { imDisable, imClose, imOpen, imDontCare };
    Q_ENUM(TImeMode)
    /// dmAutomatic: a left press and a move of the start-drag distance drag the control;
    /// dmManual: only BeginDrag does.
    enum TDragMode { dmManual, dmAutomatic };
    Q_ENUM(TDragMode)
    /// Docking has no counterpart outside a QMainWindow's dock widgets: the control never
    /// docks, dkDock is kept as a form sets it, and every drag is an object drag.
    enum TDragKind { dkDrag, dkDock };
    Q_ENUM(TDragKind)
    /// What a drag over a control is doing, as OnDragOver is told.
    enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
    Q_ENUM(TDragState)
    /// Bit n of the options byte stands for the option of ordinal n.
    enum TRyNumEditOption {
        eoMinusOnly = 1 << 0,
        eoArrowUp = 1 << 1,
        eoArrowDown = 1 << 2,
        eoAutoWidthSize = 1 << 3,
        eoORInputStop = 1 << 4,
    };
    Q_DECLARE_FLAGS(TRyNumEditOptions, TRyNumEditOption)
    Q_FLAG(TRyNumEditOptions)

    /// Whether an instance runs in a program or is being edited in a form designer. Design mode
    /// is fixed at construction: the control then builds no context menu and no caret, and with
    /// eoAutoWidthSize and AutoSize its width follows the widest possible number. Only a
    /// designer plugin creates instances with dsDesigning.
    enum TDesignState { dsRunning, dsDesigning };

    explicit TRyNumEdit(QWidget *parent = nullptr, TDesignState State = dsRunning);
    ~TRyNumEdit() override;

    // --- Published properties -------------------------------------------------------------
    TAlignment Alignment() const;
    void SetAlignment(TAlignment Value);
    bool ArrowFocusMove() const;
    void SetArrowFocusMove(bool Value);
    bool AutoSelect() const;
    void SetAutoSelect(bool Value);
    bool AutoSize() const;
    void SetAutoSize(bool Value);
    TBorderStyle BorderStyle() const;
    void SetBorderStyle(TBorderStyle Value);
    int BottomMargin() const;
    void SetBottomMargin(int Value);
    bool Comma() const;
    void SetComma(bool Value);
    bool DecimalFixed() const;
    void SetDecimalFixed(bool Value);
    int DecimalLength() const;
    void SetDecimalLength(int Value);
    /// The text colour while disabled: the palette's disabled text colour (clGrayText), followed
    /// as the palette changes, until another colour is set; an invalid QColor returns to it.
    QColor DisabledColor() const;
    void SetDisabledColor(const QColor &Value);
    bool EnterFocusMove() const;
    void SetEnterFocusMove(bool Value);
    bool ErrorBeep() const;
    void SetErrorBeep(bool Value);
    bool HideSelection() const;
    void SetHideSelection(bool Value);
    bool ImageCopy() const;
    void SetImageCopy(bool Value);
    bool IntegerFixed() const;
    void SetIntegerFixed(bool Value);
    int IntegerLength() const;
    void SetIntegerLength(int Value);
    int LeftMargin() const;
    void SetLeftMargin(int Value);
    QString LeftMark() const;
    void SetLeftMark(const QString &Value);
    bool Minus() const;
    void SetMinus(bool Value);
    TRyNumEditOptions Options() const;
    void SetOptions(TRyNumEditOptions Value);
    bool ReadOnly() const;
    /// A read-only control takes no text, so it also turns the input method off for itself.
    void SetReadOnly(bool Value);
    int RightMargin() const;
    void SetRightMargin(int Value);
    QString RightMark() const;
    void SetRightMark(const QString &Value);
    int TopMargin() const;
    void SetTopMargin(int Value);
    TVertAlignment VertAlignment() const;
    void SetVertAlignment(TVertAlignment Value);

    /// The value text as Unicode; writing it behaves as SetText.
    QString text() const;
    void setText(const QString &Value);

    /// The background: the palette's base colour (clWindow), followed as the palette changes,
    /// until another colour is set; an invalid QColor returns to it. Getting a parent returns
    /// to it too, so a colour set before that does not last.
    QColor Color() const;
    void SetColor(const QColor &Value);
    bool Ctl3D() const;
    void SetCtl3D(bool Value);
    bool TabStop() const;
    void SetTabStop(bool Value);
    TImeMode ImeMode() const;
    /// imDisable turns the input method off for the control: keys then arrive as they are,
    /// without composing. imClose leaves it to the user to open, asking for Latin input.
    /// While ReadOnly it is off whatever the mode.
    void SetImeMode(TImeMode Value);
    QString ImeName() const;
    void SetImeName(const QString &Value);

    /// The cursor while the control is dragged over a control that accepts it. Qt draws a
    /// drag's cursor from its drop action, so the drag cursors choose among move (the default,
    /// Qt::DragMoveCursor), copy and link; any other shape shows as the move cursor. Over a
    /// control that refuses, the cursor is Qt::ForbiddenCursor.
    Qt::CursorShape DragCursor() const;
    void SetDragCursor(Qt::CursorShape Value);
    TDragMode DragMode() const;
    void SetDragMode(TDragMode Value);
    TDragKind DragKind() const;
    void SetDragKind(TDragKind Value);
    /// Starts dragging the control within the program: at once, or once the pointer has moved
    /// Threshold pixels (the platform's start-drag distance when negative) with the left button
    /// held. OnStartDrag is raised as the drag starts and OnEndDrag when it ends. Controls
    /// under the drag are asked through OnDragOver and the one that accepts it gets
    /// OnDragDrop. Nothing in design mode.
    void BeginDrag(bool Immediate, int Threshold = -1);
    /// The control is being dragged.
    bool Dragging() const;

    /// The context menu in use: the built-in one unless another one, or none, was assigned.
    QMenu *PopupMenu() const;
    void SetPopupMenu(QMenu *Value);

    /// As wide as the widest number the settings allow (as far as its first 18 characters, as
    /// Qt's spin boxes count theirs), with the marks, margins and frame; as high as AutoSize
    /// makes the control. Layouts keep that height (a fixed vertical size policy while
    /// AutoSize) and never make the control narrower than minimumSizeHint.
    QSize sizeHint() const override;
    /// As wide as a one-digit number with its marks, margins and frame; as high as sizeHint.
    QSize minimumSizeHint() const override;

    /// True only for an instance created in design mode (see TDesignState).
    bool IsDesigning() const;

    // --- Read-only views of the state, for windows and tests --------------------------------
    const std::string &ValueText() const;
    const std::string &DisplayText() const;
    const std::string &UndoText() const;
    bool CanUndo() const;
    int SelLength() const;
    int TextHeight() const;
    int CaretWidth() const;
    TRect TextRect() const;
    /// The caret's pixels in client coordinates while it exists (from the entry to the exit),
    /// a null rectangle otherwise.
    QRect CaretRect() const;
    /// The caret exists and is shown (it blinks while shown).
    bool CaretShown() const;
    /// The input method's composition in progress; it is shown but is not part of the value.
    QString PreeditText() const;
    /// Where the composition in progress is drawn, in client coordinates (empty without one).
    QRect PreeditRect() const;
    /// The built-in context menu and its items (indices 0 to 7, null for any other). They are
    /// built when first asked for (most fields never open their menu), and never in design
    /// mode, where these are null.
    QMenu *BuiltInPopup() const;
    QAction *MenuItem(int Index) const;

    // --- Commands: selection and value ----------------------------------------------------
    void SelectAll();
    void ClearSelection();
    void ClearValue();

    // --- Commands: clipboard ----------------------------------------------------------------
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    void Undo();

    // --- Window messages --------------------------------------------------------------------
    /// The keys the control wants from its form's dialog-key handling (DLGC_* bits).
    virtual int WMGetDlgCode() const;
    /// Copies at most BufferSize - 1 bytes of the value text and a terminating null into
    /// Buffer and returns the count copied.
    int WMGetText(int BufferSize, char *Buffer) const;
    /// Behaves as writing Text with a null-terminated code page 932 string.
    int WMSetText(const char *Value);

    /// Fixed zeros are built at most this many beyond the digits the value holds: the zeros
    /// DecimalFixed pads the number with, and the runs of zeros of IntegerFixed and
    /// DecimalFixed in the templates. That is some 8000 pixels at a 10-point font, more than a
    /// control can show, so a digit limit of any size up to 2^31 - 1 draws what it would draw
    /// in full while no text the control builds is longer than the value plus this.
    static constexpr int MaxFixedDigits = 1024;

    // Dialog codes.
    static constexpr int DLGC_WANTARROWS = 0x01;
    static constexpr int DLGC_WANTTAB = 0x02;
    static constexpr int DLGC_WANTALLKEYS = 0x04;
    static constexpr int DLGC_WANTCHARS = 0x80;

    // --- The virtual operations, in their documented order -------------------------------
    // Value text
    virtual void SetText(const std::string &Value);
    virtual std::string GetText() const;
    // Caret and automatic size
    virtual void CreateEditCaret();
    virtual void UpdateCaret();
    virtual void DestroyEditCaret();
    virtual void AdjustHeight();
    virtual void AdjustWidth();
    // Editing (each input operation consumes Key by setting it to '\0')
    virtual void DeleteLastChar();
    virtual void InputDigit(char &Key);
    virtual void InputDecimalPoint(char &Key);
    virtual void InputMinus(char &Key);
    // Widths
    virtual bool FitsDisplay(const std::string &Value) const;
    virtual int DisplayTextWidth(const std::string &Value) const;
    virtual int InputTextWidth(const std::string &Value) const;
    // Formatting
    virtual std::string FormatDisplayText(const std::string &Value) const;
    virtual std::string FormatNumber(const std::string &Value) const;
    virtual int AvailableWidth() const;
    // Undo
    virtual void SwapUndo();
    virtual void SaveUndo();
    // Filtering and the pieces of a number
    virtual std::string FilterText(const std::string &Value) const;
    virtual std::string StripLeadingZeros(const std::string &Value) const;
    virtual TNumberParts SplitNumber(const std::string &Value) const;
    virtual std::string JoinNumber(const std::string &Sign, const std::string &Integer,
                                   const std::string &Point, const std::string &Decimals) const;
    virtual std::string InsertCommas(const std::string &Digits) const;
    // Layout geometry
    virtual int NumberAreaWidth() const;
    virtual std::string NumberAreaTemplate() const;
    virtual std::string MaxNumberTemplate() const;
    virtual int TextWidth(const std::string &S) const;
    virtual TRect GetLeftMarkRect() const;
    virtual TRect GetNumberAreaRect() const;
    virtual TRect GetNumberTextRect() const;
    virtual TRect GetRightMarkRect() const;
    virtual QPoint GetCaretPoint() const;
    // The built-in context menu
    virtual void MenuPopup(QObject *Sender);
    virtual void MenuItemClick(QObject *Sender);

signals:
    /// Raised last by every accepted edit, cut, paste and undo; never by writing Text.
    void OnChange(TRyNumEdit *Sender);
    /// Raised whenever the value text differs from the one last announced, whatever changed
    /// it: an edit, writing Text, undo, a setting that refilters the value, the exit emptying
    /// a lone "-". Text is the new value text; nothing is raised by a write that changes
    /// nothing. (OnChange is the user's edits only.)
    void textChanged(const QString &Text);
    /// Raised when a key, a character or composed text is refused: wherever the control sounds
    /// its beep, and also when ErrorBeep is off, so that a program can show its own feedback.
    void inputRejected();
    /// Raised after a setting that the formatted number depends on changed (Comma, the digit
    /// limits, the fixed zeros, Minus, the marks).
    void formatChanged();
    void readOnlyChanged(bool ReadOnly);
    /// Raised before the key-down rules; a handler that sets Key to 0 turns them off.
    void OnKeyDown(TRyNumEdit *Sender, quint16 &Key, RyNumEdit::TShiftState Shift);
    /// Raised before the character rules with each code page 932 byte; a handler may replace
    /// it (0 is then refused like any other unusable character).
    void OnKeyPress(TRyNumEdit *Sender, char &Key);
    /// Raised on every key release with its code (0 for a key without one); a handler that
    /// sets Key to 0 keeps it from the parents.
    void OnKeyUp(TRyNumEdit *Sender, quint16 &Key, RyNumEdit::TShiftState Shift);
    void OnEnter(TRyNumEdit *Sender);
    void OnExit(TRyNumEdit *Sender);
    /// A left press and release inside the client area (not the second press of a double
    /// click).
    void OnClick(TRyNumEdit *Sender);
    void OnDblClick(TRyNumEdit *Sender);
    /// Mouse events in client coordinates, each raised after the control's own rule.
    void OnMouseDown(TRyNumEdit *Sender, Qt::MouseButton Button, RyNumEdit::TShiftState Shift,
                     int X, int Y);
    void OnMouseMove(TRyNumEdit *Sender, RyNumEdit::TShiftState Shift, Qt::MouseButtons Buttons,
                     int X, int Y);
    void OnMouseUp(TRyNumEdit *Sender, Qt::MouseButton Button, RyNumEdit::TShiftState Shift,
                   int X, int Y);
    /// Raised on the dragged control as its drag starts; a handler may give the drag a pixmap
    /// or data of its own.
    void OnStartDrag(TRyNumEdit *Sender, QDrag *Drag);
    /// Raised on the control a drag is over, in its client coordinates. Accept starts true
    /// when a handler is connected (no handler refuses every drag); a handler that leaves it
    /// false refuses the drop here. On leaving, the point is the last one inside.
    void OnDragOver(TRyNumEdit *Sender, QObject *Source, int X, int Y, TDragState State,
                    bool &Accept);
    /// Raised on the control a drag is dropped on, in its client coordinates.
    void OnDragDrop(TRyNumEdit *Sender, QObject *Source, int X, int Y);
    /// Raised on the dragged control when its drag ends: the control that took the drop and
    /// the point in its client coordinates, or null and (0, 0) when none did.
    void OnEndDrag(TRyNumEdit *Sender, QObject *Target, int X, int Y);
    /// Never raised: the control does not dock (see TDragKind). Declared for forms that
    /// connect them.
    void OnStartDock(TRyNumEdit *Sender);
    void OnEndDock(TRyNumEdit *Sender, QObject *Target, int X, int Y);

protected:
    // Qt events mapped onto the control's framework hooks.
    bool event(QEvent *e) override;
    void changeEvent(QEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;
    void inputMethodEvent(QInputMethodEvent *e) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void contextMenuEvent(QContextMenuEvent *e) override;
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dragMoveEvent(QDragMoveEvent *e) override;
    void dragLeaveEvent(QDragLeaveEvent *e) override;
    void dropEvent(QDropEvent *e) override;
    void connectNotify(const QMetaMethod &Signal) override;

    /// The steps that follow getting a (new) parent: measure the font, size, take clWindow.
    virtual void ParentAssigned();
    /// The key-down rules on a translated key; Key becomes 0 when consumed.
    virtual void KeyDownRules(quint16 &Key, RyNumEdit::TShiftState Shift);
    /// The character rules on one code page 932 byte; Key becomes 0 when consumed.
    virtual void KeyPressRules(char &Key);
    /// Reserved so that a later 1.x release can add virtual behaviour without moving a slot of
    /// the virtual table; does nothing now. A derived control that overrides it passes what it
    /// does not know to this one.
    virtual void virtual_hook(int Id, void *Data);

    /// Makes Value the value text as an accepted edit: records the undo text, reformats,
    /// repaints, places the caret, consumes Key and raises OnChange last.
    void Publish(const std::string &Value, char &Key);
    /// Reformat, repaint and re-place the caret after the value text changed.
    void ValueChanged();
    /// Reformat, adjust the width, repaint and re-place the caret after a setting that the
    /// display text depends on changed (the value text may have been refiltered too). The
    /// measurements kept of the value text are dropped: a derived control whose formatting or
    /// widths depend on state of its own calls this when that state changes.
    void FormatChanged();
    /// Refuses input: raises inputRejected and sounds the default beep when ErrorBeep is set.
    void Beep();

    // --- State shared by the control's parts --------------------------------------------
    // Part of the binary interface: derived controls read and write these as the control's
    // own operations do (a write of FValueText is followed by ValueChanged).
    /// The value text: empty, or an optional "-", integer digits and optionally "." and
    /// decimal digits; no separators or marks. What Text reads.
    std::string FValueText;
    /// FormatDisplayText(FValueText): the marks and the formatted number, as shown.
    std::string FDisplayText;
    /// The value text before the last recorded change, for Undo.
    std::string FUndoText;
    /// An undo text has been recorded.
    bool FCanUndo = false;
    /// 0 when nothing is selected; otherwise everything is, and this is the length that
    /// FDisplayText had then.
    int FSelLength = 0;
    /// True only while the constructor runs.
    bool FCreating = true;
    /// The height of a line of text in the control's font, 0 until it has a parent.
    int FTextHeight = 0;
    /// The caret's width: 2 while the font is bold, else 1.
    int FCaretWidth = 1;
    /// A double click has just selected everything; the press that follows keeps it.
    bool FDblClicked = false;
    /// Where the formatted number was last painted, in client coordinates.
    TRect FTextRect;
    /// The built-in context menu and its eight items (null until first needed, and always in
    /// design mode).
    QMenu *FPopup = nullptr;
    std::array<QAction *, 8> FMenuItems{};

private:
    friend class TRyNumEditPrivate;
    std::unique_ptr<TRyNumEditPrivate> const d;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TRyNumEdit::TRyNumEditOptions)
