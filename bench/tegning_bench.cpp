// SPDX-License-Identifier: GPL-3.0-or-later
// Typesetting one busy worksheet line: fractions, x², a radical on the left and a ± radical
// on the right. On the recording surface this is the typesetter's own cost; on a drawing
// box it adds measuring text and painting each piece into the box's retained image.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/display/linjetegner.h"
#include "core/model/ark.h"
#include "opptaksflate.h"

#ifdef BALVO_BENCH_QT
#include <QApplication>

#include "qt/ui/bildeboks.h"
#include "travel_linje.h"
#endif

namespace {

using balvo::Ark;
using balvo::Celle;

class Utenmerke : public balvo::Merke {
public:
    void vismerke(double, double) override {}
    void skjulmerke() override {}
};

// `vis` brings what was drawn to the pixels, where the surface has any.
template <typename Flate, typename Vis>
void tegn(benchmark::State& state, Flate& flate, Vis vis) {
    auto ark = std::make_unique<Ark>();
    travel_linje(*ark, 0);
    Utenmerke merke;
    double punkter = 0;
    for (auto _ : state) {
        punkter = balvo::tegnlinje(*ark, 0, 1, flate, merke);
        vis(flate);
        benchmark::ClobberMemory();
    }
    state.counters["punkter"] = punkter;
}

void tegnlinje_opptak(benchmark::State& state) {
    balvo::test::Opptaksflate flate;
    tegn(state, flate, [](balvo::test::Opptaksflate&) {});
    state.counters["operasjoner"] = static_cast<double>(flate.opptak().size());
}
BENCHMARK(tegnlinje_opptak);

#ifdef BALVO_BENCH_QT
// A worksheet row as the window lays it out: 36.75 points high.
void tegnlinje_bildeboks(benchmark::State& state) {
    balvo::ui::Bildeboks boks;
    boks.resize(640, 49);
    boks.settforgrunn(QColor(0, 0, 0xC0));
    // The box paints its image when it is next shown; reading it here does that now.
    tegn(state, boks,
         [](balvo::ui::Bildeboks& b) { benchmark::DoNotOptimize(b.skjermbilde().constBits()); });
    state.counters["operasjoner"] = static_cast<double>(boks.antall_operasjoner());
}
BENCHMARK(tegnlinje_bildeboks);
#endif

}  // namespace

int main(int argc, char** argv) {
#ifdef BALVO_BENCH_QT
    // The drawing boxes need a running application; offscreen unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
