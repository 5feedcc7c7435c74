// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// What a form of many controls costs: the time to create, show and paint one control among a
// thousand in a shown window, and the heap each keeps, for TRyNumEdit (its built-in context menu
// included: about two thirds of its heap) beside QLineEdit and QDoubleSpinBox.
//
// Heap is glibc's mallinfo2() before and after: the bytes in use over every arena, small chunks
// and mmapped blocks alike, with each chunk's header and rounding, so what the process holds
// rather than what was asked for. A counting operator new would miss most of it: Qt allocates
// the data of QString, QList and QVariant with malloc.
#include "RyNumEdit.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <chrono>
#include <vector>

namespace {

constexpr int Controls = 1000;
// Laid out by hand in a grid, each in a cell of its own, so all are painted and no layout's
// cost or memory is counted.
constexpr int Columns = 25;
constexpr int CellWidth = 130;
constexpr int CellHeight = 26;

size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

using Factory = QWidget *(*)(QWidget *);

template <class Control> QWidget *Make(QWidget *Parent) {
    return new Control(Parent);
}

/// Controls made, placed and shown in Form, then painted, as a form's window opens.
std::vector<QWidget *> CreateAndShow(QWidget &Form, Factory MakeControl) {
    std::vector<QWidget *> controls;
    controls.reserve(Controls);
    for (int i = 0; i < Controls; ++i) {
        QWidget *control = MakeControl(&Form);
        control->setGeometry(i % Columns * CellWidth, i / Columns * CellHeight, 121, 22);
        control->show();
        controls.push_back(control);
    }
    // Shown children only ask for a paint; the window paints them all at once.
    Form.repaint();
    QApplication::processEvents();
    return controls;
}

void Destroy(std::vector<QWidget *> &Made) {
    for (auto it = Made.rbegin(); it != Made.rend(); ++it)
        delete *it;
    Made.clear();
    QApplication::processEvents();
}

void BM_Form(benchmark::State &State, Factory MakeControl) {
    QWidget form;
    form.resize(Columns * CellWidth, (Controls + Columns - 1) / Columns * CellHeight);
    form.show();
    QApplication::processEvents();
    // A first round fills Qt's caches (style, fonts, glyphs, the backing store), which a form
    // pays once however many controls it has.
    std::vector<QWidget *> controls = CreateAndShow(form, MakeControl);
    Destroy(controls);

    double heap = 0;
    std::chrono::steady_clock::duration destroying{};
    for (auto _ : State) {
        const size_t before = HeapInUse();
        controls = CreateAndShow(form, MakeControl);
        State.PauseTiming();
        heap += double(HeapInUse()) - double(before);
        const auto start = std::chrono::steady_clock::now();
        Destroy(controls);
        destroying += std::chrono::steady_clock::now() - start;
        State.ResumeTiming();
    }
    if (HeapInUse() == 0) {
        State.SkipWithError("mallinfo2() reports no heap (another allocator?)");
        return;
    }
    State.counters["per_control"] = benchmark::Counter(
        Controls, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    State.counters["KiB_per_control"] =
        benchmark::Counter(heap / Controls / 1024, benchmark::Counter::kAvgIterations);
    // A form closes too: seconds of wall clock to delete one control.
    State.counters["destroy_per_control"] =
        benchmark::Counter(std::chrono::duration<double>(destroying).count() / Controls,
                           benchmark::Counter::kAvgIterations);
}

} // namespace

// per_control is processor time, which other work on the machine does not inflate as it does
// the wall clock; the table has both.
BENCHMARK_CAPTURE(BM_Form, TRyNumEdit, Make<TRyNumEdit>)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Form, QLineEdit, Make<QLineEdit>)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Form, QDoubleSpinBox, Make<QDoubleSpinBox>)->Unit(benchmark::kMillisecond);
