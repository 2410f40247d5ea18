// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/lerretsflate.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace balvo::nett {

std::string cssfarge(const Farge& f) {
    return "rgb(" + std::to_string(f.r) + "," + std::to_string(f.g) + "," + std::to_string(f.b) +
           ")";
}

std::string Lerretsflate::css(std::string_view navn, double piksler, bool kursiv) {
    char stoerrelse[32];
    std::snprintf(stoerrelse, sizeof stoerrelse, "%.4gpx", piksler);
    std::string s = kursiv ? "italic " : "";
    s += stoerrelse;
    s += " \"";
    s += erstatning(navn);
    s += '"';
    return s;
}

Lerretsflate::Lerretsflate(Lerret& lerret, double bredde, double hoeyde, Farge forgrunn)
    : lerret_(lerret), bredde_(bredde), hoeyde_(hoeyde), farge_(cssfarge(forgrunn)) {}

void Lerretsflate::settskala(double skala, double tetthet) {
    k_ = skala;
    // Rounded, not rounded up: a bitmap a pixel larger than its box would be scaled down by
    // the browser, and a bar one pixel high would fade or vanish.
    const auto piksler = [this](double punkter) {
        return std::max(1, static_cast<int>(std::lround(punkter * k_)));
    };
    lerret_.stoerrelse(piksler(bredde_), piksler(hoeyde_), tetthet);
    for (const auto& op : liste()) tegn(op);
}

double Lerretsflate::tekstbredde(std::string_view tekst) const {
    // Measured in a font `stoerrelse_` pixels tall, which is `stoerrelse_` points of the
    // layout: the width comes out in points.
    const std::string font = css(fontnavn(), fontstoerrelse(), kursiv());
    auto nokkel = std::pair{font, std::string(tekst)};
    auto funnet = bredder_.find(nokkel);
    if (funnet != bredder_.end()) return funnet->second;
    const double b = lerret_.bredde(font, tekst);
    bredder_.emplace(std::move(nokkel), b);
    return b;
}

double Lerretsflate::stigning(const Tegneop& op) {
    const std::string font = css(op.fontnavn, op.stoerrelse, op.kursiv);
    auto funnet = stigninger_.find(font);
    if (funnet != stigninger_.end()) return funnet->second;
    const double a = lerret_.stigning(font);
    stigninger_.emplace(font, a);
    return a;
}

namespace {

// One edge pair on whole device pixels, at least one pixel apart, about the same centre.
std::pair<double, double> piksler(double a, double b, double k) {
    const double fra = std::min(a, b) * k, til = std::max(a, b) * k;
    if (til - fra < 1) {
        const double start = std::round((fra + til) / 2 - 0.5);
        return {start, start + 1};
    }
    return {std::round(fra), std::round(til)};
}

}  // namespace

void Lerretsflate::tegn(const Tegneop& op) {
    if (op.art == Tegneop::Art::skriv) {
        // The cell's top-left corner is given: the baseline lies one ascent below it.
        const double a = stigning(op);
        lerret_.tekst(css(op.fontnavn, op.stoerrelse * k_, op.kursiv), op.tekst, op.x1 * k_,
                      (op.y1 + a) * k_, farge_);
    } else if (op.art == Tegneop::Art::strek) {
        // One pixel at 96 dpi, scaled with the page, like a drawn line of width 1: a whole
        // number of device pixels, centred on a pixel's middle when odd, on an edge when even.
        const double b = std::max(1.0, std::round(k_ / piksler_per_punkt));
        const double forskyvning = std::fmod(b, 2) == 1 ? 0.5 : 0;
        const auto legg = [&](double v) {
            return std::floor(v * k_ + 0.5 - forskyvning) + forskyvning;
        };
        lerret_.strek(legg(op.x1), legg(op.y1), legg(op.x2), legg(op.y2), b, farge_);
    } else {
        const auto [x1, x2] = piksler(op.x1, op.x2, k_);
        const auto [y1, y2] = piksler(op.y1, op.y2, k_);
        lerret_.fyll(x1, y1, x2 - x1, y2 - y1, farge_);
    }
}

}  // namespace balvo::nett
