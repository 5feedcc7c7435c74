// TRyNumEdit: a single-line control that holds one number as text and shows it formatted.
#pragma once

#include "VirtualKey.h"
#include "rynumedit_export.h"

#include <QColor>
#include <QDrag>
#include <QMenu>
#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class EditCaret;
class QAction;
class QDropEvent;

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

/// A numeric edit control. It never holds free text: the number lives in FValueText (code page
/// 932 bytes, in practice ASCII), and everything shown is derived from it by the virtual
/// formatting methods below, so a derived control can change the format.
///
/// Entry works like a pocket calculator's display: digits and the point are appended, the sign
/// key toggles a leading "-", Backspace and Delete remove the last character, and the selection
/// is all or nothing.
class RYNUMEDIT_EXPORT TRyNumEdit : public QWidget {
    Q_OBJECT

    Q_PROPERTY(TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(bool ArrowFocusMove READ ArrowFocusMove WRITE SetArrowFocusMove)
    Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE SetAutoSelect)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(int BottomMargin READ BottomMargin WRITE SetBottomMargin)
    Q_PROPERTY(bool Comma READ Comma WRITE SetComma)
    Q_PROPERTY(bool DecimalFixed READ DecimalFixed WRITE SetDecimalFixed)
    Q_PROPERTY(int DecimalLength READ DecimalLength WRITE SetDecimalLength)
    Q_PROPERTY(QColor DisabledColor READ DisabledColor WRITE SetDisabledColor)
    Q_PROPERTY(bool EnterFocusMove READ EnterFocusMove WRITE SetEnterFocusMove)
    Q_PROPERTY(bool ErrorBeep READ ErrorBeep WRITE SetErrorBeep)
    Q_PROPERTY(bool HideSelection READ HideSelection WRITE SetHideSelection)
    Q_PROPERTY(bool ImageCopy READ ImageCopy WRITE SetImageCopy)
    Q_PROPERTY(bool IntegerFixed READ IntegerFixed WRITE SetIntegerFixed)
    Q_PROPERTY(int IntegerLength READ IntegerLength WRITE SetIntegerLength)
    Q_PROPERTY(int LeftMargin READ LeftMargin WRITE SetLeftMargin)
    Q_PROPERTY(QString LeftMark READ LeftMark WRITE SetLeftMark)
    Q_PROPERTY(bool Minus READ Minus WRITE SetMinus)
    Q_PROPERTY(TRyNumEditOptions Options READ Options WRITE SetOptions)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(int RightMargin READ RightMargin WRITE SetRightMargin)
    Q_PROPERTY(QString RightMark READ RightMark WRITE SetRightMark)
    Q_PROPERTY(QString Text READ text WRITE setText)
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
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    bool ArrowFocusMove() const { return FArrowFocusMove; }
    void SetArrowFocusMove(bool Value) { FArrowFocusMove = Value; }
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    int BottomMargin() const { return FBottomMargin; }
    void SetBottomMargin(int Value);
    bool Comma() const { return FComma; }
    void SetComma(bool Value);
    bool DecimalFixed() const { return FDecimalFixed; }
    void SetDecimalFixed(bool Value);
    int DecimalLength() const { return FDecimalLength; }
    void SetDecimalLength(int Value);
    /// The text colour while disabled: the palette's disabled text colour (clGrayText), followed
    /// as the palette changes, until another colour is set; an invalid QColor returns to it.
    QColor DisabledColor() const;
    void SetDisabledColor(const QColor &Value);
    bool EnterFocusMove() const { return FEnterFocusMove; }
    void SetEnterFocusMove(bool Value) { FEnterFocusMove = Value; }
    bool ErrorBeep() const { return FErrorBeep; }
    void SetErrorBeep(bool Value) { FErrorBeep = Value; }
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool Value) { FHideSelection = Value; }
    bool ImageCopy() const { return FImageCopy; }
    void SetImageCopy(bool Value) { FImageCopy = Value; }
    bool IntegerFixed() const { return FIntegerFixed; }
    void SetIntegerFixed(bool Value);
    int IntegerLength() const { return FIntegerLength; }
    void SetIntegerLength(int Value);
    int LeftMargin() const { return FLeftMargin; }
    void SetLeftMargin(int Value);
    QString LeftMark() const;
    void SetLeftMark(const QString &Value);
    bool Minus() const { return FMinus; }
    void SetMinus(bool Value);
    TRyNumEditOptions Options() const { return FOptions; }
    void SetOptions(TRyNumEditOptions Value) { FOptions = Value; }
    bool ReadOnly() const { return FReadOnly; }
    /// A read-only control takes no text, so it also turns the input method off for itself.
    void SetReadOnly(bool Value);
    int RightMargin() const { return FRightMargin; }
    void SetRightMargin(int Value);
    QString RightMark() const;
    void SetRightMark(const QString &Value);
    int TopMargin() const { return FTopMargin; }
    void SetTopMargin(int Value);
    TVertAlignment VertAlignment() const { return FVertAlignment; }
    void SetVertAlignment(TVertAlignment Value);

    /// The value text as Unicode; writing it behaves as SetText.
    QString text() const;
    void setText(const QString &Value);

    /// The background: the palette's base colour (clWindow), followed as the palette changes,
    /// until another colour is set; an invalid QColor returns to it. Getting a parent returns
    /// to it too, so a colour set before that does not last.
    QColor Color() const;
    void SetColor(const QColor &Value);
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool Value);
    bool TabStop() const;
    void SetTabStop(bool Value);
    TImeMode ImeMode() const { return FImeMode; }
    /// imDisable turns the input method off for the control: keys then arrive as they are,
    /// without composing. imClose leaves it to the user to open, asking for Latin input.
    /// While ReadOnly it is off whatever the mode.
    void SetImeMode(TImeMode Value);
    QString ImeName() const { return FImeName; }
    void SetImeName(const QString &Value) { FImeName = Value; }

    /// The cursor while the control is dragged over a control that accepts it. Qt draws a
    /// drag's cursor from its drop action, so the drag cursors choose among move (the default,
    /// Qt::DragMoveCursor), copy and link; any other shape shows as the move cursor. Over a
    /// control that refuses, the cursor is Qt::ForbiddenCursor.
    Qt::CursorShape DragCursor() const { return FDragCursor; }
    void SetDragCursor(Qt::CursorShape Value) { FDragCursor = Value; }
    TDragMode DragMode() const { return FDragMode; }
    void SetDragMode(TDragMode Value) { FDragMode = Value; }
    TDragKind DragKind() const { return FDragKind; }
    void SetDragKind(TDragKind Value) { FDragKind = Value; }
    /// Starts dragging the control within the program: at once, or once the pointer has moved
    /// Threshold pixels (the platform's start-drag distance when negative) with the left button
    /// held. OnStartDrag is raised as the drag starts and OnEndDrag when it ends. Controls
    /// under the drag are asked through OnDragOver and the one that accepts it gets
    /// OnDragDrop. Nothing in design mode.
    void BeginDrag(bool Immediate, int Threshold = -1);
    /// The control is being dragged.
    bool Dragging() const { return FDragging; }

    /// The context menu in use: the built-in one unless another one, or none, was assigned.
    QMenu *PopupMenu() const;
    void SetPopupMenu(QMenu *Value);

    /// The construction size, with the height that AutoSize gives once the font is measured;
    /// layouts use it as the control's preferred size.
    QSize sizeHint() const override;

    /// True only for an instance created in design mode (see TDesignState).
    bool IsDesigning() const { return FDesigning; }

    // --- Read-only views of the state, for windows and tests --------------------------------
    const std::string &ValueText() const { return FValueText; }
    const std::string &DisplayText() const { return FDisplayText; }
    const std::string &UndoText() const { return FUndoText; }
    bool CanUndo() const { return FCanUndo; }
    int SelLength() const { return FSelLength; }
    int TextHeight() const { return FTextHeight; }
    int CaretWidth() const { return FCaretWidth; }
    const TRect &TextRect() const { return FTextRect; }
    const EditCaret &Caret() const { return *FCaret; }
    /// The input method's composition in progress; it is shown but is not part of the value.
    const QString &PreeditText() const { return FPreedit; }
    /// Where the composition in progress is drawn, in client coordinates (empty without one).
    QRect PreeditRect() const;
    /// The built-in context menu and its items. They are built when first asked for (most
    /// fields never open their menu), and never in design mode, where these are null.
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
    /// Raised before the key-down rules; a handler that sets Key to 0 turns them off.
    void OnKeyDown(TRyNumEdit *Sender, quint16 &Key, TShiftState Shift);
    /// Raised before the character rules with each code page 932 byte; a handler may replace
    /// it (0 is then refused like any other unusable character).
    void OnKeyPress(TRyNumEdit *Sender, char &Key);
    /// Raised on every key release with its code (0 for a key without one); a handler that
    /// sets Key to 0 keeps it from the parents.
    void OnKeyUp(TRyNumEdit *Sender, quint16 &Key, TShiftState Shift);
    void OnEnter(TRyNumEdit *Sender);
    void OnExit(TRyNumEdit *Sender);
    /// A left press and release inside the client area (not the second press of a double
    /// click).
    void OnClick(TRyNumEdit *Sender);
    void OnDblClick(TRyNumEdit *Sender);
    /// Mouse events in client coordinates, each raised after the control's own rule.
    void OnMouseDown(TRyNumEdit *Sender, Qt::MouseButton Button, TShiftState Shift, int X, int Y);
    void OnMouseMove(TRyNumEdit *Sender, TShiftState Shift, Qt::MouseButtons Buttons, int X, int Y);
    void OnMouseUp(TRyNumEdit *Sender, Qt::MouseButton Button, TShiftState Shift, int X, int Y);
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
    virtual void KeyDownRules(quint16 &Key, TShiftState Shift);
    /// The character rules on one code page 932 byte; Key becomes 0 when consumed.
    virtual void KeyPressRules(char &Key);
    /// True for the keys that the key-down rules act on with this modifier set.
    bool WantsKey(quint16 Key, TShiftState Shift) const;
    /// Takes the focus as the platform's focus call does: also in a window that is not
    /// active, which is then activated, the control being entered at once.
    void TakeFocus(Qt::FocusReason Reason);
    /// The entry: OnEnter, then AutoSelect.
    void EnterRule();
    /// The exit: OnExit, then the emptying of a lone "-" and HideSelection.
    void ExitRule();
    /// While the control stays its window's focus without Qt's focus (a popup or another
    /// window has that), a move of the window's focus elsewhere is its exit.
    void WatchWindowFocus();
    void StopWatchingWindowFocus();

    /// Makes Value the value text as an accepted edit: records the undo text, reformats,
    /// repaints, places the caret, consumes Key and raises OnChange last.
    void Publish(const std::string &Value, char &Key);
    /// How many zeros a fixed part Limit digits long gets when the value holds Held digits of
    /// it: Limit, but no more than MaxFixedDigits beyond Held.
    static size_t FixedDigits(int Limit, size_t Held);
    /// Drags the control now, in a loop of its own until the drop; OnStartDrag, then
    /// OnEndDrag.
    void ExecuteDrag();
    /// Asks OnDragOver about an object drag entering or moving over the control, and accepts
    /// or refuses it.
    void DragOverRule(QDropEvent *e, TDragState State);

    /// The height AutoSize gives: the text height, the top and bottom margins and the frame.
    int AutoHeight() const;

    /// Reformat, repaint and re-place the caret after the value text changed.
    void ValueChanged();
    /// Reformat, adjust the width, repaint and re-place the caret after a setting that the
    /// display text depends on changed (the value text may have been refiltered too). The
    /// measurements kept of the value text are dropped: a derived control whose formatting or
    /// widths depend on state of its own calls this when that state changes.
    void FormatChanged();
    /// Tells assistive technology that the displayed text changed.
    void NotifyAccessibility();
    /// The frame width that BorderStyle and Ctl3D put around the client area.
    int FrameWidth() const;
    /// Applies the border (contents margins) after BorderStyle or Ctl3D changed.
    void RecreateWnd();
    /// Posts a request to the top-level window to move the focus to the next or previous
    /// tab stop once the current event is done; none without a parent window.
    void RequestFocusMove(bool Next);
    /// Builds the built-in context menu unless it exists or the control is being designed;
    /// true when it exists afterwards.
    bool BuildPopupMenu();
    void Beep() const;

    // --- State shared by the control's parts --------------------------------------------
    std::string FValueText;
    std::string FDisplayText;
    std::string FUndoText;
    bool FCanUndo = false;
    int FSelLength = 0;
    bool FCreating = true;
    int FTextHeight = 0;
    int FCaretWidth = 1;
    bool FDblClicked = false;
    TRect FTextRect;
    QMenu *FPopup = nullptr;
    std::array<QAction *, 8> FMenuItems{};
    std::unique_ptr<EditCaret> FCaret;
    QString FPreedit;

private:
    /// The client size, the text height, the widths and the top that the layout rectangles
    /// are built from, in 64 bits so that no margin or width can overflow them.
    struct TRow {
        int64_t CW = 0, CH = 0, H = 0, W = 0, Lw = 0, Rw = 0, T = 0, Y = 0;
    };
    TRow Row() const;

    /// What the layout measures of the value text, kept while the value text, the settings
    /// and the font stay as they were, so that a value of megabytes is formatted and measured
    /// once, not for every rectangle, paint and caret move.
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
    /// FormatNumber(FValueText), formatted once for each value text and settings.
    const std::string &FormattedNumber() const;
    /// The measurements, taken once for each value text, settings and font.
    const TMeasures &Measures() const;
    /// The last text measured that is too long to lay out, and its width.
    struct TLongText {
        quint64 Generation = 0;
        std::string Text;
        int Width = 0;
    };
    mutable TMeasures FMeasures;
    mutable TLongText FLongText;
    /// Changes with every setting and font that formatting and measuring depend on.
    quint64 FGeneration = 1;

    TAlignment FAlignment = taRightJustify;
    bool FArrowFocusMove = false;
    bool FAutoSelect = true;
    bool FAutoSize = true;
    TBorderStyle FBorderStyle = bsSingle;
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
    TRyNumEditOptions FOptions = TRyNumEditOptions(eoArrowUp | eoArrowDown);
    bool FReadOnly = false;
    int FRightMargin = 2;
    std::string FRightMark;
    int FTopMargin = 2;
    TVertAlignment FVertAlignment = taVCenter;
    QColor FColor; ///< invalid while it is the system colour
    bool FCtl3D = true;
    TImeMode FImeMode = imDontCare;
    QString FImeName;
    bool FDesigning = false;
    bool FTabStop = true;
    QPointer<QMenu> FPopupMenu;
    /// From the entry to the exit: the control is its window's focus, also while a popup or
    /// another window has Qt's focus, so the focus coming back is no new entry.
    bool FEntered = false;
    QMetaObject::Connection FWindowFocusWatch;
    /// A left press that may become a click on release.
    bool FClickPending = false;
    Qt::CursorShape FDragCursor = Qt::DragMoveCursor;
    TDragMode FDragMode = dmManual;
    TDragKind FDragKind = dkDrag;
    bool FDragging = false;
    /// A drag waits for the pointer to move FDragThreshold pixels from FDragFrom.
    bool FDragPending = false;
    int FDragThreshold = 0;
    QPoint FDragFrom;
    /// The last object drag over the control: its source and point, for its leaving.
    QPointer<QObject> FDragOverSource;
    QPoint FDragOverPoint;
    /// A button was pressed on the client area and is held: the moves and the release belong
    /// to the client area wherever the pointer goes, as under the platform's mouse capture.
    bool FMouseCaptured = false;
    /// PopupMenu has been assigned; until then it is the built-in menu.
    bool FPopupMenuAssigned = false;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TRyNumEdit::TRyNumEditOptions)
