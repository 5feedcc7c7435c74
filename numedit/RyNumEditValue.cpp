// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// TRyNumEdit: the value text, how it is written, filtered, formatted and announced, and the
// window-text messages that read and write it.
#include "RyNumEdit.h"
#include "RyNumEdit_p.h"

#include "RyNumEditAccessible_p.h"
#include "ShiftJis_p.h"

#include <QMetaMethod>

#include <algorithm>
#include <cstring>
#include <typeinfo>

using namespace RyNumEdit;

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

// --- The value text ---------------------------------------------------------------------------

void TRyNumEdit::SetText(const std::string &Value) {
    // The raw text is compared, so writing "05" over "5" still runs the filter.
    if (Value == FValueText)
        return;
    FValueText = StripLeadingZeros(FilterText(Value));
    ValueChanged();
}

std::string TRyNumEdit::GetText() const {
    return FValueText;
}

void TRyNumEditPrivate::AnnounceText(bool Now) {
    // Followed only while someone listens: connecting takes the value text as announced.
    static const QMetaMethod textChanged = QMetaMethod::fromSignal(&TRyNumEdit::textChanged);
    if ((FAnnounceHeld > 0 && !Now) || !q->isSignalConnected(textChanged) ||
        q->FValueText == FAnnounced)
        return;
    FAnnounced = q->FValueText;
    Q_EMIT q->textChanged(q->text());
}

void TRyNumEdit::FormatChanged() {
    ++d->FGeneration;
    FDisplayText = FormatDisplayText(FValueText);
    AdjustWidth();
    update();
    UpdateCaret();
    d->NotifyAccessibility();
    d->AnnounceText();
    Q_EMIT formatChanged();
}

void TRyNumEdit::ValueChanged() {
    FDisplayText = FormatDisplayText(FValueText);
    update();
    UpdateCaret();
    d->NotifyAccessibility();
    d->AnnounceText();
}

bool TRyNumEditPrivate::IsPlainControl() const {
    return typeid(*q) == typeid(TRyNumEdit);
}

size_t TRyNumEditPrivate::FixedDigits(int Limit, size_t Held) {
    return static_cast<size_t>(std::min<uint64_t>(static_cast<uint64_t>(std::max(Limit, 0)),
                                                  uint64_t{Held} + TRyNumEdit::MaxFixedDigits));
}

std::string TRyNumEdit::FormatDisplayText(const std::string &Value) const {
    // The value text's own number is formatted once, for the display and the layout.
    std::string number = &Value == &FValueText ? d->FormattedNumber() : FormatNumber(Value);
    if (number.empty() || (d->FLeftMark.empty() && d->FRightMark.empty()))
        return number;
    std::string display;
    display.reserve(d->FLeftMark.size() + number.size() + d->FRightMark.size());
    display += d->FLeftMark;
    display += number;
    display += d->FRightMark;
    return display;
}

std::string TRyNumEdit::FormatNumber(const std::string &Value) const {
    TNumberParts n = SplitNumber(Value);
    if (d->FComma)
        n.Integer = InsertCommas(n.Integer);
    if (d->FDecimalFixed) {
        // Padded (or cut) to DecimalLength digits, but never padded by more than a control
        // can show.
        n.Decimals.resize(TRyNumEditPrivate::FixedDigits(d->FDecimalLength, n.Decimals.size()), '0');
        if (d->FDecimalLength > 0)
            n.Point = ".";
    }
    if ((d->FIntegerFixed || d->FDecimalFixed) && n.Integer.empty())
        n.Integer = "0";
    return JoinNumber(n.Sign, n.Integer, n.Point, n.Decimals);
}

TNumberParts TRyNumEdit::SplitNumber(const std::string &Value) const {
    TNumberParts n;
    size_t start = 0;
    if (!Value.empty() && Value[0] == '-') {
        n.Sign = "-";
        start = 1;
    }
    const size_t point = Value.find('.', start);
    if (point == std::string::npos) {
        n.Integer = Value.substr(start);
    } else {
        n.Integer = Value.substr(start, point - start);
        n.Point = ".";
        n.Decimals = Value.substr(point + 1);
    }
    return n;
}

std::string TRyNumEdit::JoinNumber(const std::string &Sign, const std::string &Integer,
                                   const std::string &Point, const std::string &Decimals) const {
    std::string result;
    result.reserve(Sign.size() + Integer.size() + Point.size() + Decimals.size());
    result += Sign;
    result += Integer;
    result += Point;
    result += Decimals;
    return result;
}

std::string TRyNumEdit::InsertCommas(const std::string &Digits) const {
    const size_t n = Digits.size();
    if (n <= 3)
        return Digits;
    // A comma goes before every group of three counted from the right: the groups are copied
    // into a text of commas, leaving one between each two.
    std::string result(n + (n - 1) / 3, ',');
    const char *from = Digits.data();
    char *to = &result[0];
    const size_t head = n % 3 == 0 ? 3 : n % 3;
    std::memcpy(to, from, head);
    to += head;
    for (size_t done = head; done < n; done += 3) {
        ++to; // past the comma
        std::memcpy(to, from + done, 3);
        to += 3;
    }
    return result;
}

std::string TRyNumEdit::FilterText(const std::string &Value) const {
    const auto intLimit = static_cast<size_t>(d->FIntegerLength);
    const auto decLimit = static_cast<size_t>(d->FDecimalLength);
    std::string result;
    // The result can be no longer than the input, nor than the limits allow.
    result.reserve(std::min(Value.size(), intLimit + decLimit + 2));
    bool folded = false;     // a character has been produced by the folding stage
    bool pointTaken = false; // the result holds a "."
    size_t intDigits = 0;
    size_t decDigits = 0;

    // Folding and the character filter run in one pass; each folded character is filtered as
    // it is produced. The scan also ends as soon as the outcome can no longer change: once the
    // integer part is too long the whole value is discarded, and decimals past the limit are
    // cut anyway.
    const size_t size = Value.size();
    const char *const bytes = Value.data();
    for (size_t i = 0; i < size; ++i) {
        auto b = static_cast<unsigned char>(bytes[i]);
        if (IsDigit(static_cast<char>(b))) {
            // A run of ASCII digits is taken whole, as far as the limits let it.
            size_t run = 1;
            while (i + run < size && IsDigit(bytes[i + run]))
                ++run;
            folded = true;
            if (pointTaken) {
                const size_t room = decLimit - decDigits;
                result.append(bytes + i, std::min(run, room));
                if (run > room)
                    break; // everything after the last allowed decimal is cut
                decDigits += run;
            } else {
                if (run > intLimit - intDigits)
                    return std::string(); // too long an integer part discards the whole value
                intDigits += run;
                result.append(bytes + i, run);
            }
            i += run - 1;
            continue;
        }
        char c;
        if (cp932::IsLeadByte(b)) {
            if (i + 1 >= size)
                break; // a lead byte without its trail byte
            const unsigned code = cp932::PairCode(b, static_cast<unsigned char>(Value[i + 1]));
            ++i;
            if (code == cp932::FullWidthComma)
                continue; // the full-width comma is dropped by the folding
            c = cp932::FoldFullWidth(code);
            if (c == '\0')
                break;
        } else {
            c = static_cast<char>(b);
        }
        const bool first = !folded;
        folded = true;

        if (c == ',')
            continue;
        if (c == '-') {
            if (!(d->FMinus && first))
                break;
            result += c;
        } else if (c == '.') {
            if (decLimit == 0 || pointTaken)
                break;
            pointTaken = true;
            result += c;
        } else if (IsDigit(c)) {
            if (pointTaken) {
                if (decDigits == decLimit)
                    break; // everything after the last allowed decimal is cut
                ++decDigits;
            } else if (++intDigits > intLimit) {
                return std::string(); // too long an integer part discards the whole value
            }
            result += c;
        } else {
            break;
        }
    }
    return result;
}

std::string TRyNumEdit::StripLeadingZeros(const std::string &Value) const {
    // Built in one piece: a sign, a "0" where one is due, and the rest after the zeros.
    const bool negative = Value.find('-') != std::string::npos;
    const size_t start = negative ? 1 : 0;
    const size_t rest = std::min(Value.find_first_not_of('0', start), Value.size());
    std::string r;
    r.reserve(Value.size() + 1);
    if (negative)
        r += '-';
    if ((rest == Value.size() && rest > start) || (rest < Value.size() && Value[rest] == '.'))
        r += '0';
    r.append(Value, rest, std::string::npos);
    return r;
}

// --- Window messages ----------------------------------------------------------------------------

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
