// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// TRyNumEdit: a single-line control that holds one number as text and shows it formatted.
#pragma once

#include "RyNumEditKeys.h"
#include "rynumedit_export.h"
#include "rynumedit_version.h"

#include <QColor>
#include <QWidget>

#include <array>
#include <memory>
#include <string>

class QAction;
class QDrag;
class QDropEvent;
class QMenu;
class TRyNumEditPrivate;

namespace RyNumEdit {

/// A rectangle in client coordinates with an exclusive right and bottom edge,
/// as the layout formulas are written: (Left, Top, Left + width, Top + height).
struct TRect {
    int Left = 0;   ///< the left edge, the first column inside
    int Top = 0;    ///< the top edge, the first row inside
    int Right = 0;  ///< the right edge, the first column outside
    int Bottom = 0; ///< the bottom edge, the first row outside

    /// Right - Left.
    int Width() const { return Right - Left; }
    /// Bottom - Top.
    int Height() const { return Bottom - Top; }
    /// No pixel lies inside.
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    /// The same pixels as a QRect (whose right() and bottom() are inclusive).
    QRect ToQRect() const { return QRect(Left, Top, Width(), Height()); }
    /// The same four edges.
    bool operator==(const TRect &o) const {
        return Left == o.Left && Top == o.Top && Right == o.Right && Bottom == o.Bottom;
    }
};

/// The ids of TRyNumEdit::virtual_hook, through which a 1.x release adds virtual behaviour.
enum THookId {
    /// Since 1.1. Data is a TWantsKey: set Wanted for a key that KeyDownRules acts on, so that
    /// the window's shortcuts leave it to the control. TRyNumEdit answers for its own rules; a
    /// derived control that adds rules answers for their keys too (\ref subclassing).
    hkWantsKey = 1,
};

/// The question of hkWantsKey: does the control act on this key?
struct TWantsKey {
    quint16 Key = 0;     ///< the virtual-key code (RyNumEdit::vk)
    TShiftState Shift;   ///< the modifiers held with it
    bool Wanted = false; ///< set by whoever acts on the key
};

/// The four pieces of a value text; joined in this order they give it back.
struct TNumberParts {
    std::string Sign;     ///< "-" or empty
    std::string Integer;  ///< the integer digits (grouped once InsertCommas has run on them)
    std::string Point;    ///< "." or empty
    std::string Decimals; ///< the decimal digits
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
///
/// Its settings are Qt properties named as their getters (Alignment, IntegerLength, ...) and
/// written through Set<Name>, so forms and Qt Designer set them by name; Text, the value text,
/// is read and written through text() and setText() and is the USER property. The properties
/// the formatted number depends on notify through formatChanged, ReadOnly through
/// readOnlyChanged and Text through textChanged. Initial values are given in parentheses.
///
/// Three writers of the value text have names that differ by case only, each for its caller:
/// setText(QString) is the Text property's writer, for Qt (forms, Designer, delegates); it
/// converts to code page 932 and calls the virtual SetText(std::string), the specified writer,
/// which a derived control may override; WMSetText(const char *) is the window-text message,
/// which writes by the same rules without calling SetText.
///
/// The declarations are grouped by concern, each group naming the file that defines it.
///
/// \see \ref index "The overview", \ref operations, \ref limits, \ref subclassing
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
    using TRect = RyNumEdit::TRect;               ///< RyNumEdit::TRect
    using TNumberParts = RyNumEdit::TNumberParts; ///< RyNumEdit::TNumberParts
    using TShiftState = RyNumEdit::TShiftState;   ///< RyNumEdit::TShiftState
    using TVirtualKey = RyNumEdit::TVirtualKey;   ///< RyNumEdit::TVirtualKey

    /// Where the marks and the number stand across the client area: at the left margin, at the
    /// right margin, or centred between the two.
    enum TAlignment { taLeftJustify, taRightJustify, taCenter };
    Q_ENUM(TAlignment)
    /// Where the text row stands down the client area: at the top margin, at the bottom margin, or
    /// centred between the two.
    enum TVertAlignment { taTopJustify, taBottomJustify, taVCenter };
    Q_ENUM(TVertAlignment)
    /// The frame outside the client area: none, or a single one, drawn as a two-pixel sunken edge
    /// while Ctl3D and as a one-pixel line otherwise.
    enum TBorderStyle { bsNone, bsSingle };
    Q_ENUM(TBorderStyle)
    /// What the control asks of the input method (see SetImeMode). imOpen and imDontCare leave it
    /// as the user has it.
    enum TImeMode { imDisable, imClose, imOpen, imDontCare };
    Q_ENUM(TImeMode)
    /// dmAutomatic: a left press and a move of the start-drag distance drag the control;
    /// dmManual: only BeginDrag does.
    enum TDragMode { dmManual, dmAutomatic };
    Q_ENUM(TDragMode)
    /// Docking has no counterpart outside a QMainWindow's dock widgets: the control never
    /// docks, and while dkDock is set (kept as a form sets it) no drag starts at all.
    enum TDragKind { dkDrag, dkDock };
    Q_ENUM(TDragKind)
    /// What a drag over a control is doing, as OnDragOver is told.
    enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
    Q_ENUM(TDragState)
    /// The options of Options. Bit n of the options byte stands for the option of ordinal n.
    enum TRyNumEditOption {
        /// A value of "-" alone survives the exit; without it the exit empties it.
        eoMinusOnly = 1 << 0,
        /// With ArrowFocusMove, Up moves the focus to the previous control.
        eoArrowUp = 1 << 1,
        /// With ArrowFocusMove, Down moves the focus to the next control.
        eoArrowDown = 1 << 2,
        /// With AutoSize, in design mode, the width follows the widest number.
        eoAutoWidthSize = 1 << 3,
        /// A key that would make the display text wider than AvailableWidth is refused.
        eoORInputStop = 1 << 4,
    };
    /// A set of TRyNumEditOption.
    Q_DECLARE_FLAGS(TRyNumEditOptions, TRyNumEditOption)
    Q_FLAG(TRyNumEditOptions)

    /// Whether an instance runs in a program or is being edited in a form designer. Design mode
    /// is fixed at construction: the control then builds no context menu and no caret, and with
    /// eoAutoWidthSize and AutoSize its width follows the widest possible number. Only a
    /// designer plugin creates instances with dsDesigning.
    enum TDesignState { dsRunning, dsDesigning };

    /// A control of 121 x 20 pixels with the initial settings and an empty value. Given a parent,
    /// it measures its font and takes its automatic size at once (ParentAssigned). State is
    /// dsDesigning only for a form designer's instances.
    explicit TRyNumEdit(QWidget *parent = nullptr, TDesignState State = dsRunning);
    /// Destroys the control and its built-in menu.
    ~TRyNumEdit() override;

    // --- Published properties (RyNumEdit.cpp) --------------------------------------------
    /// Where the marks and the number stand across the client area (taRightJustify).
    TAlignment Alignment() const;
    /// \copydoc Alignment()
    void SetAlignment(TAlignment Value);
    /// Up and Down move the focus to the previous and the next control, as Shift+Tab and Tab do,
    /// where Options has eoArrowUp and eoArrowDown (false). Either key drops the selection.
    bool ArrowFocusMove() const;
    /// \copydoc ArrowFocusMove()
    void SetArrowFocusMove(bool Value);
    /// Entering the control selects its whole value (true).
    bool AutoSelect() const;
    /// \copydoc AutoSelect()
    void SetAutoSelect(bool Value);
    /// The height follows the font, the top and bottom margins and the frame, and layouts keep it
    /// (true). In design mode with eoAutoWidthSize the width follows the widest number too.
    bool AutoSize() const;
    /// \copydoc AutoSize()
    void SetAutoSize(bool Value);
    /// The frame around the client area (bsSingle).
    TBorderStyle BorderStyle() const;
    /// \copydoc BorderStyle()
    void SetBorderStyle(TBorderStyle Value);
    /// Pixels kept free below the text row (2).
    int BottomMargin() const;
    /// Sets BottomMargin; a negative value is ignored.
    void SetBottomMargin(int Value);
    /// The integer part is shown grouped by threes with "," (true). Separators are never part of
    /// the value text.
    bool Comma() const;
    /// \copydoc Comma()
    void SetComma(bool Value);
    /// The number is shown with exactly DecimalLength decimals, padded with zeros, and an empty
    /// value shows as a zero with them (false). The value text keeps only what was typed.
    bool DecimalFixed() const;
    /// \copydoc DecimalFixed()
    void SetDecimalFixed(bool Value);
    /// The most decimal digits the value holds (3); with 0 it takes no point.
    int DecimalLength() const;
    /// Sets DecimalLength; a negative value is ignored. The value text is filtered again: surplus
    /// decimals are cut, and with 0 the point goes too.
    void SetDecimalLength(int Value);
    /// The text colour while disabled: the palette's disabled text colour (clGrayText), followed
    /// as the palette changes, until another colour is set; an invalid QColor returns to it.
    QColor DisabledColor() const;
    /// \copydoc DisabledColor()
    void SetDisabledColor(const QColor &Value);
    /// Enter moves the focus to the next control (false); otherwise Enter is refused. While set,
    /// the control takes Enter and Escape before a dialog's buttons do (WMGetDlgCode).
    bool EnterFocusMove() const;
    /// \copydoc EnterFocusMove()
    void SetEnterFocusMove(bool Value);
    /// Refused input sounds the default beep (true); inputRejected is raised either way.
    bool ErrorBeep() const;
    /// \copydoc ErrorBeep()
    void SetErrorBeep(bool Value);
    /// Leaving the control drops the selection (true).
    bool HideSelection() const;
    /// \copydoc HideSelection()
    void SetHideSelection(bool Value);
    /// Copy and Cut put the display text, marks and separators included, on the clipboard instead
    /// of the value text (false).
    bool ImageCopy() const;
    /// \copydoc ImageCopy()
    void SetImageCopy(bool Value);
    /// The number's area is as wide as IntegerLength digits and a sign while Minus, and an empty
    /// value shows as 0 (false).
    bool IntegerFixed() const;
    /// \copydoc IntegerFixed()
    void SetIntegerFixed(bool Value);
    /// The most integer digits the value holds, the sign not counted (9).
    int IntegerLength() const;
    /// Sets IntegerLength; a negative value is ignored. The value text is filtered again: an
    /// integer part now too long empties it.
    void SetIntegerLength(int Value);
    /// Pixels kept free at the left of the client area (2).
    int LeftMargin() const;
    /// Sets LeftMargin; a negative value is ignored.
    void SetLeftMargin(int Value);
    /// Text shown before the number, such as a currency sign (empty); only with a number to show.
    /// It is held in code page 932: a character outside it becomes "?".
    QString LeftMark() const;
    /// \copydoc LeftMark()
    void SetLeftMark(const QString &Value);
    /// The value may be negative: "-" may be typed and written (true).
    bool Minus() const;
    /// Sets Minus. The value text is filtered again: turning it off empties a negative value.
    void SetMinus(bool Value);
    /// The options (eoArrowUp | eoArrowDown); see TRyNumEditOption. Writing them formats and sizes
    /// nothing again.
    TRyNumEditOptions Options() const;
    /// \copydoc Options()
    void SetOptions(TRyNumEditOptions Value);
    /// The user cannot change the value (false): typed characters, Backspace, Delete, paste and
    /// cut are ignored without a beep and the menu's editing items are disabled; selecting and
    /// copying still work. Text, WMSetText and the commands still change it.
    bool ReadOnly() const;
    /// Sets ReadOnly and raises readOnlyChanged. A read-only control takes no text, so it also
    /// turns the input method off for itself.
    void SetReadOnly(bool Value);
    /// Pixels kept free at the right of the client area (2).
    int RightMargin() const;
    /// Sets RightMargin; a negative value is ignored.
    void SetRightMargin(int Value);
    /// Text shown after the number, such as a unit (empty); only with a number to show. It is held
    /// in code page 932: a character outside it becomes "?".
    QString RightMark() const;
    /// \copydoc RightMark()
    void SetRightMark(const QString &Value);
    /// Pixels kept free above the text row (2).
    int TopMargin() const;
    /// Sets TopMargin; a negative value is ignored.
    void SetTopMargin(int Value);
    /// Where the text row stands down the client area (taVCenter).
    TVertAlignment VertAlignment() const;
    /// \copydoc VertAlignment()
    void SetVertAlignment(TVertAlignment Value);

    /// Text: the value text as Unicode, without marks or separators (empty).
    QString text() const;
    /// Writes Text through SetText, in code page 932; a character outside it becomes "?", where
    /// the filter stops. Raises textChanged when the value text changes, never OnChange.
    void setText(const QString &Value);

    /// The background: the palette's base colour (clWindow), followed as the palette changes,
    /// until another colour is set; an invalid QColor returns to it. Getting a parent returns
    /// to it too, so a colour set before that does not last.
    QColor Color() const;
    /// \copydoc Color()
    void SetColor(const QColor &Value);
    /// A single border is drawn as a two-pixel sunken edge rather than a one-pixel line (true).
    bool Ctl3D() const;
    /// \copydoc Ctl3D()
    void SetCtl3D(bool Value);
    /// Tab and Shift+Tab stop at the control (true): the focus policy is Qt::StrongFocus, or
    /// Qt::ClickFocus without it. A mouse press focuses the control either way.
    bool TabStop() const;
    /// \copydoc TabStop()
    void SetTabStop(bool Value);
    /// What the control asks of the input method (imDontCare).
    TImeMode ImeMode() const;
    /// imDisable turns the input method off for the control: keys then arrive as they are,
    /// without composing. imClose leaves it to the user to open, asking for Latin input.
    /// While ReadOnly it is off whatever the mode.
    void SetImeMode(TImeMode Value);
    /// The name of an input method (empty), kept as a form sets it: Qt chooses the input method.
    QString ImeName() const;
    /// \copydoc ImeName()
    void SetImeName(const QString &Value);

    // --- Dragging the control (RyNumEditDrag.cpp) ------------------------------------------
    /// The cursor while the control is dragged over a control that accepts it. Qt draws a
    /// drag's cursor from its drop action, so the drag cursors choose among move (the default,
    /// Qt::DragMoveCursor), copy and link; any other shape shows as the move cursor. Over a
    /// control that refuses, the cursor is Qt::ForbiddenCursor.
    Qt::CursorShape DragCursor() const;
    /// \copydoc DragCursor()
    void SetDragCursor(Qt::CursorShape Value);
    /// How a drag of the control starts (dmManual); see TDragMode.
    TDragMode DragMode() const;
    /// \copydoc DragMode()
    void SetDragMode(TDragMode Value);
    /// Kept as a form sets it (dkDrag); see TDragKind.
    TDragKind DragKind() const;
    /// \copydoc DragKind()
    void SetDragKind(TDragKind Value);
    /// Starts dragging the control within the program: at once, or once the pointer has moved
    /// Threshold pixels (the platform's start-drag distance when negative) with the left button
    /// held. OnStartDrag is raised as the drag starts and OnEndDrag when it ends. Controls
    /// under the drag are asked through OnDragOver and the one that accepts it gets
    /// OnDragDrop. Nothing in design mode or with dkDock.
    void BeginDrag(bool Immediate, int Threshold = -1);
    /// The control is being dragged.
    bool Dragging() const;

    // --- The context menu (RyNumEditClipboard.cpp) ----------------------------------------
    /// The context menu in use: the built-in one unless another one, or none, was assigned.
    QMenu *PopupMenu() const;
    /// Assigns the menu that a right click on the client area or the menu key opens, or none
    /// (null). The control does not take ownership; MenuPopup is for the built-in menu only.
    void SetPopupMenu(QMenu *Value);

    // --- Size hints for layouts (RyNumEditGeometry.cpp) -----------------------------------
    /// As wide as the widest number the settings allow (as far as its first 18 characters, as
    /// Qt's spin boxes count theirs), with the marks, margins and frame; as high as AutoSize
    /// makes the control. Layouts keep that height (a fixed vertical size policy while
    /// AutoSize) and never make the control narrower than minimumSizeHint.
    QSize sizeHint() const override;
    /// As wide as a one-digit number with its marks, margins and frame; as high as sizeHint.
    QSize minimumSizeHint() const override;

    // --- Read-only views of the state, for windows and tests (RyNumEdit.cpp) ---------------
    /// True only for an instance created in design mode (see TDesignState).
    bool IsDesigning() const;
    /// The value text in code page 932 bytes, as Text reads it.
    const std::string &ValueText() const;
    /// The display text: LeftMark, the formatted number and RightMark; empty without a number.
    const std::string &DisplayText() const;
    /// The value text that Undo brings back.
    const std::string &UndoText() const;
    /// An undo text has been recorded (it stays so).
    bool CanUndo() const;
    /// 0, or the length the display text had when everything was selected.
    int SelLength() const;
    /// The height of a text row in the control's font, 0 until it has a parent or is shown.
    int TextHeight() const;
    /// The caret's width: 2 while the font is bold, else 1.
    int CaretWidth() const;
    /// Where the formatted number was last painted, in client coordinates.
    TRect TextRect() const;
    /// The caret's pixels in client coordinates while it exists (from the entry to the exit),
    /// a null rectangle otherwise.
    QRect CaretRect() const;
    /// The caret exists and is shown (it blinks while shown).
    bool CaretShown() const;
    /// The input method's composition in progress; it is shown but is not part of the value.
    QString PreeditText() const;
    /// Where the composition in progress is drawn, in client coordinates (null without one): at
    /// the caret point, the number and marks moved aside, in sight in a narrow field.
    QRect PreeditRect() const;
    /// The built-in context menu and its items (indices 0 to 7, null for any other), built with
    /// the control; null in design mode.
    QMenu *BuiltInPopup() const;
    /// \copydoc BuiltInPopup()
    QAction *MenuItem(int Index) const;

    // --- Commands: selection and value (RyNumEditEditing.cpp) ----------------------------
    /// Selects everything (nothing while the display text is empty) and repaints.
    void SelectAll();
    /// Drops the selection and repaints.
    void ClearSelection();
    /// Empties the value, recording the old one for Undo, and drops the selection. Raises
    /// textChanged, not OnChange.
    void ClearValue();

    // --- Commands: clipboard (RyNumEditClipboard.cpp) -------------------------------------
    /// Puts the value text, or with ImageCopy the display text, on the clipboard; nothing without
    /// a selection.
    void CopyToClipboard();
    /// Copies, then empties the value as ClearValue does and raises OnChange; nothing without a
    /// selection. The user's Ctrl+X and menu item are refused while ReadOnly; this call is not.
    void CutToClipboard();
    /// Replaces the selection with the clipboard's text, or appends the text to the value, through
    /// FilterText and StripLeadingZeros; records the old value for Undo and raises OnChange.
    /// Nothing when the clipboard holds no text. The user's Ctrl+V and menu item are refused while
    /// ReadOnly; this call is not.
    void PasteFromClipboard();
    /// Exchanges the value text with the undo text, selects everything and raises OnChange;
    /// nothing before an undo text was recorded. The value comes back as it was, unchecked against
    /// settings changed since.
    void Undo();

    // --- Window messages: the dialog code (RyNumEditKeyboard.cpp) and the window text
    // (RyNumEditValue.cpp) --------------------------------------------------------------------
    /// The keys the control wants from its form's dialog-key handling (DLGC_* bits): the arrows
    /// and characters, and every key while EnterFocusMove. A form that moves the focus with Tab,
    /// Enter or arrows asks the focused control first; the control itself leaves Escape and an
    /// Enter that a QDialog's default button takes to the dialog unless DLGC_WANTALLKEYS is set.
    virtual int WMGetDlgCode() const;
    /// Copies at most BufferSize - 1 bytes of the value text and a terminating null into
    /// Buffer and returns the count copied.
    int WMGetText(int BufferSize, char *Buffer) const;
    /// Writes the value text from a null-terminated code page 932 string (null as empty) by the
    /// rules of SetText: FilterText, StripLeadingZeros, ValueChanged. The virtual SetText itself
    /// is not called. Returns 0.
    int WMSetText(const char *Value);

    /// Fixed zeros are built at most this many beyond the digits the value holds: the zeros
    /// DecimalFixed pads the number with, and the runs of zeros of IntegerFixed and
    /// DecimalFixed in the templates. That is some 8000 pixels at a 10-point font, more than a
    /// control can show, so a digit limit of any size up to 2^31 - 1 draws what it would draw
    /// in full while no text the control builds is longer than the value plus this.
    static constexpr int MaxFixedDigits = 1024;

    // Dialog codes.
    static constexpr int DLGC_WANTARROWS = 0x01;  ///< the arrow keys
    static constexpr int DLGC_WANTTAB = 0x02;     ///< Tab (which the control leaves to the form)
    static constexpr int DLGC_WANTALLKEYS = 0x04; ///< every key, Enter and Escape included
    static constexpr int DLGC_WANTCHARS = 0x80;   ///< the characters keys type

    // --- The virtual operations, in their documented order -------------------------------
    // The binary interface fixes the order of the virtual table as 1.0 had it: WMGetDlgCode
    // above comes before SetText, and ParentAssigned, KeyDownRules, KeyPressRules and
    // virtual_hook, added later, follow MenuItemClick. They are called in the documented order.
    // Value text (RyNumEditValue.cpp)
    /// Writes the value text (Text): nothing when Value equals it; otherwise FilterText, then
    /// StripLeadingZeros, then ValueChanged. Never beeps, records no undo text, raises no OnChange
    /// and leaves the selection.
    virtual void SetText(const std::string &Value);
    /// Reads the value text (Text): FValueText as it is.
    virtual std::string GetText() const;
    // Caret and automatic size (RyNumEditGeometry.cpp)
    /// Creates the caret as the focus enters, a text row high, and places it (UpdateCaret). Nothing
    /// in design mode.
    virtual void CreateEditCaret();
    /// Shows the caret at GetCaretPoint and tells the input method where it is, while the control
    /// has the focus; nothing otherwise or in design mode.
    virtual void UpdateCaret();
    /// Hides and destroys the caret as the focus leaves. Nothing in design mode.
    virtual void DestroyEditCaret();
    /// Has layouts ask the size again (updateGeometry) and, with AutoSize, makes the control as
    /// high as a text row with the top and bottom margins and the frame.
    virtual void AdjustHeight();
    /// Has layouts ask the size again and, in design mode with eoAutoWidthSize and AutoSize, makes
    /// the control as wide as MaxNumberTemplate with the marks, margins and frame. A running
    /// control keeps its width.
    virtual void AdjustWidth();
    // Editing (RyNumEditEditing.cpp; each input operation consumes Key by setting it to '\0')
    /// Backspace and Delete: removes the last character, and a "." it leaves last, recording the
    /// undo text and raising OnChange. With a selection it only empties the value (ClearValue),
    /// without OnChange; nothing while ReadOnly or empty. Never beeps.
    virtual void DeleteLastChar();
    /// A typed digit: appended after a selection is cleared, leading zeros dropped, and published
    /// (Publish). Refused with Beep past IntegerLength (or DecimalLength after the point) or, with
    /// eoORInputStop, when it would not fit (FitsDisplay). Ignored while ReadOnly.
    virtual void InputDigit(char &Key);
    /// A typed ".": appended once while DecimalLength is above 0, "0" put before it when no digit
    /// is; refused with Beep otherwise or, with eoORInputStop, when it would not fit. Ignored while
    /// ReadOnly.
    virtual void InputDecimalPoint(char &Key);
    /// A typed "-": adds or removes the leading sign while Minus (refused with Beep otherwise);
    /// adding it is refused with eoORInputStop when it would not fit. Removing it keeps the zeros:
    /// "-0" gives "0". Ignored while ReadOnly.
    virtual void InputMinus(char &Key);
    // Widths (RyNumEditGeometry.cpp)
    /// Value's display text is no wider than AvailableWidth (the test of eoORInputStop).
    virtual bool FitsDisplay(const std::string &Value) const;
    /// The width of FormatDisplayText(Value).
    virtual int DisplayTextWidth(const std::string &Value) const;
    /// The width of what has been typed of Value: the number with its separators but without the
    /// decimals that DecimalFixed pads on. GetCaretPoint puts the caret there.
    virtual int InputTextWidth(const std::string &Value) const;
    // Formatting (RyNumEditValue.cpp)
    /// The display text of Value: LeftMark, FormatNumber(Value) and RightMark, or empty when the
    /// formatted number is. FDisplayText is built with it; painting draws the marks and
    /// FormatNumber's text in their own rectangles, so what is drawn follows FormatNumber.
    virtual std::string FormatDisplayText(const std::string &Value) const;
    /// The formatted number of Value, without marks: its parts (SplitNumber), the integer grouped
    /// with Comma (InsertCommas), the decimals padded or cut to DecimalLength with DecimalFixed, an
    /// empty integer part shown as "0" with IntegerFixed or DecimalFixed, joined (JoinNumber). The
    /// value text's formatted number is kept until it or a setting changes: a derived control whose
    /// format depends on state of its own calls FormatChanged when that state changes.
    virtual std::string FormatNumber(const std::string &Value) const;
    /// The width the display text may take: the client width less the margins and, on each side,
    /// 2 pixels with a sunken edge (bsSingle and Ctl3D), else 1.
    virtual int AvailableWidth() const;
    // Undo (RyNumEditEditing.cpp)
    /// Exchanges the value text and the undo text (Undo); the caller formats again.
    virtual void SwapUndo();
    /// Records the value text as the undo text.
    virtual void SaveUndo();
    // Filtering and the pieces of a number (RyNumEditValue.cpp)
    /// Makes a value text of any text. Full-width digits, minus and full stop count as ASCII and
    /// full-width commas are dropped; the text is then read from its start: commas are skipped, "-"
    /// is taken only first and only while Minus, "." once and only while DecimalLength is above 0,
    /// and the first other character ends the number. Decimals past DecimalLength are cut, and an
    /// integer part longer than IntegerLength empties the whole value. Leading zeros stay.
    virtual std::string FilterText(const std::string &Value) const;
    /// Drops leading zeros: "007" gives "7", "000" gives "0", ".5" and "00.5" give "0.5", "-00"
    /// gives "-0"; "-" and "0." stay.
    virtual std::string StripLeadingZeros(const std::string &Value) const;
    /// The sign, the integer digits, the point and the decimals of a value text.
    virtual TNumberParts SplitNumber(const std::string &Value) const;
    /// Sign, Integer, Point and Decimals in one text.
    virtual std::string JoinNumber(const std::string &Sign, const std::string &Integer,
                                   const std::string &Point, const std::string &Decimals) const;
    /// Digits grouped by threes from the right with ",": "1234567" gives "1,234,567".
    virtual std::string InsertCommas(const std::string &Digits) const;
    // Layout geometry (RyNumEditGeometry.cpp)
    /// The width of NumberAreaTemplate: the room the number's area takes in the row.
    virtual int NumberAreaWidth() const;
    /// The text the number's area is measured with: the value text with its separators, with
    /// IntegerLength zeros and a sign while Minus under IntegerFixed, and DecimalLength zeros under
    /// DecimalFixed (fixed zeros capped at MaxFixedDigits beyond the digits held).
    virtual std::string NumberAreaTemplate() const;
    /// The widest number the settings allow: a sign while Minus, IntegerLength zeros (grouped with
    /// Comma), a point and DecimalLength zeros. sizeHint and the design-mode width measure it.
    virtual std::string MaxNumberTemplate() const;
    /// The width of a code page 932 text in the control's font, plus one pixel; 0 for an empty
    /// text. A text too long to lay out is added up character by character.
    virtual int TextWidth(const std::string &S) const;
    /// Where LeftMark is drawn, in client coordinates: as wide as the mark, or no width while the
    /// value is empty and no fixed zeros are shown.
    virtual TRect GetLeftMarkRect() const;
    /// The number's area, NumberAreaWidth wide, placed in the row by Alignment between the marks.
    virtual TRect GetNumberAreaRect() const;
    /// Where the formatted number is drawn: at the right end of its area.
    virtual TRect GetNumberTextRect() const;
    /// Where RightMark is drawn; empty as GetLeftMarkRect is.
    virtual TRect GetRightMarkRect() const;
    /// The caret's top left: just after the last typed character (InputTextWidth into the number),
    /// before any padded decimals.
    virtual QPoint GetCaretPoint() const;
    // The built-in context menu (RyNumEditClipboard.cpp)
    /// The built-in menu opening: the control takes the focus (so AutoSelect selects), then each
    /// item is enabled for what it can do now. Not called for a menu given by SetPopupMenu.
    virtual void MenuPopup(QObject *Sender);
    /// A built-in menu item chosen (Sender, with its index as data): Undo, CutToClipboard,
    /// CopyToClipboard, PasteFromClipboard, ClearValue (Delete, without OnChange) or SelectAll.
    virtual void MenuItemClick(QObject *Sender);

Q_SIGNALS:
    /// Raised last by every accepted edit, cut, paste and undo; never by writing Text.
    void OnChange(TRyNumEdit *Sender);
    /// Raised whenever the value text differs from the one last announced, whatever changed
    /// it: an edit, writing Text, undo, a setting that refilters the value, the exit emptying
    /// a lone "-". Text is the new value text; nothing is raised by a write that changes
    /// nothing. It is raised once for each change, with the value the change produced: a key
    /// typed over a selection, which empties the value and appends the digit, raises it once.
    /// Within a user's edit it comes before OnChange. (OnChange is the user's edits only.)
    void textChanged(const QString &Text);
    /// Raised when a key, a character or composed text is refused: wherever the control sounds
    /// its beep, and also when ErrorBeep is off, so that a program can show its own feedback.
    void inputRejected();
    /// Raised after a setting that the formatted number depends on changed (Comma, the digit
    /// limits, the fixed zeros, Minus, the marks).
    void formatChanged();
    /// Raised after ReadOnly changed, with its new value.
    void readOnlyChanged(bool ReadOnly);
    /// Raised before the key-down rules; a handler that sets Key to 0 turns them off. Key is a
    /// reference: only a direct connection (the default within the GUI thread) can change it.
    void OnKeyDown(TRyNumEdit *Sender, quint16 &Key, RyNumEdit::TShiftState Shift);
    /// Raised before the character rules with each code page 932 byte; a handler may replace
    /// it (0 is then refused like any other unusable character) through a direct connection.
    void OnKeyPress(TRyNumEdit *Sender, char &Key);
    /// Raised on every key release with its code (0 for a key without one); a handler that
    /// sets Key to 0 (through a direct connection) keeps it from the parents.
    void OnKeyUp(TRyNumEdit *Sender, quint16 &Key, RyNumEdit::TShiftState Shift);
    /// Raised as the focus enters the control, before AutoSelect selects. The focus coming back
    /// from a popup, the menu bar or another window is no entry.
    void OnEnter(TRyNumEdit *Sender);
    /// Raised as the focus leaves the control for another part of the program, before a lone "-"
    /// is emptied and HideSelection drops the selection.
    void OnExit(TRyNumEdit *Sender);
    /// A left press and release inside the client area (not the second press of a double
    /// click).
    void OnClick(TRyNumEdit *Sender);
    /// A left double click inside the client area, after it selected everything.
    void OnDblClick(TRyNumEdit *Sender);
    /// A button pressed on the client area, in client coordinates, raised after the control's
    /// own rule (focus, selection, drag). Any press also focuses the control.
    void OnMouseDown(TRyNumEdit *Sender, Qt::MouseButton Button, RyNumEdit::TShiftState Shift,
                     int X, int Y);
    /// The pointer moved over the client area, or anywhere while a button pressed there is held,
    /// in client coordinates; raised after the control's own rule (a move over the number with
    /// the left button held selects everything).
    void OnMouseMove(TRyNumEdit *Sender, RyNumEdit::TShiftState Shift, Qt::MouseButtons Buttons,
                     int X, int Y);
    /// A button released after a press on the client area (or over it), after OnClick.
    void OnMouseUp(TRyNumEdit *Sender, Qt::MouseButton Button, RyNumEdit::TShiftState Shift,
                   int X, int Y);
    /// Raised on the dragged control as its drag starts; a handler may give the drag a pixmap
    /// or data of its own.
    void OnStartDrag(TRyNumEdit *Sender, QDrag *Drag);
    /// Raised on the control a drag is over, in its client coordinates. Accept starts true
    /// when a handler is connected (no handler refuses every drag); a handler that leaves it
    /// false refuses the drop here; only a direct connection can set it. On leaving, the point
    /// is the last one inside.
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
    /// Never raised, as OnStartDock is not.
    void OnEndDock(TRyNumEdit *Sender, QObject *Target, int X, int Y);

protected:
    // --- Qt events mapped onto the control's framework hooks --------------------------------
    // Shared by several concerns (RyNumEdit.cpp)
    /// A new parent runs ParentAssigned; polishing formats the value again with the derived
    /// control's formatting (and a control shown without a parent measures its font then); the
    /// keys the control acts on are kept from the window's shortcuts; a commit just before the
    /// focus moves on is noted (see inputMethodEvent).
    bool event(QEvent *e) override;
    // Painting and what changes the look (RyNumEditPaint.cpp)
    /// A new font: the caret is rebuilt, the text row measured again and the size adjusted. The
    /// enabled state repaints; a language change translates the built-in menu.
    void changeEvent(QEvent *e) override;
    /// Paints the background (Color), the frame, the marks and the formatted number in their
    /// rectangles, as the selection and the enabled state show them, then any composition and the
    /// caret. Records FTextRect.
    void paintEvent(QPaintEvent *e) override;
    /// Repaints at once and places the caret again.
    void resizeEvent(QResizeEvent *e) override;
    // Keys and the input method (RyNumEditKeyboard.cpp)
    /// A key: OnKeyDown, then KeyDownRules with its virtual-key code, then OnKeyPress and
    /// KeyPressRules with each code page 932 byte it types. A key that neither consumed nor typed
    /// anything goes on to the parent.
    void keyPressEvent(QKeyEvent *e) override;
    /// OnKeyUp, once for a held key.
    void keyReleaseEvent(QKeyEvent *e) override;
    /// Composed text: each committed character through OnKeyPress and KeyPressRules, full-width
    /// digits, minus and full stop as ASCII, any other character refused byte by byte (a
    /// double-byte character beeps twice). The composition in progress is drawn at the caret
    /// point, the row making room for it, with the caret at the input method's cursor.
    void inputMethodEvent(QInputMethodEvent *e) override;
    /// The caret rectangle (at the composition's cursor while composing), the font and the hints
    /// (a formatted number; Latin preferred with imClose) that the input method asks for.
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    // The mouse and the focus (RyNumEditMouseFocus.cpp)
    /// Any button focuses the control; a left press on the client area drops the selection (not the
    /// second press of a double click) and may begin a drag (dmAutomatic). Then OnMouseDown.
    void mousePressEvent(QMouseEvent *e) override;
    /// A left double click selects everything; then OnDblClick.
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    /// Starts a waiting drag once the pointer has moved far enough; with the left button held over
    /// the number, selects everything. Then OnMouseMove.
    void mouseMoveEvent(QMouseEvent *e) override;
    /// OnClick for a click, then OnMouseUp.
    void mouseReleaseEvent(QMouseEvent *e) override;
    /// The entry (OnEnter, AutoSelect), unless the control stayed its window's focus meanwhile;
    /// then CreateEditCaret and UpdateCaret.
    void focusInEvent(QFocusEvent *e) override;
    /// The exit (OnExit, a lone "-" emptied, HideSelection), unless a popup, the menu bar or
    /// another window took the focus; a composition never committed is dropped; then
    /// DestroyEditCaret.
    void focusOutEvent(QFocusEvent *e) override;
    // The context menu (RyNumEditClipboard.cpp) and drops (RyNumEditDrag.cpp)
    /// Opens PopupMenu; nothing in design mode, and a right click on the frame is the parent's.
    void contextMenuEvent(QContextMenuEvent *e) override;
    /// An object drag entering: OnDragOver decides.
    void dragEnterEvent(QDragEnterEvent *e) override;
    /// An object drag moving over the control: OnDragOver decides.
    void dragMoveEvent(QDragMoveEvent *e) override;
    /// An object drag leaving: OnDragOver with dsDragLeave.
    void dragLeaveEvent(QDragLeaveEvent *e) override;
    /// An object drag dropped on the control: OnDragDrop.
    void dropEvent(QDropEvent *e) override;
    // Shared by several concerns (RyNumEdit.cpp)
    /// A handler of OnDragOver makes the control a drop site; a handler of textChanged is told
    /// of changes from the value text it was connected at.
    void connectNotify(const QMetaMethod &Signal) override;

    // --- Framework hooks: a new parent (RyNumEditPaint.cpp), the key rules
    // (RyNumEditKeyboard.cpp), the reserved hook (RyNumEdit.cpp) ------------------------------
    /// The steps that follow getting a (new) parent: measure the font, size, take clWindow.
    /// The constructor runs TRyNumEdit's own version when given a parent; a derived control's
    /// version runs for the parents it gets later.
    virtual void ParentAssigned();
    /// The key-down rules on a translated key; Key becomes 0 when consumed. A derived control
    /// that acts on more keys also claims them through virtual_hook (hkWantsKey), or a window's
    /// shortcut on such a key takes it first.
    virtual void KeyDownRules(quint16 &Key, RyNumEdit::TShiftState Shift);
    /// The character rules on one code page 932 byte; Key becomes 0 when consumed.
    virtual void KeyPressRules(char &Key);
    /// Where a 1.x release adds virtual behaviour without moving a slot of the virtual table;
    /// Id is a RyNumEdit::THookId (1.1: hkWantsKey). A derived control that overrides it passes
    /// what it does not know to this one.
    virtual void virtual_hook(int Id, void *Data);

    // --- Steps for derived controls: Publish and Beep (RyNumEditEditing.cpp), ValueChanged
    // and FormatChanged (RyNumEditValue.cpp) ---------------------------------------------------
    /// Makes Value the value text as an accepted edit: records the undo text, reformats,
    /// repaints, places the caret, consumes Key and raises OnChange last.
    void Publish(const std::string &Value, char &Key);
    /// Reformat, repaint and re-place the caret after the value text changed; textChanged is
    /// raised when the value text differs from the one last announced.
    void ValueChanged();
    /// Reformat, adjust the width, repaint and re-place the caret after a setting that the
    /// display text depends on changed (the value text may have been refiltered too). The
    /// measurements kept of the value text are dropped: a derived control whose formatting or
    /// widths depend on state of its own calls this when that state changes. Raises
    /// textChanged if the value text changed, then formatChanged.
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
    /// The height of a line of text in the control's font, 0 until it has a parent or is shown.
    int FTextHeight = 0;
    /// The caret's width: 2 while the font is bold, else 1.
    int FCaretWidth = 1;
    /// A double click has just selected everything; the press that follows keeps it.
    bool FDblClicked = false;
    /// Where the formatted number was last painted, in client coordinates.
    TRect FTextRect;
    /// The built-in context menu, built by the constructor (null in design mode).
    QMenu *FPopup = nullptr;
    /// The built-in menu's items by index: Undo, a separator, Cut, Copy, Paste, Delete, a
    /// separator, Select All (null in design mode).
    std::array<QAction *, 8> FMenuItems{};

private:
    friend class TRyNumEditPrivate;
    std::unique_ptr<TRyNumEditPrivate> const d;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TRyNumEdit::TRyNumEditOptions)
