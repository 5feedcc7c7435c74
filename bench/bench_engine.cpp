// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// One evaluation of the duration engine: trivially fast, kept as a guard against a slow one.
#include "DurationEngine.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace {

/// Three plain text fields, an indicator and the mode: the engine's whole view of a window.
class TextDisplay : public DurationDisplay {
public:
    std::string FieldText(DurationField field) const override { return fields_[Index(field)]; }
    void SetFieldText(DurationField field, const std::string &text) override {
        fields_[Index(field)] = text;
    }
    void SetIndicator(const std::string &text) override { indicator_ = text; }
    int Mode() const override { return ModeDHM; }

private:
    static size_t Index(DurationField field) { return static_cast<size_t>(field); }
    std::array<std::string, 3> fields_;
    std::string indicator_;
};

/// "＋" over an entry of 2 days, 3 hours and 15 minutes: read, normalise, apply, show.
void BM_Evaluate(benchmark::State &State) {
    TextDisplay display;
    DurationEngine engine(display);
    for (auto _ : State) {
        engine.AppendKey("5"); // a new entry, so the operator computes
        display.SetFieldText(DurationField::Days, "2");
        display.SetFieldText(DurationField::Hours, "3");
        display.SetFieldText(DurationField::Minutes, "15");
        engine.Evaluate(DurationEngine::opAdd);
        benchmark::DoNotOptimize(engine.Accumulator());
    }
}

BENCHMARK(BM_Evaluate);

} // namespace

BENCHMARK_MAIN();
