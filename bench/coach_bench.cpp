// SPDX-License-Identifier: GPL-3.0-or-later
// The coach's question "the shortest way from line 0" for 1,000 generated exercises at each
// of the six levels, drawn with a fixed seed: every question is timed on its own, and the
// counters give the median and the worst time, how many questions ran past the budget (the
// coach then says "Fant ingen kort vei herfra."), and the worst number of lines computed.
// The budget is 50 ms per question. Times are the question's own processor time, so that
// other work on a shared machine does not count; the worst wall-clock time stands beside
// them. The lower bound's table is built once before the runs; its time is printed first.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <map>
#include <memory>
#include <vector>

#include "core/coach/veileder.h"
#include "core/mainwindow/arket.h"
#include "oppgaver.h"

namespace {

using balvo::Ark;
using balvo::Tilstand;
using Klokke = std::chrono::steady_clock;

constexpr int antall_oppgaver = 1000;

// This thread's processor time in seconds.
double prosessortid() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Line 0 of each exercise of a level, from the program's own generator.
const std::vector<Tilstand>& oppgaver(int nivaa) {
    static std::map<int, std::vector<Tilstand>> lager;
    auto& linjer = lager[nivaa];
    if (linjer.empty())
        linjer = balvo::test::genererte_oppgaver(nivaa, antall_oppgaver,
                                                 20261208 + static_cast<std::uint64_t>(nivaa));
    return linjer;
}

void korteste_fra_linje_0(benchmark::State& state) {
    const int nivaa = static_cast<int>(state.range(0));
    const auto& linjer = oppgaver(nivaa);
    auto ark = std::make_unique<Ark>();
    balvo::toemlinje(*ark, 0);
    std::vector<double> tider;
    double verst_vegg = 0;
    int sprengt = 0;
    std::uint64_t mest_regnet = 0;
    for (auto _ : state) {
        tider.clear();
        sprengt = 0;
        double sum = 0;
        for (const Tilstand& linje : linjer) {
            linje.til(*ark, 0);
            const auto start = Klokke::now();
            const double foer = prosessortid();
            const balvo::Veiledning v = balvo::veiled(*ark, 0);
            const double s = prosessortid() - foer;
            const auto slutt = Klokke::now();
            benchmark::DoNotOptimize(v);
            verst_vegg = std::max(verst_vegg,
                                  std::chrono::duration<double, std::milli>(slutt - start).count());
            tider.push_back(s * 1000.0);
            sum += s;
            if (v.utfall == balvo::Utfall::ingen_kort_vei) ++sprengt;
            mest_regnet = std::max(mest_regnet, v.regnet);
        }
        state.SetIterationTime(sum / static_cast<double>(linjer.size()));
    }
    std::sort(tider.begin(), tider.end());
    state.counters["median_ms"] = tider[tider.size() / 2];
    state.counters["verst_ms"] = tider.back();
    state.counters["verst_vegg_ms"] = verst_vegg;
    state.counters["over_budsjett"] = sprengt;
    state.counters["linjer_verst"] = static_cast<double>(mest_regnet);
}
BENCHMARK(korteste_fra_linje_0)
    ->DenseRange(1, 6)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    const auto start = Klokke::now();
    balvo::forberedveileder();
    std::printf("coach: lower-bound table built in %.1f ms\n",
                std::chrono::duration<double, std::milli>(Klokke::now() - start).count());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
