// SPDX-License-Identifier: GPL-3.0-or-later
// The arithmetic under a fuzzer: bytes make a worksheet line and an operation record, then
// regnut and forkort compute the next line and the renderer draws both. Any line, however
// wild, gives no crash and no undefined behaviour; a line of the kind the program itself makes
// (cells within ±2^53, positive denominators, an operation the keys would offer) gives, when
// the engine accepts it, a next line in lowest terms with the same solutions.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/algebra/regning.h"
#include "core/display/linjetegner.h"
#include "eksakt.h"
#include "opptaksflate.h"

namespace {

using balvo::Ark;
using balvo::Celle;
using namespace balvo::test;

class Stille : public balvo::Merke {
public:
    void vismerke(double, double) override {}
    void skjulmerke() override {}
};

[[noreturn]] void feil(const std::string& hva, const Ark& ark, int n) {
    const auto a = balvo::linjedump(ark, n), b = balvo::linjedump(ark, n + 1);
    std::fprintf(stderr, "%s\n  %s\n  %s\n  %s %lld/%lld^%d\n  %s\n  %s\n", hva.c_str(),
                 a[0].c_str(), a[1].c_str(), std::string(balvo::symbol(ark.linjeopr[n])).c_str(),
                 static_cast<long long>(ark.linjeteller[n]),
                 static_cast<long long>(ark.linjenevner[n]), ark.linjepotens[n], b[0].c_str(),
                 b[1].c_str());
    std::abort();
}

// A number small, 32-bit or up to 2^53, as the byte before it says.
Celle tall(FuzzedDataProvider& fdp, bool positiv) {
    const Celle g[] = {20, 2147483647LL, balvo::eksakt_grense};
    const Celle grense = g[fdp.ConsumeIntegralInRange(0, 2)];
    return positiv ? fdp.ConsumeIntegralInRange<Celle>(1, grense)
                   : fdp.ConsumeIntegralInRange<Celle>(-grense, grense);
}

void tegn(Ark& ark, int n) {
    Stille merke;
    Opptaksflate flate;
    balvo::tegnlinje(ark, n, n % 5, flate, merke);
    for (const auto& o : flate.opptak())
        for (double v : {o.x1, o.y1, o.x2, o.y2})
            if (!std::isfinite(v)) feil("drawn at a position that is not a number", ark, n);
}

// What the keys guarantee the engine about line n and its operation.
bool tillatt(const Ark& ark, int n) {
    const auto& t = ark.teller[n];
    const std::string op(balvo::symbol(ark.linjeopr[n]));
    const int potens = ark.linjepotens[n];
    const bool rot = har_rot(ark, n);
    if ((op == "*" || op == ":") && potens == 2) return false;
    if (op == "*" && potens == 1 && (t[1] != 0 || t[4] != 0 || rot)) return false;
    if (op == ":" && potens == 1 && (t[3] != 0 || t[6] != 0 || rot)) return false;
    if (op == ":" && ark.linjeteller[n] == 0) return false;
    if (op == "r" && rot) return false;
    if (op == "k") {
        if (t[1] != 0 || t[4] != 0) return false;
        if (har_rot(ark, n, 0) && (t[2] != 0 || t[3] != 0)) return false;
        if (har_rot(ark, n, 3) && (t[5] != 0 || t[6] != 0)) return false;
    }
    return true;
}

// Left minus right must keep its zeros: the same function, its negative or a constant multiple.
void samme_loesninger(const Ark& ark, int n) {
    const std::string op(balvo::symbol(ark.linjeopr[n]));
    if (har_rot(ark, n) || har_rot(ark, n + 1) || ark.linjepotens[n] != 0) return;
    if (op != "+" && op != "-" && op != "+/-" && op != "bytt" && op != "*" && op != ":") return;
    std::optional<Broek> k = Broek{1, 1};
    if (op == "+/-" || op == "bytt") k = Broek{-1, 1};
    if (op == "*") k = broek(ark.linjeteller[n], ark.linjenevner[n]);
    if (op == ":") k = broek(ark.linjenevner[n], ark.linjeteller[n]);
    if (!k) return;
    for (const Broek& x : kandidater(ark, n)) {
        const auto d0 = differanse(ark, n, x), d1 = differanse(ark, n + 1, x);
        if (!d0 || !d1) continue;
        const auto venter = *d0 * *k;
        if (venter && !(*venter == *d1))
            feil("left minus right at x = " + tekst(x) + " is " + tekst(*d1) + ", expected " +
                     tekst(*venter),
                 ark, n);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider fdp(data, size);
    const bool vilkaarlig = fdp.ConsumeBool();
    const int n = fdp.ConsumeIntegralInRange(0, balvo::siste_linje - 1);
    static Ark ark;  // large; one for the whole run, line n and n+1 written afresh
    balvo::toemlinje(ark, n);
    balvo::toemlinje(ark, n + 1);

    if (vilkaarlig) {
        for (auto* tabell : {&ark.teller, &ark.nevner, &ark.rotteller, &ark.rotnevner})
            for (Celle& c : (*tabell)[static_cast<std::size_t>(n)])
                c = fdp.ConsumeIntegral<Celle>();
        ark.linjeopr[n] = static_cast<balvo::Operasjon>(fdp.ConsumeIntegralInRange(0, 8));
        ark.linjeteller[n] = fdp.ConsumeIntegral<Celle>();
        ark.linjenevner[n] = fdp.ConsumeIntegral<Celle>();
        ark.linjepotens[n] = fdp.ConsumeIntegral<int>();
    } else {
        for (int j = 1; j <= 6; ++j) {
            if (fdp.ConsumeBool()) continue;  // many terms stay 0
            ark.teller[n][j] = tall(fdp, false);
            ark.nevner[n][j] = tall(fdp, true);
        }
        for (int j : {0, 7}) {
            if (!fdp.ConsumeBool()) continue;  // a root part now and then
            ark.rotteller[n][j] = tall(fdp, false);
            ark.rotnevner[n][j] = static_cast<Celle>(fdp.ConsumeIntegralInRange(1, 2147483647));
            const int o = j == 0 ? 0 : 3;
            for (int k = o + 1; k <= o + 3; ++k) {
                ark.rotteller[n][k] = tall(fdp, false);
                ark.rotnevner[n][k] = tall(fdp, true);
            }
        }
        ark.linjeopr[n] = balvo::oprtast(fdp.ConsumeIntegralInRange(0, 7));
        ark.linjeteller[n] = fdp.ConsumeIntegralInRange<Celle>(-32767, 32767);
        ark.linjenevner[n] = fdp.ConsumeIntegralInRange<Celle>(1, 32767);
        ark.linjepotens[n] = fdp.ConsumeIntegralInRange(0, 2);
    }
    const bool gyldig = !vilkaarlig && tillatt(ark, n);

    // The reading functions take any line.
    (void)balvo::kvadratsjekk(ark, n, balvo::Side::venstre);
    (void)balvo::kvadratsjekk(ark, n, balvo::Side::hoeyre);
    (void)balvo::diagnoselinje(ark, n);
    tegn(ark, n);

    const auto foer = ark.teller[n];
    if (balvo::regnut(ark, n).status != balvo::Regnestatus::ok) return 0;
    if (ark.teller[n] != foer) feil("regnut changed line n", ark, n);
    const auto uredusert = ark.teller[n + 1];
    const auto uredusert_nevner = ark.nevner[n + 1];
    balvo::forkort(ark, n + 1);
    for (int j = 0; j < balvo::antall_kolonner; ++j) {
        for (Celle v : {ark.teller[n + 1][j], ark.nevner[n + 1][j], ark.rotteller[n + 1][j],
                        ark.rotnevner[n + 1][j]})
            if (!balvo::innenfor(v)) feil("accepted a result outside ±2^53", ark, n);
    }
    tegn(ark, n + 1);
    if (!gyldig) return 0;

    const std::string f = normalformfeil(ark, n + 1);
    if (!f.empty()) feil(f, ark, n);
    for (int j = 1; j <= 6; ++j) {
        // forkort keeps each value.
        const auto foer_v = broek(uredusert[j], uredusert_nevner[j]);
        const auto etter_v = broek(ark.teller[n + 1][j], ark.nevner[n + 1][j]);
        if (foer_v && etter_v && !(*foer_v == *etter_v)) feil("forkort changed a value", ark, n);
    }
    samme_loesninger(ark, n);
    return 0;
}
