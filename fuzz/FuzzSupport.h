// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// What the fuzz targets share: reading operations from the input bytes, the application they
// run in, writes of the control's published properties with awkward values, and the rules a
// value text must obey, stated independently of the control's own filter.
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <string>

class TRyNumEdit;

namespace fuzz {

/// Reads an input front to back; once it is used up every read gives zeros and empty texts.
class Bytes {
public:
    Bytes(const uint8_t *Data, size_t Size) : data_(Data), size_(Size) {}

    bool Empty() const { return pos_ >= size_; }
    uint8_t Byte() { return Empty() ? 0 : data_[pos_++]; }
    bool Bool() { return (Byte() & 1) != 0; }
    /// A length, margin or similar integer: mostly small, but also negative, ten million,
    /// near 2^31 - 1 or any 32-bit value.
    int Int();
    /// Code page 932 bytes: a length byte and that many bytes, or (length 255) a short
    /// pattern repeated up to 4081 times, so that short inputs reach long texts.
    std::string Text();

private:
    const uint8_t *data_;
    size_t size_;
    size_t pos_ = 0;
};

/// Starts the one QApplication of the process, on the offscreen platform unless another is
/// asked for, with the beep silenced. Called from LLVMFuzzerInitialize.
void StartApplication();

/// Code page 932 bytes as Unicode, as a keyboard, an input method or the clipboard would
/// deliver them; a byte that is no code page 932 character becomes U+FFFD.
QString FromCp932(const std::string &Bytes);
/// Unicode as code page 932 bytes; a character without a code page 932 form becomes "?".
std::string ToCp932(const QString &Text);

/// Writes one published property of the control, chosen and valued by the input (negative
/// and huge numbers included).
void WriteProperty(TRyNumEdit &Edit, Bytes &In);

/// True when Value obeys the value text rules under the control's current settings: an
/// optional "-" (only with Minus), integer digits without leading zeros and within
/// IntegerLength, an optional "." (only with a DecimalLength above 0) and decimals within
/// DecimalLength. The "0" that a typed "." gets before it counts as no digit, and it may stay
/// after that "." is deleted again.
bool IsValidValueText(const std::string &Value, const TRyNumEdit &Edit);

/// Stops the process with a message when an invariant does not hold: libFuzzer keeps the
/// input that got there.
void Check(bool Condition, const char *What);

} // namespace fuzz
