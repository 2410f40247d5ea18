// Random lines without root parts: every equivalence operation keeps exactly the same
// rational solutions, and forkort leaves every fraction in lowest terms.
#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <vector>

#include "core/algebra/regning.h"
#include "likning.h"

namespace balvo::test {
namespace {

__extension__ using Stor = __int128;

Stor gang_sjekket(Stor a, Stor b) {
    Stor r = 0;
    if (__builtin_mul_overflow(a, b, &r)) ADD_FAILURE() << "evaluation overflowed";
    return r;
}

// The side at x = u/v as the fraction S/D: S = (a u² bN cN + b u v aN cN + c v² aN bN), D =
// aN bN cN v², the v² left out because both sides share it.
struct Verdi {
    Stor s, d;
};

Verdi side_ved(const Ark& ark, int n, int o, Celle u, Celle v) {
    const auto& t = ark.teller[n];
    const auto& nv = ark.nevner[n];
    const Stor an = nv[o + 1], bn = nv[o + 2], cn = nv[o + 3];
    const Stor s = gang_sjekket(gang_sjekket(t[o + 1], Stor{u} * u), bn * cn) +
                   gang_sjekket(gang_sjekket(t[o + 2], Stor{u} * v), an * cn) +
                   gang_sjekket(gang_sjekket(t[o + 3], Stor{v} * v), an * bn);
    return {s, an * bn * cn};
}

bool gjelder(const Ark& ark, int n, Celle u, Celle v) {
    const Verdi l = side_ved(ark, n, 0, u, v), h = side_ved(ark, n, 3, u, v);
    return gang_sjekket(l.s, h.d) == gang_sjekket(h.s, l.d);
}

struct Q {
    Celle t, n;
};

Q redusert(Celle t, Celle n) {
    if (n < 0) t = -t, n = -n;
    const Celle d = std::gcd(t, n);
    return {t / d, n / d};
}
Q operator+(Q a, Q b) {
    return redusert(a.t * b.n + b.t * a.n, a.n * b.n);
}
Q operator-(Q a, Q b) {
    return redusert(a.t * b.n - b.t * a.n, a.n * b.n);
}
Q operator*(Q a, Q b) {
    return redusert(a.t * b.t, a.n * b.n);
}

class Tilfeldig {
public:
    explicit Tilfeldig(unsigned froe) : motor_(froe) {}
    Celle heltall(Celle fra, Celle til) {
        return std::uniform_int_distribution<Celle>(fra, til)(motor_);
    }
    Q broek() { return redusert(heltall(-9, 9), heltall(1, 9)); }
    Celle ikke_null(Celle grense) {
        const Celle v = heltall(1, grense);
        return heltall(0, 1) == 0 ? v : -v;
    }

private:
    std::mt19937 motor_;
};

void sett(Ark& ark, int n, int j, Q q) {
    ark.teller[n][j] = q.t;
    ark.nevner[n][j] = q.n;
}

TEST(Egenskap, LoesningeneBestaarOgBroekeneErForkortet) {
    Tilfeldig tilf(20240611u);
    const std::string operasjoner[] = {"+", "-", "*", ":", "+/-", "bytt"};
    int med_loesning = 0;
    for (int tilfelle = 0; tilfelle < 4000; ++tilfelle) {
        auto ark = nytt_ark();
        Q koef[7];
        for (int j = 1; j <= 6; ++j) koef[j] = tilf.broek();
        std::vector<Q> kandidater;
        if (tilfelle % 2 == 0) {
            // Choose the right constant so that a chosen rational is a solution.
            const Q x = redusert(tilf.heltall(-12, 12), tilf.heltall(1, 6));
            koef[6] = (koef[1] - koef[4]) * x * x + (koef[2] - koef[5]) * x + koef[3];
            kandidater.push_back(x);
        }
        for (int j = 1; j <= 6; ++j) sett(*ark, 0, j, koef[j]);
        for (Celle u = -12; u <= 12; ++u) {
            for (Celle v = 1; v <= 4; ++v) kandidater.push_back({u, v});
        }
        for (int k = 0; k < 3; ++k)
            kandidater.push_back({tilf.heltall(-99, 99), tilf.heltall(1, 97)});

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
            for (const Q& x : kandidater) {
                const bool foer = gjelder(*ark, 0, x.t, x.n);
                med_loesning += foer && forkortet;
                ASSERT_EQ(gjelder(*ark, 1, x.t, x.n), foer)
                    << "case " << tilfelle << " " << opr << " at x = " << x.t << "/" << x.n << "\n"
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

}  // namespace
}  // namespace balvo::test
