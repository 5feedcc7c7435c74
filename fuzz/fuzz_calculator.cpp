// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// Fuzz target: key presses and mode changes on the duration engine behind the three numeric
// fields of the calculator's form. After every step the fields, the indicator and the state
// agree with a small model of the evaluation, computed in 64 bits and wrapped to 32.
#include "DurationEngine.h"
#include "FuzzSupport.h"
#include "RyNumEdit.h"
#include "ui_TZELKF.h"

#include <array>
#include <cstdint>

namespace {

/// The calculator's form, built once (it costs far more than an input's steps) on a host that
/// lives as long as the process.
Ui::TZELKF form;

/// The window's display: the form's fields, emptied for each input, the indicator and the mode.
class FieldDisplay : public DurationDisplay {
public:
    FieldDisplay() {
        for (TRyNumEdit *field : fields_)
            field->SetText(std::string());
    }
    std::string FieldText(DurationField Field) const override { return At(Field).GetText(); }
    void SetFieldText(DurationField Field, const std::string &Text) override {
        At(Field).SetText(Text);
    }
    void SetIndicator(const std::string &Text) override { indicator = Text; }
    int Mode() const override { return mode; }

    TRyNumEdit &At(DurationField Field) const { return *fields_[static_cast<size_t>(Field)]; }

    std::string indicator;
    int mode = ModeDHM;

private:
    std::array<TRyNumEdit *, 3> fields_{form.RyNumEdit1, form.RyNumEdit2, form.RyNumEdit3};
};

/// 32-bit wrap-around of a 64-bit result.
int64_t Wrap(int64_t V) {
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(V)));
}

/// The calculator as its rules describe it, with fields that keep at most six digits.
struct Model {
    std::array<std::string, 3> fields; // minutes, hours, days
    std::string indicator;
    int64_t operand = 0, accumulator = 0;
    int current = 0, pending = 0, resultShown = 0;

    static std::string Filter(const std::string &Digits) {
        if (Digits.size() > 6)
            return std::string(); // the limit counts the leading zeros too
        const size_t first = Digits.find_first_not_of('0');
        if (first == std::string::npos)
            return Digits.empty() ? Digits : "0";
        return Digits.substr(first);
    }
    void Write(int Field, int64_t Value) { fields[Field] = Filter(std::to_string(Value)); }
    int64_t Read(int Field) const { return fields[Field].empty() ? 0 : std::stoll(fields[Field]); }
    int64_t Entry() const { return Wrap(Read(2) * 1440 + Read(1) * 60 + Read(0)); }
    void ClearFields() { fields = {}; }

    static int64_t Apply(int Op, int64_t Accumulator, int64_t Operand) {
        switch (Op) {
        case 1:
            return Wrap(Accumulator + Operand);
        case 2:
            return Wrap(Accumulator - Operand);
        case 3:
            return Wrap(Accumulator * Operand);
        case 4:
            return Wrap(Accumulator / Operand);
        default:
            return Operand;
        }
    }

    void Key(const std::string &Caption) {
        if (resultShown) {
            ClearFields();
            resultShown = 0;
        }
        fields[0] = Filter(fields[0] + Caption);
    }
    void Move(int Field) {
        fields[Field] = fields[0];
        fields[0].clear();
    }
    void Clear() {
        ClearFields();
        indicator.clear();
    }
    void AllClear() {
        Clear();
        operand = accumulator = 0;
        current = pending = 0;
    }
    /// The three parts of a minute total in a display mode: minutes, hours, days.
    static std::array<int64_t, 3> Split(int Mode, int64_t Total) {
        switch (Mode) {
        case ModeDHM:
            return {Total % 60, Total / 60 % 24, Total / 60 / 24};
        case ModeHM:
            return {Total % 60, Total / 60, 0};
        default:
            return {Total, 0, 0};
        }
    }
    void Evaluate(int Op, int Mode) {
        pending = current;
        current = Op;
        const int64_t entry = Entry();
        if (resultShown) {
            if (current != pending) {
                pending = current;
                operand = 0;
            } else if (operand != 0 && pending != 0) {
                accumulator = pending == 4 && entry == 0 ? 0 : Apply(pending, accumulator, operand);
            }
        } else if (entry != 0) {
            operand = entry;
            accumulator = Apply(pending, accumulator, operand);
        }
        const auto parts = Split(Mode, accumulator < 0 ? -accumulator : accumulator);
        for (int f = 0; f < 3; ++f)
            Write(f, parts[f]);
        const bool tooWide = parts[0] > 999999 || parts[1] > 999999 || parts[2] > 999999;
        indicator = tooWide ? "E" : accumulator < 0 ? "-" : "";
        resultShown = 1;
    }
    void ModeChanged(int Mode) {
        const auto parts = Split(Mode, Entry());
        if (parts[0] + parts[1] + parts[2] == 0)
            return;
        if (parts[0] > 999999 || parts[1] > 999999 || parts[2] > 999999) {
            indicator = "E";
            return;
        }
        for (int f = 0; f < 3; ++f)
            Write(f, parts[f]);
        indicator = accumulator < 0 ? "-" : "";
    }
};

const char *const Captions[] = {"0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",
                                "10", "15", "20", "25", "30", "35", "40", "45", "50", "55"};
constexpr int CaptionCount = sizeof Captions / sizeof Captions[0];

void CheckAgainst(const Model &M, const FieldDisplay &Display, const DurationEngine &Engine) {
    for (int f = 0; f < 3; ++f) {
        const std::string text = Display.At(static_cast<DurationField>(f)).GetText();
        fuzz::Check(text.size() <= 6 && text.find_first_not_of("0123456789") == std::string::npos,
                    "a field reads as at most six digits");
        fuzz::Check(text == M.fields[f], "a field holds what the model holds");
    }
    fuzz::Check(Display.indicator.empty() || Display.indicator == "-" || Display.indicator == "E",
                "the indicator is empty, \"-\" or \"E\"");
    fuzz::Check(Display.indicator == M.indicator, "the indicator is the model's");
    fuzz::Check(Engine.Accumulator() == M.accumulator, "the accumulator is the model's");
    fuzz::Check(Engine.Operand() == M.operand && Engine.CurrentOperator() == M.current &&
                    Engine.PendingOperator() == M.pending && Engine.ResultShown() == M.resultShown,
                "the state is the model's");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    fuzz::StartApplication();
    form.setupUi(new QWidget);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    FieldDisplay display;
    DurationEngine engine(display);
    engine.Reset();
    Model model;

    for (size_t i = 0; i < Size; ++i) {
        const int key = Data[i] % (CaptionCount + 12);
        if (key < CaptionCount) {
            engine.AppendKey(Captions[key]);
            model.Key(Captions[key]);
        } else if (key < CaptionCount + 5) {
            const int op = key - CaptionCount; // ＝ ＋ － × ÷
            engine.Evaluate(static_cast<DurationEngine::Operator>(op));
            model.Evaluate(op, display.mode);
        } else if (key < CaptionCount + 8) {
            display.mode = key - CaptionCount - 5;
            engine.ModeChanged();
            model.ModeChanged(display.mode);
        } else if (key == CaptionCount + 8) {
            engine.MoveToDays();
            model.Move(2);
        } else if (key == CaptionCount + 9) {
            engine.MoveToHours();
            model.Move(1);
        } else if (key == CaptionCount + 10) {
            engine.Clear();
            model.Clear();
        } else {
            engine.AllClear();
            model.AllClear();
        }
        CheckAgainst(model, display, engine);
    }
    return 0;
}
