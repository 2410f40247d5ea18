// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/utforming.h"

#include <array>

namespace balvo {
namespace {

using A = Kontrollart;
using F = Tasteflate;
using R = Etikettrolle;

constexpr Skrift sans(double punkter, bool fet = false) {
    return {Skriftfamilie::ms_sans_serif, punkter, fet};
}
constexpr Skrift arial(double punkter, bool fet = false) {
    return {Skriftfamilie::arial, punkter, fet};
}

constexpr Tekst ingen{nullptr, nullptr};

// A keypad key: 375 twips square.
constexpr Kontroll tast(std::string_view navn, int venstre, int topp, Tast t, Tasteflate flate,
                        Tekst tips = ingen, int siffer = 0, int bredde = 375) {
    return {navn, A::tast, {venstre, topp, bredde, 375}, ingen, tips, {}, svart, t, flate, siffer};
}

constexpr Kontroll boks(std::string_view navn, A art, Twips sted, Skrift skrift, Farge farge,
                        int indeks) {
    return {navn, art, sted, ingen, ingen, skrift, farge, -1, F::siffer, indeks};
}

constexpr Kontroll etikett(std::string_view navn, Twips sted, Tekst tekst, Skrift skrift,
                           Farge farge = svart) {
    return {navn, A::etikett, sted, tekst, ingen, skrift, farge};
}

// A label that shows a value of the worksheet's.
constexpr Kontroll verdi(Etikettrolle rolle, Kontroll k) {
    k.rolle = rolle;
    return k;
}

// A label whose text may run onto more lines.
constexpr Kontroll ombrytende(Kontroll k) {
    k.ombryt = true;
    return k;
}

constexpr Kontroll valg(std::string_view navn, A art, Twips sted, Tekst tekst, Tast t) {
    return {navn, art, sted, tekst, ingen, sans(8.25), svart, t, F::siffer, 0, true};
}

constexpr std::array kontroller{
    // The worksheet: five rows, each with its operand field beside it (field 1 sits 30 twips
    // lower than its row); the rows overlap by 15 twips.
    boks("Linje_0", A::linje, {120, 0, 6105, 735}, sans(13.5), svart, 0),
    boks("opfelt_0", A::opfelt, {6390, 0, 3045, 735}, sans(8.25), moerkeblaa, 0),
    boks("Linje_1", A::linje, {120, 720, 6105, 735}, sans(13.5), moerkeblaa, 1),
    boks("opfelt_1", A::opfelt, {6390, 750, 2805, 735}, sans(8.25), moerkeblaa, 1),
    boks("Linje_2", A::linje, {120, 1440, 6105, 735}, sans(13.5), moerkeblaa, 2),
    boks("opfelt_2", A::opfelt, {6390, 1440, 2805, 735}, sans(8.25), moerkeblaa, 2),
    boks("Linje_3", A::linje, {120, 2160, 6105, 735}, sans(13.5), moerkeblaa, 3),
    boks("opfelt_3", A::opfelt, {6390, 2160, 2805, 735}, sans(8.25), moerkeblaa, 3),
    boks("Linje_4", A::linje, {120, 2880, 6105, 735}, sans(13.5), moerkeblaa, 4),
    boks("opfelt_4", A::opfelt, {6390, 2880, 2805, 735}, sans(8.25), moerkeblaa, 4),
    // Hidden: the diagnostic dump of a line and the line after an operation.
    boks("Linje_7", A::skjult, {120, 5400, 5115, 735}, sans(12), svart, 7),
    boks("Linje_8", A::skjult, {120, 6120, 5115, 375}, sans(9.75), svart, 8),

    Kontroll{"Shape1", A::strek, {9210, 960, 255, 2625}},
    Kontroll{
        "scrollopp", A::tast, {9180, 750, 285, 285}, ingen, ingen, {}, svart, scrollopp, F::opp},
    Kontroll{
        "scrollned", A::tast, {9180, 3390, 285, 255}, ingen, ingen, {}, svart, scrollned, F::ned},
    Kontroll{"Line4", A::strek, {6270, 0, 15, 6180}},
    Kontroll{"Line3", A::strek, {120, 3690, 9240, 15}},
    Kontroll{"Pi_R", A::merke, {9120, 4200, 615, 735}},

    // The exercise controls.
    Kontroll{"nyoppgave",
             A::knapp,
             {120, 3810, 1725, 525},
             BALVO_TR("Arket", "Ny oppgave"),
             ingen,
             sans(13.5)},
    etikett("Label1", {2400, 3960, 1995, 255}, nivaatekst, sans(9.75, true)),
    verdi(R::nivaa,
          etikett("Nivaa", {4440, 3900, 225, 345}, ingen, arial(14.25, true), moerkeroed)),
    etikett("Label2", {2400, 4320, 1755, 255}, loestetekst, sans(9.75, true)),
    verdi(R::loeste, etikett("Loeste", {4170, 4290, 525, 285}, ingen, arial(12))),
    etikett("Label3", {2400, 4680, 825, 255}, poengtekst, sans(9.75, true)),
    verdi(R::poeng, etikett("Poeng", {3270, 4680, 615, 285}, ingen, arial(12))),
    // The coach's rows under "Poeng:", as far right as the keypad's frame allows: the steps of
    // the last solved exercise against the shortest way, and its check, which may wrap.
    etikett("Label4", {2400, 5040, 825, 255}, stegledetekst, sans(9.75, true)),
    verdi(R::steg, etikett("Steg", {3270, 5040, 3240, 285}, ingen, arial(12))),
    etikett("Label5", {2400, 5400, 825, 255}, proeveledetekst, sans(9.75, true)),
    ombrytende(verdi(R::proeve, etikett("Proeve", {3270, 5400, 3240, 870}, ingen, arial(12)))),
    // The row "Avstand:" under "Prøve:", shown only while it is on (menu "Hjelp").
    verdi(R::avstand_ledetekst,
          etikett("Label6", {2400, 5760, 825, 255}, avstandledetekst, sans(9.75, true))),
    ombrytende(verdi(R::avstand, etikett("Avstand", {3270, 5760, 3240, 510}, ingen, arial(9.75)))),
    Kontroll{"Frame1",
             A::ramme,
             {120, 4410, 1695, 1845},
             BALVO_TR("Arket", "Likningstype"),
             ingen,
             sans(8.25, true)},
    valg("Option3", A::valg, {120, 270, 1245, 315}, BALVO_TR("Arket", "Både x² og x"), Option3),
    valg("Option2", A::valg, {120, 660, 1245, 285}, BALVO_TR("Arket", "Kun x²"), Option2),
    valg("Option1", A::valg, {120, 1050, 1245, 315}, BALVO_TR("Arket", "Kun x"), Option1),
    valg("Check1", A::avkrysning, {120, 1410, 795, 315}, BALVO_TR("Arket", "Brøker"), Check1),

    // The keypad: the 2-pixel frame, the orange panel behind the two operation columns and
    // the green one behind the digit block, then the keys.
    Kontroll{"ramme", A::kant, {6570, 3990, 2205, 2115}},
    Kontroll{"Shape2", A::panel, {6600, 4020, 885, 2055}, ingen, ingen, {}, {255, 224, 192}},
    Kontroll{"Shape3", A::panel, {7500, 4020, 1245, 2055}, ingen, ingen, {}, {192, 255, 192}},
    tast("opr_0", 6660, 4080, static_cast<Tast>(opr0 + 0), F::pluss,
         BALVO_TR("Arket", "Legg til..."), 0),
    tast("opr_1", 6660, 4470, static_cast<Tast>(opr0 + 1), F::minus,
         BALVO_TR("Arket", "Trekk fra..."), 1),
    tast("opr_2", 6660, 4860, static_cast<Tast>(opr0 + 2), F::prikk,
         BALVO_TR("Arket", "Multipliser begge sider med.."), 2),
    tast("opr_3", 6660, 5250, static_cast<Tast>(opr0 + 3), F::kolon,
         BALVO_TR("Arket", "Divider begge sider med..."), 3),
    tast("opr_4", 7050, 4080, static_cast<Tast>(opr0 + 4), F::rot,
         BALVO_TR("Arket", "Trekk kvadratrot av begge sider"), 4),
    tast("opr_5", 7050, 4470, static_cast<Tast>(opr0 + 5), F::kvadrat,
         BALVO_TR("Arket", "Kvadrer begge sider"), 5),
    tast("opr_6", 7050, 4860, static_cast<Tast>(opr0 + 6), F::plussminus,
         BALVO_TR("Arket", "Snu alle fortegn"), 6),
    tast("opr_7", 7050, 5250, static_cast<Tast>(opr0 + 7), F::bytt, BALVO_TR("Arket", "Bytt sider"),
         7),
    // Digits 7 8 9 / 4 5 6 / 1 2 3 in three columns, 0 under 1.
    tast("siffer_0", 7530, 5250, siffer0, F::siffer, ingen, 0),
    tast("siffer_1", 7530, 4860, static_cast<Tast>(siffer0 + 1), F::siffer, ingen, 1),
    tast("siffer_2", 7920, 4860, static_cast<Tast>(siffer0 + 2), F::siffer, ingen, 2),
    tast("siffer_3", 8310, 4860, static_cast<Tast>(siffer0 + 3), F::siffer, ingen, 3),
    tast("siffer_4", 7530, 4470, static_cast<Tast>(siffer0 + 4), F::siffer, ingen, 4),
    tast("siffer_5", 7920, 4470, static_cast<Tast>(siffer0 + 5), F::siffer, ingen, 5),
    tast("siffer_6", 8310, 4470, static_cast<Tast>(siffer0 + 6), F::siffer, ingen, 6),
    tast("siffer_7", 7530, 4080, static_cast<Tast>(siffer0 + 7), F::siffer, ingen, 7),
    tast("siffer_8", 7920, 4080, static_cast<Tast>(siffer0 + 8), F::siffer, ingen, 8),
    tast("siffer_9", 8310, 4080, static_cast<Tast>(siffer0 + 9), F::siffer, ingen, 9),
    tast("pm", 7920, 5250, pm, F::negativ, BALVO_TR("Arket", "Negativt fortegn")),
    tast("broekstrek", 8310, 5250, broekstrek, F::broek, BALVO_TR("Arket", "Brøkstrek")),
    tast("Utfoer", 6660, 5640, Utfoer, F::utfoer, ingen, 0, 765),
    tast("strykut", 7530, 5640, strykut, F::stryk, BALVO_TR("Arket", "Stryk ut")),
    tast("variabel_0", 7920, 5640, variabel0, F::x, BALVO_TR("Arket", "Den ukjente"), 0),
    tast("variabel_1", 8310, 5640, variabel1, F::x2, BALVO_TR("Arket", "Den ukjente i andre"), 1),
};

}  // namespace

std::string_view flatenavn(Tasteflate flate) {
    static constexpr std::string_view navn[] = {
        "pluss",   "minus", "prikk",  "kolon", "rot", "kvadrat", "plussminus", "bytt", "siffer",
        "negativ", "broek", "utfoer", "stryk", "x",   "x2",      "opp",        "ned"};
    const auto i = static_cast<std::size_t>(flate);
    return i < std::size(navn) ? navn[i] : std::string_view();
}

std::span<const Kontroll> hovedvinduet() {
    return kontroller;
}

std::span<const Verdietikett> verdietiketter() {
    static constexpr std::array<Verdietikett, 6> etiketter{{
        {R::nivaa, nivaatekst},
        {R::loeste, loestetekst},
        {R::poeng, poengtekst},
        {R::steg, stegledetekst},
        {R::proeve, proeveledetekst},
        {R::avstand, avstandledetekst},
    }};
    return etiketter;
}

bool bare_med_avstand(const Kontroll& kontroll) {
    return kontroll.rolle == R::avstand || kontroll.rolle == R::avstand_ledetekst;
}

Twips proevested(bool med_avstand) {
    if (med_avstand) return {3270, 5400, 3240, 360};
    for (const Kontroll& k : kontroller)
        if (k.rolle == R::proeve) return k.sted;
    return {};
}

}  // namespace balvo
