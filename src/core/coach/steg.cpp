// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/coach/steg.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

#include "core/algebra/regning.h"
#include "core/coach/verdi.h"
#include "core/entry/taster.h"

namespace balvo {
namespace {

using veileder::Broek;

bool passer(Celle p, Celle q) {
    return p != 0 && p >= -stoerste_operand && p <= stoerste_operand && q >= 1 &&
           q <= stoerste_operand;
}

class Liste {
public:
    explicit Liste(std::vector<Steg>& ut) : ut_(ut) {}
    void legg(Operasjon op, Celle p, Celle q, int potens) {
        if (med_operand(op) && !passer(p, q)) return;
        const Steg s{op, p, q, potens};
        if (std::find(ut_.begin(), ut_.end(), s) == ut_.end()) ut_.push_back(s);
    }
    // Adding c·x^potens to both sides, written with a positive operand.
    void ledd(Broek c, int potens) {
        if (c.t == 0 || c.t > stoerste_operand || c.t < -stoerste_operand) return;
        const auto p = static_cast<Celle>(c.t), q = static_cast<Celle>(c.n);
        legg(p > 0 ? Operasjon::legg_til : Operasjon::trekk_fra, p > 0 ? p : -p, q, potens);
    }
    // Multiplying by m = p/q, named as a pupil would say it: a whole m multiplies, 1/q
    // divides by q, and otherwise the way it was found (dividing by a coefficient c).
    void skaler(Broek m, bool som_deling) {
        if (m.t == 0 || (m.t == 1 && m.n == 1)) return;
        if (m.t > stoerste_operand || m.t < -stoerste_operand || m.n > stoerste_operand) return;
        const auto p = static_cast<Celle>(m.t), q = static_cast<Celle>(m.n);
        if (q == 1) {
            legg(Operasjon::gang, p, 1, 0);
        } else if (p == 1 || p == -1) {
            legg(Operasjon::del, p * q, 1, 0);
        } else if (som_deling) {
            legg(Operasjon::del, p < 0 ? -q : q, p < 0 ? -p : p, 0);
        } else {
            legg(Operasjon::gang, p, q, 0);
        }
    }

private:
    std::vector<Steg>& ut_;
};

// A coefficient in lowest terms; the cells are within 2^53, so 64 bits suffice.
std::optional<Broek> koeffisient(const Tilstand& s, int j) {
    const Celle t = s.teller[j], n = s.nevner[j];
    if (n <= 0) return std::nullopt;
    const auto d = static_cast<Celle>(
        std::gcd(static_cast<std::uint64_t>(t < 0 ? -t : t), static_cast<std::uint64_t>(n)));
    return Broek{t / d, n / d};
}

// The constant to add to one side (columns o+1..o+3) that makes a x² + b x + c the square
// b²/(4a) needs.
std::optional<Broek> kvadratkonstant(const Tilstand& s, int o) {
    const auto a = koeffisient(s, o + 1), b = koeffisient(s, o + 2), c = koeffisient(s, o + 3);
    if (!a || !b || !c || a->t == 0 || b->t == 0) return std::nullopt;
    const auto b2 = veileder::produkt(*b, *b);
    const auto a4 = veileder::produkt(*a, Broek{4, 1});
    const auto maal = b2 && a4 ? veileder::kvotient(*b2, *a4) : std::nullopt;
    if (!maal) return std::nullopt;
    return veileder::differanse(*maal, *c);
}

// Least common multiple of the denominators of the line's coefficients, while it stays a
// possible operand.
std::optional<Celle> fellesnevner(const Tilstand& s) {
    Celle l = 1;
    auto ta_med = [&](Celle t, Celle n) {
        if (t == 0 || n <= 1) return true;
        const auto b = veileder::broek(t, n);
        if (!b) return false;
        const auto nv = static_cast<std::uint64_t>(b->n);
        if (nv > static_cast<std::uint64_t>(stoerste_operand)) return false;
        const auto ny = std::lcm(static_cast<std::uint64_t>(l), nv);
        if (ny > static_cast<std::uint64_t>(stoerste_operand)) return false;
        l = static_cast<Celle>(ny);
        return true;
    };
    for (int j = 1; j <= 6; ++j)
        if (!ta_med(s.teller[j], s.nevner[j])) return std::nullopt;
    for (int j : {0, 7})
        if (!ta_med(s.rotteller[j], s.rotnevner[j])) return std::nullopt;
    return l;
}

}  // namespace

Kladd::Kladd() : ark_(std::make_unique<Ark>()) {
    toemlinje(*ark_, 0);
    toemlinje(*ark_, 1);
}

Kladd::~Kladd() = default;

void Kladd::kandidater(const Tilstand& s, std::vector<Steg>& ut) {
    ut.clear();
    Ark& ark = *ark_;
    s.til(ark, 0);
    ark.linjenr = ark.sistelinje = ark.rad = 0;
    ark.regneart = Operasjon::ingen;
    const Tastesett taster = brukbare_taster(Modus::utfoert, ark);
    auto brukbar = [&](Operasjon op) {
        return taster.test(static_cast<std::size_t>(opr0 + oprindeks(op)));
    };
    auto x_brukbar = [&](Operasjon op) {
        ark.regneart = op;
        const bool ja = brukbare_taster(Modus::opr0_3, ark).test(variabel0);
        ark.regneart = Operasjon::ingen;
        return ja;
    };
    Liste liste(ut);

    // Cancelling a term: x terms gathered on the left, constants on the right first.
    if (brukbar(Operasjon::legg_til) && brukbar(Operasjon::trekk_fra)) {
        for (int j : {4, 5, 3, 1, 2, 6}) {
            if (const auto c = koeffisient(s, j)) liste.ledd(Broek{-c->t, c->n}, 2 - (j - 1) % 3);
        }
        for (int o : {0, 3}) {
            if (const auto k = kvadratkonstant(s, o)) liste.ledd(*k, 0);
        }
    }
    if (brukbar(Operasjon::snu)) liste.legg(Operasjon::snu, 1, 1, 0);
    if (brukbar(Operasjon::gang) && brukbar(Operasjon::del)) {
        std::vector<Broek> faktorer;
        for (int j : {1, 2, 4, 5})
            if (const auto c = koeffisient(s, j); c && c->t != 0) faktorer.push_back(*c);
        for (int j : {0, 7}) {
            const auto k = veileder::broek(s.rotteller[j], s.rotnevner[j]);
            if (s.rotteller[j] != 0 && k) faktorer.push_back(*k);
        }
        for (const Broek& c : faktorer)
            if (const auto m = veileder::kvotient(Broek{1, 1}, c)) liste.skaler(*m, true);
        liste.skaler(Broek{-1, 1}, false);
        const auto l = fellesnevner(s);
        if (l) liste.skaler(Broek{*l, 1}, false);
        for (const Broek& c : faktorer) liste.skaler(c, false);
        if (l) liste.skaler(Broek{1, *l}, true);
    }
    if (brukbar(Operasjon::bytt)) liste.legg(Operasjon::bytt, 1, 1, 0);
    if (brukbar(Operasjon::rot)) liste.legg(Operasjon::rot, 1, 1, 0);
    if (brukbar(Operasjon::kvadrer)) liste.legg(Operasjon::kvadrer, 1, 1, 0);
    if (brukbar(Operasjon::gang) && x_brukbar(Operasjon::gang))
        liste.legg(Operasjon::gang, 1, 1, 1);
    if (brukbar(Operasjon::del) && x_brukbar(Operasjon::del)) liste.legg(Operasjon::del, 1, 1, 1);
}

std::optional<Tilstand> Kladd::utfoer(const Tilstand& s, const Steg& steg) {
    Ark& ark = *ark_;
    // Line 1 need not be written first: every operation writes every cell of it except the
    // two that carry nothing, and those stay 0/1 here.
    s.til(ark, 0);
    ark.linjeopr[0] = steg.operasjon;
    ark.linjeteller[0] = steg.teller;
    ark.linjenevner[0] = steg.nevner;
    ark.linjepotens[0] = steg.potens;
    if (regnut(ark, 0).status != Regnestatus::ok) return std::nullopt;
    forkort(ark, 1);
    return Tilstand::fra(ark, 1);
}

bool Kladd::loest() const {
    return balvo::loest(*ark_, 1);
}

}  // namespace balvo
