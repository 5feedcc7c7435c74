// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// What one keystroke, one paint and one property write cost on a shown, focused control whose
// digit limits are extreme (fixed digits ten million or 2^31 - 1 long). Each must stay within
// about a millisecond whatever the settings. Also a keystroke, a paint and a paste with a value
// of a megabyte or ten held (which a digit limit that high allows): each within 50 ms at ten.
#include "RyNumEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

#include <climits>
#include <memory>

namespace {

/// Which fixed part is long: the integer digits, the decimal digits or both.
enum Fixed { IntegerDigits, DecimalDigits, BothParts };

/// Shows Edit with the focus, so that the caret is placed after every change, and without the
/// selection that AutoSelect makes then, so that keys append to the value.
void ShowFocused(TRyNumEdit &Edit) {
    Edit.resize(200, 24);
    Edit.show();
    Edit.activateWindow();
    Edit.setFocus();
    QApplication::processEvents();
    Edit.ClearSelection();
}

/// A control whose fixed part is Length digits long, holding a short value.
std::unique_ptr<TRyNumEdit> ExtremeControl(Fixed Which, int Length) {
    auto edit = std::make_unique<TRyNumEdit>();
    if (Which != DecimalDigits) {
        edit->SetIntegerLength(Length);
        edit->SetIntegerFixed(true);
    }
    if (Which != IntegerDigits) {
        edit->SetDecimalLength(Length);
        edit->SetDecimalFixed(true);
    }
    edit->SetText("12345.5");
    ShowFocused(*edit);
    return edit;
}

/// A control holding Length digits.
std::unique_ptr<TRyNumEdit> LongValueControl(int Length) {
    auto edit = std::make_unique<TRyNumEdit>();
    edit->SetIntegerLength(Length + 1);
    edit->SetText(std::string(static_cast<size_t>(Length), '7'));
    ShowFocused(*edit);
    return edit;
}

bool Ready(benchmark::State &State, const TRyNumEdit &Edit) {
    if (Edit.hasFocus())
        return true;
    State.SkipWithError("the control did not get the focus");
    return false;
}

void SendKey(TRyNumEdit &Edit, int Key, const QString &Text) {
    QKeyEvent press(QEvent::KeyPress, Key, Qt::NoModifier, Text);
    QApplication::sendEvent(&Edit, &press);
}

/// One keystroke an iteration: a digit, then Backspace, so the value keeps its length.
void TypeAndDelete(benchmark::State &State, TRyNumEdit &Edit) {
    if (!Ready(State, Edit))
        return;
    bool digit = true;
    for (auto _ : State) {
        if (digit)
            SendKey(Edit, Qt::Key_7, QStringLiteral("7"));
        else
            SendKey(Edit, Qt::Key_Backspace, QString());
        digit = !digit;
    }
    QApplication::processEvents(); // the paints the keys asked for, outside the timing
}

/// One paint an iteration, of everything selected (the widest fill).
void Repaint(benchmark::State &State, TRyNumEdit &Edit) {
    if (!Ready(State, Edit))
        return;
    Edit.SelectAll();
    for (auto _ : State)
        Edit.repaint();
}

void BM_Keystroke(benchmark::State &State, Fixed Which) {
    TypeAndDelete(State, *ExtremeControl(Which, static_cast<int>(State.range(0))));
}

void BM_Paint(benchmark::State &State, Fixed Which) {
    Repaint(State, *ExtremeControl(Which, static_cast<int>(State.range(0))));
}

/// The long limit itself, written alternately one less and back: refilter, reformat, caret.
void BM_PropertyWrite(benchmark::State &State, Fixed Which) {
    const int length = static_cast<int>(State.range(0));
    const auto edit = ExtremeControl(Which, length);
    if (!Ready(State, *edit))
        return;
    bool lower = true;
    for (auto _ : State) {
        const int value = lower ? length - 1 : length;
        if (Which != DecimalDigits)
            edit->SetIntegerLength(value);
        else
            edit->SetDecimalLength(value);
        lower = !lower;
    }
    QApplication::processEvents();
}

void BM_KeystrokeLongValue(benchmark::State &State) {
    TypeAndDelete(State, *LongValueControl(static_cast<int>(State.range(0))));
}

void BM_PaintLongValue(benchmark::State &State) {
    Repaint(State, *LongValueControl(static_cast<int>(State.range(0))));
}

/// A paste of Length digits onto the empty value of a shown control that holds them all. Each
/// paste is of a value the control has not held yet (its last digits count the pastes), so
/// nothing measured or formatted for an earlier one applies; the clipboard is filled, and the
/// paint of the paste done, outside the timing.
void BM_PasteLongValue(benchmark::State &State) {
    const int length = static_cast<int>(State.range(0));
    QString digits(length, QLatin1Char('7'));
    const auto edit = LongValueControl(length);
    if (!Ready(State, *edit))
        return;
    edit->SetIntegerLength(2 * length);
    int paste = 0;
    for (auto _ : State) {
        State.PauseTiming();
        const QString count = QString::number(++paste);
        digits.replace(length - count.size(), count.size(), count);
        QApplication::clipboard()->setText(digits);
        edit->SetText(std::string());
        QApplication::processEvents();
        State.ResumeTiming();
        edit->PasteFromClipboard();
    }
    QApplication::processEvents();
}

void Lengths(benchmark::internal::Benchmark *b) {
    b->Arg(10'000'000)->Arg(INT_MAX)->Unit(benchmark::kMicrosecond);
}

BENCHMARK_CAPTURE(BM_Keystroke, integer_fixed, IntegerDigits)->Apply(Lengths);
BENCHMARK_CAPTURE(BM_Keystroke, decimal_fixed, DecimalDigits)->Apply(Lengths);
BENCHMARK_CAPTURE(BM_Keystroke, both_fixed, BothParts)->Apply(Lengths);
BENCHMARK_CAPTURE(BM_Paint, integer_fixed, IntegerDigits)->Apply(Lengths);
BENCHMARK_CAPTURE(BM_Paint, decimal_fixed, DecimalDigits)->Apply(Lengths);
BENCHMARK_CAPTURE(BM_Paint, both_fixed, BothParts)->Apply(Lengths);
BENCHMARK_CAPTURE(BM_PropertyWrite, integer_fixed, IntegerDigits)->Apply(Lengths);
BENCHMARK_CAPTURE(BM_PropertyWrite, decimal_fixed, DecimalDigits)->Apply(Lengths);
BENCHMARK_CAPTURE(BM_PropertyWrite, both_fixed, BothParts)->Apply(Lengths);
BENCHMARK(BM_KeystrokeLongValue)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintLongValue)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PasteLongValue)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

} // namespace
