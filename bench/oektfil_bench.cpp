// SPDX-License-Identifier: GPL-3.0-or-later
// The class overview of 30 pupils with 40 exercises each: the files written from pupils'
// sessions, then read, replayed and summed up into the tables the window shows and the CSV.
// Prints the time per file beside the benchmark's own table. Two classes: pupils who work
// towards the solution with a mistake now and then, and the reliability tests' random pupils,
// who press any usable key and often leave the exercise far behind (every far line is a long
// search for the coach).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>

#include "core/lessonfile/klasseoversikt.h"
#include "core/lessonfile/oektfil.h"
#include "elev.h"
#include "klasseelev.h"

namespace {

using namespace balvo;

Innfil fil(int elev, const std::vector<Loggpost>& logg) {
    return {"elev" + std::to_string(elev) + ".balvo",
            skrivoektfil(lagoektfil(logg, "Elev " + std::to_string(elev), "2026-12-08T10:00:00"))};
}

// 30 files of 40 exercises from pupils of a class.
const std::vector<Innfil>& klassen() {
    static const std::vector<Innfil> filer = [] {
        std::vector<Innfil> ut;
        for (int elev = 0; elev < 30; ++elev)
            ut.push_back(
                fil(elev, bench::Klasseelev(static_cast<std::uint64_t>(elev) + 1).oekt(40)));
        return ut;
    }();
    return filer;
}

// 30 files of 40 exercises, each exercise from a random pupil's session.
const std::vector<Innfil>& tilfeldige() {
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
            ut.push_back(fil(elev, logg));
        }
        return ut;
    }();
    return filer;
}

void oversikt(benchmark::State& state, const std::vector<Innfil>& filer) {
    std::size_t bytes = 0;
    for (const Innfil& f : filer) bytes += f.innhold.size();
    int ikke_avspilt = 0;
    double oppgaver = 0, loeste = 0, steg = 0, ikke_naermere = 0;
    for (auto _ : state) {
        const Klasseoversikt o = lagklasseoversikt(filer);
        benchmark::DoNotOptimize(elevrader(o));
        benchmark::DoNotOptimize(nivaarader(o));
        benchmark::DoNotOptimize(klassecsv(o, true));
        if (!o.uleselige.empty()) state.SkipWithError("a file was not read");
        ikke_avspilt = 0;
        oppgaver = loeste = steg = ikke_naermere = 0;
        for (const Elevoekt& e : o.elever) {
            ikke_avspilt += !e.avspillingsfeil.empty();
            for (const Loggpost& p : e.poster) {
                ++oppgaver;
                loeste += p.loest;
                steg += p.steg;
                ikke_naermere += p.ikke_naermere;
            }
        }
    }
    // What the pupils did: the share of exercises solved, steps and steps no closer per exercise.
    state.counters["løst"] = loeste / oppgaver;
    state.counters["steg"] = steg / oppgaver;
    state.counters["ikke nærmere"] = ikke_naermere / oppgaver;
    // A file that stops replaying is shown as far as it goes: counted, for the reader.
    state.counters["ikke avspilt"] = ikke_avspilt;
    state.counters["filer"] = static_cast<double>(filer.size());
    state.counters["kB per fil"] =
        static_cast<double>(bytes) / 1024.0 / static_cast<double>(filer.size());
    state.counters["tid per fil"] = benchmark::Counter(
        static_cast<double>(filer.size()),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
void Klasseoversikt30x40(benchmark::State& state) {
    oversikt(state, klassen());
}
void Klasseoversikt30x40Tilfeldige(benchmark::State& state) {
    oversikt(state, tilfeldige());
}
// The teacher waits for the wall clock, and the files are replayed side by side.
BENCHMARK(Klasseoversikt30x40)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(Klasseoversikt30x40Tilfeldige)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
