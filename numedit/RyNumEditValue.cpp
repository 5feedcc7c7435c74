// TRyNumEdit: construction, the published properties and the value text with its formatting.
#include "EditCaret.h"
#include "RyNumEdit.h"

#include "Beep.h"
#include "RyNumEditAccessible.h"
#include "ShiftJis.h"

#include <QApplication>
#include <QMenu>
#include <QPalette>

#include <algorithm>
#include <cstring>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

TRyNumEdit::TRyNumEdit(QWidget *parent, TDesignState State)
    : QWidget(parent), FCaret(std::make_unique<EditCaret>(this)), FDesigning(State == dsDesigning) {
    // FCreating is true from here until the end of the constructor.
    InstallRyNumEditAccessibility();
    setAttribute(Qt::WA_InputMethodEnabled);
    resize(121, 20);
    setCursor(Qt::IBeamCursor);
    SetTabStop(true);
    // Every move is published, not only those with a button held.
    setMouseTracking(true);
    setContentsMargins(FrameWidth(), FrameWidth(), FrameWidth(), FrameWidth());

    FDisplayText = FormatDisplayText(FValueText);
    FUndoText.clear();
    FCaretWidth = 1;
    FDblClicked = false;
    // The built-in context menu is built when it is first needed (BuildPopupMenu).
    FCreating = false;

    // Qt gives a parent at construction; what follows a parent assignment runs now, before
    // a form sets its stored properties, so a stored Color still wins.
    if (parent)
        ParentAssigned();
}

TRyNumEdit::~TRyNumEdit() {
    // QWidget's destructor gives the focus away, which must not reach a control that is gone.
    StopWatchingWindowFocus();
}

// --- Published properties -------------------------------------------------------------------

void TRyNumEdit::SetAlignment(TAlignment Value) {
    if (Value == FAlignment)
        return;
    FAlignment = Value;
    update();
    UpdateCaret();
}

void TRyNumEdit::SetAutoSelect(bool Value) {
    if (Value == FAutoSelect)
        return;
    FAutoSelect = Value;
    update();
}

void TRyNumEdit::SetAutoSize(bool Value) {
    if (Value == FAutoSize)
        return;
    FAutoSize = Value;
    AdjustHeight();
    AdjustWidth();
    update();
    UpdateCaret();
}

void TRyNumEdit::SetBorderStyle(TBorderStyle Value) {
    if (Value == FBorderStyle)
        return;
    FBorderStyle = Value;
    RecreateWnd();
    AdjustHeight();
    AdjustWidth();
    update();
    UpdateCaret();
}

void TRyNumEdit::SetBottomMargin(int Value) {
    if (Value < 0 || Value == FBottomMargin)
        return;
    FBottomMargin = Value;
    AdjustHeight();
    update();
    UpdateCaret();
}

void TRyNumEdit::SetComma(bool Value) {
    if (Value == FComma)
        return;
    FComma = Value;
    FormatChanged();
}

void TRyNumEdit::SetDecimalFixed(bool Value) {
    if (Value == FDecimalFixed)
        return;
    FDecimalFixed = Value;
    FormatChanged();
}

void TRyNumEdit::SetDecimalLength(int Value) {
    if (Value < 0 || Value == FDecimalLength)
        return;
    FDecimalLength = Value;
    FValueText = FilterText(FValueText);
    FormatChanged();
}

QColor TRyNumEdit::DisabledColor() const {
    return FDisabledColor.isValid() ? FDisabledColor
                                    : palette().color(QPalette::Disabled, QPalette::Text);
}

void TRyNumEdit::SetDisabledColor(const QColor &Value) {
    if (Value == FDisabledColor || (Value.isValid() && Value == DisabledColor()))
        return;
    FDisabledColor = Value;
    update();
}

void TRyNumEdit::SetIntegerFixed(bool Value) {
    if (Value == FIntegerFixed)
        return;
    FIntegerFixed = Value;
    FormatChanged();
}

void TRyNumEdit::SetIntegerLength(int Value) {
    if (Value < 0 || Value == FIntegerLength)
        return;
    FIntegerLength = Value;
    FValueText = FilterText(FValueText);
    FormatChanged();
}

void TRyNumEdit::SetLeftMargin(int Value) {
    if (Value < 0 || Value == FLeftMargin)
        return;
    FLeftMargin = Value;
    AdjustWidth();
    update();
    UpdateCaret();
}

QString TRyNumEdit::LeftMark() const {
    return cp932::ToUnicode(FLeftMark);
}

void TRyNumEdit::SetLeftMark(const QString &Value) {
    const std::string mark = cp932::FromUnicode(Value);
    if (mark == FLeftMark)
        return;
    FLeftMark = mark;
    FormatChanged();
}

void TRyNumEdit::SetMinus(bool Value) {
    if (Value == FMinus)
        return;
    FMinus = Value;
    FValueText = FilterText(FValueText);
    FormatChanged();
}

void TRyNumEdit::SetRightMargin(int Value) {
    if (Value < 0 || Value == FRightMargin)
        return;
    FRightMargin = Value;
    AdjustWidth();
    update();
    UpdateCaret();
}

QString TRyNumEdit::RightMark() const {
    return cp932::ToUnicode(FRightMark);
}

void TRyNumEdit::SetRightMark(const QString &Value) {
    const std::string mark = cp932::FromUnicode(Value);
    if (mark == FRightMark)
        return;
    FRightMark = mark;
    FormatChanged();
}

void TRyNumEdit::SetTopMargin(int Value) {
    if (Value < 0 || Value == FTopMargin)
        return;
    FTopMargin = Value;
    AdjustHeight();
    update();
    UpdateCaret();
}

void TRyNumEdit::SetVertAlignment(TVertAlignment Value) {
    if (Value == FVertAlignment)
        return;
    FVertAlignment = Value;
    update();
    UpdateCaret();
}

QString TRyNumEdit::text() const {
    return cp932::ToUnicode(GetText());
}

void TRyNumEdit::setText(const QString &Value) {
    SetText(cp932::FromUnicode(Value));
}

QColor TRyNumEdit::Color() const {
    return FColor.isValid() ? FColor : palette().color(QPalette::Active, QPalette::Base);
}

void TRyNumEdit::SetColor(const QColor &Value) {
    // The system colour written again stays the system colour.
    if (Value == FColor || (Value.isValid() && Value == Color()))
        return;
    FColor = Value;
    update();
}

bool TRyNumEdit::TabStop() const {
    // A form designer takes the focus of the widgets on its forms; what it shows and saves is
    // the value that was set.
    if (IsDesigning())
        return FTabStop;
    return (focusPolicy() & Qt::TabFocus) != 0;
}

void TRyNumEdit::SetTabStop(bool Value) {
    FTabStop = Value;
    // A mouse press focuses the control whether or not it is a tab stop.
    setFocusPolicy(Value ? Qt::StrongFocus : Qt::ClickFocus);
}

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

void TRyNumEdit::FormatChanged() {
    ++FGeneration;
    FDisplayText = FormatDisplayText(FValueText);
    AdjustWidth();
    update();
    UpdateCaret();
    NotifyAccessibility();
}

void TRyNumEdit::ValueChanged() {
    FDisplayText = FormatDisplayText(FValueText);
    update();
    UpdateCaret();
    NotifyAccessibility();
}

size_t TRyNumEdit::FixedDigits(int Limit, size_t Held) {
    return static_cast<size_t>(std::min<uint64_t>(static_cast<uint64_t>(std::max(Limit, 0)),
                                                  uint64_t{Held} + MaxFixedDigits));
}

std::string TRyNumEdit::FormatDisplayText(const std::string &Value) const {
    // The value text's own number is formatted once, for the display and the layout.
    std::string number = &Value == &FValueText ? FormattedNumber() : FormatNumber(Value);
    if (number.empty() || (FLeftMark.empty() && FRightMark.empty()))
        return number;
    std::string display;
    display.reserve(FLeftMark.size() + number.size() + FRightMark.size());
    display += FLeftMark;
    display += number;
    display += FRightMark;
    return display;
}

std::string TRyNumEdit::FormatNumber(const std::string &Value) const {
    TNumberParts n = SplitNumber(Value);
    if (FComma)
        n.Integer = InsertCommas(n.Integer);
    if (FDecimalFixed) {
        // Padded (or cut) to DecimalLength digits, but never padded by more than a control
        // can show.
        n.Decimals.resize(FixedDigits(FDecimalLength, n.Decimals.size()), '0');
        if (FDecimalLength > 0)
            n.Point = ".";
    }
    if ((FIntegerFixed || FDecimalFixed) && n.Integer.empty())
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
    const auto intLimit = static_cast<size_t>(FIntegerLength);
    const auto decLimit = static_cast<size_t>(FDecimalLength);
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
            if (!(FMinus && first))
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
