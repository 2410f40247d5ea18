// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/coach/veiledertekst.h"

#include <algorithm>
#include <vector>

#include "core/display/leddeling.h"
#include "core/tekst/katalog.h"

namespace balvo {
namespace {

using veileder::Loesningsmengde;
using Art = Loesningsmengde::Art;

bool inneholder(const Loesningsmengde& m, const veileder::Verdi& v) {
    return std::find(m.verdier.begin(), m.verdier.end(), v) != m.verdier.end();
}

}  // namespace

std::string verdiliste(const std::vector<veileder::Verdi>& verdier) {
    std::string ut;
    std::vector<bool> brukt(verdier.size(), false);
    for (std::size_t i = 0; i < verdier.size(); ++i) {
        if (brukt[i]) continue;
        const auto& v = verdier[i];
        bool par = false;
        for (std::size_t j = i + 1; j < verdier.size() && !par && v.s != 0; ++j) {
            const auto& w = verdier[j];
            if (!brukt[j] && w.c == v.c && w.m == v.m && w.s == -v.s) brukt[j] = par = true;
        }
        const std::string x =
            oversettelse(BALVO_TR("Veileder", "x = %1"), {veileder::verditekst(v, par)});
        ut = ut.empty() ? x : oversettelse(BALVO_TR("Veileder", "%1 og %2"), {ut, x});
    }
    return ut;
}

std::string stegtekst(const Steg& steg) {
    std::string tekst = oversettelse(operasjonsnavn(steg.operasjon));
    if (!med_operand(steg.operasjon)) return tekst;
    tekst += ' ';
    if (steg.teller < 0) tekst += '-';
    std::string tall = beloeptekst(steg.teller);
    if (steg.nevner != 1) {
        tall += "/" + std::to_string(steg.nevner);
        if (steg.potens > 0) tall = "(" + tall + ")";
    } else if (steg.potens > 0 && steg.teller == 1) {
        tall.clear();  // a 1 in front of x is not written
    }
    tekst += tall;
    if (steg.potens > 0) tekst += 'x';
    if (steg.potens == 2) tekst += "\u00b2";
    return tekst;
}

std::string tipstekst(const Veiledning& v) {
    switch (v.utfall) {
        case Utfall::vei:
            if (v.steg.empty()) return oversettelse(BALVO_TR("Veileder", "Likningen er løst."));
            return oversettelse(BALVO_TR("Veileder", "Neste steg: %1"),
                                {stegtekst(v.steg.front())}) +
                   "\n" +
                   oversettelse(BALVO_TR("Veileder", "Da er du %1 steg fra løsningen."),
                                {std::to_string(v.lengde())});
        case Utfall::ingen_loesning:
            return oversettelse(BALVO_TR("Veileder", "Denne likningen har ingen løsning."));
        case Utfall::alle_tall:
            return oversettelse(BALVO_TR("Veileder", "Alle tall er løsninger av denne likningen."));
        case Utfall::ikke_fram:
            return oversettelse(
                BALVO_TR("Veileder", "Herfra kommer du ikke fram til løsningen av oppgaven."));
        case Utfall::ingen_kort_vei:
            break;
    }
    return oversettelse(BALVO_TR("Veileder", "Fant ingen kort vei herfra."));
}

std::string forslagstekst(const Veiledning& v) {
    if (v.utfall == Utfall::vei && !v.steg.empty())
        return oversettelse(BALVO_TR("Veileder", "Da er du %1 steg fra løsningen."),
                            {std::to_string(v.lengde())});
    return tipstekst(v);
}

std::string stegrad(int brukt, std::optional<int> korteste) {
    if (!korteste) return std::to_string(brukt);
    return oversettelse(BALVO_TR("Veileder", "%1 (korteste: %2)"),
                        {std::to_string(brukt), std::to_string(*korteste)});
}

std::string proeverad(const Tilstand& oppgavelinje, const Tilstand& loest_linje) {
    const Loesningsmengde oppgave = veileder::linjemengde(oppgavelinje);
    const Loesningsmengde linje = veileder::linjemengde(loest_linje);
    if (oppgave.art == Art::ukjent || linje.art == Art::ukjent)
        return oversettelse(BALVO_TR("Veileder", "kan ikke avgjøres"));
    if (veileder::samme(oppgave, linje)) return oversettelse(BALVO_TR("Veileder", "stemmer"));

    // A solved line has finitely many values: each is checked in the exercise, and each of
    // the exercise's solutions is looked for among them.
    std::vector<veileder::Verdi> passer_ikke, mangler;
    for (const auto& v : linje.verdier)
        if (oppgave.art != Art::alle && !inneholder(oppgave, v)) passer_ikke.push_back(v);
    for (const auto& v : oppgave.verdier)
        if (!inneholder(linje, v)) mangler.push_back(v);
    // Each case is one whole sentence, so that every language can build it as its grammar
    // wants. An exercise that every number solves has no values a line could miss.
    if (oppgave.art == Art::alle)
        return oversettelse(
            BALVO_TR("Veileder", "stemmer ikke: alle tall er løsninger av oppgaven"));
    if (!passer_ikke.empty() && !mangler.empty())
        return oversettelse(
            BALVO_TR("Veileder", "stemmer ikke: %1 passer ikke i oppgaven, %2 mangler"),
            {verdiliste(passer_ikke), verdiliste(mangler)});
    if (!passer_ikke.empty())
        return oversettelse(BALVO_TR("Veileder", "stemmer ikke: %1 passer ikke i oppgaven"),
                            {verdiliste(passer_ikke)});
    return oversettelse(BALVO_TR("Veileder", "stemmer ikke: %1 mangler"), {verdiliste(mangler)});
}

std::unique_ptr<Ark> veiark(const Veiledning& v) {
    auto ark = std::make_unique<Ark>();
    const int n = std::min(static_cast<int>(v.linjer.size()), antall_linjer) - 1;
    for (int i = 0; i <= n; ++i) {
        toemlinje(*ark, i);
        v.linjer[static_cast<std::size_t>(i)].til(*ark, i);
        if (i < n) {
            const Steg& s = v.steg[static_cast<std::size_t>(i)];
            ark->linjeopr[i] = s.operasjon;
            ark->linjeteller[i] = s.teller;
            ark->linjenevner[i] = s.nevner;
            ark->linjepotens[i] = s.potens;
        }
    }
    ark->linjenr = ark->sistelinje = std::max(n, 0);
    ark->rad = std::min(ark->linjenr, 4);
    return ark;
}

}  // namespace balvo
