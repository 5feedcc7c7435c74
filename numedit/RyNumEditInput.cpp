// TRyNumEdit: keys, characters, the input method, the mouse, focus and the window-text messages.
#include "RyNumEdit.h"

#include "ShiftJis.h"

#include <QApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>
#include <cstring>

namespace {

/// True when a dialog takes this key before the control: Escape for its cancel, and Enter
/// when it has a default button to press. Enter without one reaches the control.
bool DialogTakesKey(const QWidget *form, int key) {
    const auto *dialog = qobject_cast<const QDialog *>(form);
    if (!dialog)
        return false;
    if (key == Qt::Key_Escape)
        return true;
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    const auto buttons = dialog->findChildren<QPushButton *>();
    return std::any_of(buttons.begin(), buttons.end(),
                       [](const QPushButton *b) { return b->isDefault() && b->isVisible(); });
}

/// The characters a key produces, as code page 932 bytes: what the key-down of another
/// windowing system would turn into character messages. Ctrl with a letter gives its control
/// code whatever the event's text, Ctrl with any other key no printable character; Tab belongs
/// to the form's focus handling, and Delete and keys with Alt alone give nothing.
std::string CharactersOf(const QKeyEvent &e) {
    const Qt::KeyboardModifiers m = e.modifiers();
    const bool ctrl = m.testFlag(Qt::ControlModifier);
    const bool alt = m.testFlag(Qt::AltModifier);
    const int key = e.key();
    if (alt && !ctrl)
        return std::string();
    if (key == Qt::Key_Delete || key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return std::string();
    if (ctrl && !alt) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return std::string(1, static_cast<char>(key - Qt::Key_A + 1));
        const QString text = e.text();
        const bool controlOnly = std::all_of(text.begin(), text.end(), [](QChar c) {
            return c.unicode() < 0x20 || c.unicode() == 0x7F;
        });
        return controlOnly ? cp932::FromUnicode(text) : std::string();
    }
    return cp932::FromUnicode(e.text());
}

/// The next or previous widget after from that Tab would reach inside its window.
QWidget *NextTabStop(QWidget *from, bool next) {
    QWidget *w = from;
    for (;;) {
        w = next ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == from)
            return nullptr;
        if (w->window() == from->window() && (w->focusPolicy() & Qt::TabFocus) && w->isVisible() &&
            w->isEnabled())
            return w;
    }
}

/// Full-width digits, minus and full stop composed by an input method enter as ASCII.
char FoldFullWidth(char32_t c) {
    if (c >= 0xFF10 && c <= 0xFF19)
        return static_cast<char>('0' + (c - 0xFF10));
    if (c == 0xFF0D)
        return '-';
    if (c == 0xFF0E)
        return '.';
    return '\0';
}

} // namespace

// --- Routing of Qt events -----------------------------------------------------------------------

bool TRyNumEdit::event(QEvent *e) {
    switch (e->type()) {
    case QEvent::ParentChange:
        if (parentWidget())
            ParentAssigned();
        break;
    case QEvent::ShortcutOverride: {
        // Keys the control handles itself are not taken by a window's shortcuts.
        auto *k = static_cast<QKeyEvent *>(e);
        const TVirtualKey v = TranslateKey(*k);
        if (v.Code != 0 && WantsKey(v.Code, v.Shift)) {
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

bool TRyNumEdit::WantsKey(quint16 Key, TShiftState Shift) const {
    if (Shift.ShiftOnly())
        return Key == vk::Left || Key == vk::Right;
    if (Shift.CtrlOnly())
        return Key == vk::Letter('A') || Key == vk::Letter('C') ||
               (!FReadOnly && (Key == vk::Letter('V') || Key == vk::Letter('X')));
    if (Shift.None())
        return (Key >= vk::Prior && Key <= vk::Down) || Key == vk::Back || Key == vk::Delete;
    return false;
}

void TRyNumEdit::keyPressEvent(QKeyEvent *e) {
    // Enter and Escape that the control does not claim go to a dialog's default and cancel
    // buttons first, as a form's dialog keys do.
    if (!(WMGetDlgCode() & DLGC_WANTALLKEYS) && DialogTakesKey(window(), e->key())) {
        e->ignore();
        return;
    }

    const TVirtualKey v = TranslateKey(*e);
    quint16 key = v.Code;
    if (key != 0) {
        emit OnKeyDown(this, key, v.Shift);
        if (key != 0)
            KeyDownRules(key, v.Shift);
    }

    const std::string chars = CharactersOf(*e);
    for (char c : chars) {
        emit OnKeyPress(this, c);
        KeyPressRules(c);
    }
    if (chars.empty() && key == v.Code && key != 0 && !WantsKey(key, v.Shift))
        e->ignore(); // nothing here wanted the key: let the parents see it
    else
        e->accept();
}

void TRyNumEdit::KeyDownRules(quint16 &Key, TShiftState Shift) {
    if (Shift.ShiftOnly() && (Key == vk::Left || Key == vk::Right)) {
        SelectAll();
        Key = 0;
    } else if (Shift.CtrlOnly() && Key == vk::Letter('A')) {
        SelectAll();
        Key = 0;
    } else if (Shift.CtrlOnly() && Key == vk::Letter('C')) {
        CopyToClipboard();
        Key = 0;
    } else if (Shift.None() && (Key == vk::Prior || Key == vk::Next || Key == vk::End ||
                                Key == vk::Home || Key == vk::Left || Key == vk::Right)) {
        ClearSelection();
        Key = 0;
    } else if (Shift.None() && (Key == vk::Up || Key == vk::Down)) {
        const bool up = Key == vk::Up;
        ClearSelection();
        Key = 0;
        if (FArrowFocusMove && FOptions.testFlag(up ? eoArrowUp : eoArrowDown))
            RequestFocusMove(!up);
    } else if (FReadOnly) {
        return;
    } else if (Shift.CtrlOnly() && Key == vk::Letter('V')) {
        PasteFromClipboard();
        Key = 0;
    } else if (Shift.CtrlOnly() && Key == vk::Letter('X')) {
        CutToClipboard();
        Key = 0;
    } else if (Shift.None() && (Key == vk::Back || Key == vk::Delete)) {
        DeleteLastChar();
        Key = 0;
    }
}

void TRyNumEdit::KeyPressRules(char &Key) {
    if (FReadOnly) {
        Key = '\0';
        return;
    }
    switch (static_cast<unsigned char>(Key)) {
    case 1:  // Ctrl+A
    case 3:  // Ctrl+C
    case 8:  // Backspace
    case 22: // Ctrl+V
    case 24: // Ctrl+X
        // Their work was done at key-down.
        Key = '\0';
        return;
    case 13:
        if (FEnterFocusMove) {
            if (window() != this) {
                RequestFocusMove(true);
                Key = '\0';
            }
        } else {
            Beep();
            Key = '\0';
        }
        return;
    case '-':
        InputMinus(Key);
        return;
    case '.':
        InputDecimalPoint(Key);
        return;
    default:
        if (Key >= '0' && Key <= '9') {
            InputDigit(Key);
            return;
        }
        Beep();
        Key = '\0';
        return;
    }
}

void TRyNumEdit::inputMethodEvent(QInputMethodEvent *e) {
    const QString commit = e->commitString();
    // Character by character (a surrogate pair is one character).
    for (qsizetype i = 0; i < commit.size();) {
        const qsizetype n = commit.at(i).isHighSurrogate() && i + 1 < commit.size() ? 2 : 1;
        const QString ch = commit.mid(i, n);
        i += n;
        std::string bytes;
        if (const char folded = FoldFullWidth(ch.toUcs4().value(0)))
            bytes.assign(1, folded);
        else
            bytes = cp932::FromUnicode(ch);
        // Anything else is refused byte by byte by the character rules.
        for (char c : bytes) {
            emit OnKeyPress(this, c);
            KeyPressRules(c);
        }
    }
    // What is still being composed is shown beside the caret until it is committed.
    if (e->preeditString() != FPreedit) {
        FPreedit = e->preeditString();
        update();
    }
    e->accept();
}

QVariant TRyNumEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
    switch (query) {
    case Qt::ImEnabled:
        return true;
    case Qt::ImCursorRectangle:
    case Qt::ImAnchorRectangle: {
        const QPoint p = GetCaretPoint() + contentsRect().topLeft();
        return QRect(p, QSize(FCaretWidth, FTextHeight));
    }
    case Qt::ImFont:
        return font();
    case Qt::ImHints:
        return int(Qt::ImhPreferNumbers | Qt::ImhNoPredictiveText);
    case Qt::ImSurroundingText:
        return cp932::ToUnicode(FValueText);
    case Qt::ImCursorPosition:
    case Qt::ImAnchorPosition:
        return static_cast<int>(FValueText.size());
    default:
        return QWidget::inputMethodQuery(query);
    }
}

// --- Mouse ------------------------------------------------------------------------------------

void TRyNumEdit::mousePressEvent(QMouseEvent *e) {
    // Any button gives an unfocused control the focus, read-only or not, tab stop or not.
    if (!IsDesigning() && !hasFocus())
        setFocus(Qt::MouseFocusReason);
    if (e->button() == Qt::LeftButton && !FDblClicked) {
        if (QApplication::activeWindow() && !hasFocus())
            setFocus(Qt::MouseFocusReason);
        ClearSelection();
    }
    FDblClicked = false;
    QWidget::mousePressEvent(e);
}

void TRyNumEdit::mouseDoubleClickEvent(QMouseEvent *e) {
    // Only the left button double-clicks. Qt turns the second press into this event, and
    // QWidget's handler below passes it on as a press, which keeps the selection because of
    // the flag. Should a platform send the press first, the selection made here comes after
    // it anyway, and the release ends the flag.
    if (e->button() == Qt::LeftButton) {
        SelectAll();
        emit OnDblClick(this);
        FDblClicked = true;
    }
    QWidget::mouseDoubleClickEvent(e);
}

void TRyNumEdit::mouseMoveEvent(QMouseEvent *e) {
    if (e->buttons().testFlag(Qt::LeftButton)) {
        // The drag selects as soon as the pointer is over the number; y does not matter.
        const int x = qRound(e->position().x()) - contentsRect().left();
        if (x >= FTextRect.Left && x <= FTextRect.Right)
            SelectAll();
    }
    QWidget::mouseMoveEvent(e);
}

void TRyNumEdit::mouseReleaseEvent(QMouseEvent *e) {
    FDblClicked = false;
    QWidget::mouseReleaseEvent(e);
}

// --- Focus and caret --------------------------------------------------------------------------

void TRyNumEdit::focusInEvent(QFocusEvent *e) {
    QWidget::focusInEvent(e);
    // The focus coming back from a popup or another window is no entry into the control; the
    // first focus a window gives when it opens is one.
    const bool returning = FFocusKept && (e->reason() == Qt::PopupFocusReason ||
                                          e->reason() == Qt::ActiveWindowFocusReason);
    FFocusKept = false;
    if (!returning) {
        emit OnEnter(this);
        if (FAutoSelect)
            SelectAll();
    }
    CreateEditCaret();
    UpdateCaret();
}

void TRyNumEdit::focusOutEvent(QFocusEvent *e) {
    QWidget::focusOutEvent(e);
    // The control is left only when its window's focus moves elsewhere; a popup opening or
    // another window coming to the front keeps it as the window's focus.
    FFocusKept = window()->focusWidget() == this;
    if (!FFocusKept) {
        emit OnExit(this);
        if (FValueText == "-" && !FOptions.testFlag(eoMinusOnly)) {
            // A sign with no number is dropped quietly: no undo text, no OnChange.
            FValueText.clear();
            ValueChanged();
        }
        if (FHideSelection)
            ClearSelection();
    }
    // The input method drops an unfinished composition with the focus.
    if (!FPreedit.isEmpty()) {
        FPreedit.clear();
        update();
    }
    DestroyEditCaret();
}

void TRyNumEdit::RequestFocusMove(bool Next) {
    QWidget *form = window();
    if (form == this)
        return;
    // Carried out after the current key has been handled completely, from whatever has the
    // focus then; from here it is exactly the move that Tab or Shift+Tab makes.
    const QPointer<TRyNumEdit> self(this);
    QMetaObject::invokeMethod(
        form,
        [self, form, Next] {
            QWidget *from = form->focusWidget();
            if (!from)
                return;
            if (from == self)
                self->focusNextPrevChild(Next);
            else if (QWidget *to = NextTabStop(from, Next))
                to->setFocus(Next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        },
        Qt::QueuedConnection);
}

// --- Window messages ----------------------------------------------------------------------------

int TRyNumEdit::WMGetDlgCode() const {
    int code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (FEnterFocusMove)
        code |= DLGC_WANTALLKEYS;
    return code;
}

int TRyNumEdit::WMGetText(int BufferSize, char *Buffer) const {
    if (BufferSize <= 0 || !Buffer)
        return 0;
    const size_t n = std::min(FValueText.size(), static_cast<size_t>(BufferSize - 1));
    std::memcpy(Buffer, FValueText.data(), n);
    Buffer[n] = '\0';
    return static_cast<int>(n);
}

int TRyNumEdit::WMSetText(const char *Value) {
    const std::string text = Value ? Value : "";
    if (text == FValueText)
        return 0;
    FValueText = StripLeadingZeros(FilterText(text));
    ValueChanged();
    return 0;
}
