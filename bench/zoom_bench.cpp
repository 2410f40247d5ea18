// SPDX-License-Identifier: GPL-3.0-or-later
// The zoom of the main window as the pupil meets it: from 100 % to 200 % and back, each
// with every control placed, every font set, the rows and operand fields typeset again and
// the whole window painted; and the whole window painted at 400 %. The window is as large as
// the design at 400 %, with a busy worksheet of five lines on it. "Painted" is every widget
// of the window rendered into a picture of the window's size, as the screen's backing store
// is: a repaint of the window alone may leave out widgets that nothing marked as changed.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <chrono>
#include <memory>

#include "core/display/linjetegner.h"
#include "core/mainwindow/zoom.h"
#include "qt/mainwindow/arketvindu.h"
#include "travel_linje.h"

namespace {

using balvo::ArketVindu;
using Klokke = std::chrono::steady_clock;

ArketVindu* vindu = nullptr;
QImage* bilde = nullptr;

void mal() {
    vindu->render(bilde);
}

double sekunder(Klokke::time_point fra, Klokke::time_point til) {
    return std::chrono::duration<double>(til - fra).count();
}

void forbered() {
    const balvo::Piksler stoerst = balvo::skaler(balvo::klientflate, balvo::stoerste_zoom);
    vindu->resize(stoerst.bredde, stoerst.hoeyde + 40);
    vindu->show();
    auto& arket = vindu->arket();
    arket.nyoppgave_Click();
    travel_linje(arket.ark(), 0);
    balvo::tegnlinje(arket.ark(), 0, 0, vindu->linje(0), *vindu);
    for (int i = 0; i < 5; ++i) {
        arket.opr_Click(6);  // "Snu alle fortegn": the numbers never grow
        arket.Utfoer_Click();
    }
    for (int i = 0; i < 10; ++i) QApplication::processEvents();
}

// A zoom chosen and the window on screen at it: the time until the repaint is done.
void zoom(benchmark::State& state, double fra, double til) {
    for (auto _ : state) {
        vindu->settzoom(fra);
        mal();
        const auto start = Klokke::now();
        vindu->settzoom(til);
        mal();
        const auto slutt = Klokke::now();
        state.SetIterationTime(sekunder(start, slutt));
    }
}
BENCHMARK_CAPTURE(zoom, 100_til_200, 1.0, 2.0)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(zoom, 200_til_100, 2.0, 1.0)->UseManualTime()->Unit(benchmark::kMillisecond);

// The whole window painted again at 400 %, nothing changed.
void maling_400(benchmark::State& state) {
    vindu->settzoom(4.0);
    mal();
    for (auto _ : state) mal();
}
BENCHMARK(maling_400)->Unit(benchmark::kMillisecond);

// The floor: the same at 100 %.
void maling_100(benchmark::State& state) {
    vindu->settzoom(1.0);
    mal();
    for (auto _ : state) mal();
}
BENCHMARK(maling_100)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    auto eget = std::make_unique<ArketVindu>();
    vindu = eget.get();
    forbered();
    QImage flate(vindu->size(), QImage::Format_ARGB32_Premultiplied);
    bilde = &flate;
    benchmark::RunSpecifiedBenchmarks();
    bilde = nullptr;
    vindu = nullptr;
    benchmark::Shutdown();
    return 0;
}
