// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// TZELKF's keyboard: key preview, the dialog keys, the key map, the visible press, focus order.
#include "TZELKF.h"

#include "RyNumEdit.h"
#include "ui_TZELKF.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QRadioButton>
#include <QThread>

using namespace RyNumEdit;

void TZELKF::SetPressWait(std::function<void(int)> Wait) {
    if (Wait)
        FPressWait = std::move(Wait);
    else
        FPressWait = [](int Milliseconds) {
            QThread::msleep(static_cast<unsigned long>(Milliseconds));
        };
}

bool TZELKF::eventFilter(QObject *Watched, QEvent *Event) {
    if (Event->type() == QEvent::KeyPress) {
        // An ignored key climbs to the parents; only its first delivery, to the control with
        // the focus (or to the window when nothing has it), is previewed.
        QWidget *focused = focusWidget();
        if (Watched == (focused ? focused : this) &&
            PreviewKey(KeyMapKey(*static_cast<QKeyEvent *>(Event))))
            return true;
    }
    return QWidget::eventFilter(Watched, Event);
}

bool TZELKF::PreviewKey(const TVirtualKey &Key) {
    if (Key.Code == 0)
        return false;
    if (DialogKey(focusWidget(), Key))
        return true;
    quint16 code = Key.Code;
    FormKeyDown(code, Key.Shift);
    return code == 0;
}

bool TZELKF::DialogKey(QWidget *Focused, const TVirtualKey &Key) {
    const auto *edit = qobject_cast<TRyNumEdit *>(Focused);
    const int wanted = edit ? edit->WMGetDlgCode() : 0;
    auto *button = qobject_cast<QPushButton *>(Focused);
    switch (Key.Code) {
    case vk::Tab:
        if (Key.Shift.Ctrl || (wanted & TRyNumEdit::DLGC_WANTTAB))
            return false;
        focusNextPrevChild(!Key.Shift.Shift);
        return true;
    case vk::Left:
    case vk::Up:
    case vk::Right:
    case vk::Down:
        if (!button)
            return false;
        if (QWidget *next =
                NextControl(button, Key.Code == vk::Right || Key.Code == vk::Down, false))
            next->setFocus(Qt::TabFocusReason);
        return true;
    case vk::Return:
        // With a modifier held, Enter is left to the key map.
        if (!Key.Shift.None() || (wanted & TRyNumEdit::DLGC_WANTALLKEYS))
            return false;
        (button ? button : FUi->Button26)->click();
        return true;
    default:
        return false;
    }
}

TVirtualKey TZELKF::KeyMapKey(const QKeyEvent &Event) {
    TVirtualKey k = TranslateKey(Event);
    if (Event.modifiers().testFlag(Qt::KeypadModifier))
        return k;
    // The characters of the Japanese keyboard's four operator keys, shifted and unshifted,
    // press their buttons on any layout.
    const int key = Event.key();
    switch (key) {
    case Qt::Key_Asterisk:
    case Qt::Key_Colon:
        k.Code = vk::Oem1;
        return k;
    case Qt::Key_Plus:
    case Qt::Key_Semicolon:
        k.Code = vk::OemPlus;
        return k;
    case Qt::Key_Minus:
        // With Shift held it stays the minus key with Shift: "=".
        k.Code = vk::OemMinus;
        return k;
    case Qt::Key_Equal:
        k.Code = vk::OemMinus;
        k.Shift.Shift = true;
        return k;
    case Qt::Key_Slash:
    case Qt::Key_Question:
        k.Code = vk::Oem2;
        return k;
    case Qt::Key_Underscore: {
        // On a digit-row key (the French 8 key) it is that digit. Otherwise it is Shift with
        // the minus key, except on the Japanese layout, whose "_" has a key of its own (and
        // whose minus key types "=" with Shift).
        const quint16 place = KeyCodeByPlace(Event);
        if (place >= vk::Digit0 && place <= vk::Digit0 + 9)
            k.Code = place;
        else
            k.Code = k.Shift.Shift && place != vk::Oem102 ? vk::OemMinus : 0;
        return k;
    }
    default:
        break;
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        k.Code = static_cast<quint16>(vk::Digit0 + (key - Qt::Key_0));
        return k;
    }
    // A digit-row key typing none of those characters ("!", the French "é") is already its
    // digit by place (TranslateKey).
    // Any other character of a symbol key is none of the map's.
    if (k.Code == vk::Oem1 || k.Code == vk::OemPlus || k.Code == vk::OemMinus ||
        k.Code == vk::Oem2)
        k.Code = 0;
    return k;
}

void TZELKF::FormKeyDown(quint16 &Key, TShiftState Shift) {
    QPushButton *button = nullptr;
    switch (Key) {
    case vk::Return:
        button = FUi->Button26;
        break;
    case vk::Prior:
    case vk::Letter('D'):
        button = FUi->Button20;
        break;
    case vk::Next:
    case vk::Letter('H'):
        button = FUi->Button21;
        break;
    case vk::End:
        button = FUi->Button28;
        break;
    case vk::Delete:
        button = FUi->Button27;
        break;
    case vk::Multiply:
    case vk::Oem1:
        button = FUi->Button22;
        break;
    case vk::Add:
    case vk::OemPlus:
        button = FUi->Button24;
        break;
    case vk::Subtract:
    case vk::OemMinus:
        button = Shift.Shift ? FUi->Button26 : FUi->Button23;
        break;
    case vk::Divide:
    case vk::Oem2:
        button = FUi->Button25;
        break;
    default:
        if (Key >= vk::Digit0 && Key <= vk::Digit0 + 9)
            button = FDigitButtons[Key - vk::Digit0];
        else if (Key >= vk::Numpad0 && Key <= vk::Numpad0 + 9)
            button = FDigitButtons[Key - vk::Numpad0];
        break;
    }
    if (!button)
        return;
    // The key is spent on the press: by the time it is over the focus is on "＝", and the
    // control that had the focus must not act on it as well.
    Key = 0;
    PressButton(button);
}

void TZELKF::PressButton(QPushButton *Button) {
    Button->setDown(true);
    Button->repaint();
    // Blocks on purpose: keys typed meanwhile wait in the queue and are handled in order.
    FPressWait(PressMilliseconds);
    Button->setDown(false);
    Button->click();
    FUi->Button26->setFocus(Qt::OtherFocusReason);
}

// --- Focus order ----------------------------------------------------------------------------

bool TZELKF::focusNextPrevChild(bool Next) {
    QWidget *target = NextControl(focusWidget(), Next, true);
    if (!target)
        return false;
    target->setFocus(Next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool TZELKF::IsControlStop(QWidget *W, bool TabStopsOnly) const {
    if (W == this || W->window() != this || !W->isEnabled() || !W->isVisibleTo(this))
        return false;
    // The mode choice is one tab stop, entered at its selected item. (Qt moves the Tab focus
    // policy among the items with the focus, so it cannot tell.)
    if (auto *radio = qobject_cast<QRadioButton *>(W); radio && FModeGroup->id(radio) != -1)
        return radio == FModeGroup->checkedButton();
    const Qt::FocusPolicy policy = W->focusPolicy();
    if (TabStopsOnly ? (policy & Qt::TabFocus) != Qt::TabFocus : policy == Qt::NoFocus)
        return false;
    // Arrow keys stay among the window's own controls, not those inside the display panel.
    return TabStopsOnly || W->parentWidget() == this;
}

QWidget *TZELKF::NextControl(QWidget *From, bool Forward, bool TabStopsOnly) const {
    QWidget *start = From ? From : const_cast<TZELKF *>(this);
    QWidget *w = start;
    for (;;) {
        w = Forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == start)
            // Round the whole order: the control itself is the only one, if it is one at all.
            return From && IsControlStop(From, TabStopsOnly) ? From : nullptr;
        if (IsControlStop(w, TabStopsOnly))
            return w;
    }
}