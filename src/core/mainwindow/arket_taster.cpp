// SPDX-License-Identifier: GPL-3.0-or-later
// The keypad: choosing an operation and building its operand.
#include "core/entry/operandfelt.h"
#include "core/mainwindow/arket.h"
#include "core/mainwindow/arket_tekster.h"

namespace balvo {

void Arket::trykk(Tast t, bool paa) {
    if (ventende_) return;  // the line being written has the keyboard
    if (t >= siffer0 && t < siffer0 + 10) return siffer_Click(t - siffer0);
    if (t >= opr0 && t < opr0 + antall_operasjoner) return opr_Click(t - opr0);
    switch (t) {
        case Utfoer:
            return Utfoer_Click();
        case pm:
            return pm_Click();
        case broekstrek:
            return broekstrek_Click();
        case variabel0:
        case variabel1:
            return variabel_Click(t - variabel0);
        case scrollopp:
            return scrollopp_Click();
        case scrollned:
            return scrollned_Click();
        case strykut:
            return strykut_Click();
        case Check1:
            return Check1_Click(paa);
        case Option1:
            return Option1_Click();
        case Option2:
            return Option2_Click();
        case Option3:
            return Option3_Click();
        default:
            return;
    }
}

void Arket::opr_Click(int index) {
    if (oprtast(index) == Operasjon::ingen) return;
    // Line 99 is the last the sheet holds: say so here, before the pupil builds an operand.
    if (ark_.linjenr >= siste_linje) {
        skall_.melding(oversettelse(tittel_paatale), oversettelse(tekst::arket_fullt));
        return;
    }
    ark_.regneart = oprtast(index);
    ark_.tellertekst.clear();
    ark_.nevnertekst.clear();
    ark_.minus = false;
    ark_.medx = false;
    ark_.medx2 = false;
    ark_.nevnermodus = false;
    visning_.operand(ark_, ark_.rad);
    settmodus(med_operand(ark_.regneart) ? Modus::opr0_3 : Modus::opr4_7);
    // Keys typed on after a refused step and dropped here are kept for the file: they are what
    // let this key be pressed.
    if (ventende_videre_ && ventende_operand_.size() > ventende_avvist_)
        forkastet_ = ventende_operand_;
    ventende_opr_ = std::string(symbol(ark_.regneart));
    ventende_operand_.clear();
    ventende_videre_ = false;
}

void Arket::siffer_Click(int index) {
    if (index < 0 || index > 9) return;
    auto& tekst = ark_.nevnermodus ? ark_.nevnertekst : ark_.tellertekst;
    tekst += static_cast<char>('0' + index);
    visning_.operand(ark_, ark_.rad);
    settmodus(Modus::siffer);
    notertegn(std::string(1, static_cast<char>('0' + index)));
}

void Arket::pm_Click() {
    ark_.minus = true;
    visning_.operand(ark_, ark_.rad);
    notertegn("-");
}

void Arket::broekstrek_Click() {
    ark_.nevnermodus = true;
    visning_.operand(ark_, ark_.rad);
    notertegn("/");
}

void Arket::variabel_Click(int index) {
    if (index != 0 && index != 1) return;
    ark_.medx = index == 0;
    ark_.medx2 = index == 1;
    visning_.operand(ark_, ark_.rad);
    settmodus(Modus::x_eller_x2);
    notertegn(index == 0 ? "x" : "x\u00b2");
}

void Arket::strykut_Click() {
    // Before the first exercise there is nothing to cross out (line 0 was never written).
    if (!har_oppgave_) return;
    if (!angrer_) noter(Handlingsart::stryk_ut);
    // While an earlier line is in view the field beside the bottom row shows that line's
    // recorded operation, not the operand; it stays.
    if (ark_.linjenr == ark_.sistelinje) visning_.toemfelt(ark_.rad);
    ark_.regneart = Operasjon::ingen;
    ark_.tellertekst.clear();
    ark_.nevnertekst.clear();
    ark_.nevnermodus = false;
    ark_.minus = false;
    settmodus(Modus::stryk_ut);
}

}  // namespace balvo
