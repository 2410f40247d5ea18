// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/coach/avstand.h"

#include <algorithm>

#include "core/coach/veiledertekst.h"
#include "core/tekst/katalog.h"

namespace balvo {
namespace {

using veileder::Loesningsmengde;
using Art = Loesningsmengde::Art;

bool inneholder(const Loesningsmengde& m, const veileder::Verdi& v) {
    return std::find(m.verdier.begin(), m.verdier.end(), v) != m.verdier.end();
}

bool slutter_med_punktum(const std::string& s) {
    return !s.empty() && (s.back() == '.' || s.back() == '?' || s.back() == '!');
}

}  // namespace

Loesningsendring loesningsendring(const Tilstand& foer, const Tilstand& etter) {
    Loesningsendring e;
    const Loesningsmengde a = veileder::linjemengde(foer), b = veileder::linjemengde(etter);
    if (a.art == Art::ukjent || b.art == Art::ukjent || a.art == Art::alle) return e;
    if (b.art == Art::alle) {
        e.alle_tall = true;
        return e;
    }
    for (const auto& v : a.verdier)
        if (!inneholder(b, v)) e.mistet.push_back(v);
    for (const auto& v : b.verdier)
        if (!inneholder(a, v)) e.ekstra.push_back(v);
    return e;
}

bool Stegvurdering::ikke_naermere() const {
    if (foer.utfall != Utfall::vei) return false;
    return etter.utfall != Utfall::vei || etter.lengde() >= foer.lengde();
}

bool Stegvurdering::loest() const {
    return etter.utfall == Utfall::vei && etter.steg.empty();
}

std::vector<std::string> avstandsdeler(const Stegvurdering& v, bool tilby_tips) {
    std::vector<std::string> deler;
    if (v.loest()) return deler;
    const Loesningsendring& e = v.endring;
    if (!e.mistet.empty())
        deler.push_back(oversettelse(
            e.mistet.size() == 1 ? BALVO_TR("Veileder", "Dette steget mistet løsningen %1")
                                 : BALVO_TR("Veileder", "Dette steget mistet løsningene %1"),
            {verdiliste(e.mistet)}));
    if (!e.ekstra.empty())
        deler.push_back(oversettelse(
            e.ekstra.size() == 1 ? BALVO_TR("Veileder", "Dette steget ga en ekstra løsning %1")
                                 : BALVO_TR("Veileder", "Dette steget ga ekstra løsninger %1"),
            {verdiliste(e.ekstra)}));
    if (e.alle_tall)
        deler.push_back(
            oversettelse(BALVO_TR("Veileder", "Etter dette steget er alle tall løsninger")));
    if (v.gjentatt == 0)
        deler.push_back(oversettelse(BALVO_TR("Veileder", "Denne linjen hadde du før (oppgaven)")));
    else if (v.gjentatt > 0)
        deler.push_back(oversettelse(BALVO_TR("Veileder", "Denne linjen hadde du før (linje %1)"),
                                     {std::to_string(v.gjentatt)}));

    if (v.etter.utfall == Utfall::vei) {
        const std::string igjen = std::to_string(v.etter.lengde());
        if (v.ikke_naermere())
            deler.push_back(
                oversettelse(BALVO_TR("Veileder", "Ikke nærmere: %1 steg igjen (før: %2)"),
                             {igjen, std::to_string(v.foer.lengde())}));
        else
            deler.push_back(oversettelse(BALVO_TR("Veileder", "%1 steg igjen"), {igjen}));
    } else {
        // Why there is no way: the hint's own words.
        deler.push_back(tipstekst(v.etter));
    }
    if (tilby_tips)
        deler.push_back(oversettelse(BALVO_TR("Veileder", "Trenger du et tips? Trykk Ctrl+T.")));
    return deler;
}

std::string radtekst(const std::vector<std::string>& deler) {
    std::string ut;
    for (const std::string& d : deler) {
        if (!ut.empty()) ut += slutter_med_punktum(ut) ? " " : ". ";
        ut += d;
    }
    return ut;
}

std::string setning(const std::vector<std::string>& deler) {
    std::string ut = radtekst(deler);
    if (!ut.empty() && !slutter_med_punktum(ut)) ut += '.';
    return ut;
}

}  // namespace balvo
