// SPDX-License-Identifier: GPL-3.0-or-later
#include "eksakt.h"

#include <algorithm>

namespace balvo::test {
namespace {

Stort abs128(Stort v) {
    return v < 0 ? -v : v;
}

std::optional<Broek> celle(Celle t, Celle n) {
    return broek(t, n);
}

}  // namespace

std::optional<Broek> operator+(Broek a, Broek b) {
    return veileder::sum(a, b);
}

std::optional<Broek> operator-(Broek a, Broek b) {
    return veileder::differanse(a, b);
}

std::optional<Broek> operator*(Broek a, Broek b) {
    return veileder::produkt(a, b);
}

std::optional<Broek> operator/(Broek a, Broek b) {
    return veileder::kvotient(a, b);
}

std::string tekst(Broek b) {
    auto heltall = [](Stort v) {
        if (v == 0) return std::string("0");
        std::string s;
        const bool neg = v < 0;
        for (Stort u = abs128(v); u != 0; u /= 10) s += static_cast<char>('0' + int(u % 10));
        if (neg) s += '-';
        std::reverse(s.begin(), s.end());
        return s;
    };
    return b.n == 1 ? heltall(b.t) : heltall(b.t) + "/" + heltall(b.n);
}

bool har_rot(const Ark& ark, int n, int o) {
    return ark.rotteller[n][o == 0 ? 0 : 7] != 0;
}
bool har_rot(const Ark& ark, int n) {
    return har_rot(ark, n, 0) || har_rot(ark, n, 3);
}

namespace {

// a x² + b x + c from three fractions given by their cells.
std::optional<Broek> andregrad(const Celle* t, const Celle* nv, Broek x) {
    const auto a = celle(t[0], nv[0]), b = celle(t[1], nv[1]), c = celle(t[2], nv[2]);
    if (!a || !b || !c) return std::nullopt;
    const auto x2 = x * x;
    if (!x2) return std::nullopt;
    const auto ledd2 = *a * *x2, ledd1 = *b * x;
    if (!ledd2 || !ledd1) return std::nullopt;
    const auto s = *ledd2 + *ledd1;
    if (!s) return std::nullopt;
    return *s + *c;
}

}  // namespace

std::optional<Broek> polynom(const Ark& ark, int n, int o, Broek x) {
    return andregrad(&ark.teller[n][o + 1], &ark.nevner[n][o + 1], x);
}

std::optional<Broek> differanse(const Ark& ark, int n, Broek x) {
    const auto v = polynom(ark, n, 0, x), h = polynom(ark, n, 3, x);
    if (!v || !h) return std::nullopt;
    return *v - *h;
}

std::optional<Broek> sidekvadrat(const Ark& ark, int n, int o, Broek x) {
    if (!har_rot(ark, n, o)) {
        const auto p = polynom(ark, n, o, x);
        if (!p) return std::nullopt;
        return *p * *p;
    }
    const auto& t = ark.teller[n];
    if (t[o + 1] != 0 || t[o + 2] != 0 || t[o + 3] != 0) return std::nullopt;
    const int k = o == 0 ? 0 : 7;
    const auto koeff = celle(ark.rotteller[n][k], ark.rotnevner[n][k]);
    const auto rad = andregrad(&ark.rotteller[n][o + 1], &ark.rotnevner[n][o + 1], x);
    if (!koeff || !rad) return std::nullopt;
    const auto k2 = *koeff * *koeff;
    if (!k2) return std::nullopt;
    return *k2 * *rad;
}

std::vector<Broek> kandidater(const Ark& ark, int n) {
    std::vector<Broek> ut = {{0, 1},  {1, 1}, {-1, 1}, {2, 1}, {-2, 1}, {1, 2},
                             {-1, 2}, {3, 1}, {-3, 1}, {1, 3}, {2, 3},  {-5, 2}};
    if (har_rot(ark, n)) return ut;
    // The coefficients of left minus right.
    std::optional<Broek> k[3];
    for (int j = 0; j < 3; ++j) {
        const auto v = celle(ark.teller[n][j + 1], ark.nevner[n][j + 1]);
        const auto h = celle(ark.teller[n][j + 4], ark.nevner[n][j + 4]);
        if (!v || !h) return ut;
        k[j] = *v - *h;
        if (!k[j]) return ut;
    }
    const Broek a = *k[0], b = *k[1], c = *k[2];
    if (a.t == 0) {
        if (b.t != 0) {
            if (auto r = Broek{-c.t, c.n} / b) ut.push_back(*r);
        }
        return ut;
    }
    // b² − 4ac must be the square of a fraction for rational roots.
    const auto b2 = b * b, ac = a * c;
    if (!b2 || !ac) return ut;
    const auto ac4 = *ac * Broek{4, 1};
    if (!ac4) return ut;
    const auto d = *b2 - *ac4;
    if (!d) return ut;
    const auto rot = veileder::rasjonal_rot(*d);
    if (!rot) return ut;
    const Broek s = *rot;
    const auto a2 = a * Broek{2, 1};
    if (!a2) return ut;
    for (const Broek fortegn : {Broek{1, 1}, Broek{-1, 1}}) {
        const auto ss = s * fortegn;
        if (!ss) continue;
        const auto teller = Broek{-b.t, b.n} + *ss;
        if (!teller) continue;
        if (auto r = *teller / *a2) ut.push_back(*r);
    }
    return ut;
}

namespace {

std::string sjekk_broek(const char* tabell, int j, Celle t, Celle nv) {
    const std::string hvor = std::string(tabell) + " column " + std::to_string(j) + ": " +
                             std::to_string(t) + "/" + std::to_string(nv);
    if (nv <= 0) return hvor + " has a denominator that is not positive";
    if (broek(t, nv) != Broek{t, nv}) return hvor + " is not in lowest terms";
    return {};
}

}  // namespace

std::string normalformfeil(const Ark& ark, int n) {
    const std::string linje = "line " + std::to_string(n) + ", ";
    for (int j = 0; j < antall_kolonner; ++j) {
        for (Celle v :
             {ark.teller[n][j], ark.nevner[n][j], ark.rotteller[n][j], ark.rotnevner[n][j]}) {
            if (!innenfor(v))
                return linje + "column " + std::to_string(j) + " holds " + std::to_string(v) +
                       ", outside ±2^53";
        }
    }
    for (int j = 1; j <= 6; ++j) {
        auto f = sjekk_broek("teller/nevner", j, ark.teller[n][j], ark.nevner[n][j]);
        if (!f.empty()) return linje + f;
        if (ark.rotnevner[n][j] <= 0)
            return linje + "radicand column " + std::to_string(j) + " has denominator " +
                   std::to_string(ark.rotnevner[n][j]);
    }
    for (int j : {0, 7}) {
        auto f = sjekk_broek("rotteller/rotnevner", j, ark.rotteller[n][j], ark.rotnevner[n][j]);
        if (!f.empty()) return linje + f;
    }
    return {};
}

}  // namespace balvo::test
