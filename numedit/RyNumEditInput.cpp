// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// TRyNumEdit: keys, characters, the input method, the mouse, focus and the window-text messages.
#include "RyNumEdit.h"
#include "RyNumEditPrivate.h"

#include "ShiftJis.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFocusEvent>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextCharFormat>
#include <QWindow>

#include <algorithm>
#include <cstring>

using namespace RyNumEdit;

namespace {

/// True when a dialog takes this key before the control: Escape for its cancel, and an Enter
/// without modifiers when it has an enabled default button to press. Any other Enter reaches
/// the control.
bool DialogTakesKey(const QWidget *form, const QKeyEvent &e) {
    const auto *dialog = qobject_cast<const QDialog *>(form);
    if (!dialog)
        return false;
    const int key = e.key();
    if (key == Qt::Key_Escape)
        return true;
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    if ((e.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const auto buttons = dialog->findChildren<QPushButton *>();
    return std::any_of(buttons.begin(), buttons.end(), [](const QPushButton *b) {
        return b->isDefault() && b->isVisible() && b->isEnabled();
    });
}

/// The characters a key produces, as code page 932 bytes: what the key-down of another
/// windowing system would turn into character messages. Ctrl with a letter gives its control
/// code whatever the event's text, Ctrl with Enter a line feed (10) and with Backspace a
/// delete (127), Ctrl with any other key no printable character; Tab belongs to the form's
/// focus handling, and Delete and keys with Alt alone give nothing.
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
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return std::string(1, '\n');
        if (key == Qt::Key_Backspace)
            return std::string(1, '\x7f');
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

/// A composed character as the character rules receive it: full-width digits, minus and full
/// stop become ASCII, told by their code page 932 codes, so every character that the code page
/// folds onto them counts (U+2212 minus sign is 0x817C like U+FF0D); anything else stays its
/// code page 932 bytes.
std::string ComposedCharacter(const QString &ch) {
    std::string bytes = cp932::FromUnicode(ch);
    if (bytes.size() != 2)
        return bytes;
    const char folded = cp932::FoldFullWidth(cp932::PairCode(static_cast<unsigned char>(bytes[0]),
                                                             static_cast<unsigned char>(bytes[1])));
    return folded != '\0' ? std::string(1, folded) : bytes;
}

/// Where a mouse event happened, in client coordinates.
QPoint ClientPos(const QWidget *w, const QMouseEvent *e) {
    return e->position().toPoint() - w->contentsRect().topLeft();
}

/// True when a mouse event happened on the client area, not on the frame around it.
bool OnClientArea(const QWidget *w, const QMouseEvent *e) {
    return w->contentsRect().contains(e->position().toPoint());
}

} // namespace

// --- Routing of Qt events -----------------------------------------------------------------------

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
        // Keys the control handles itself are not taken by a window's shortcuts.
        auto *k = static_cast<QKeyEvent *>(e);
        const TVirtualKey v = TranslateKey(*k);
        if (v.Code != 0 && d->WantsKey(v.Code, v.Shift)) {
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

bool TRyNumEditPrivate::WantsKey(quint16 Key, TShiftState Shift) const {
    if (Shift.ShiftOnly())
        return Key == vk::Left || Key == vk::Right;
    if (Shift.CtrlOnly())
        return Key == vk::Letter('A') || Key == vk::Letter('C') ||
               (!FReadOnly && (Key == vk::Letter('V') || Key == vk::Letter('X')));
    if (Shift.None())
        return (Key >= vk::Prior && Key <= vk::Down) ||
               (!FReadOnly && (Key == vk::Back || Key == vk::Delete));
    return false;
}

void TRyNumEdit::keyPressEvent(QKeyEvent *e) {
    // Enter and Escape that the control does not claim go to a dialog's default and cancel
    // buttons first, as a form's dialog keys do.
    if (!(WMGetDlgCode() & DLGC_WANTALLKEYS) && DialogTakesKey(window(), *e)) {
        e->ignore();
        return;
    }

    d->FFreshFocus = false;
    d->CompleteEntry();
    // Every key-down is published, also one without a code of its own (0).
    const TVirtualKey v = TranslateKey(*e);
    quint16 key = v.Code;
    Q_EMIT OnKeyDown(this, key, v.Shift);
    if (key != 0)
        KeyDownRules(key, v.Shift);
    const bool consumed = v.Code != 0 && key == 0;

    const std::string chars = CharactersOf(*e);
    for (char c : chars) {
        Q_EMIT OnKeyPress(this, c);
        KeyPressRules(c);
    }
    // A key that gave no character and that nothing here consumed goes on to the parents.
    if (chars.empty() && !consumed)
        e->ignore();
    else
        e->accept();
}

void TRyNumEdit::keyReleaseEvent(QKeyEvent *e) {
    // A held key repeats its key-down only; it is released once.
    const TVirtualKey v = TranslateKey(*e);
    quint16 key = v.Code;
    if (!e->isAutoRepeat())
        Q_EMIT OnKeyUp(this, key, v.Shift);
    if (v.Code != 0 && key == 0)
        e->accept();
    else
        e->ignore();
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
        if (d->FArrowFocusMove && d->FOptions.testFlag(up ? eoArrowUp : eoArrowDown))
            d->RequestFocusMove(!up);
    } else if (d->FReadOnly) {
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
    if (d->FReadOnly) {
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
        if (d->FEnterFocusMove) {
            if (window() != this) {
                d->RequestFocusMove(true);
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
    e->accept();
    if (d->IsFocusCommitEcho(*e))
        return;
    const QString commit = e->commitString();
    // An empty event (ibus sends one as the focus comes) is nothing composed.
    if (!commit.isEmpty() || !e->preeditString().isEmpty())
        d->FFreshFocus = false;
    const bool endsComposition =
        !d->FPreedit.isEmpty() && !commit.isEmpty() && e->preeditString().isEmpty();
    d->FEndingCommit = endsComposition ? commit : QString();
    d->FEndingCommitTime.start();
    // Character by character (a surrogate pair is one character).
    for (qsizetype i = 0; i < commit.size();) {
        const qsizetype n = commit.at(i).isHighSurrogate() && i + 1 < commit.size() ? 2 : 1;
        const QString ch = commit.mid(i, n);
        i += n;
        // Anything but the folded characters is refused byte by byte by the character rules.
        for (char c : ComposedCharacter(ch)) {
            Q_EMIT OnKeyPress(this, c);
            KeyPressRules(c);
        }
    }
    d->SetComposition(*e);
}

void TRyNumEditPrivate::SetComposition(const QInputMethodEvent &e) {
    QString text = e.preeditString();
    int cursor = static_cast<int>(text.size());
    bool cursorShown = true;
    QList<QTextLayout::FormatRange> formats;
    for (const QInputMethodEvent::Attribute &a : e.attributes()) {
        if (a.type == QInputMethodEvent::Cursor) {
            cursor = a.start;
            cursorShown = a.length != 0;
        } else if (a.type == QInputMethodEvent::TextFormat) {
            const QTextCharFormat format = qvariant_cast<QTextFormat>(a.value).toCharFormat();
            if (format.isValid())
                formats.append({a.start, a.length, format});
        }
    }
    if (text == FPreedit && cursor == FPreeditCursor && cursorShown == FPreeditCursorShown &&
        formats == FPreeditFormats)
        return;
    FPreedit = std::move(text);
    FPreeditCursor = cursor;
    FPreeditCursorShown = cursorShown;
    FPreeditFormats = std::move(formats);
    q->update();
    q->UpdateCaret();
}

namespace {

/// The commit that a focus change delivered to the control that was composing, as the focus
/// moved to another: some input methods deliver it once more, to the control that now has the
/// focus. From identifies the control and is never dereferenced.
struct TFocusCommit {
    const void *From = nullptr;
    QString Text;
    QElapsedTimer Since;
};

TFocusCommit &FocusCommit() {
    static TFocusCommit commit;
    return commit;
}

} // namespace

void TRyNumEditPrivate::FocusAboutToChange() {
    // Qt commits the composition and announces the focus change right after: a commit that
    // ended the composition moments ago is that one.
    constexpr qint64 sameStep = 100;
    if (!FEndingCommit.isEmpty() && FEndingCommitTime.isValid() &&
        FEndingCommitTime.elapsed() < sameStep) {
        TFocusCommit &c = FocusCommit();
        c.From = q;
        c.Text = FEndingCommit;
        c.Since.start();
    }
    FEndingCommit.clear();
}

bool TRyNumEditPrivate::IsFocusCommitEcho(const QInputMethodEvent &e) {
    // The echo arrives soon after the focus came, before anything was typed or composed
    // here, as the same text without a composition of its own.
    constexpr qint64 echoWithin = 2000;
    TFocusCommit &c = FocusCommit();
    if (c.Text.isEmpty() || !FFreshFocus || c.From == q || !FPreedit.isEmpty() ||
        !e.preeditString().isEmpty() || e.replacementLength() != 0 ||
        e.commitString() != c.Text || c.Since.elapsed() >= echoWithin)
        return false;
    c.Text.clear();
    FFreshFocus = false;
    return true;
}

namespace {

/// Turns the input method on or off for Edit by its ReadOnly and ImeMode. Qt tells the input
/// method at once when the control has the focus.
void ApplyInputMethodState(TRyNumEdit *Edit) {
    // Only imDisable turns it off: a closed input method is one the user can still open
    // (imClose asks it to prefer direct Latin input). A read-only control takes no text.
    Edit->setAttribute(Qt::WA_InputMethodEnabled,
                       Edit->ImeMode() != TRyNumEdit::imDisable && !Edit->ReadOnly());
}

} // namespace

void TRyNumEdit::SetReadOnly(bool Value) {
    if (Value == d->FReadOnly)
        return;
    d->FReadOnly = Value;
    ApplyInputMethodState(this);
    Q_EMIT readOnlyChanged(Value);
}

void TRyNumEdit::SetImeMode(TImeMode Value) {
    if (Value == d->FImeMode)
        return;
    d->FImeMode = Value;
    ApplyInputMethodState(this);
    if (hasFocus())
        if (QInputMethod *im = QGuiApplication::inputMethod())
            im->update(Qt::ImHints);
}

QVariant TRyNumEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
    switch (query) {
    case Qt::ImEnabled:
        return testAttribute(Qt::WA_InputMethodEnabled);
    case Qt::ImCursorRectangle:
    case Qt::ImAnchorRectangle: {
        // The caret, at the composition's cursor while composing: the input method's
        // candidates open there.
        const QPoint p = d->CaretPosition() + contentsRect().topLeft();
        return QRect(p, QSize(FCaretWidth, FTextHeight));
    }
    case Qt::ImFont:
        return font();
    case Qt::ImHints:
        // A formatted number is what Wayland's text input protocols know; a preference for
        // digits they have no word for.
        return int(Qt::ImhFormattedNumbersOnly | Qt::ImhNoAutoUppercase |
                   Qt::ImhNoPredictiveText |
                   (d->FImeMode == imClose ? Qt::ImhPreferLatin : Qt::ImhNone));
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
// The control handles every mouse event itself: none reaches its parent (an item view or a
// clickable panel around it must not act on a press that selected or focused the control).

void TRyNumEdit::mousePressEvent(QMouseEvent *e) {
    // Any button gives an unfocused control the focus, read-only or not, tab stop or not, on
    // the frame as well; the other rules and events belong to the client area.
    d->FPressButton = e->button();
    if (!IsDesigning())
        d->TakeFocus(Qt::MouseFocusReason);
    d->FPressButton = Qt::NoButton;
    e->accept();
    if (!OnClientArea(this, e)) {
        d->CompleteEntry();
        return;
    }
    d->FMouseCaptured = true; // the moves and the release that follow are the client area's
    const bool left = e->button() == Qt::LeftButton;
    // Where a drag that this press begins (automatically, or by an OnMouseDown handler) is
    // measured from.
    d->FDragFrom = e->position().toPoint();
    if (left && d->FDragMode == dmAutomatic && !FDblClicked)
        BeginDrag(false);
    if (left && !FDblClicked) {
        if (QApplication::activeWindow() && !hasFocus())
            setFocus(Qt::MouseFocusReason);
        ClearSelection();
    }
    // The second press of a double click makes no click.
    d->FClickPending = left && !FDblClicked;
    const QPoint p = ClientPos(this, e);
    Q_EMIT OnMouseDown(this, e->button(), ShiftStateOf(e->modifiers()), p.x(), p.y());
    FDblClicked = false;
    d->CompleteEntry();
}

void TRyNumEdit::mouseDoubleClickEvent(QMouseEvent *e) {
    // Only the left button double-clicks. Qt turns the second press into this event, and
    // QWidget's handler below passes it on as a press, which keeps the selection because of
    // the flag. Should a platform send the press first, the selection made here comes after
    // it anyway, and the release ends the flag.
    if (e->button() == Qt::LeftButton && OnClientArea(this, e)) {
        SelectAll();
        Q_EMIT OnDblClick(this);
        FDblClicked = true;
    }
    QWidget::mouseDoubleClickEvent(e);
    e->accept();
}

void TRyNumEdit::mouseMoveEvent(QMouseEvent *e) {
    e->accept();
    if (d->FDragPending && e->buttons().testFlag(Qt::LeftButton) &&
        (e->position().toPoint() - d->FDragFrom).manhattanLength() >= d->FDragThreshold) {
        d->ExecuteDrag();
        return;
    }
    if (!d->FMouseCaptured && !OnClientArea(this, e))
        return;
    const QPoint p = ClientPos(this, e);
    // The drag selects as soon as the pointer is over the number; y does not matter.
    if (e->buttons().testFlag(Qt::LeftButton) && p.x() >= FTextRect.Left &&
        p.x() <= FTextRect.Right)
        SelectAll();
    Q_EMIT OnMouseMove(this, ShiftStateOf(e->modifiers()), e->buttons(), p.x(), p.y());
}

void TRyNumEdit::mouseReleaseEvent(QMouseEvent *e) {
    FDblClicked = false;
    d->FDragPending = false;
    e->accept();
    const bool captured = d->FMouseCaptured;
    d->FMouseCaptured = e->buttons() != Qt::NoButton;
    if (!captured && !OnClientArea(this, e))
        return;
    const QPoint p = ClientPos(this, e);
    if (e->button() == Qt::LeftButton) {
        // A click is a left press and release with the pointer back inside the client area.
        const bool click = d->FClickPending && QRect(QPoint(), contentsRect().size()).contains(p);
        d->FClickPending = false;
        if (click)
            Q_EMIT OnClick(this);
    }
    Q_EMIT OnMouseUp(this, e->button(), ShiftStateOf(e->modifiers()), p.x(), p.y());
}

// --- Focus and caret --------------------------------------------------------------------------

void TRyNumEdit::focusInEvent(QFocusEvent *e) {
    QWidget::focusInEvent(e);
    // The focus coming back from a popup or another window is no entry into the control, nor
    // is a second focus-in without a focus-out (a dialog sends one as it opens); the first
    // focus a window gives when it opens is one.
    d->StopWatchingWindowFocus();
    if (!d->FEntered && !d->FEntryPending)
        d->Enter(e->reason());
    d->FFreshFocus = true;
    CreateEditCaret();
    UpdateCaret();
}

void TRyNumEdit::focusOutEvent(QFocusEvent *e) {
    QWidget::focusOutEvent(e);
    d->CompleteEntry();
    // Only a popup opening over the control, its window losing activation or the keyboard
    // going to the window's menu bar (a popup too, to the user) keep it as the window's focus;
    // every other loss of the focus leaves the control.
    const Qt::FocusReason reason = e->reason();
    if (((reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason) &&
         window()->focusWidget() == this) ||
        reason == Qt::MenuBarFocusReason)
        d->WatchWindowFocus();
    else
        d->ExitRule();
    // Qt has the input method commit a composition before the focus moves; one still shown
    // now was never committed, and goes.
    d->SetComposition(QInputMethodEvent());
    DestroyEditCaret();
}

void TRyNumEditPrivate::WatchWindowFocus() {
    // While the window is inactive the program may move its focus elsewhere (after a message
    // box, say), which sends the control no focus-out: the window's focus object tells.
    if (QWindow *w = q->window()->windowHandle(); w && !FWindowFocusWatch)
        FWindowFocusWatch = QObject::connect(w, &QWindow::focusObjectChanged, q, [this](QObject *Now) {
            if (Now && Now != q && !qobject_cast<QMenuBar *>(Now))
                ExitRule();
        });
}

void TRyNumEditPrivate::StopWatchingWindowFocus() {
    QObject::disconnect(FWindowFocusWatch);
}

void TRyNumEditPrivate::TakeFocus(Qt::FocusReason Reason) {
    if (q->hasFocus())
        return;
    q->setFocus(Reason);
    if (q->hasFocus() || q->window()->focusWidget() != q)
        return;
    // The window is not active, so Qt only records the control as its focus, to be given when
    // the window system activates the window. Ask for that, and enter the control now, as the
    // platform's focus call does, so that a menu opening from this press already sees the
    // selection; the focus that activation brings is then no new entry.
    q->window()->activateWindow();
    if (FEntered || FEntryPending)
        return; // the window's focus all along: it comes back
    Enter(Reason);
    WatchWindowFocus();
}

void TRyNumEditPrivate::Enter(Qt::FocusReason Reason) {
    // The focus that a right or middle press gives follows the press's own processing, so its
    // OnMouseDown comes before the entry; a left press enters first (its rule drops the
    // selection that AutoSelect made).
    const Qt::MouseButtons held = FPressButton | QGuiApplication::mouseButtons();
    if (Reason == Qt::MouseFocusReason && !held.testFlag(Qt::LeftButton) &&
        (held & (Qt::RightButton | Qt::MiddleButton))) {
        FEntryPending = true;
        return;
    }
    EnterRule();
}

void TRyNumEditPrivate::CompleteEntry() {
    if (!FEntryPending)
        return;
    FEntryPending = false;
    if (!FEntered)
        EnterRule();
}

void TRyNumEditPrivate::EnterRule() {
    FEntered = true;
    Q_EMIT q->OnEnter(q);
    if (FAutoSelect)
        q->SelectAll();
}

void TRyNumEditPrivate::ExitRule() {
    FEntered = false;
    StopWatchingWindowFocus();
    Q_EMIT q->OnExit(q);
    if (q->FValueText == "-" && !FOptions.testFlag(TRyNumEdit::eoMinusOnly)) {
        // A sign with no number is dropped quietly: no undo text, no OnChange.
        q->FValueText.clear();
        q->ValueChanged();
    }
    if (FHideSelection)
        q->ClearSelection();
}

void TRyNumEditPrivate::RequestFocusMove(bool Next) {
    QWidget *form = q->window();
    if (form == q)
        return;
    // Carried out after the current key has been handled completely, from whatever has the
    // focus then; from here it is exactly the move that Tab or Shift+Tab makes.
    const QPointer<TRyNumEdit> self(q);
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
    if (d->FEnterFocusMove)
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
