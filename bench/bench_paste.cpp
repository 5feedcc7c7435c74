// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// Benchmarks of pasting large clipboard texts into TRyNumEdit.
#include "RyNumEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QString>

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr qsizetype KB = 1024;
constexpr qsizetype MB = 1024 * KB;

/// A text of Size characters: Pattern repeated, after an optional Head.
QString MakeText(qsizetype Size, const QString &Pattern, const QString &Head = QString()) {
    QString text = Head;
    text.reserve(Size);
    while (text.size() < Size)
        text += Pattern;
    text.truncate(Size);
    return text;
}

/// Pastes Text onto an empty control with the initial settings, over and over.
void PasteInto(benchmark::State &State, const QString &Text) {
    QApplication::clipboard()->setText(Text);
    TRyNumEdit edit;
    for (auto _ : State) {
        edit.SetText(std::string());
        edit.PasteFromClipboard();
        benchmark::DoNotOptimize(edit.ValueText().data());
    }
    State.counters["value_len"] = static_cast<double>(edit.ValueText().size());
}

void BM_PasteDigits(benchmark::State &State) {
    PasteInto(State, MakeText(State.range(0), QStringLiteral("1234567890")));
}

void BM_PasteFullWidthDigits(benchmark::State &State) {
    PasteInto(State, MakeText(State.range(0), QStringLiteral("１２３４５６７８９０")));
}

void BM_PasteDigitsThenGarbage(benchmark::State &State) {
    PasteInto(State,
              MakeText(State.range(0), QStringLiteral("x#qz漢"), QStringLiteral("12345678")));
}

/// The filter skips commas, so a text of commas is read to its end.
void BM_PasteCommas(benchmark::State &State) {
    PasteInto(State, MakeText(State.range(0), QStringLiteral(","), QStringLiteral("1")));
}

/// With no digit limit worth speaking of, the whole text becomes the value.
void BM_PasteDigitsUnlimited(benchmark::State &State) {
    QApplication::clipboard()->setText(MakeText(State.range(0), QStringLiteral("1234567890")));
    TRyNumEdit edit;
    edit.SetIntegerLength(static_cast<int>(State.range(0)));
    for (auto _ : State) {
        edit.SetText(std::string());
        edit.PasteFromClipboard();
        benchmark::DoNotOptimize(edit.ValueText().data());
    }
    State.counters["value_len"] = static_cast<double>(edit.ValueText().size());
}

} // namespace

BENCHMARK(BM_PasteDigits)->Arg(KB)->Arg(MB)->Arg(10 * MB)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PasteFullWidthDigits)->Arg(KB)->Arg(MB)->Arg(10 * MB)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PasteDigitsThenGarbage)->Arg(KB)->Arg(MB)->Arg(10 * MB)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PasteCommas)->Arg(KB)->Arg(MB)->Arg(10 * MB)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PasteDigitsUnlimited)->Arg(KB)->Arg(MB)->Arg(10 * MB)->Unit(benchmark::kMicrosecond);
