// SPDX-License-Identifier: GPL-3.0-or-later
// The row "Avstand:" asks the coach after every step. 1,000 generated exercises at each of the
// six levels, drawn with a fixed seed, are each worked by a random pupil for up to 8 steps
// (any step the keypad leaves usable, as the coach would try it); after each step the question
// the row asks is timed on its own: the coach's answer for the new line (the line before is
// known from the step before), the solutions compared with the line before's and the row's
// words. Counters: the median and the worst processor time, how many questions ran past the
// 50 ms budget, and how many found no short way within the coach's limits.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <map>
#include <memory>
#include <random>
#include <vector>

#include "core/coach/avstand.h"
#include "core/coach/veileder.h"
#include "core/mainwindow/arket.h"
#include "oppgaver.h"

namespace {

using balvo::Ark;
using balvo::Tilstand;

constexpr int antall_oppgaver = 1000;
constexpr int maks_steg = 8;
constexpr double budsjett_ms = 50;

double prosessortid() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void avstand_etter_hvert_steg(benchmark::State& state) {
    const int nivaa = static_cast<int>(state.range(0));
    const auto linjer = balvo::test::genererte_oppgaver(
        nivaa, antall_oppgaver, 20261224 + static_cast<std::uint64_t>(nivaa));
    std::mt19937_64 elev(static_cast<std::uint64_t>(nivaa));
    balvo::Kladd kladd;
    std::vector<balvo::Steg> kandidater;
    std::vector<double> tider;
    int over = 0, uten_vei = 0;
    for (auto _ : state) {
        double sum = 0;
        for (const Tilstand& oppgave : linjer) {
            auto ark = std::make_unique<Ark>();
            for (int n = 0; n <= maks_steg; ++n) balvo::toemlinje(*ark, n);
            oppgave.til(*ark, 0);
            balvo::Veiledning foer = balvo::veiled(*ark, 0);
            Tilstand linje = oppgave;
            for (int n = 1; n <= maks_steg; ++n) {
                kladd.kandidater(linje, kandidater);
                if (kandidater.empty()) break;
                const auto ny = kladd.utfoer(linje, kandidater[elev() % kandidater.size()]);
                if (!ny) continue;
                ny->til(*ark, n);
                const double start = prosessortid();
                balvo::Stegvurdering v;
                v.foer = foer;
                v.etter = balvo::veiled(*ark, n);
                v.endring = balvo::loesningsendring(linje, *ny);
                const auto deler = balvo::avstandsdeler(v, false);
                const double s = prosessortid() - start;
                benchmark::DoNotOptimize(deler);
                tider.push_back(s * 1000);
                sum += s;
                if (s * 1000 > budsjett_ms) ++over;
                if (v.etter.utfall == balvo::Utfall::ingen_kort_vei) ++uten_vei;
                if (v.loest()) break;
                foer = std::move(v.etter);
                linje = *ny;
            }
        }
        state.SetIterationTime(sum / static_cast<double>(std::max<std::size_t>(tider.size(), 1)));
    }
    std::sort(tider.begin(), tider.end());
    state.counters["spoersmaal"] = static_cast<double>(tider.size());
    state.counters["median_ms"] = tider.empty() ? 0 : tider[tider.size() / 2];
    state.counters["verst_ms"] = tider.empty() ? 0 : tider.back();
    state.counters["over_50ms"] = over;
    state.counters["ingen_kort_vei"] = uten_vei;
}
BENCHMARK(avstand_etter_hvert_steg)
    ->DenseRange(1, 6)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    balvo::forberedveileder();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
