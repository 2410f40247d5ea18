// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entry/taster.h"

#include "core/algebra/regning.h"

namespace balvo {
namespace {

void av(Tastesett& t, std::initializer_list<int> taster) {
    for (int k : taster) t.reset(static_cast<std::size_t>(k));
}

void sifrene_av(Tastesett& t) {
    for (int i = 0; i < 10; ++i) t.reset(siffer0 + i);
}

void operasjonene_av(Tastesett& t) {
    for (int i = 0; i < antall_operasjoner; ++i) t.reset(opr0 + i);
}

// Which x keys suit the chosen operation on line L.
void x_regler(Tastesett& t, const Ark& ark, int L) {
    const auto& te = ark.teller[L];
    const bool rot = ark.rotteller[L][0] != 0 || ark.rotteller[L][7] != 0;
    if (ark.regneart == Operasjon::gang) {
        t.reset(variabel1);
        if (te[1] != 0 || te[4] != 0 || rot) t.reset(variabel0);
    } else if (ark.regneart == Operasjon::del) {
        t.reset(variabel1);
        if (te[3] != 0 || te[6] != 0 || rot) t.reset(variabel0);
    }
}

}  // namespace

std::string_view modustekst(Modus m) {
    switch (m) {
        case Modus::ingen_oppgave:
            return "ingen oppgave";
        case Modus::ny_oppgave:
            return "ny oppgave";
        case Modus::ryddopp:
            return "ryddopp";
        case Modus::opr0_3:
            return "opr0-3+...";
        case Modus::opr4_7:
            return "opr4-7";
        case Modus::siffer:
            return "siffer";
        case Modus::x_eller_x2:
            return "x eller x2";
        case Modus::stryk_ut:
            return "stryk ut";
        case Modus::utfoert:
            return "utført";
        case Modus::scrollopp:
            return "scrollopp";
        case Modus::scrollned:
            return "scrollned";
    }
    return {};
}

Tastesett brukbare_taster(Modus m, const Ark& ark) {
    const int L = ark.linjenr;
    Tastesett t;
    t.set();  // 1. everything usable

    // 2. scroll keys
    if (L <= 4) t.reset(scrollopp);
    if (L >= ark.sistelinje) t.reset(scrollned);

    // 3. what the shape of the current line forbids
    const auto& rt = ark.rotteller[L];
    const auto& te = ark.teller[L];
    if (rt[0] != 0 || rt[7] != 0) t.reset(opr0 + oprindeks(Operasjon::rot));
    if (te[1] != 0 || te[4] != 0) t.reset(opr0 + oprindeks(Operasjon::kvadrer));
    if (venstreledd(ark, L) > 0 && rt[0] != 0) t.reset(opr0 + oprindeks(Operasjon::kvadrer));
    if (hoeyreledd(ark, L) > 0 && rt[7] != 0) t.reset(opr0 + oprindeks(Operasjon::kvadrer));

    // 4. the mode's own row
    switch (m) {
        case Modus::ny_oppgave:
            sifrene_av(t);
            av(t, {Utfoer, pm, broekstrek, variabel0, variabel1, scrollopp, scrollned});
            break;
        case Modus::ingen_oppgave:
            sifrene_av(t);
            operasjonene_av(t);
            av(t, {Utfoer, pm, broekstrek, variabel0, variabel1, scrollopp, scrollned});
            break;
        case Modus::opr0_3:
            operasjonene_av(t);
            x_regler(t, ark, L);
            av(t, {Utfoer, broekstrek});
            break;
        case Modus::opr4_7:
            sifrene_av(t);
            operasjonene_av(t);
            av(t, {variabel0, variabel1, pm, broekstrek});
            break;
        case Modus::siffer:
            operasjonene_av(t);
            x_regler(t, ark, L);
            if (ark.nevnermodus) t.reset(broekstrek);
            break;
        case Modus::stryk_ut:
        case Modus::utfoert:
            sifrene_av(t);
            av(t, {Utfoer, pm, broekstrek, variabel0, variabel1});
            break;
        case Modus::x_eller_x2:
            sifrene_av(t);
            av(t, {broekstrek, variabel0, variabel1});
            break;
        case Modus::ryddopp:
            av(t, {scrollopp, scrollned});
            break;
        case Modus::scrollopp:
        case Modus::scrollned:
            break;  // only the common steps
    }

    // 5. an earlier line is shown: nothing can be done to it
    if (t.test(scrollned)) {
        sifrene_av(t);
        operasjonene_av(t);
        av(t, {Utfoer, pm, broekstrek, variabel0, variabel1});
    }
    return t;
}

}  // namespace balvo
