// Processor time of a key press in the calculator window, beside its 100 ms visible press.
#include "TZELKF.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace {

/// One mapped key, pressed as the user would: the button drawn pressed, its click, the
/// engine's work and the repaint of the fields, everything but the 100 ms wait between.
void BM_KeyPress(benchmark::State &state, Qt::Key Key, const char *Text) {
    TZELKF window;
    window.SetPressWait([](int) {});
    window.show();
    QCoreApplication::processEvents();
    const QString text = QString::fromLatin1(Text);
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Key, Qt::NoModifier, text);
        QWidget *focused = window.focusWidget();
        QApplication::sendEvent(focused ? focused : &window, &press);
        QCoreApplication::processEvents(); // the repaints the press asked for
    }
    benchmark::DoNotOptimize(window.Engine());
}

} // namespace

BENCHMARK_CAPTURE(BM_KeyPress, digit, Qt::Key_5, "5")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_KeyPress, plus, Qt::Key_Plus, "+")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_KeyPress, day, Qt::Key_D, "d")->Unit(benchmark::kMicrosecond);
