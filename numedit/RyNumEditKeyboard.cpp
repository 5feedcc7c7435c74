// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// TRyNumEdit: keys, typed characters, the input method's compositions, and the keys the control
// claims from its window.
#include "RyNumEdit.h"
#include "RyNumEdit_p.h"

#include "ShiftJis_p.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextCharFormat>

#include <algorithm>
#include <array>

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

/// The modifier sets that the key-down rules name.
enum class TModifiers { None, ShiftOnly, CtrlOnly };

/// One key-down rule: the modifier set it needs, its keys, whether it acts in a read-only
/// control too, and what it does. No two rules share a key and modifier set.
struct TKeyRule {
    TModifiers Modifiers;
    std::array<quint16, 6> Keys; // unused places are 0
    bool ReadOnlyToo;
    void (*Act)(TRyNumEdit &Edit, TRyNumEditPrivate &D, quint16 Key);
};

/// The key-down rules, the one list of the keys the control acts on: KeyDownRules applies them,
/// and the window's shortcuts leave their keys to the control.
const TKeyRule KeyRules[] = {
    {TModifiers::ShiftOnly, {vk::Left, vk::Right}, true,
     [](TRyNumEdit &Edit, TRyNumEditPrivate &, quint16) { Edit.SelectAll(); }},
    {TModifiers::CtrlOnly, {vk::Letter('A')}, true,
     [](TRyNumEdit &Edit, TRyNumEditPrivate &, quint16) { Edit.SelectAll(); }},
    {TModifiers::CtrlOnly, {vk::Letter('C')}, true,
     [](TRyNumEdit &Edit, TRyNumEditPrivate &, quint16) { Edit.CopyToClipboard(); }},
    {TModifiers::None, {vk::Prior, vk::Next, vk::End, vk::Home, vk::Left, vk::Right}, true,
     [](TRyNumEdit &Edit, TRyNumEditPrivate &, quint16) { Edit.ClearSelection(); }},
    // Up and Down drop the selection, and move the focus where the settings say so.
    {TModifiers::None, {vk::Up, vk::Down}, true,
     [](TRyNumEdit &Edit, TRyNumEditPrivate &D, quint16 Key) {
         const bool up = Key == vk::Up;
         Edit.ClearSelection();
         if (D.FArrowFocusMove &&
             D.FOptions.testFlag(up ? TRyNumEdit::eoArrowUp : TRyNumEdit::eoArrowDown))
             D.RequestFocusMove(!up);
     }},
    {TModifiers::CtrlOnly, {vk::Letter('V')}, false,
     [](TRyNumEdit &Edit, TRyNumEditPrivate &, quint16) { Edit.PasteFromClipboard(); }},
    {TModifiers::CtrlOnly, {vk::Letter('X')}, false,
     [](TRyNumEdit &Edit, TRyNumEditPrivate &, quint16) { Edit.CutToClipboard(); }},
    {TModifiers::None, {vk::Back, vk::Delete}, false,
     [](TRyNumEdit &Edit, TRyNumEditPrivate &, quint16) { Edit.DeleteLastChar(); }},
};

bool Holds(TShiftState Shift, TModifiers Modifiers) {
    switch (Modifiers) {
    case TModifiers::None:
        return Shift.None();
    case TModifiers::ShiftOnly:
        return Shift.ShiftOnly();
    case TModifiers::CtrlOnly:
        return Shift.CtrlOnly();
    }
    return false;
}

/// The rule that acts on Key with Shift held, if any.
const TKeyRule *FindKeyRule(quint16 Key, TShiftState Shift, bool ReadOnly) {
    if (Key == 0)
        return nullptr;
    for (const TKeyRule &rule : KeyRules)
        if ((rule.ReadOnlyToo || !ReadOnly) && Holds(Shift, rule.Modifiers) &&
            std::find(rule.Keys.begin(), rule.Keys.end(), Key) != rule.Keys.end())
            return &rule;
    return nullptr;
}

} // namespace

// --- Keys and characters ------------------------------------------------------------------------

bool TRyNumEditPrivate::WantsKey(quint16 Key, TShiftState Shift) const {
    return FindKeyRule(Key, Shift, FReadOnly) != nullptr;
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
    if (const TKeyRule *rule = FindKeyRule(Key, Shift, d->FReadOnly)) {
        const quint16 key = Key;
        Key = 0;
        rule->Act(*this, *d, key);
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

int TRyNumEdit::WMGetDlgCode() const {
    int code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (d->FEnterFocusMove)
        code |= DLGC_WANTALLKEYS;
    return code;
}

// --- The input method ---------------------------------------------------------------------------

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
    if (!FEndingCommit.isEmpty() && FEndingCommitTime.elapsed() < sameStep) {
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

void TRyNumEditPrivate::ApplyInputMethodState() {
    // Only imDisable turns it off: a closed input method is one the user can still open
    // (imClose asks it to prefer direct Latin input). A read-only control takes no text.
    q->setAttribute(Qt::WA_InputMethodEnabled, FImeMode != TRyNumEdit::imDisable && !FReadOnly);
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
