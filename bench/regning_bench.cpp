// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of one step of the engine: regnut writes the next line and forkort reduces it,
// for each of the eight operations, on exercise-sized numbers and on numbers near 2^53.
// The sweep at the end shows that reducing grows with the digits of a denominator, not with
// its value: lowest terms come from Euclid's algorithm, not from trial division.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <bit>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/algebra/regning.h"
#include "core/model/ark.h"

namespace {

using balvo::Ark;
using balvo::Celle;

struct Broek {
    Celle t = 0;
    Celle n = 1;
};

// Consecutive Fibonacci numbers are the slowest pair for Euclid's algorithm.
constexpr Celle fib(int k) {
    Celle a = 0, b = 1;
    for (int i = 0; i < k; ++i) {
        const Celle c = a + b;
        a = b;
        b = c;
    }
    return a;
}

// The largest squares below 2^53 and their roots.
constexpr Celle r1 = 94906265, r2 = 94906264, r3 = 94906263, r4 = 94906261;

struct Tilfelle {
    std::string_view navn;
    std::string_view opr;
    Celle p = 1, q = 1;
    int potens = 0;
    std::array<Broek, 6> ledd{};  // left x², x, constant; right x², x, constant
};

// Exercise-sized lines: what a pupil meets on levels 1 to 6.
constexpr std::array<Broek, 6> smaa{{{2, 3}, {-5, 6}, {7, 4}, {1, 2}, {3, 5}, {-9, 8}}};
constexpr std::array<Broek, 6> smaa_rot{{{4, 1}, {4, 1}, {1, 1}, {0, 1}, {0, 1}, {9, 4}}};
constexpr std::array<Broek, 6> smaa_kvadrer{{{0, 1}, {2, 3}, {5, 4}, {0, 1}, {0, 1}, {7, 2}}};

// The same shapes with every number close to 2^53, each fraction the worst case for gcd.
constexpr std::array<Broek, 6> store{{{fib(75), fib(76)},
                                      {fib(76), fib(77)},
                                      {-fib(74), fib(75)},
                                      {-fib(75), fib(76)},
                                      {-fib(76), fib(77)},
                                      {fib(73), fib(74)}}};
constexpr std::array<Broek, 6> store_rot{
    {{r1 * r1, r3* r3}, {0, 1}, {0, 1}, {0, 1}, {0, 1}, {r2 * r2, r4* r4}}};
// Squaring doubles the digits, so the factors stay below 2^26.5.
constexpr std::array<Broek, 6> store_kvadrer{
    {{0, 1}, {fib(38), fib(39)}, {fib(37), fib(38)}, {0, 1}, {0, 1}, {fib(36), fib(37)}}};

const std::vector<Tilfelle>& tilfeller() {
    static const std::vector<Tilfelle> alle{
        {"+/smaa", "+", 3, 4, 1, smaa},
        {"-/smaa", "-", 3, 4, 1, smaa},
        {"*/smaa", "*", -3, 4, 0, smaa},
        {":/smaa", ":", -3, 4, 0, smaa},
        {"r/smaa", "r", 1, 1, 0, smaa_rot},
        {"k/smaa", "k", 1, 1, 0, smaa_kvadrer},
        {"+-/smaa", "+/-", 1, 1, 0, smaa},
        {"bytt/smaa", "bytt", 1, 1, 0, smaa},
        // Near 2^53 the operand must be ±1 for a product to stay exact.
        {"+/2^53", "+", 1, 1, 1, store},
        {"-/2^53", "-", 1, 1, 1, store},
        {"*/2^53", "*", -1, 1, 0, store},
        {":/2^53", ":", -1, 1, 0, store},
        {"r/2^53", "r", 1, 1, 0, store_rot},
        {"k/2^53", "k", 1, 1, 0, store_kvadrer},
        {"+-/2^53", "+/-", 1, 1, 0, store},
        {"bytt/2^53", "bytt", 1, 1, 0, store},
    };
    return alle;
}

void skriv(Ark& ark, int n, const std::array<Broek, 6>& ledd) {
    balvo::toemlinje(ark, n);
    for (int j = 1; j <= 6; ++j) {
        ark.teller[n][j] = ledd[static_cast<std::size_t>(j - 1)].t;
        ark.nevner[n][j] = ledd[static_cast<std::size_t>(j - 1)].n;
    }
}

void regn(benchmark::State& state, const Tilfelle& t) {
    auto ark = std::make_unique<Ark>();
    skriv(*ark, 0, t.ledd);
    balvo::toemlinje(*ark, 1);
    ark->linjeopr[0] = balvo::Operasjon::ingen;
    for (int i = 0; i < 8; ++i)
        if (balvo::symbol(balvo::oprtast(i)) == t.opr) ark->linjeopr[0] = balvo::oprtast(i);
    ark->linjeteller[0] = t.p;
    ark->linjenevner[0] = t.q;
    ark->linjepotens[0] = t.potens;
    if (balvo::regnut(*ark, 0).status != balvo::Regnestatus::ok) {
        state.SkipWithError("the line cannot be computed exactly");
        return;
    }
    balvo::forkort(*ark, 1);
    // The widest number of the result, to show the case is as large as it says.
    Celle stoerst = 0;
    for (int j = 1; j <= 6; ++j)
        stoerst = std::max({stoerst, ark->nevner[1][j], ark->teller[1][j], -ark->teller[1][j]});
    for (int j : {0, 7}) stoerst = std::max(stoerst, ark->rotnevner[1][j]);

    for (auto _ : state) {
        benchmark::DoNotOptimize(balvo::regnut(*ark, 0));
        balvo::forkort(*ark, 1);
        benchmark::ClobberMemory();
    }
    state.counters["bits"] =
        static_cast<double>(std::bit_width(static_cast<std::uint64_t>(stoerst)));
}

// forkort on all six columns, each the Fibonacci pair F(k)/F(k+1), for growing k.
void forkort_fibonacci(benchmark::State& state) {
    const int k = static_cast<int>(state.range(0));
    auto ark = std::make_unique<Ark>();
    balvo::toemlinje(*ark, 0);
    for (auto _ : state) {
        for (int j = 1; j <= 6; ++j) {
            ark->teller[0][j] = fib(k);
            ark->nevner[0][j] = fib(k + 1);
        }
        balvo::forkort(*ark, 0);
        benchmark::ClobberMemory();
    }
    state.counters["bits"] =
        static_cast<double>(std::bit_width(static_cast<std::uint64_t>(fib(k + 1))));
}

// For contrast: lowest terms by trying every k up to the denominator, the way it is done by
// hand, on one fraction. Its cost follows the value, not the digits: 2^53 would take years.
void proevedivisjon(benchmark::State& state) {
    const int k = static_cast<int>(state.range(0));
    for (auto _ : state) {
        Celle t = fib(k), n = fib(k + 1);
        const Celle d0 = n;
        for (Celle d = 2; d <= d0; ++d) {
            while (t % d == 0 && n % d == 0) {
                t /= d;
                n /= d;
            }
        }
        benchmark::DoNotOptimize(t);
        benchmark::DoNotOptimize(n);
    }
    state.counters["bits"] =
        static_cast<double>(std::bit_width(static_cast<std::uint64_t>(fib(k + 1))));
}

}  // namespace

BENCHMARK(forkort_fibonacci)->DenseRange(11, 77, 11);
BENCHMARK(proevedivisjon)->DenseRange(11, 33, 11)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    for (const Tilfelle& t : tilfeller())
        benchmark::RegisterBenchmark(("regnut_forkort/" + std::string(t.navn)).c_str(),
                                     [&t](benchmark::State& s) { regn(s, t); });
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
