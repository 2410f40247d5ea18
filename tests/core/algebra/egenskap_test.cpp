// SPDX-License-Identifier: GPL-3.0-or-later
// Random lines without root parts: every equivalence operation keeps exactly the same
// rational solutions, and forkort leaves every fraction in lowest terms.
#include <gtest/gtest.h>

#include <limits>
#include <numeric>
#include <optional>
#include <random>
#include <vector>

#include "core/algebra/linje.h"
#include "core/algebra/regning.h"
#include "eksakt.h"
#include "likning.h"

namespace balvo::test {
namespace {

// The value of an exact step that must not overflow at these sizes.
Broek verdi(std::optional<Broek> b) {
    if (!b) ADD_FAILURE() << "exact arithmetic overflowed";
    return b.value_or(Broek{});
}

// Whether x solves line n (no root parts): left minus right is exactly 0.
bool gjelder(const Ark& ark, int n, Broek x) {
    return verdi(differanse(ark, n, x)) == Broek{0, 1};
}

class Tilfeldig {
public:
    explicit Tilfeldig(unsigned froe) : motor_(froe) {}
    Celle heltall(Celle fra, Celle til) {
        return std::uniform_int_distribution<Celle>(fra, til)(motor_);
    }
    Broek broek() { return verdi(test::broek(heltall(-9, 9), heltall(1, 9))); }
    Celle ikke_null(Celle grense) {
        const Celle v = heltall(1, grense);
        return heltall(0, 1) == 0 ? v : -v;
    }

private:
    std::mt19937 motor_;
};

void sett(Ark& ark, int n, int j, Broek q) {
    ark.teller[n][j] = static_cast<Celle>(q.t);
    ark.nevner[n][j] = static_cast<Celle>(q.n);
}

TEST(Egenskap, LoesningeneBestaarOgBroekeneErForkortet) {
    Tilfeldig tilf(20240611u);
    const std::string operasjoner[] = {"+", "-", "*", ":", "+/-", "bytt"};
    int med_loesning = 0;
    for (int tilfelle = 0; tilfelle < 4000; ++tilfelle) {
        auto ark = nytt_ark();
        Broek koef[7];
        for (int j = 1; j <= 6; ++j) koef[j] = tilf.broek();
        std::vector<Broek> kandidater;
        if (tilfelle % 2 == 0) {
            // Choose the right constant so that a chosen rational is a solution.
            const Broek x = verdi(broek(tilf.heltall(-12, 12), tilf.heltall(1, 6)));
            const Broek a = verdi(koef[1] - koef[4]), b = verdi(koef[2] - koef[5]);
            koef[6] = verdi(verdi(verdi(a * x) * x) + verdi(verdi(b * x) + koef[3]));
            kandidater.push_back(x);
        }
        for (int j = 1; j <= 6; ++j) sett(*ark, 0, j, koef[j]);
        for (Celle u = -12; u <= 12; ++u) {
            for (Celle v = 1; v <= 4; ++v) kandidater.push_back(verdi(broek(u, v)));
        }
        for (int k = 0; k < 3; ++k)
            kandidater.push_back(verdi(broek(tilf.heltall(-99, 99), tilf.heltall(1, 97))));

        const std::string& opr = operasjoner[tilf.heltall(0, 5)];
        ark->linjeopr[0] = fra_symbol(opr);
        ark->linjeteller[0] = tilf.ikke_null(9);
        ark->linjenevner[0] = tilf.heltall(1, 9);
        ark->linjepotens[0] = opr == "+" || opr == "-" ? static_cast<int>(tilf.heltall(0, 2)) : 0;
        const Regneresultat svar = regnut(*ark, 0);
        ASSERT_EQ(svar.status, Regnestatus::ok) << opr;
        EXPECT_EQ(svar.etteretning, Etteretning::ingen);

        for (bool forkortet : {false, true}) {
            if (forkortet) forkort(*ark, 1);
            for (const Broek& x : kandidater) {
                const bool foer = gjelder(*ark, 0, x);
                med_loesning += foer && forkortet;
                ASSERT_EQ(gjelder(*ark, 1, x), foer)
                    << "case " << tilfelle << " " << opr << " at x = " << tekst(x) << "\n"
                    << les(*ark, 0) << "\n"
                    << les(*ark, 1);
            }
        }
        for (int j = 1; j <= 6; ++j) {
            const Celle t = ark->teller[1][j], n = ark->nevner[1][j];
            ASSERT_GT(n, 0) << tilfelle << " column " << j;
            ASSERT_EQ(std::gcd(t, n), 1) << tilfelle << " column " << j << ": " << t << "/" << n;
        }
        for (int j : {0, 7}) {
            ASSERT_EQ(ark->rotteller[1][j], 0);
            ASSERT_EQ(ark->rotnevner[1][j], 1);
        }
    }
    // The chosen solutions must really have been exercised.
    EXPECT_GE(med_loesning, 2000);
}

// The whole root of a perfect square and of nothing else, up to the largest square below 2^63,
// where the double's estimate of the root is furthest off.
TEST(Egenskap, HelrotFinnerBareKvadrater) {
    std::vector<Celle> roetter = {0,    1,     2,        3,        4,          181,
                                  4095, 65535, 94906265, 94906266, 3037000498, 3037000499};
    std::mt19937_64 motor(7);
    for (int i = 0; i < 2000; ++i) roetter.push_back(static_cast<Celle>(motor() % 3037000500));
    for (Celle r : roetter) {
        const Celle v = r * r;
        EXPECT_EQ(algebra::helrot(v), std::optional<Celle>{r}) << v;
        if (r > 1) {
            EXPECT_EQ(algebra::helrot(v - 1), std::nullopt) << v - 1;
        }
        if (r > 0) {
            EXPECT_EQ(algebra::helrot(v + 1), std::nullopt) << v + 1;
        }
    }
    for (Celle v : {Celle{-1}, Celle{-4}, std::numeric_limits<Celle>::min(),
                    std::numeric_limits<Celle>::max()})
        EXPECT_EQ(algebra::helrot(v), std::nullopt) << v;
}

}  // namespace
}  // namespace balvo::test
