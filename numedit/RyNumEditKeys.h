// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// Translation of Qt key events into the classic virtual-key codes and modifier sets.
#pragma once

#include "rynumedit_export.h"

#include <QtGlobal>
#include <qnamespace.h>

class QKeyEvent;

/// The numeric edit control's helper types and its translation of Qt key events into the
/// classic virtual-key codes and modifier sets that its key rules and key signals use.
namespace RyNumEdit {

/// Modifier set of a key-down, as the key rules read it.
struct TShiftState {
    bool Shift = false; ///< Shift is held
    bool Ctrl = false;  ///< Ctrl is held
    bool Alt = false;   ///< Alt is held

    /// No modifier is held.
    bool None() const { return !Shift && !Ctrl && !Alt; }
    /// Shift alone is held.
    bool ShiftOnly() const { return Shift && !Ctrl && !Alt; }
    /// Ctrl alone is held.
    bool CtrlOnly() const { return Ctrl && !Shift && !Alt; }
};

/// The modifier set of Qt's modifiers (the keypad flag is no modifier here).
RYNUMEDIT_EXPORT TShiftState ShiftStateOf(Qt::KeyboardModifiers Modifiers);

/// A key event as the key rules read it: one virtual-key code and its modifier set.
struct TVirtualKey {
    quint16 Code = 0;  ///< 0 when the key has no virtual-key code here
    TShiftState Shift; ///< the modifiers held with it
};

/// Virtual-key codes: the values of TVirtualKey::Code that OnKeyDown and OnKeyUp report and
/// the key rules test.
namespace vk {
constexpr quint16 Back = 0x08;       ///< Backspace
constexpr quint16 Tab = 0x09;        ///< Tab and Shift+Tab
constexpr quint16 Return = 0x0D;     ///< Enter, on the main keyboard or the numeric pad
constexpr quint16 Shift = 0x10;      ///< Shift
constexpr quint16 Control = 0x11;    ///< Ctrl
constexpr quint16 Menu = 0x12;       ///< Alt
constexpr quint16 Pause = 0x13;      ///< Pause
constexpr quint16 Capital = 0x14;    ///< CapsLock
constexpr quint16 Kana = 0x15;       ///< かな (Kana Lock)
constexpr quint16 Kanji = 0x19;      ///< 漢字
constexpr quint16 Escape = 0x1B;     ///< Escape
constexpr quint16 Convert = 0x1C;    ///< 変換
constexpr quint16 NonConvert = 0x1D; ///< 無変換
constexpr quint16 Space = 0x20;      ///< the space bar
constexpr quint16 Prior = 0x21;      ///< Page Up
constexpr quint16 Next = 0x22;       ///< Page Down
constexpr quint16 End = 0x23;        ///< End
constexpr quint16 Home = 0x24;       ///< Home
constexpr quint16 Left = 0x25;       ///< Left arrow
constexpr quint16 Up = 0x26;         ///< Up arrow
constexpr quint16 Right = 0x27;      ///< Right arrow
constexpr quint16 Down = 0x28;       ///< Down arrow
constexpr quint16 Snapshot = 0x2C;   ///< Print Screen
constexpr quint16 Insert = 0x2D;     ///< Insert
constexpr quint16 Delete = 0x2E;     ///< Delete
constexpr quint16 Digit0 = 0x30;     ///< '0'..'9' are 0x30..0x39
constexpr quint16 LetterA = 0x41;    ///< 'A'..'Z' are 0x41..0x5A
constexpr quint16 Numpad0 = 0x60;    ///< numeric pad 0..9 are 0x60..0x69
constexpr quint16 Multiply = 0x6A;   ///< numeric pad *
constexpr quint16 Add = 0x6B;        ///< numeric pad +
constexpr quint16 Separator = 0x6C;  ///< a numeric pad separator, which TranslateKey never gives
constexpr quint16 Subtract = 0x6D;   ///< numeric pad -
constexpr quint16 Decimal = 0x6E;    ///< numeric pad decimal key ("." or ",")
constexpr quint16 Divide = 0x6F;     ///< numeric pad /
constexpr quint16 F1 = 0x70;         ///< F1..F24 are 0x70..0x87
constexpr quint16 LWin = 0x5B;       ///< the left Super (Windows) key
constexpr quint16 RWin = 0x5C;       ///< the right Super (Windows) key
constexpr quint16 Apps = 0x5D;       ///< the menu key
constexpr quint16 NumLock = 0x90;    ///< Num Lock
constexpr quint16 ScrollLock = 0x91; ///< Scroll Lock
constexpr quint16 Oem1 = 0xBA;       ///< the key carrying "*" and ":" on the Japanese layout
constexpr quint16 OemPlus = 0xBB;    ///< the key carrying "+" and ";"
constexpr quint16 OemComma = 0xBC;   ///< the key carrying "," and "<"
constexpr quint16 OemMinus = 0xBD;   ///< the key carrying "-" and, with Shift, "="
constexpr quint16 OemPeriod = 0xBE;  ///< the key carrying "." and ">"
constexpr quint16 Oem2 = 0xBF;       ///< the key carrying "/" and "?"
constexpr quint16 Oem3 = 0xC0;       ///< "@" and "`"
constexpr quint16 Oem4 = 0xDB;       ///< "[" and "{"
constexpr quint16 Oem5 = 0xDC;       ///< "¥" (or "\") and "|"
constexpr quint16 Oem6 = 0xDD;       ///< "]" and "}"
constexpr quint16 Oem7 = 0xDE;       ///< "^" and "~"
constexpr quint16 Oem102 = 0xE2;     ///< "\" and "_" (the ろ key)
constexpr quint16 OemAttn = 0xF0;    ///< 英数
constexpr quint16 OemFinish = 0xF1;  ///< カタカナ
constexpr quint16 OemCopy = 0xF2;    ///< カタカナ/ひらがな
constexpr quint16 OemAuto = 0xF3;    ///< 半角/全角
constexpr quint16 OemBacktab = 0xF5; ///< ローマ字

/// The code of a letter key, 'A' to 'Z'.
constexpr quint16 Letter(char upper) {
    return static_cast<quint16>(LetterA + (upper - 'A'));
}
} // namespace vk

/// The code of a key known by its place on the keyboard, where the platform reports xkb (evdev)
/// key codes: the digit row, whose shifted symbols differ from layout to layout, and the two
/// keys that both carry "\" on the Japanese layout. 0 for any other key, or where the place is
/// not known.
RYNUMEDIT_EXPORT quint16 KeyCodeByPlace(const QKeyEvent &e);

/// Translates a key event once. Keypad keys are told apart by the keypad modifier. A key of the
/// main keyboard is known by its place where the window system says which key it was (the
/// digit row, so Shift+1 is the key "1" with Shift whatever symbol the layout puts on it), and
/// otherwise by the character it carries, as it lies on the Japanese layout, so "=" reads as
/// the minus key with Shift held and "!" as the key "1". A key with no code here, such as a
/// dead key, gives 0.
RYNUMEDIT_EXPORT TVirtualKey TranslateKey(const QKeyEvent &e);

} // namespace RyNumEdit
