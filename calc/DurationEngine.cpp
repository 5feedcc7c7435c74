// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// The duration engine: the keypad operations on the calculator state and the display fields.
#include "DurationEngine.h"

namespace {

// Every sum, difference and product of the calculator wraps around in 32 bits. Signed overflow
// is undefined in C++, so the wrapping is done on the unsigned bit patterns.
uint32_t Bits(int32_t v) {
    return static_cast<uint32_t>(v);
}
int32_t FromBits(uint32_t v) {
    return static_cast<int32_t>(v);
}

int32_t WrapAdd(int32_t a, int32_t b) {
    return FromBits(Bits(a) + Bits(b));
}
int32_t WrapSub(int32_t a, int32_t b) {
    return FromBits(Bits(a) - Bits(b));
}
int32_t WrapMul(int32_t a, int32_t b) {
    return FromBits(Bits(a) * Bits(b));
}
int32_t WrapNeg(int32_t a) {
    return FromBits(0u - Bits(a));
}

constexpr int32_t kFieldMax = 999999;

} // namespace

DurationEngine::DurationEngine(DurationDisplay &display) : display_(display) {}

int32_t DurationEngine::TextToNumber(const std::string &text) {
    size_t i = 0;
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        i = 1;
    }
    if (i == text.size())
        return 0;
    // Up to 2^31 fits in 64 bits with room to spare; a longer text is out of range anyway.
    constexpr int64_t kLimit = int64_t{1} << 31;
    int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return 0;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > kLimit)
            return 0;
    }
    if (negative)
        return static_cast<int32_t>(-magnitude);
    return magnitude < kLimit ? static_cast<int32_t>(magnitude) : 0;
}

std::string DurationEngine::NumberToText(int32_t value) {
    return std::to_string(value);
}

int32_t DurationEngine::Apply(int32_t op, int32_t accumulator, int32_t operand) {
    switch (op) {
    case opEquals:
        return operand;
    case opAdd:
        return WrapAdd(accumulator, operand);
    case opSubtract:
        return WrapSub(accumulator, operand);
    case opMultiply:
        return WrapMul(accumulator, operand);
    case opDivide:
        if (operand == 0)
            return accumulator;
        // INT32_MIN / -1 traps on common hardware; the wrapped quotient is the negation.
        if (operand == -1)
            return WrapNeg(accumulator);
        return accumulator / operand;
    default:
        return accumulator;
    }
}

void DurationEngine::NormaliseDuration(int mode, int32_t &days, int32_t &hours, int32_t &minutes) {
    const int32_t total = WrapAdd(WrapAdd(WrapMul(days, 1440), WrapMul(hours, 60)), minutes);
    minutes = total;
    // The divisors are positive constants, so even INT32_MIN divides without overflow; C++
    // truncates toward zero, and a negative total gives negative parts.
    switch (mode) {
    case ModeDHM: {
        minutes = total % 60;
        const int32_t q = total / 60;
        hours = q % 24;
        days = q / 24;
        break;
    }
    case ModeHM:
        minutes = total % 60;
        hours = total / 60;
        days = 0;
        break;
    case ModeM:
        hours = 0;
        days = 0;
        break;
    default:
        break;
    }
}

void DurationEngine::Reset() {
    operand_ = 0;
    accumulator_ = 0;
    currentOperator_ = 0;
    pendingOperator_ = 0;
    resultShown_ = 0;
}

void DurationEngine::AppendKey(const std::string &caption) {
    if (resultShown_ != 0) {
        ClearFields();
        resultShown_ = 0;
    }
    // Quick keys append their two characters; the field empties itself past six digits, so
    // the next key starts a new number.
    display_.SetFieldText(DurationField::Minutes,
                          display_.FieldText(DurationField::Minutes) + caption);
}

void DurationEngine::MoveToDays() {
    MoveMinutesTo(DurationField::Days);
}

void DurationEngine::MoveToHours() {
    MoveMinutesTo(DurationField::Hours);
}

void DurationEngine::Evaluate(Operator op) {
    pendingOperator_ = currentOperator_;
    currentOperator_ = op;
    const int32_t entry = ReadEntry();

    if (resultShown_ == 1) {
        // No new entry since the last result.
        if (currentOperator_ == pendingOperator_) {
            if (operand_ != 0 && pendingOperator_ != opEquals) {
                // The same operator again repeats it with the last operand. A repeated "÷"
                // over fields that read 0 (such as after an overflow emptied them) clears
                // the accumulator instead.
                if (pendingOperator_ == opDivide && entry == 0)
                    accumulator_ = 0;
                else
                    accumulator_ = Apply(pendingOperator_, accumulator_, operand_);
            }
        } else {
            // Another operator replaces the pending one; nothing is computed.
            pendingOperator_ = currentOperator_;
            operand_ = 0;
        }
    } else if (entry != 0) {
        // An entry of 0 is not taken as an operand, so "5 × 0 =" shows 5 and no division by
        // zero can happen.
        operand_ = entry;
        accumulator_ = Apply(pendingOperator_, accumulator_, operand_);
    }

    // The result is shown as its magnitude. |INT32_MIN| does not fit in 32 signed bits, so the
    // split is made on the unsigned magnitude; the wrapped value would show negative parts
    // that the unsigned fields refuse, and so a blank display instead of an overflow.
    uint32_t days = 0;
    uint32_t hours = 0;
    uint32_t minutes = accumulator_ < 0 ? 0u - Bits(accumulator_) : Bits(accumulator_);
    switch (display_.Mode()) {
    case ModeDHM:
        days = minutes / 60 / 24;
        hours = minutes / 60 % 24;
        minutes %= 60;
        break;
    case ModeHM:
        hours = minutes / 60;
        minutes %= 60;
        break;
    default:
        break;
    }
    display_.SetFieldText(DurationField::Minutes, std::to_string(minutes));
    display_.SetFieldText(DurationField::Hours, std::to_string(hours));
    display_.SetFieldText(DurationField::Days, std::to_string(days));

    constexpr auto fieldMax = static_cast<uint32_t>(kFieldMax);
    if (minutes > fieldMax || hours > fieldMax || days > fieldMax)
        display_.SetIndicator("E");
    else
        display_.SetIndicator(accumulator_ < 0 ? "-" : "");
    resultShown_ = 1;
}

void DurationEngine::Clear() {
    ClearFields();
    display_.SetIndicator("");
}

void DurationEngine::AllClear() {
    Clear();
    operand_ = 0;
    accumulator_ = 0;
    currentOperator_ = 0;
    pendingOperator_ = 0;
}

void DurationEngine::ModeChanged() {
    int32_t days = 0;
    int32_t hours = 0;
    int32_t minutes = 0;
    ReadFields(days, hours, minutes);
    NormaliseDuration(display_.Mode(), days, hours, minutes);

    // Nothing to show again: an empty or zero display stays as it is.
    if (WrapAdd(WrapAdd(days, hours), minutes) == 0)
        return;
    // A part too wide for its field is only flagged; the fields keep what they show.
    if (minutes > kFieldMax || hours > kFieldMax || days > kFieldMax) {
        display_.SetIndicator("E");
        return;
    }
    WriteFields(days, hours, minutes);
    // The sign is the accumulator's, even while a new entry is being typed.
    display_.SetIndicator(accumulator_ < 0 ? "-" : "");
}

void DurationEngine::ReadFields(int32_t &days, int32_t &hours, int32_t &minutes) const {
    days = TextToNumber(display_.FieldText(DurationField::Days));
    hours = TextToNumber(display_.FieldText(DurationField::Hours));
    minutes = TextToNumber(display_.FieldText(DurationField::Minutes));
}

int32_t DurationEngine::ReadEntry() const {
    int32_t days = 0;
    int32_t hours = 0;
    int32_t minutes = 0;
    ReadFields(days, hours, minutes);
    NormaliseDuration(ModeM, days, hours, minutes);
    return minutes;
}

void DurationEngine::WriteFields(int32_t days, int32_t hours, int32_t minutes) {
    display_.SetFieldText(DurationField::Minutes, NumberToText(minutes));
    display_.SetFieldText(DurationField::Hours, NumberToText(hours));
    display_.SetFieldText(DurationField::Days, NumberToText(days));
}

void DurationEngine::ClearFields() {
    display_.SetFieldText(DurationField::Minutes, std::string());
    display_.SetFieldText(DurationField::Hours, std::string());
    display_.SetFieldText(DurationField::Days, std::string());
}

void DurationEngine::MoveMinutesTo(DurationField field) {
    display_.SetFieldText(field, display_.FieldText(DurationField::Minutes));
    display_.SetFieldText(DurationField::Minutes, std::string());
}
