// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// The duration calculator: its state and every keypad operation, in whole minutes.
#pragma once

#include <cstdint>
#include <string>

/// The three display fields, the entry and result of the calculator.
enum class DurationField { Minutes, Hours, Days };

/// Display modes, as the window's mode choice lists them.
enum DurationMode : int { ModeDHM = 0, ModeHM = 1, ModeM = 2 };

/// What the engine needs of a display: the three field texts, the indicator and the mode.
/// Field texts are decimal digit strings (or empty); a display that filters what it is given
/// (such as a six-digit numeric field) is read back as it then holds.
class DurationDisplay {
public:
    virtual ~DurationDisplay() = default;
    virtual std::string FieldText(DurationField field) const = 0;
    virtual void SetFieldText(DurationField field, const std::string &text) = 0;
    virtual void SetIndicator(const std::string &text) = 0;
    virtual int Mode() const = 0;
};

/// The calculator state and its operations. The display fields are the entry: every operation
/// reads them as text and writes them as text. Arithmetic is on 32-bit signed integers that
/// wrap around on overflow; division truncates toward zero.
class DurationEngine {
public:
    /// Operator codes of the operator keys.
    enum Operator : int32_t {
        opEquals = 0,
        opAdd = 1,
        opSubtract = 2,
        opMultiply = 3,
        opDivide = 4
    };

    explicit DurationEngine(DurationDisplay &display);

    /// Zeroes the five state fields (window creation).
    void Reset();
    /// A digit or quick key: appends its caption ("0".."9", "10".."55") to the minutes field.
    void AppendKey(const std::string &caption);
    /// "Day": moves the minutes field's text to the days field.
    void MoveToDays();
    /// "Hour": moves the minutes field's text to the hours field.
    void MoveToHours();
    /// An operator key or "＝": evaluates.
    void Evaluate(Operator op);
    /// "C": clears the display; the state stays.
    void Clear();
    /// "AC": clears the display and the arithmetic state.
    void AllClear();
    /// The display mode changed: shows the fields again in the new mode.
    void ModeChanged();

    /// Turns days, hours and minutes into one minute total (wrapping) and splits it into the
    /// mode's units, truncating toward zero: DHM gives minutes < 60 and hours < 24 (negative
    /// for a negative total), HM puts whole hours into hours, M everything into minutes. An
    /// unknown mode leaves days and hours alone and the total in minutes.
    static void NormaliseDuration(int mode, int32_t &days, int32_t &hours, int32_t &minutes);

    /// A field text as a number: an optional sign and decimal digits that fit in 32 bits;
    /// 0 for an empty, malformed or out-of-range text.
    static int32_t TextToNumber(const std::string &text);
    /// A number as a field text: its decimal representation ("0" for zero).
    static std::string NumberToText(int32_t value);
    /// `accumulator op operand` with the operator codes: opEquals gives the operand, the
    /// others wrap around on overflow; division truncates toward zero, and a zero divisor
    /// leaves the accumulator as it is.
    static int32_t Apply(int32_t op, int32_t accumulator, int32_t operand);

    int32_t Operand() const { return operand_; }
    int32_t Accumulator() const { return accumulator_; }
    int32_t CurrentOperator() const { return currentOperator_; }
    int32_t PendingOperator() const { return pendingOperator_; }
    int32_t ResultShown() const { return resultShown_; }

private:
    void ReadFields(int32_t &days, int32_t &hours, int32_t &minutes) const;
    /// The three fields as one minute total.
    int32_t ReadEntry() const;
    /// Writes minutes, hours and days, in that order.
    void WriteFields(int32_t days, int32_t hours, int32_t minutes);
    void ClearFields();
    void MoveMinutesTo(DurationField field);

    DurationDisplay &display_;
    int32_t operand_ = 0;
    int32_t accumulator_ = 0;
    int32_t currentOperator_ = 0;
    int32_t pendingOperator_ = 0;
    int32_t resultShown_ = 0;
};
