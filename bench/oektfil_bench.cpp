// SPDX-License-Identifier: GPL-3.0-or-later
// The class overview of 30 pupils with 40 exercises each: the files written from random
// pupils' sessions, then read, replayed and summed up into the tables the window shows and the
// CSV. Prints the time per file beside the benchmark's own table.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>

#include "core/lessonfile/klasseoversikt.h"
#include "core/lessonfile/oektfil.h"
#include "elev.h"

namespace {

using namespace balvo;

// 30 files of 40 exercises, each exercise from a random pupil's session.
const std::vector<Innfil>& klassen() {
    static const std::vector<Innfil> filer = [] {
        std::vector<Innfil> ut;
        test::Tall tall;
        std::uint64_t froe = 1;
        for (int elev = 0; elev < 30; ++elev) {
            std::vector<Loggpost> logg;
            while (logg.size() < 40) {
                test::Elev e(froe++, tall);
                e.kjoer();
                for (Loggpost& p : e.arket().oekt())
                    if (logg.size() < 40) logg.push_back(std::move(p));
            }
            ut.push_back({"elev" + std::to_string(elev) + ".balvo",
                          skrivoektfil(lagoektfil(logg, "Elev " + std::to_string(elev),
                                                  "2026-12-08T10:00:00"))});
        }
        return ut;
    }();
    return filer;
}

void Klasseoversikt30x40(benchmark::State& state) {
    const auto& filer = klassen();
    std::size_t bytes = 0;
    for (const Innfil& f : filer) bytes += f.innhold.size();
    int ikke_avspilt = 0;
    for (auto _ : state) {
        const Klasseoversikt o = lagklasseoversikt(filer);
        benchmark::DoNotOptimize(elevrader(o));
        benchmark::DoNotOptimize(nivaarader(o));
        benchmark::DoNotOptimize(klassecsv(o, true));
        if (!o.uleselige.empty()) state.SkipWithError("a file was not read");
        ikke_avspilt = 0;
        for (const Elevoekt& e : o.elever) ikke_avspilt += !e.avspillingsfeil.empty();
    }
    // A file that stops replaying is shown as far as it goes: counted, for the reader.
    state.counters["ikke avspilt"] = ikke_avspilt;
    state.counters["filer"] = static_cast<double>(filer.size());
    state.counters["kB per fil"] =
        static_cast<double>(bytes) / 1024.0 / static_cast<double>(filer.size());
    state.counters["tid per fil"] = benchmark::Counter(
        static_cast<double>(filer.size()),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
// The teacher waits for the wall clock, and the files are replayed side by side.
BENCHMARK(Klasseoversikt30x40)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
