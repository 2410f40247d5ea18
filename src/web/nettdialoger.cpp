// SPDX-License-Identifier: GPL-3.0-or-later
// The message boxes, the own-equation window, the graph window, the About box and the print.
#include <emscripten.h>

#include <algorithm>
#include <cmath>

#include "core/about/om.h"
#include "core/algebra/regning.h"
#include "core/coach/veiledertekst.h"
#include "core/display/lineaertekst.h"
#include "core/display/linjetegner.h"
#include "core/document/sideoppsett.h"
#include "core/entry/operandfelt.h"
#include "core/mainwindow/egenutforming.h"
#include "core/mainwindow/oektlogg.h"
#include "web/dom.h"
#include "web/nettvindu.h"

// Shows the message box (already filled in) as a modal dialog and waits for the pupil: 1 for
// "Ja", 0 for "Nei", OK or Escape. The core waits meanwhile: its question is synchronous.
// clang-format off
EM_ASYNC_JS(int, vent_paa_svar, (int janei), {
    const boks = document.getElementById("meldingsboks");
    boks.returnValue = "";
    boks.showModal();
    boks.querySelector(janei ? "button[value=ja]" : "button[value=ok]").focus();
    return await new Promise(function(svar) {
        boks.addEventListener("close", function() {
            svar(boks.returnValue === "ja" ? 1 : 0);
        }, {once: true});
    });
});
// clang-format on

namespace balvo::nett {

using emscripten::val;

namespace {

constexpr Tekst lukktekst = BALVO_TR("Nett", "Lukk");

int lag = 10;  // the stacking order of the secondary windows: the last one shown on top

// The graph's user coordinates mapped onto the canvas's device pixels.
class Lerretsgraf final : public Grafflate {
public:
    Lerretsgraf(Lerret& lerret, double bredde, double hoeyde, double tetthet)
        : lerret_(lerret),
          sx_(bredde / grafskala.bredde),
          sy_(hoeyde / grafskala.hoeyde),
          tetthet_(tetthet),
          font_(Lerretsflate::css("MS Sans Serif", grafetikettpunkter * piksler_per_punkt * tetthet,
                                  false)) {}

    void strek(double x1, double y1, double x2, double y2, Farge farge, int bredde) override {
        double ax = (x1 - grafskala.venstre) * sx_, ay = (y1 - grafskala.topp) * sy_;
        double bx = (x2 - grafskala.venstre) * sx_, by = (y2 - grafskala.topp) * sy_;
        const double w = std::max(1.0, std::round(bredde * tetthet_));
        // Grid and axes on whole pixels, so that they stay crisp; the curves are smoothed.
        const double midt = static_cast<int>(w) % 2 ? 0.5 : 0;
        if (x1 == x2) ax = bx = std::floor(ax) + midt;
        if (y1 == y2) ay = by = std::floor(ay) + midt;
        lerret_.strek(ax, ay, bx, by, w, cssfarge(farge));
    }
    void skriv(double venstre, double topp, std::string_view tekst) override {
        lerret_.tekst(font_, tekst, (venstre - grafskala.venstre) * sx_,
                      (topp - grafskala.topp) * sy_ + lerret_.stigning(font_), cssfarge(svart));
    }
    double tekstbredde(std::string_view tekst) const override {
        return lerret_.bredde(font_, tekst) / sx_;
    }

private:
    Lerret& lerret_;
    double sx_, sy_, tetthet_;
    std::string font_;
};

// Where the typesetter puts the solved marker of a line.
class Merkested final : public Merke {
public:
    void vismerke(double venstre, double) override { x = venstre; }
    void skjulmerke() override { x = -1; }
    double x = -1;
};

std::string pt(double punkter) {
    return std::to_string(punkter) + "pt";
}

}  // namespace

void fremme(val vindu) {
    dom::stil(vindu, "z-index", std::to_string(++lag));
}

val NettVindu::byggvindu(const char* id, const Tekst& tittel, const Twips& flate) {
    val vindu = dom::lag("dialog", dom::finn("app"), id, "vindu");
    val linje = dom::lag("div", vindu, {}, "tittellinje");
    val navn = dom::lag("span", linje, std::string(id) + "_tittel");
    sett(navn, tittel);
    dom::attr(vindu, "aria-labelledby", std::string(id) + "_tittel");
    val lukk = dom::lag("button", linje, {}, "lukk");
    dom::attr(lukk, "type", "button");
    dom::attr(lukk, "data-h", "lukk");
    dom::attr(lukk, "data-n", id);
    dom::tekst(lukk, "×");
    sett(lukk, lukktekst, "aria-label");
    val innhold = dom::lag("div", vindu, {}, "innhold");
    dom::stil(innhold, "width", dom::px(flate.bredde / 15.0));
    dom::stil(innhold, "height", dom::px(flate.hoeyde / 15.0));
    return innhold;
}

void NettVindu::lukk(const char* vindu) {
    dom::finn(vindu).call<void>("close");
    if (std::string_view(vindu) == "mmArk") graf_.reset();
    if (std::string_view(vindu) == "Loesningsforslag") forslag_.reset();
}

void NettVindu::byggmeldingsboks() {
    val boks = dom::lag("dialog", dom::finn("app"), "meldingsboks", "modal");
    dom::attr(boks, "aria-labelledby", "meldingstittel");
    dom::attr(boks, "aria-describedby", "meldingstekst");
    val skjema = dom::lag("form", boks);
    dom::attr(skjema, "method", "dialog");
    dom::lag("div", skjema, "meldingstittel", "tittellinje");
    dom::lag("p", skjema, "meldingstekst");
    val knapper = dom::lag("div", skjema, {}, "knapper");
    for (const auto& [verdi, tekst] :
         {std::pair{"ok", knapp_ok}, std::pair{"ja", knapp_ja}, std::pair{"nei", knapp_nei}}) {
        val k = dom::lag("button", knapper);
        dom::attr(k, "value", verdi);
        sett(k, tekst);
    }
}

bool NettVindu::spoer(std::string_view tittel, std::string_view tekst, bool janei) {
    dom::tekst(dom::finn("meldingstittel"), tittel.empty() ? programnavn : tittel);
    dom::tekst(dom::finn("meldingstekst"), tekst);
    val boks = dom::finn("meldingsboks");
    dom::skjul(boks.call<val>("querySelector", val("button[value=ok]")), janei);
    dom::skjul(boks.call<val>("querySelector", val("button[value=ja]")), !janei);
    dom::skjul(boks.call<val>("querySelector", val("button[value=nei]")), !janei);
    const bool ja = vent_paa_svar(janei ? 1 : 0) == 1;
    meldfokus();
    return ja;
}

// --- "Egen likning" ---------------------------------------------------------------------

void NettVindu::byggegenlikning() {
    val innhold = byggvindu("egenlikning", egentittel, egenflate);
    val skjema = dom::lag("form", innhold);
    dom::attr(skjema, "data-h", "egen_ok");  // Enter in a box is OK, as the default button
    for (std::size_t k = 0; k < koeffplasser.size(); ++k) {
        dom::plasser(dom::lag("div", skjema, {}, "omriss"), koeffplasser[k].ramme);
        val boks = dom::lag("input", skjema, "koeff_" + std::to_string(k), "koeff");
        dom::attr(boks, "type", "text");
        dom::attr(boks, "autocomplete", "off");
        dom::attr(boks, "spellcheck", "false");
        dom::plasser(boks, koeffplasser[k].boks);
        dom::skrift(boks, {Skriftfamilie::arial, 9.75, false});
    }
    for (const auto& b : egenbilder) {
        val bilde = dom::lag("div", skjema, {}, "egenbilde");
        dom::plasser(bilde, b.plass);
        dom::attr(bilde, "aria-hidden", "true");
        dom::stil(bilde, "font-size", dom::px(egenbildepunkter * piksler_per_punkt));
        switch (b.bilde) {
            case Egenbilde::x2_pluss:
                bilde.set("innerHTML", "<i>x</i><sup>2</sup>&nbsp;+");
                break;
            case Egenbilde::x:
                bilde.set("innerHTML", "<i>x</i>");
                break;
            case Egenbilde::er_lik:
                bilde.set("innerHTML", "&nbsp;=");
                break;
        }
    }
    val glem = dom::lag("button", skjema, "Glem", "knapp");
    dom::attr(glem, "type", "button");
    dom::attr(glem, "data-h", "lukk");
    dom::attr(glem, "data-n", "egenlikning");
    sett(glem, glemtekst);
    dom::plasser(glem, glemplass);
    val ok = dom::lag("button", skjema, "OK", "knapp");
    dom::attr(ok, "type", "submit");
    sett(ok, egenok);
    dom::plasser(ok, okplass);
    for (val k : {glem, ok}) dom::skrift(k, {Skriftfamilie::arial, egenknappunkter, false});
}

void NettVindu::egendef_Click() {
    byggvinduer();
    val vindu = dom::finn("egenlikning");
    fremme(vindu);
    // Open already: only brought to the front, the boxes keep what the pupil typed.
    if (vindu["open"].as<bool>()) return;
    for (int k = 0; k < 6; ++k) dom::finn(("koeff_" + std::to_string(k)).c_str()).set("value", "0");
    vindu.call<void>("show");
    val foerste = dom::finn("koeff_0");
    foerste.call<void>("focus");
    foerste.call<void>("select");
}

void NettVindu::egen_OK_Click() {
    std::array<std::string, 6> tekster;
    for (int k = 0; k < 6; ++k)
        tekster[static_cast<std::size_t>(k)] =
            dom::finn(("koeff_" + std::to_string(k)).c_str())["value"].as<std::string>();
    const Egnesvar svar = arket_.egne(tekster);
    if (!svar.ok) {
        // The refused box is chosen again, the worksheet untouched.
        melding(oversettelse(tittel_paatale), svar.melding);
        val boks = dom::finn(("koeff_" + std::to_string(svar.boks)).c_str());
        boks.call<void>("focus");
        boks.call<void>("select");
        return;
    }
    lukk("egenlikning");
}

// --- "Grafisk løsning" ------------------------------------------------------------------

void NettVindu::bygggraf() {
    const Twips flate{0, 0, grafbredde_twips, grafhoeyde_twips};
    val innhold = byggvindu("mmArk", graftittel, flate);
    val lerret = dom::lag("canvas", innhold, "graf", "graf");
    dom::plasser(lerret, flate);
    dom::attr(lerret, "role", "img");
    sett(lerret, graftittel, "aria-label");
    // Where the curves cross, in a small caption under the picture and as its description.
    val krysning = dom::lag("p", innhold, "krysning", "etikett");
    dom::plasser(krysning, {60, grafhoeyde_twips + 45, grafbredde_twips - 120, 300});
    dom::skrift(krysning, {Skriftfamilie::ms_sans_serif, 8.25, false});
    dom::attr(lerret, "aria-describedby", "krysning");
    dom::stil(innhold, "height", dom::px((grafhoeyde_twips + 390) / 15.0));
    graflerret_.lerret = std::make_unique<Kontekst2d>(lerret);
}

void NettVindu::mmPapir_Click() {
    byggvinduer();
    val vindu = dom::finn("mmArk");
    fremme(vindu);
    // An open window keeps showing the exercise it was opened with.
    if (vindu["open"].as<bool>()) return;
    graf_ = grafoppgave(arket_.ark());
    dom::tekst(dom::finn("krysning"), krysningstekst(*graf_));
    vindu.call<void>("show");
    vindu.call<val>("querySelector", val(".lukk")).call<void>("focus");
    tegngrafen();
}

void NettVindu::tegngrafen() {
    // Whole device pixels, the box exactly the bitmap (see Lerretsflate::settskala).
    // A bitmap too large for the browser is drawn smaller and enlarged into its box.
    const double bb = grafbredde_twips / 15.0 * skala_, hh = grafhoeyde_twips / 15.0 * skala_;
    const double tetthet =
        std::min({tetthet_, 0.995 * std::sqrt(stoerste_flate / (bb * hh)), stoerste_side / bb});
    const double b = std::max(1.0, std::round(bb * tetthet));
    const double h = std::max(1.0, std::round(hh * tetthet));
    Kontekst2d& lerret = *graflerret_.lerret;
    lerret.stoerrelse(static_cast<int>(b), static_cast<int>(h), tetthet);
    Lerretsgraf flate(lerret, b, h, skala_ * tetthet);
    const Grafoppgave o = *graf_;
    tegngraf(
        flate, [&o](double x) { return sideverdi(o, x, Side::venstre); },
        [&o](double x) { return sideverdi(o, x, Side::hoeyre); });
}

// --- "Om Balvo" -------------------------------------------------------------------------

void NettVindu::byggom() {
    val innhold = byggvindu("frmOm", omtittel, omflate);
    dom::skrift(innhold, {Skriftfamilie::ms_sans_serif, 8.25, false});
    val ikon = dom::lag("img", innhold, "picIcon");
    dom::attr(ikon, "alt", "");
    dom::attr(ikon, "src", "flater/ikon_4.png");
    dom::plasser(ikon, omplasser.ikon);
    dom::stil(ikon, "width", dom::px(omplasser.ikon.bredde / 15.0));
    dom::stil(ikon, "height", "auto");
    const std::pair<const char*, std::pair<Twips, Tekst>> etiketter[] = {
        {"Innledning", {omplasser.innledning, innledning_nett}},
        {"Label1", {omplasser.status, omstatus}},
        {"lblVersion", {omplasser.versjon, omversjon}},
        {"Formaal", {omplasser.formaal, formaal}},
        {"lblDisclaimer", {omplasser.advarsel, omadvarsel}},
        {"Label2", {omplasser.mening, ommening}},
    };
    for (const auto& [navn, plass] : etiketter) {
        val e = dom::lag("div", innhold, navn, "omtekst");
        dom::plasser(e, plass.first);
        sett(e, plass.second);
    }
    for (const Omstrek& s : omstreker) {
        val e = dom::lag("div", innhold, {}, s.hvit ? "omstrek hvit" : "omstrek");
        dom::plasser(e, {s.x1, s.y, s.x2 - s.x1 + 15, s.hvit ? 30 : 15});
        if (!s.hvit) dom::stil(e, "background-color", cssfarge(omgraa));
    }
    val ok = dom::lag("button", innhold, "cmdOK", "knapp");
    dom::attr(ok, "type", "button");
    dom::attr(ok, "data-h", "lukk");
    dom::attr(ok, "data-n", "frmOm");
    sett(ok, omok);
    dom::plasser(ok, omplasser.ok);
}

void NettVindu::om_Click() {
    byggvinduer();
    val vindu = dom::finn("frmOm");
    fremme(vindu);
    if (vindu["open"].as<bool>()) return;
    vindu.call<void>("show");
    // The paragraphs were laid out for a narrower face than the free stand-ins: the type is
    // made a little smaller until every line fits its label, so that no word is cut off.
    for (const char* navn : {"Innledning", "Formaal"}) {
        val e = dom::finn(navn);
        dom::stil(e, "font-size", "");
        double punkter = 8.25;
        while (punkter > 6 && (e["scrollWidth"].as<int>() > e["clientWidth"].as<int>() ||
                               e["scrollHeight"].as<int>() > e["clientHeight"].as<int>())) {
            punkter -= 0.25;
            dom::stil(e, "font-size", dom::px(punkter * piksler_per_punkt));
        }
    }
    dom::finn("cmdOK").call<void>("focus");
}

// --- "Løsningsforslag" ------------------------------------------------------------------

namespace {

constexpr Tekst forslagstittel = BALVO_TR("Arket", "Løsningsforslag");
constexpr Tekst kopiertekst = BALVO_TR("Nett", "Kopier");

// The worksheet's measures in twips: rows 720 apart and 735 high, 6105 wide, the operation
// that leads on from a row in a field 2805 wide beside it; the heading above, the text below.
constexpr int forslagsrad = 720, radtopp = 420;
constexpr Twips forslagsflate{0, 0, 9330, 8400};

}  // namespace

void NettVindu::byggforslag() {
    val innhold = byggvindu("Loesningsforslag", forslagstittel, forslagsflate);
    val overskrift = dom::lag("div", innhold, "forslag_overskrift", "etikett");
    dom::plasser(overskrift, {120, 60, 9090, 300});
    dom::skrift(overskrift, {Skriftfamilie::ms_sans_serif, 9.75, true});
    dom::lag("div", innhold, "forslag_rader", "forslagsrader");
    val tekst = dom::lag("pre", innhold, "forslag_tekst", "forslagstekst");
    dom::attr(tekst, "tabindex", "0");
    dom::skrift(tekst, {Skriftfamilie::arial, 9.75, false});
    val kopier = dom::lag("button", innhold, "forslag_kopier", "knapp");
    dom::attr(kopier, "type", "button");
    dom::attr(kopier, "data-h", "kopierforslag");
    sett(kopier, kopiertekst);
    dom::skrift(kopier, {Skriftfamilie::ms_sans_serif, 8.25, false});
}

void NettVindu::visforslag(const Veiledning& v) {
    byggvinduer();
    forslag_ = v;
    val vindu = dom::finn("Loesningsforslag");
    const auto ark = veiark(v);
    const int n = static_cast<int>(v.linjer.size());
    dom::tekst(dom::finn("forslag_overskrift"), forslagstekst(v));
    val rader = dom::finn("forslag_rader");
    rader.set("innerHTML", "");
    forslagsbokser_.clear();
    const double k = piksler_per_punkt * skala_ * tetthet_;
    const auto boks = [&](const Twips& sted, Farge farge) {
        Lerretsboks b;
        val lerret = dom::lag("canvas", rader, {}, "boks");
        dom::plasser(lerret, sted);
        dom::attr(lerret, "aria-hidden", "true");
        b.lerret = std::make_unique<Kontekst2d>(lerret);
        b.flate = std::make_unique<Lerretsflate>(*b.lerret, sted.bredde / 20.0, sted.hoeyde / 20.0,
                                                 farge);
        b.flate->settskala(k, tetthet_);
        forslagsbokser_.push_back(std::move(b));
        return forslagsbokser_.back().flate.get();
    };
    for (int i = 0; i < n; ++i) {
        const int topp = radtopp + forslagsrad * i;
        Merkested merke;
        tegnlinje(*ark, i, 0, *boks({120, topp, 6105, 735}, i == 0 ? svart : moerkeblaa), merke);
        if (i + 1 < n) vislinjeopr(*ark, i, 1, *boks({6390, topp, 2805, 735}, moerkeblaa));
        if (merke.x >= 0) {
            val r = dom::lag("img", rader, {}, "merke");
            dom::attr(r, "alt", "");
            dom::attr(r, "src", "flater/merke_4.png");
            dom::stil(r, "left", dom::px(merke.x * piksler_per_punkt));
            dom::stil(r, "top", dom::px(topp / 15.0));
            dom::stil(r, "width", dom::px(merkemaal.bredde));
            dom::stil(r, "height", dom::px(merkemaal.hoeyde));
        }
    }
    // The same way as text, for screen readers and to copy.
    const int under = radtopp + forslagsrad * n + 120;
    val tekst = dom::finn("forslag_tekst");
    dom::tekst(tekst, forslagstekst(v) + "\n" + arktekst(*ark));
    dom::plasser(tekst, {120, under, 9090, 1440});
    dom::plasser(dom::finn("forslag_kopier"), {7920, under + 1560, 1290, 375});
    val innhold = vindu.call<val>("querySelector", val(".innhold"));
    dom::stil(innhold, "height", dom::px((under + 2040) / 15.0));
    fremme(vindu);
    if (!vindu["open"].as<bool>()) {
        vindu.call<void>("show");
        dom::finn("forslag_tekst").call<void>("focus");
    }
}

void NettVindu::kopierforslag() {
    val utklipp = val::global("navigator")["clipboard"];
    if (!utklipp.isUndefined())
        utklipp.call<val>("writeText", dom::finn("forslag_tekst")["textContent"]);
}

// --- The print ---------------------------------------------------------------------------

namespace {

// Today's date in the pupil's language: "8. desember 2026".
std::string dato(std::string_view spraak) {
    val format = val::object();
    format.set("day", "numeric");
    format.set("month", "long");
    format.set("year", "numeric");
    return val::global("Date").new_().call<std::string>("toLocaleDateString", std::string(spraak),
                                                        format);
}

}  // namespace

// The header of a printed page: a title, the date, and captions with their values.
void skrivtopp(val side, std::string_view tittel, std::string_view spraak,
               const std::vector<std::pair<std::string, std::string>>& verdier) {
    val topp = dom::lag("header", side);
    dom::tekst(dom::lag("h1", topp), tittel);
    dom::tekst(dom::lag("span", topp, {}, "dato"), dato(spraak));
    val rad = dom::lag("p", topp, {}, "verdier");
    for (const auto& [ledetekst, verdi] : verdier) {
        dom::tekst(dom::lag("b", rad), ledetekst);
        dom::tekst(dom::lag("span", rad), verdi);
    }
}

// Every line of a worksheet typeset as on screen, at four device pixels to the point, with its
// operation beside it; a line longer than its column is shrunk, never cut off.
void skrivlinjer(val side, const Ark& ark) {
    using namespace sideoppsett;
    constexpr double tetthet = 4;
    for (int n = 0; n <= std::clamp(ark.sistelinje, 0, siste_linje); ++n) {
        val rad = dom::lag("div", side, {}, "utskriftslinje");
        val lerret = dom::lag("canvas", rad, {}, "likning");
        Kontekst2d likning(lerret);
        Merkested merke;
        double bredde = likningsbredde;
        Lerretsflate flate(likning, bredde, radhoeyde, n == 0 ? svart : moerkeblaa);
        flate.settskala(tetthet);
        const double slutt = tegnlinje(ark, n, 0, flate, merke);
        if (slutt + 4 > bredde) {
            bredde = slutt + 4;
            Lerretsflate lang(likning, bredde, radhoeyde, n == 0 ? svart : moerkeblaa);
            lang.settskala(tetthet);
            tegnlinje(ark, n, 0, lang, merke);
        }
        dom::stil(lerret, "width", pt(bredde));
        const double skala = std::min(1.0, (likningsbredde - 4) / bredde);
        dom::stil(lerret, "transform", "scale(" + std::to_string(skala) + ")");
        if (merke.x >= 0) {
            val r = dom::lag("img", rad, {}, "merke");
            dom::attr(r, "src", "flater/merke_4.png");
            dom::attr(r, "alt", "");
            const double w = merkemaal.bredde / piksler_per_punkt;
            dom::stil(r, "left", pt(std::min(merke.x * skala, oprkant - 10 - w)));
            dom::stil(r, "width", pt(w));
        }
        val opr = dom::lag("canvas", rad, {}, "operasjon");
        Kontekst2d oprlerret(opr);
        Lerretsflate felt(oprlerret, sideoppsett::bredde - oprkant, radhoeyde, moerkeblaa);
        felt.settskala(tetthet);
        vislinjeopr(ark, n, 1, felt);
    }
}

namespace {

constexpr Tekst bildenavn = BALVO_TR("Nett", "likning.png");

}  // namespace

void NettVindu::forberedutskrift() {
    val side = dom::finn("utskrift");
    // The lesson record fills the print itself.
    if (side["dataset"]["oekt"].isString()) return;
    side.set("innerHTML", "");
    if (!arket_.har_oppgave()) {
        dom::tekst(dom::lag("p", side), oversettelse(ingen_oppgave_skrive));
        return;
    }
    std::vector<std::pair<std::string, std::string>> verdier;
    for (const auto& [tekst, verdi] : toppverdier(arket_))
        verdier.emplace_back(oversettelse(tekst), verdi);
    skrivtopp(side, programnavn, katalog_->spraak(), verdier);
    skrivlinjer(side, arket_.ark());
}

void NettVindu::skrivoekt() {
    using namespace sideoppsett;
    const std::vector<Loggpost> logg = arket_.oekt();
    val side = dom::finn("utskrift");
    side.set("innerHTML", "");
    side["dataset"].set("oekt", "1");
    // The first page: the lesson's exercises in a table, the sums last.
    val oversikt = dom::lag("section", side, {}, "oektside");
    skrivtopp(oversikt, programnavn, katalog_->spraak(), {});
    dom::tekst(dom::lag("h2", oversikt), oversettelse(oekt_tittel));
    const Oekttabell t = oekttabell(logg);
    val tabell = dom::lag("table", oversikt, "oekttabell");
    dom::stil(tabell, "font-size", pt(t.skrift));
    dom::stil(tabell, "--kant", pt(t.cellekant));
    val kolonner = dom::lag("colgroup", tabell);
    for (const Oektkolonne& k : t.kolonner)
        dom::stil(dom::lag("col", kolonner), "width", pt(k.bredde));
    const auto rad = [&](val del, const std::vector<std::string>& celler, const char* tag) {
        val r = dom::lag("tr", del);
        for (std::size_t k = 0; k < celler.size() && k < t.kolonner.size(); ++k) {
            val c = dom::lag(tag, r);
            dom::tekst(c, celler[k]);
            // Numbers to the right of their column, texts to the left.
            if (t.kolonner[k].tall) dom::attr(c, "class", "tall");
        }
    };
    rad(dom::lag("thead", tabell), t.overskrifter(), "th");
    val kropp = dom::lag("tbody", tabell);
    for (const auto& r : t.rader) rad(kropp, r, "td");
    rad(dom::lag("tfoot", tabell), t.sum, "td");
    // Then each exercise's worksheet on pages of its own, as "Utskrift" prints it.
    for (std::size_t i = 0; i < logg.size(); ++i) {
        const Loggpost& p = logg[i];
        val del = dom::lag("section", side, {}, "oektoppgave");
        skrivtopp(del, oversettelse(oppgave_tittel, {std::to_string(i + 1)}), katalog_->spraak(),
                  {{oversettelse(nivaatekst), std::to_string(p.nivaa)},
                   {oversettelse(stegledetekst), stegrad(p.steg, p.korteste)},
                   {oversettelse(poengtekst), std::to_string(p.poeng)}});
        if (p.ark) skrivlinjer(del, *p.ark);
    }
    // The page takes the mark off after the print (afterprint), so that the worksheet's own
    // print is the worksheet again.
    val::global("window").call<void>("print");
}

void NettVindu::lagrebilde() {
    using namespace sideoppsett;
    // One tall picture of the whole worksheet at 144 dpi: a header, then every line with its
    // operation, as the print sets them.
    constexpr double tetthet = 2;
    const Ark& ark = arket_.ark();
    const int linjer = std::clamp(ark.sistelinje, 0, siste_linje) + 1;
    const double hoeyde = topphoeyde + radsteg * linjer + 8;
    val bilde = dom::lag("canvas", val::undefined());
    Kontekst2d lerret(bilde);
    // Off the page: no box to size (0).
    lerret.stoerrelse(static_cast<int>(std::ceil(bredde * tetthet)),
                      static_cast<int>(std::ceil(hoeyde * tetthet)), 0);
    lerret.fyll(0, 0, bredde * tetthet, hoeyde * tetthet, "#ffffff");
    const std::string stor = Lerretsflate::css("Arial", 18 * tetthet, false);
    const std::string liten = Lerretsflate::css("Arial", 10 * tetthet, false);
    lerret.tekst(stor, programnavn, 0, lerret.stigning(stor), "#000000");
    const std::string idag = dato(katalog_->spraak());
    lerret.tekst(liten, idag, bredde * tetthet - lerret.bredde(liten, idag), lerret.stigning(liten),
                 "#000000");
    std::string verdier;
    for (const auto& [tekst, verdi] : toppverdier(arket_))
        verdier += oversettelse(tekst) + " " + verdi + "    ";
    lerret.tekst(liten, verdier, 0, 30 * tetthet + lerret.stigning(liten), "#000000");
    lerret.strek(0, (topphoeyde - 4) * tetthet, bredde * tetthet, (topphoeyde - 4) * tetthet,
                 tetthet * 0.75, "#000000");
    // Each line drawn on a canvas of its own, then copied in at its place.
    val ctx = bilde.call<val>("getContext", val("2d"));
    for (int n = 0; n < linjer; ++n) {
        const double y = topphoeyde + radsteg * n;
        val rad = dom::lag("canvas", val::undefined());
        Kontekst2d likning(rad);
        Merkested merke;
        Lerretsflate flate(likning, likningsbredde, radhoeyde, n == 0 ? svart : moerkeblaa);
        flate.settskala(tetthet);
        tegnlinje(ark, n, 0, flate, merke);
        ctx.call<void>("drawImage", rad, val(0), val(y * tetthet));
        val opr = dom::lag("canvas", val::undefined());
        Kontekst2d oprlerret(opr);
        Lerretsflate felt(oprlerret, bredde - oprkant, radhoeyde, moerkeblaa);
        felt.settskala(tetthet);
        vislinjeopr(ark, n, 1, felt);
        ctx.call<void>("drawImage", opr, val(oprkant * tetthet), val(y * tetthet));
        if (merke.x >= 0 && merke_["complete"].as<bool>()) {
            // The solved marker, the picture the window shows (the line is underlined by the
            // typesetter).
            const double w = merkemaal.bredde / piksler_per_punkt,
                         h = merkemaal.hoeyde / piksler_per_punkt;
            ctx.call<void>("drawImage", merke_, val(std::min(merke.x, oprkant - 10 - w) * tetthet),
                           val(y * tetthet), val(w * tetthet), val(h * tetthet));
        }
    }
    val lenke = dom::lag("a", val::undefined());
    dom::attr(lenke, "download", oversettelse(bildenavn));
    dom::attr(lenke, "href", bilde.call<std::string>("toDataURL", val("image/png")));
    lenke.call<void>("click");
}

}  // namespace balvo::nett
