// Translation of Qt key events into virtual-key codes and modifier sets.
#include "VirtualKey.h"

#include <QKeyEvent>

namespace {

/// Keys of the numeric pad, told apart by the keypad modifier.
quint16 KeypadCode(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<quint16>(vk::Numpad0 + (key - Qt::Key_0));
    switch (key) {
    case Qt::Key_Asterisk:
        return vk::Multiply;
    case Qt::Key_Plus:
        return vk::Add;
    case Qt::Key_Minus:
        return vk::Subtract;
    case Qt::Key_Slash:
        return vk::Divide;
    case Qt::Key_Period:
    case Qt::Key_Comma:
        return vk::Decimal;
    case Qt::Key_Enter:
    case Qt::Key_Return:
        return vk::Return;
    default:
        return 0;
    }
}

/// Keys that mean the same on the numeric pad and off it (editing and cursor keys).
quint16 NamedKeyCode(int key) {
    switch (key) {
    case Qt::Key_Backspace:
        return vk::Back;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return vk::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return vk::Return;
    case Qt::Key_Escape:
        return vk::Escape;
    case Qt::Key_Space:
        return vk::Space;
    case Qt::Key_PageUp:
        return vk::Prior;
    case Qt::Key_PageDown:
        return vk::Next;
    case Qt::Key_End:
        return vk::End;
    case Qt::Key_Home:
        return vk::Home;
    case Qt::Key_Left:
        return vk::Left;
    case Qt::Key_Up:
        return vk::Up;
    case Qt::Key_Right:
        return vk::Right;
    case Qt::Key_Down:
        return vk::Down;
    case Qt::Key_Insert:
        return vk::Insert;
    case Qt::Key_Delete:
        return vk::Delete;
    case Qt::Key_Menu:
        return vk::Apps;
    default:
        return 0;
    }
}

} // namespace

TVirtualKey TranslateKey(const QKeyEvent &e) {
    TVirtualKey k;
    const Qt::KeyboardModifiers m = e.modifiers();
    k.Shift.Shift = m.testFlag(Qt::ShiftModifier);
    k.Shift.Ctrl = m.testFlag(Qt::ControlModifier);
    k.Shift.Alt = m.testFlag(Qt::AltModifier);

    const int key = e.key();
    if (m.testFlag(Qt::KeypadModifier)) {
        if (const quint16 code = KeypadCode(key)) {
            k.Code = code;
            return k;
        }
    }
    if (const quint16 code = NamedKeyCode(key)) {
        k.Code = code;
        return k;
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        k.Code = static_cast<quint16>(vk::Digit0 + (key - Qt::Key_0));
    } else if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        k.Code = static_cast<quint16>(vk::LetterA + (key - Qt::Key_A));
    } else if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        k.Code = static_cast<quint16>(vk::F1 + (key - Qt::Key_F1));
    } else {
        switch (key) {
        case Qt::Key_Asterisk:
        case Qt::Key_Colon:
            k.Code = vk::Oem1;
            break;
        case Qt::Key_Plus:
        case Qt::Key_Semicolon:
            k.Code = vk::OemPlus;
            break;
        case Qt::Key_Minus:
            k.Code = vk::OemMinus;
            break;
        case Qt::Key_Equal:
            // "=" lies on the minus key with Shift on the Japanese layout.
            k.Code = vk::OemMinus;
            k.Shift.Shift = true;
            break;
        case Qt::Key_Slash:
        case Qt::Key_Question:
            k.Code = vk::Oem2;
            break;
        case Qt::Key_Comma:
        case Qt::Key_Less:
            k.Code = vk::OemComma;
            break;
        case Qt::Key_Period:
        case Qt::Key_Greater:
            k.Code = vk::OemPeriod;
            break;
        default:
            break;
        }
    }
    return k;
}
