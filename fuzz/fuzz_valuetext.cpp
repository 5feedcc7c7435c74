// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// Fuzz target: any bytes written into the value text through Text, the set-text window message,
// paste and an input method commit, under settings taken from the first bytes. After each write
// the value text obeys its rules, the display text is its formatting, and Text survives a round
// trip through code page 932.
#include "FuzzSupport.h"
#include "RyNumEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>

#include <cstring>

namespace {

void CheckValue(TRyNumEdit &Edit) {
    const std::string value = Edit.ValueText();
    fuzz::Check(fuzz::IsValidValueText(value, Edit), "the value text obeys the rules");
    fuzz::Check(Edit.DisplayText() == Edit.FormatDisplayText(value),
                "the display text is the formatted value text");

    char buffer[8];
    const int n = Edit.WMGetText(sizeof buffer, buffer);
    fuzz::Check(static_cast<size_t>(n) == std::min(value.size(), sizeof buffer - 1) &&
                    std::memcmp(buffer, value.data(), static_cast<size_t>(n)) == 0 &&
                    buffer[n] == '\0',
                "the window text is the value text, cut to the buffer");

    Edit.SetText(fuzz::ToCp932(Edit.text()));
    fuzz::Check(Edit.ValueText() == value,
                "Text written back through code page 932 changes nothing");

    // The layout arithmetic runs on whatever the settings are.
    (void)Edit.GetCaretPoint();
    (void)Edit.GetLeftMarkRect();
    (void)Edit.GetRightMarkRect();
    (void)Edit.FitsDisplay(value);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    fuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    fuzz::Bytes in(Data, Size);
    TRyNumEdit edit;
    for (int settings = in.Byte() % 16; settings > 0; --settings)
        fuzz::WriteProperty(edit, in);
    CheckValue(edit);

    while (!in.Empty()) {
        const uint8_t how = in.Byte();
        const std::string text = in.Text();
        // A selection is replaced by a paste and cleared by the first character typed.
        if (how & 0x80)
            edit.SelectAll();
        switch (how % 5) {
        case 0:
            edit.SetText(text);
            break;
        case 1:
            edit.setProperty("Text", fuzz::FromCp932(text));
            break;
        case 2:
            edit.WMSetText(text.c_str());
            break;
        case 3:
            QApplication::clipboard()->setText(fuzz::FromCp932(text));
            edit.PasteFromClipboard();
            break;
        case 4: {
            QInputMethodEvent commit;
            commit.setCommitString(fuzz::FromCp932(text));
            QApplication::sendEvent(&edit, &commit);
            break;
        }
        }
        CheckValue(edit);
    }
    return 0;
}
