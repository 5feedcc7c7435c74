// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// TPriceEdit: at least MinDecimals decimals shown, currency signs before a number skipped.
#include "PriceEdit.h"

#include <algorithm>

//! [constructor]
TPriceEdit::TPriceEdit(QWidget *Parent) : TRyNumEdit(Parent) {
    // The settings a price starts with; a form may change them like any other control's.
    SetDecimalLength(4);
}
//! [constructor]

//! [setting]
void TPriceEdit::SetMinDecimals(int Value) {
    if (Value < 0 || Value > MaxFixedDigits || Value == FMinDecimals)
        return;
    FMinDecimals = Value;
    // The formatted number depends on this setting: format, measure and paint again.
    FormatChanged();
}
//! [setting]

//! [filter]
namespace {

// What may stand before a price, in code page 932: "$", "\" (the yen sign of that code
// page), a blank, and the full-width yen sign and blank.
const std::string Leaders[] = {"$", "\\", " ", "\x81\x8F", "\x81\x40"};

} // namespace

std::string TPriceEdit::FilterText(const std::string &Value) const {
    // Skip the signs and blanks before the number; the control's own filter reads the rest.
    size_t start = 0;
    for (bool skipped = true; skipped;) {
        skipped = false;
        for (const std::string &leader : Leaders)
            if (Value.compare(start, leader.size(), leader) == 0) {
                start += leader.size();
                skipped = true;
            }
    }
    return TRyNumEdit::FilterText(Value.substr(start));
}
//! [filter]

//! [format]
std::string TPriceEdit::FormatNumber(const std::string &Value) const {
    const std::string number = TRyNumEdit::FormatNumber(Value);
    // The zeros go after what was typed, as DecimalFixed's do, so the caret stays before them.
    return number.empty() ? number : number + Padding(Value);
}

std::string TPriceEdit::NumberAreaTemplate() const {
    // The number's area is measured from the value text; it must make room for the zeros too,
    // or a LeftMark would be drawn over the number.
    return TRyNumEdit::NumberAreaTemplate() + Padding(FValueText);
}

std::string TPriceEdit::Padding(const std::string &Value) const {
    const TNumberParts n = SplitNumber(Value);
    const auto wanted = static_cast<size_t>(std::min(FMinDecimals, DecimalLength()));
    // Nothing for a sign alone, or where DecimalFixed pads already.
    if (n.Integer.empty() || DecimalFixed() || n.Decimals.size() >= wanted)
        return std::string();
    return (n.Point.empty() ? "." : "") + std::string(wanted - n.Decimals.size(), '0');
}
//! [format]

//! [state]
void TPriceEdit::TrimZeros() {
    const TNumberParts n = SplitNumber(FValueText);
    std::string decimals = n.Decimals;
    while (decimals.size() > static_cast<size_t>(FMinDecimals) && decimals.back() == '0')
        decimals.pop_back();
    const std::string trimmed =
        JoinNumber(n.Sign, n.Integer, decimals.empty() ? std::string() : n.Point, decimals);
    if (trimmed == FValueText)
        return;
    // A derived control writes the state fields as the control's own operations do: the value
    // text, then ValueChanged, which formats, repaints, places the caret and raises
    // textChanged. As a program's write it records no undo text and raises no OnChange.
    FValueText = trimmed;
    ValueChanged();
}
//! [state]
