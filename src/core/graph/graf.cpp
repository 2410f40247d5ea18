#include "core/graph/graf.h"

#include <string>

namespace balvo {

namespace {

constexpr double grid_bunn = -12.5, grid_topp = 10.5;  // y range of the vertical lines
constexpr double grid_venstre = -5.5, grid_hoeyre = 10.5;
constexpr double steg = 0.25;  // exact in binary, so the curve points never drift
constexpr int antall_steg = 64;

std::string etikett(int v) {
    return v == 0 ? std::string() : std::to_string(v);
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

}  // namespace balvo
