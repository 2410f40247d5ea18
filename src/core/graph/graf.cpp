// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/graph/graf.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "core/coach/veileder.h"

namespace balvo {

namespace {

constexpr double grid_bunn = -12.5, grid_topp = 10.5;  // y range of the vertical lines
constexpr double grid_venstre = -5.5, grid_hoeyre = 10.5;
constexpr double steg = 0.25;  // exact in binary, so the curve points never drift
constexpr int antall_steg = 64;

std::string etikett(int v) {
    return v == 0 ? std::string() : std::to_string(v);
}

constexpr Tekst krysser_i = BALVO_TR("mmArk", "Kurvene krysser hverandre i %1");
constexpr Tekst og = BALVO_TR("mmArk", "%1 og %2");
constexpr Tekst krysser_ikke = BALVO_TR("mmArk", "Kurvene krysser ikke hverandre");
constexpr Tekst er_like = BALVO_TR("mmArk", "Kurvene er like");

// Whether a lies left of b on the x axis: exactly for two fractions and for the two values
// c ± √m of one pair, the only kinds a line without roots has.
bool foer(const veileder::Verdi& a, const veileder::Verdi& b) {
    if (a.c == b.c && a.m == b.m) return a.s < b.s;
    if (a.s == 0 && b.s == 0)
        if (const auto d = veileder::differanse(a.c, b.c)) return veileder::fortegn(*d) < 0;
    const auto tilnaermet = [](const veileder::Verdi& v) {
        const double c = static_cast<double>(v.c.t) / static_cast<double>(v.c.n);
        const double m = static_cast<double>(v.m.t) / static_cast<double>(v.m.n);
        return c + v.s * std::sqrt(m);
    };
    return tilnaermet(a) < tilnaermet(b);
}

}  // namespace

void tegngraf(Grafflate& flate, const Sidefunksjon& venstre, const Sidefunksjon& hoeyre) {
    for (int i = 0; i <= 15; ++i) {
        const int v = -5 + i;
        flate.strek(v, grid_bunn, v, grid_topp, rutefarge, 1);
        const std::string t = etikett(v);
        if (!t.empty()) flate.skriv(v - flate.tekstbredde(t) / 2, 0.1, t);
    }
    for (int i = 0; i <= 22; i += 2) {
        const int w = 12 - i;
        flate.strek(grid_venstre, -w, grid_hoeyre, -w, rutefarge, 1);
        const std::string t = etikett(w);
        if (!t.empty()) flate.skriv(-0.2 - flate.tekstbredde(t), -12.6 + i, t);
    }
    flate.strek(0, grid_bunn, 0, grid_topp, palett0_svart, 2);
    flate.strek(grid_venstre, 0, grid_hoeyre, 0, palett0_svart, 2);
    for (int i = 0; i < antall_steg; ++i) {
        const double x = grid_venstre + steg * i;
        flate.strek(x, -venstre(x), x + steg, -venstre(x + steg), palett4_roed, 1);
        flate.strek(x, -hoeyre(x), x + steg, -hoeyre(x + steg), palett1_blaa, 1);
    }
}

Grafoppgave grafoppgave(const Ark& ark, int linje) {
    Grafoppgave o;
    for (int j = 1; j <= 6; ++j) {
        o.teller[static_cast<std::size_t>(j - 1)] = ark.teller[linje][j];
        o.nevner[static_cast<std::size_t>(j - 1)] = ark.nevner[linje][j];
    }
    return o;
}

double sideverdi(const Grafoppgave& o, double x, Side side) {
    const auto foerste = static_cast<std::size_t>(forskyvning(side));
    const auto ledd = [&](std::size_t k) {
        const Celle n = o.nevner[foerste + k];
        // A never-written line has denominators 0; such a term is simply absent.
        return n == 0 ? 0.0 : static_cast<double>(o.teller[foerste + k]) / static_cast<double>(n);
    };
    return ledd(0) * (x * x) + ledd(1) * x + ledd(2);
}

std::string krysningstekst(const Grafoppgave& oppgave) {
    using Art = veileder::Loesningsmengde::Art;
    // The exercise as line 0 of a worksheet of its own, for the coach's exact solutions.
    auto ark = std::make_unique<Ark>();
    toemlinje(*ark, 0);
    for (std::size_t j = 0; j < 6; ++j) {
        ark->teller[0][j + 1] = oppgave.teller[j];
        ark->nevner[0][j + 1] = oppgave.nevner[j];
    }
    veileder::Loesningsmengde mengde = oppgavemengde(*ark);
    switch (mengde.art) {
        case Art::ingen:
            return oversettelse(krysser_ikke);
        case Art::alle:
            return oversettelse(er_like);
        case Art::ukjent:
            return {};
        case Art::verdier:
            break;
    }
    std::sort(mengde.verdier.begin(), mengde.verdier.end(), foer);
    std::string steder;
    for (std::size_t i = 0; i < mengde.verdier.size(); ++i) {
        const std::string sted = "x = " + veileder::verditekst(mengde.verdier[i]);
        if (i == 0) {
            steder = sted;
        } else if (i + 1 == mengde.verdier.size()) {
            steder = oversettelse(og, {steder, sted});
        } else {
            steder += ", " + sted;
        }
    }
    return oversettelse(krysser_i, {steder});
}

}  // namespace balvo
