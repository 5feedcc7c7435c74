// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// Code-path benchmarks of the numeric edit control: the text filter, writes of Text and the
// formatting of long values. Each runs at 1 KB, 64 KB and 1 MB and fits a complexity curve, so
// anything worse than linear shows.
#include "RyNumEdit.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

enum Kind { AsciiDigits, FullWidthDigits, GroupedDigits, DigitsThenGarbage };

/// An input of exactly Size bytes of the given kind.
std::string MakeInput(Kind kind, size_t size) {
    std::string s;
    s.reserve(size + 2);
    switch (kind) {
    case AsciiDigits:
        for (size_t i = 0; s.size() < size; ++i)
            s += char('1' + i % 9);
        break;
    case FullWidthDigits:
        // Code page 932 pairs 0x8250.. (full-width one to nine).
        for (size_t i = 0; s.size() + 1 < size; ++i) {
            s += char(0x82);
            s += char(0x50 + i % 9);
        }
        break;
    case GroupedDigits:
        for (size_t i = 0; s.size() < size; ++i)
            s += (i % 4 == 3) ? ',' : char('1' + i % 9);
        break;
    case DigitsThenGarbage:
        for (size_t i = 0; s.size() < size / 2; ++i)
            s += char('1' + i % 9);
        while (s.size() < size)
            s += "x\x82\xa0?";
        break;
    }
    s.resize(size);
    return s;
}

/// A control whose integer part is long enough for every input to be scanned to its end, or
/// one with the initial settings.
TRyNumEdit &Control(bool wide) {
    static TRyNumEdit *wideEdit = [] {
        auto *e = new TRyNumEdit;
        e->SetIntegerLength(2000000);
        return e;
    }();
    static TRyNumEdit *defaultEdit = new TRyNumEdit;
    return wide ? *wideEdit : *defaultEdit;
}

void BM_FilterText(benchmark::State &state, Kind kind, bool wide) {
    const std::string input = MakeInput(kind, size_t(state.range(0)));
    TRyNumEdit &e = Control(wide);
    for (auto _ : state) {
        std::string result = e.FilterText(input);
        benchmark::DoNotOptimize(result);
    }
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(int64_t(state.iterations()) * state.range(0));
}

// A write of the same text again would do nothing, so each round writes the text and then
// empties the value (which costs next to nothing).
void BM_SetText(benchmark::State &state, Kind kind, bool wide) {
    const std::string input = MakeInput(kind, size_t(state.range(0)));
    TRyNumEdit &e = Control(wide);
    for (auto _ : state) {
        e.SetText(input);
        benchmark::DoNotOptimize(e.ValueText().data());
        e.SetText(std::string());
    }
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(int64_t(state.iterations()) * state.range(0));
}

void BM_SetTextUnicode(benchmark::State &state) {
    const QString input = QString(int(state.range(0) / 2), QChar(0xFF11));
    TRyNumEdit &e = Control(true);
    for (auto _ : state) {
        e.setText(input);
        benchmark::DoNotOptimize(e.ValueText().data());
        e.SetText(std::string());
    }
    state.SetComplexityN(state.range(0));
}

/// Text written with characters that code page 932 lacks (Hangul): each becomes "?", where the
/// filter stops, so converting the text is the whole cost. Sized in characters.
void BM_SetTextUnmappable(benchmark::State &state) {
    const QString input(int(state.range(0)), QChar(0xD55C));
    TRyNumEdit &e = Control(true);
    for (auto _ : state) {
        e.setText(input);
        benchmark::DoNotOptimize(e.ValueText().data());
    }
    state.SetComplexityN(state.range(0));
}

void BM_FormatDisplayText(benchmark::State &state) {
    TRyNumEdit &e = Control(true);
    e.SetLeftMark(QStringLiteral("￥"));
    e.SetRightMark(QStringLiteral("円"));
    std::string value = MakeInput(AsciiDigits, size_t(state.range(0)));
    value += ".5";
    for (auto _ : state) {
        std::string display = e.FormatDisplayText(value);
        benchmark::DoNotOptimize(display);
    }
    e.SetLeftMark(QString());
    e.SetRightMark(QString());
    state.SetComplexityN(state.range(0));
}

void Sizes(benchmark::internal::Benchmark *b) {
    b->Arg(1 << 10)->Arg(1 << 16)->Arg(1 << 20)->Complexity(benchmark::oN);
}

BENCHMARK_CAPTURE(BM_FilterText, ascii_wide, AsciiDigits, true)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_FilterText, fullwidth_wide, FullWidthDigits, true)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_FilterText, grouped_wide, GroupedDigits, true)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_FilterText, garbage_wide, DigitsThenGarbage, true)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_FilterText, ascii_default, AsciiDigits, false)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_FilterText, fullwidth_default, FullWidthDigits, false)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_FilterText, garbage_default, DigitsThenGarbage, false)->Apply(Sizes);

BENCHMARK_CAPTURE(BM_SetText, ascii_wide, AsciiDigits, true)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_SetText, fullwidth_wide, FullWidthDigits, true)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_SetText, grouped_wide, GroupedDigits, true)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_SetText, garbage_wide, DigitsThenGarbage, true)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_SetText, ascii_default, AsciiDigits, false)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_SetText, fullwidth_default, FullWidthDigits, false)->Apply(Sizes);
BENCHMARK_CAPTURE(BM_SetText, garbage_default, DigitsThenGarbage, false)->Apply(Sizes);

BENCHMARK(BM_SetTextUnicode)->Apply(Sizes);
BENCHMARK(BM_SetTextUnmappable)
    ->Arg(1000)
    ->Arg(50000)
    ->Arg(1000000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FormatDisplayText)->Apply(Sizes);

} // namespace
