// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/coach/tips.h"

#include "core/coach/veiledertekst.h"

namespace balvo {
namespace {

// Columns of a line: x², x and the constant of the left side (1..3) and of the right (4..6).
constexpr int venstre_side = 0, hoeyre_side = 3;

bool har(const Tilstand& s, int j) {
    return s.teller[j] != 0;
}

bool er_en(Celle t, Celle n) {
    return t != 0 && t == n;
}

// Whether side o (0 left, 3 right) has an x or x² term.
bool har_x(const Tilstand& s, int o) {
    return har(s, o + 1) || har(s, o + 2);
}

bool har_rot(const Tilstand& s, int o) {
    return s.rotteller[o == venstre_side ? 0 : 7] != 0;
}

bool broekfri(const Tilstand& s) {
    for (int j = 1; j <= 6; ++j)
        if (har(s, j) && (s.nevner[j] == 0 || s.teller[j] % s.nevner[j] != 0)) return false;
    for (int j : {0, 7})
        if (s.rotteller[j] != 0 && (s.rotnevner[j] == 0 || s.rotteller[j] % s.rotnevner[j] != 0))
            return false;
    return true;
}

// Side o is a x² + b x + c with b² = 4ac, a perfect square.
bool kvadratside(const Tilstand& s, int o) {
    if (!har(s, o + 1) || !har(s, o + 2)) return false;
    const auto a = veileder::broek(s.teller[o + 1], s.nevner[o + 1]);
    const auto b = veileder::broek(s.teller[o + 2], s.nevner[o + 2]);
    const auto c = veileder::broek(s.teller[o + 3], s.nevner[o + 3]);
    if (!a || !b || !c) return false;
    const auto b2 = veileder::produkt(*b, *b);
    const auto ac = veileder::produkt(*a, *c);
    const auto ac4 = ac ? veileder::produkt(*ac, veileder::Broek{4, 1}) : std::nullopt;
    return b2 && ac4 && *b2 == *ac4;
}

Maal leddmaal(const Tilstand& foer, const Steg& steg, const Tilstand& etter) {
    if (steg.potens > 0) return Maal::samle_x;
    for (int o : {venstre_side, hoeyre_side})
        if (kvadratside(etter, o) && !kvadratside(foer, o)) return Maal::kvadrat;
    for (int o : {venstre_side, hoeyre_side}) {
        if (!har_x(etter, o) || har(etter, o + 3) || !har(foer, o + 3)) continue;
        return har(etter, o + 2) ? Maal::x_alene : Maal::x2_alene;
    }
    return Maal::naermere;
}

Maal skaleringsmaal(const Tilstand& foer, const Tilstand& etter) {
    if (!broekfri(foer) && broekfri(etter)) return Maal::broeker;
    for (int j : {2, 5})
        if (er_en(etter.teller[j], etter.nevner[j]) && !er_en(foer.teller[j], foer.nevner[j]))
            return Maal::en_foran_x;
    for (int j : {1, 4})
        if (er_en(etter.teller[j], etter.nevner[j]) && !er_en(foer.teller[j], foer.nevner[j]))
            return Maal::en_foran_x2;
    for (int j : {0, 7})
        if (er_en(etter.rotteller[j], etter.rotnevner[j]) &&
            !er_en(foer.rotteller[j], foer.rotnevner[j]))
            return Maal::en_foran_rot;
    return Maal::naermere;
}

bool blir_positiv(const Tilstand& foer, const Tilstand& etter) {
    for (int j : {1, 2, 4, 5})
        if (foer.teller[j] < 0 && etter.teller[j] > 0) return true;
    return false;
}

}  // namespace

Maal stegmaal(const Tilstand& foer, const Steg& steg, const Tilstand& etter) {
    switch (steg.operasjon) {
        case Operasjon::legg_til:
        case Operasjon::trekk_fra:
            return leddmaal(foer, steg, etter);
        case Operasjon::gang:
        case Operasjon::del:
            if (steg.potens == 0) return skaleringsmaal(foer, etter);
            if (steg.operasjon == Operasjon::del && (har(foer, 1) || har(foer, 4)))
                return Maal::uten_kvadrat;
            return Maal::naermere;
        case Operasjon::snu:
            return blir_positiv(foer, etter) ? Maal::positiv : Maal::naermere;
        case Operasjon::bytt:
            return har_x(foer, hoeyre_side) && !har_x(foer, venstre_side) ? Maal::venstre
                                                                          : Maal::naermere;
        case Operasjon::rot:
            return Maal::uten_kvadrat;
        case Operasjon::kvadrer:
            return har_rot(foer, venstre_side) || har_rot(foer, hoeyre_side) ? Maal::uten_rot
                                                                             : Maal::naermere;
        case Operasjon::ingen:
            break;
    }
    return Maal::naermere;
}

Tekst maaltekst(Maal maal) {
    switch (maal) {
        case Maal::samle_x:
            return BALVO_TR("Veileder", "Samle x-leddene på den ene siden.");
        case Maal::x_alene:
            return BALVO_TR("Veileder", "Få leddet med x alene.");
        case Maal::x2_alene:
            return BALVO_TR("Veileder", "Få x² alene, så kan du trekke kvadratroten.");
        case Maal::kvadrat:
            return BALVO_TR("Veileder", "Fullfør kvadratet.");
        case Maal::en_foran_x:
            return BALVO_TR("Veileder", "Gjør tallet foran x til 1.");
        case Maal::en_foran_x2:
            return BALVO_TR("Veileder", "Gjør tallet foran x² til 1.");
        case Maal::en_foran_rot:
            return BALVO_TR("Veileder", "Gjør tallet foran rottegnet til 1.");
        case Maal::broeker:
            return BALVO_TR("Veileder", "Bli kvitt brøkene.");
        case Maal::positiv:
            return BALVO_TR("Veileder", "Få et positivt tall foran x.");
        case Maal::venstre:
            return BALVO_TR("Veileder", "Få x over på venstre side.");
        case Maal::uten_kvadrat:
            return BALVO_TR("Veileder", "Bli kvitt x².");
        case Maal::uten_rot:
            return BALVO_TR("Veileder", "Bli kvitt rottegnet.");
        case Maal::naermere:
            break;
    }
    return BALVO_TR("Veileder", "Kom ett steg nærmere løsningen.");
}

std::string arttekst(const Tilstand& foer, const Steg& steg, const Tilstand& etter) {
    const bool legg = steg.operasjon == Operasjon::legg_til;
    switch (steg.operasjon) {
        case Operasjon::legg_til:
        case Operasjon::trekk_fra:
            if (steg.potens == 2)
                return oversettelse(legg ? BALVO_TR("Veileder", "Legg til et ledd med x².")
                                         : BALVO_TR("Veileder", "Trekk fra et ledd med x²."));
            if (steg.potens == 1)
                return oversettelse(legg ? BALVO_TR("Veileder", "Legg til et ledd med x.")
                                         : BALVO_TR("Veileder", "Trekk fra et ledd med x."));
            return oversettelse(legg ? BALVO_TR("Veileder", "Legg til et tall.")
                                     : BALVO_TR("Veileder", "Trekk fra et tall."));
        case Operasjon::gang:
        case Operasjon::del: {
            const bool gang = steg.operasjon == Operasjon::gang;
            if (steg.potens > 0)
                return oversettelse(gang ? BALVO_TR("Veileder", "Multipliser med x.")
                                         : BALVO_TR("Veileder", "Del med x."));
            switch (skaleringsmaal(foer, etter)) {
                case Maal::broeker:
                    return oversettelse(BALVO_TR("Veileder", "Multipliser med fellesnevneren."));
                case Maal::en_foran_x:
                    return oversettelse(
                        gang ? BALVO_TR("Veileder",
                                        "Multipliser med det omvendte av tallet foran x.")
                             : BALVO_TR("Veileder", "Del med tallet foran x."));
                case Maal::en_foran_x2:
                    return oversettelse(
                        gang ? BALVO_TR("Veileder",
                                        "Multipliser med det omvendte av tallet foran x².")
                             : BALVO_TR("Veileder", "Del med tallet foran x²."));
                case Maal::en_foran_rot:
                    return oversettelse(
                        gang ? BALVO_TR("Veileder",
                                        "Multipliser med det omvendte av tallet foran "
                                        "rottegnet.")
                             : BALVO_TR("Veileder", "Del med tallet foran rottegnet."));
                default:
                    return oversettelse(gang ? BALVO_TR("Veileder", "Multipliser med et tall.")
                                             : BALVO_TR("Veileder", "Del med et tall."));
            }
        }
        default:
            return stegtekst(steg) + ".";
    }
}

std::string tipstekst(const Veiledning& v, int nivaa) {
    if (nivaa >= 3 || v.utfall != Utfall::vei || v.steg.empty() || v.linjer.size() < 2)
        return tipstekst(v);
    const Tilstand& foer = v.linjer[0];
    const Tilstand& etter = v.linjer[1];
    const Steg& steg = v.steg.front();
    if (nivaa <= 1) return oversettelse(maaltekst(stegmaal(foer, steg, etter)));
    return oversettelse(BALVO_TR("Veileder", "Neste steg: %1"), {arttekst(foer, steg, etter)});
}

}  // namespace balvo
