// What one keystroke, one paint and one property write cost on a shown, focused control whose
// digit limits are extreme (fixed digits ten million or 2^31 - 1 long). Each must stay within
// about a millisecond whatever the settings. Also a keystroke and a paint with a value of a
// megabyte or ten held (which a digit limit that high allows): proportional to the value.
#include "RyNumEdit.h"

#include <QApplication>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

#include <climits>
#include <memory>

namespace {

/// Which fixed part is long: the integer digits, the decimal digits or both.
enum Fixed { IntegerDigits, DecimalDigits, BothParts };

/// A shown control with the focus (so the caret is placed after every change), its fixed
/// part Length digits long and a short value typed into it.
std::unique_ptr<TRyNumEdit> ExtremeControl(Fixed Which, int Length) {
    auto edit = std::make_unique<TRyNumEdit>();
    edit->resize(200, 24);
    if (Which != DecimalDigits) {
        edit->SetIntegerLength(Length);
        edit->SetIntegerFixed(true);
    }
    if (Which != IntegerDigits) {
        edit->SetDecimalLength(Length);
        edit->SetDecimalFixed(true);
    }
    edit->SetText("12345.5");
    edit->show();
    edit->activateWindow();
    edit->setFocus();
    QApplication::processEvents();
    edit->ClearSelection(); // which AutoSelect made, so keys append to the value
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

/// One keystroke an iteration: a digit, then Backspace, so the value stays short.
void BM_Keystroke(benchmark::State &State, Fixed Which) {
    const auto edit = ExtremeControl(Which, static_cast<int>(State.range(0)));
    if (!Ready(State, *edit))
        return;
    bool digit = true;
    for (auto _ : State) {
        if (digit)
            SendKey(*edit, Qt::Key_7, QStringLiteral("7"));
        else
            SendKey(*edit, Qt::Key_Backspace, QString());
        digit = !digit;
    }
    QApplication::processEvents(); // the paints the keys asked for, outside the timing
}

void BM_Paint(benchmark::State &State, Fixed Which) {
    const auto edit = ExtremeControl(Which, static_cast<int>(State.range(0)));
    if (!Ready(State, *edit))
        return;
    edit->SelectAll(); // the highlighted band is the widest fill
    for (auto _ : State)
        edit->repaint();
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

/// A shown, focused control holding Length digits, pasted.
std::unique_ptr<TRyNumEdit> LongValueControl(int Length) {
    auto edit = std::make_unique<TRyNumEdit>();
    edit->resize(200, 24);
    edit->SetIntegerLength(Length + 1);
    edit->SetText(std::string(static_cast<size_t>(Length), '7'));
    edit->show();
    edit->activateWindow();
    edit->setFocus();
    QApplication::processEvents();
    edit->ClearSelection();
    return edit;
}

void BM_KeystrokeLongValue(benchmark::State &State) {
    const auto edit = LongValueControl(static_cast<int>(State.range(0)));
    if (!Ready(State, *edit))
        return;
    bool digit = true;
    for (auto _ : State) {
        if (digit)
            SendKey(*edit, Qt::Key_7, QStringLiteral("7"));
        else
            SendKey(*edit, Qt::Key_Backspace, QString());
        digit = !digit;
    }
    QApplication::processEvents();
}

void BM_PaintLongValue(benchmark::State &State) {
    const auto edit = LongValueControl(static_cast<int>(State.range(0)));
    if (!Ready(State, *edit))
        return;
    for (auto _ : State)
        edit->repaint();
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

} // namespace
