// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// TRyNumEdit: calculator-style editing of the value text, the selection and one level of undo.
#include "RyNumEdit.h"
#include "RyNumEdit_p.h"

#include "Beep_p.h"

namespace {

/// The counts that the digit limits are checked against.
struct Counts {
    bool hasPoint = false;
    int integerDigits = 0;
    int decimalDigits = 0;
};

Counts CountDigits(const std::string &v) {
    Counts c;
    const size_t point = v.find('.');
    const bool negative = v.find('-') != std::string::npos;
    c.hasPoint = point != std::string::npos;
    const size_t integerEnd = c.hasPoint ? point : v.size();
    c.integerDigits = static_cast<int>(integerEnd) - (negative ? 1 : 0);
    c.decimalDigits = c.hasPoint ? static_cast<int>(v.size() - point - 1) : 0;
    return c;
}

} // namespace

void TRyNumEdit::Beep() {
    Q_EMIT inputRejected();
    if (d->FErrorBeep)
        RyNumEdit::SystemBeep();
}

void TRyNumEdit::Publish(const std::string &Value, char &Key) {
    SaveUndo();
    FValueText = Value;
    ValueChanged();
    Key = '\0';
    // The edit is complete: its one textChanged comes now, before OnChange.
    d->AnnounceText(/*Now=*/true);
    Q_EMIT OnChange(this);
}

void TRyNumEdit::InputDigit(char &Key) {
    const TRyNumEditPrivate::THoldAnnouncement hold(d.get());
    if (d->FReadOnly) {
        Key = '\0';
        return;
    }
    if (FSelLength != 0)
        ClearValue();
    const Counts c = CountDigits(FValueText);
    // The limits apply to the value before a leading zero would be dropped.
    const bool allowed = (d->FDecimalLength > 0 && c.hasPoint) ? c.decimalDigits < d->FDecimalLength
                                                            : c.integerDigits < d->FIntegerLength;
    if (!allowed) {
        Beep();
        Key = '\0';
        return;
    }
    const std::string candidate = StripLeadingZeros(FValueText + Key);
    if (d->FOptions.testFlag(eoORInputStop) && !FitsDisplay(candidate)) {
        Beep();
        Key = '\0';
        return;
    }
    Publish(candidate, Key);
}

void TRyNumEdit::InputDecimalPoint(char &Key) {
    const TRyNumEditPrivate::THoldAnnouncement hold(d.get());
    if (d->FReadOnly) {
        Key = '\0';
        return;
    }
    if (d->FDecimalLength == 0) {
        // Refused before the selection is touched.
        Beep();
        Key = '\0';
        return;
    }
    if (FSelLength != 0)
        ClearValue();
    if (FValueText.find('.') != std::string::npos) {
        Beep();
        Key = '\0';
        return;
    }
    const std::string candidate = FValueText + '.';
    // The width is tested on the text as typed, before "." becomes "0.".
    if (d->FOptions.testFlag(eoORInputStop) && !FitsDisplay(candidate)) {
        Beep();
        Key = '\0';
        return;
    }
    Publish(StripLeadingZeros(candidate), Key);
}

void TRyNumEdit::InputMinus(char &Key) {
    const TRyNumEditPrivate::THoldAnnouncement hold(d.get());
    if (d->FReadOnly) {
        Key = '\0';
        return;
    }
    if (!d->FMinus) {
        Beep();
        Key = '\0';
        return;
    }
    if (FSelLength != 0)
        ClearValue();
    const size_t sign = FValueText.find('-');
    if (sign != std::string::npos) {
        // The sign key toggles: removing the sign needs no width test and keeps the zeros.
        std::string without = FValueText;
        without.erase(sign, 1);
        Publish(without, Key);
        return;
    }
    const std::string candidate = "-" + FValueText;
    if (d->FOptions.testFlag(eoORInputStop) && !FitsDisplay(candidate)) {
        Beep();
        Key = '\0';
        return;
    }
    Publish(candidate, Key);
}

void TRyNumEdit::DeleteLastChar() {
    if (d->FReadOnly || FValueText.empty())
        return;
    if (FSelLength != 0) {
        ClearValue();
        return;
    }
    std::string shorter = FValueText.substr(0, FValueText.size() - 1);
    if (!shorter.empty() && shorter.back() == '.')
        shorter.pop_back();
    SaveUndo();
    FValueText = shorter;
    ValueChanged();
    Q_EMIT OnChange(this);
}

void TRyNumEdit::SaveUndo() {
    FUndoText = FValueText;
    FCanUndo = true;
}

void TRyNumEdit::SwapUndo() {
    std::swap(FValueText, FUndoText);
    FCanUndo = true;
}

void TRyNumEdit::SelectAll() {
    FSelLength = static_cast<int>(FDisplayText.size());
    update();
}

void TRyNumEdit::ClearSelection() {
    FSelLength = 0;
    update();
}

void TRyNumEdit::ClearValue() {
    SaveUndo();
    FValueText.clear();
    ClearSelection();
    ValueChanged();
}
