// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// Translation of Qt key events into virtual-key codes and modifier sets.
#include "RyNumEditKeys.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace RyNumEdit {

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
    case Qt::Key_Shift:
        return vk::Shift;
    case Qt::Key_Control:
        return vk::Control;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
        return vk::Menu;
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
        return vk::LWin;
    case Qt::Key_Super_R:
        return vk::RWin;
    case Qt::Key_CapsLock:
        return vk::Capital;
    case Qt::Key_NumLock:
        return vk::NumLock;
    case Qt::Key_ScrollLock:
        return vk::ScrollLock;
    case Qt::Key_Pause:
        return vk::Pause;
    case Qt::Key_Print:
        return vk::Snapshot;
    // The Japanese keyboard's input method keys.
    case Qt::Key_Henkan:
        return vk::Convert;
    case Qt::Key_Muhenkan:
        return vk::NonConvert;
    case Qt::Key_Zenkaku_Hankaku:
    case Qt::Key_Zenkaku:
    case Qt::Key_Hankaku:
        return vk::OemAuto;
    case Qt::Key_Kanji:
        return vk::Kanji;
    case Qt::Key_Hiragana_Katakana:
    case Qt::Key_Hiragana:
        return vk::OemCopy;
    case Qt::Key_Katakana:
        return vk::OemFinish;
    case Qt::Key_Romaji:
        return vk::OemBacktab;
    case Qt::Key_Eisu_toggle:
    case Qt::Key_Eisu_Shift:
        return vk::OemAttn;
    case Qt::Key_Kana_Lock:
    case Qt::Key_Kana_Shift:
        return vk::Kana;
    default:
        return 0;
    }
}

/// The main keyboard's symbol keys by the characters they carry on the Japanese layout, with
/// and without Shift.
quint16 SymbolKeyCode(int key) {
    switch (key) {
    case Qt::Key_Exclam:
        return vk::Digit0 + 1;
    case Qt::Key_QuoteDbl:
        return vk::Digit0 + 2;
    case Qt::Key_NumberSign:
        return vk::Digit0 + 3;
    case Qt::Key_Dollar:
        return vk::Digit0 + 4;
    case Qt::Key_Percent:
        return vk::Digit0 + 5;
    case Qt::Key_Ampersand:
        return vk::Digit0 + 6;
    case Qt::Key_Apostrophe:
        return vk::Digit0 + 7;
    case Qt::Key_ParenLeft:
        return vk::Digit0 + 8;
    case Qt::Key_ParenRight:
        return vk::Digit0 + 9;
    case Qt::Key_Asterisk:
    case Qt::Key_Colon:
        return vk::Oem1;
    case Qt::Key_Plus:
    case Qt::Key_Semicolon:
        return vk::OemPlus;
    case Qt::Key_Minus:
    case Qt::Key_Equal:
        return vk::OemMinus;
    case Qt::Key_Slash:
    case Qt::Key_Question:
        return vk::Oem2;
    case Qt::Key_Comma:
    case Qt::Key_Less:
        return vk::OemComma;
    case Qt::Key_Period:
    case Qt::Key_Greater:
        return vk::OemPeriod;
    case Qt::Key_At:
    case Qt::Key_QuoteLeft:
        return vk::Oem3;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft:
        return vk::Oem4;
    case Qt::Key_yen:
    case Qt::Key_Bar:
        return vk::Oem5;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight:
        return vk::Oem6;
    case Qt::Key_AsciiCircum:
    case Qt::Key_AsciiTilde:
        return vk::Oem7;
    case Qt::Key_Backslash:
    case Qt::Key_Underscore:
        return vk::Oem102;
    default:
        return 0;
    }
}

} // namespace

quint16 KeyCodeByPlace(const QKeyEvent &e) {
    // Headless runs have no keyboard: their events come from tests, which give the codes xcb
    // would (or none).
    static const bool xkbKeyCodes =
        QGuiApplication::platformName() == QLatin1String("xcb") ||
        QGuiApplication::platformName().startsWith(QLatin1String("wayland")) ||
        QGuiApplication::platformName() == QLatin1String("offscreen");
    if (!xkbKeyCodes)
        return 0;
    const quint32 code = e.nativeScanCode();
    if (code >= 10 && code <= 18) // <AE01> .. <AE09>
        return static_cast<quint16>(vk::Digit0 + 1 + (code - 10));
    switch (code) {
    case 19: // <AE10>
        return vk::Digit0;
    case 132: // <AE13>, "¥" and "|"
        return vk::Oem5;
    case 97: // <AB11>, "\" and "_"
        return vk::Oem102;
    default:
        return 0;
    }
}

TShiftState ShiftStateOf(Qt::KeyboardModifiers Modifiers) {
    TShiftState s;
    s.Shift = Modifiers.testFlag(Qt::ShiftModifier);
    s.Ctrl = Modifiers.testFlag(Qt::ControlModifier);
    s.Alt = Modifiers.testFlag(Qt::AltModifier);
    return s;
}

TVirtualKey TranslateKey(const QKeyEvent &e) {
    TVirtualKey k;
    k.Shift = ShiftStateOf(e.modifiers());
    const int key = e.key();
    if (e.modifiers().testFlag(Qt::KeypadModifier)) {
        if (const quint16 code = KeypadCode(key)) {
            k.Code = code;
            return k;
        }
    }
    if (const quint16 code = NamedKeyCode(key))
        k.Code = code;
    else if (const quint16 place = KeyCodeByPlace(e))
        k.Code = place;
    else if (key >= Qt::Key_0 && key <= Qt::Key_9)
        k.Code = static_cast<quint16>(vk::Digit0 + (key - Qt::Key_0));
    else if (key >= Qt::Key_A && key <= Qt::Key_Z)
        k.Code = static_cast<quint16>(vk::LetterA + (key - Qt::Key_A));
    else if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        k.Code = static_cast<quint16>(vk::F1 + (key - Qt::Key_F1));
    else
        k.Code = SymbolKeyCode(key);
    // "=" lies on the minus key with Shift on the Japanese layout, so it reads as that even
    // where a layout gives it without Shift.
    if (key == Qt::Key_Equal && k.Code == vk::OemMinus)
        k.Shift.Shift = true;
    return k;
}

} // namespace RyNumEdit
