// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/fingeroppsett.h"

#include <algorithm>
#include <limits>

namespace balvo::nett {

Del del(const Kontroll& k) {
    switch (k.art) {
        case Kontrollart::linje:
        case Kontrollart::opfelt:
        case Kontrollart::strek:
        case Kontrollart::merke:
            return Del::ark;
        case Kontrollart::knapp:
        case Kontrollart::etikett:
        case Kontrollart::skjult:
        case Kontrollart::ramme:
        case Kontrollart::valg:
        case Kontrollart::avkrysning:
            return Del::oppgave;
        case Kontrollart::tast:
            return k.tast == scrollopp || k.tast == scrollned ? Del::ark : Del::tastatur;
        case Kontrollart::kant:
        case Kontrollart::panel:
            return Del::tastatur;
    }
    return Del::ark;
}

namespace {

// A rectangle in the design's pixels.
struct Flate {
    double venstre = std::numeric_limits<double>::max(), topp = venstre, hoeyre = 0, bunn = 0;
    void ta_med(const Twips& t) {
        venstre = std::min(venstre, t.venstre / 15.0);
        topp = std::min(topp, t.topp / 15.0);
        hoeyre = std::max(hoeyre, (t.venstre + t.bredde) / 15.0);
        bunn = std::max(bunn, (t.topp + t.hoeyde) / 15.0);
    }
    double bredde() const { return hoeyre - venstre; }
    double hoeyde() const { return bunn - topp; }
};

// What the layout needs of the design's table, in its pixels.
struct Maal {
    Flate ark, oppgave, tastatur, klient;
    Flate rull;              // the scroll column: its two keys and the track
    double rammetopp = 0;    // the frame of the equation types: its top
    double rammehoeyde = 0;  // and height
    double valgtopp = 0;     // its first option's top, inside it
    int valg = 0;            // how many options it holds
    double knapp = 1e9;      // the lowest push button
    double tast = 1e9;       // the smallest side of a key
};

Maal maal() {
    Maal m;
    m.klient.ta_med(klientflate);
    m.valgtopp = 1e9;
    for (const Kontroll& k : hovedvinduet()) {
        // The hidden boxes take no room; the rule between the rows and the operand fields runs
        // down the whole design, so it is left out of the worksheet and ends with it.
        if (k.art == Kontrollart::skjult || k.art == Kontrollart::merke) continue;
        if (k.art == Kontrollart::strek && k.sted.hoeyde > klientflate.hoeyde * 4 / 5) continue;
        if (k.art == Kontrollart::valg || k.art == Kontrollart::avkrysning) {
            ++m.valg;
            m.valgtopp = std::min(m.valgtopp, k.sted.topp / 15.0);
            continue;  // inside the frame
        }
        if (k.art == Kontrollart::ramme) {
            m.rammetopp = k.sted.topp / 15.0;
            m.rammehoeyde = k.sted.hoeyde / 15.0;
        }
        if (k.art == Kontrollart::knapp) m.knapp = std::min(m.knapp, k.sted.hoeyde / 15.0);
        const Del d = del(k);
        if (k.art == Kontrollart::tast && d == Del::tastatur)
            m.tast = std::min({m.tast, k.sted.bredde / 15.0, k.sted.hoeyde / 15.0});
        if (k.tast == scrollopp || k.tast == scrollned || k.navn == "Shape1") m.rull.ta_med(k.sted);
        (d == Del::ark ? m.ark : d == Del::oppgave ? m.oppgave : m.tastatur).ta_med(k.sted);
    }
    return m;
}

const Maal& tabellmaal() {
    static const Maal m = maal();
    return m;
}

constexpr double luft = 8;  // between parts stacked, in CSS pixels

// The layout at the worksheet's scale `s`; `tastskala` the keypad's for the stacked layout
// (0: as small as a finger allows).
Fingeroppsett oppsett(double s, bool stablet, double tastskala) {
    const Maal& m = tabellmaal();
    Fingeroppsett o;
    o.skala = s;
    o.stablet = stablet;
    o.ark = {0, 0, s};
    o.rullbredde = std::max(fingermaal, m.rull.bredde() * s);
    o.rullvenstre = m.rull.venstre * s;
    o.rulloppe = m.rull.topp * s;
    o.rullnede = m.rull.bunn * s;
    const double arkhoeyre = o.rullvenstre + o.rullbredde;
    const double arkbunn = m.ark.bunn * s;
    o.arkhoeyde = arkbunn;

    const double so = std::max(s, fingermaal / m.knapp);
    o.valgtopp = m.valgtopp * so;
    o.rammehoeyde = std::max(m.rammehoeyde * so, o.valgtopp + m.valg * fingermaal + 4);
    const double oppgavehoeyde =
        std::max(m.oppgave.hoeyde() * so, (m.rammetopp - m.oppgave.topp) * so + o.rammehoeyde);
    const double oppgavebredde = m.oppgave.bredde() * so;
    const double minste_tast = std::max(s, fingermaal / m.tast);

    if (!stablet) {
        // The design's places: each part from its own top left corner, the keypad right of
        // the exercise part.
        const double ox = m.oppgave.venstre * s, oy = m.oppgave.topp * s;
        o.oppgave = {ox - m.oppgave.venstre * so, oy - m.oppgave.topp * so, so};
        const double sk = minste_tast;
        const double tx = std::max(m.tastatur.venstre * s, ox + oppgavebredde + s);
        const double ty = std::max(m.tastatur.topp * s, arkbunn + s);
        o.tastatur = {tx - m.tastatur.venstre * sk, ty - m.tastatur.topp * sk, sk};
        const double marg = (m.klient.hoeyre - m.ark.hoeyre) * s;
        o.bredde = std::max(
            {m.klient.bredde() * s, arkhoeyre + marg, tx + m.tastatur.bredde() * sk + marg});
        o.hoeyde = std::max({m.klient.hoeyde() * s, oy + oppgavehoeyde + marg,
                             ty + m.tastatur.hoeyde() * sk + marg});
        return o;
    }
    // Upright: the exercise part under the worksheet, the keypad under both, centred.
    const double ox = m.oppgave.venstre * s, oy = arkbunn + luft;
    o.oppgave = {ox - m.oppgave.venstre * so, oy - m.oppgave.topp * so, so};
    const double sk = std::max(minste_tast, tastskala);
    o.bredde = std::max({m.klient.bredde() * s, arkhoeyre + (m.klient.hoeyre - m.ark.hoeyre) * s,
                         ox + oppgavebredde + ox, m.tastatur.bredde() * sk + 2 * luft});
    const double tx = (o.bredde - m.tastatur.bredde() * sk) / 2;
    const double ty = oy + oppgavehoeyde + luft;
    o.tastatur = {tx - m.tastatur.venstre * sk, ty - m.tastatur.topp * sk, sk};
    o.hoeyde = ty + m.tastatur.hoeyde() * sk + luft;
    return o;
}

// The largest scale in [fra, til] at which `passer` holds, or `fra`.
template <class F>
double stoerste(double fra, double til, F passer) {
    if (!passer(fra)) return fra;
    for (int i = 0; i < 40; ++i) {
        const double midt = (fra + til) / 2;
        (passer(midt) ? fra : til) = midt;
    }
    return fra;
}

constexpr double minste_skala = 0.5, stoerste_skala = 4;
// The keypad held upright fills the width, but its keys grow no larger than this.
constexpr double stoerste_tastskala = 3;

}  // namespace

Fingeroppsett fingeroppsett(double bredde, double hoeyde, double zoom) {
    const bool stablet = hoeyde > bredde;
    const Maal& m = tabellmaal();
    if (zoom > 0) return oppsett(std::clamp(zoom, minste_skala, stoerste_skala), stablet, 0);
    const double s = stoerste(minste_skala, stoerste_skala, [&](double s) {
        const Fingeroppsett o = oppsett(s, stablet, 0);
        return o.bredde <= bredde && o.hoeyde <= hoeyde;
    });
    if (!stablet) return oppsett(s, false, 0);
    // The keypad as large as the room left under the exercise part allows.
    const Fingeroppsett minst = oppsett(s, true, 0);
    const double rom =
        std::min((hoeyde - (minst.hoeyde - m.tastatur.hoeyde() * minst.tastatur.skala)) /
                     m.tastatur.hoeyde(),
                 (bredde - 2 * luft) / m.tastatur.bredde());
    return oppsett(s, true, std::min(rom, stoerste_tastskala));
}

}  // namespace balvo::nett
