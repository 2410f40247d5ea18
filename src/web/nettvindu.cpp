// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/nettvindu.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>

#include "core/display/lineaertekst.h"
#include "core/mainwindow/egenutforming.h"
#include "core/mainwindow/koeffisient.h"
#include "core/mainwindow/tastaturvei.h"
#include "core/mainwindow/utforming.h"
#include "web/dom.h"

namespace balvo::nett {

using emscripten::val;

namespace {

// The design's client area in pixels at 96 dpi.
constexpr double designbredde = klientflate.bredde / 15.0;
constexpr double designhoeyde = klientflate.hoeyde / 15.0;

std::string tall(std::int64_t n) {
    return std::to_string(n);
}

val lagboks(const Kontroll& k, val forelder, Lerretsboks& boks) {
    val lerret = dom::lag("canvas", forelder, k.navn, "boks");
    dom::plasser(lerret, k.sted);
    // The equation is read from the live region; the picture itself says nothing.
    dom::attr(lerret, "aria-hidden", "true");
    boks.lerret = std::make_unique<Kontekst2d>(lerret);
    boks.flate = std::make_unique<Lerretsflate>(*boks.lerret, k.sted.bredde / 20.0,
                                                k.sted.hoeyde / 20.0, k.farge);
    boks.flate->settfontnavn("MS Sans Serif");
    boks.flate->settstoerrelse(k.skrift.punkter);
    return lerret;
}

// The language the browser asks pages for first ("nn-NO", "en-US"), empty when none.
std::string nettleserspraak() {
    val nav = val::global("navigator");
    val liste = nav["languages"];
    if (!liste.isUndefined() && !liste.isNull() && liste["length"].as<int>() > 0)
        return liste[0].as<std::string>();
    val ett = nav["language"];
    return ett.isString() ? ett.as<std::string>() : std::string();
}

}  // namespace

NettVindu::NettVindu() = default;

void NettVindu::start() {
    // Only the language and the zoom are kept between visits. The first visit follows the
    // browser's language, as the desktop's first run follows the system's.
    const std::string valgt = dom::hent("balvo.spraak");
    katalog_ = std::make_unique<NettKatalog>(valgt.empty() ? spraak_fra_lokale(nettleserspraak())
                                                           : kjent_spraak(valgt));
    installerkatalog(katalog_.get());
    dom::dokument()["documentElement"].set("lang", std::string(katalog_->spraak()));
    dom::dokument().set("title", std::string(programnavn));
    if (const std::string z = dom::hent("balvo.zoom"); !z.empty()) zoom_ = z;

    val app = dom::finn("app");
    byggmeny(dom::lag("div", app, "menylinje"));
    // The room under the menu bar is measured before the rest of the page is built: reading a
    // size makes the browser lay out the page, and now that is only the menu bar. The page is
    // then laid out once, with its controls in place.
    const Rom rom = maalrommet();
    val flate = dom::lag("div", app, "klientflate");
    byggkontroller(flate);
    byggarkliste();
    // "Regn selv"'s line editor: the device's own keyboard on a tablet, no corrections.
    skrivfelt_ = dom::lag("input", deler_[static_cast<std::size_t>(Del::ark)], "skrivfelt");
    dom::attr(skrivfelt_, "type", "text");
    dom::attr(skrivfelt_, "inputmode", "text");
    dom::attr(skrivfelt_, "autocomplete", "off");
    dom::attr(skrivfelt_, "autocapitalize", "off");
    dom::attr(skrivfelt_, "spellcheck", "false");
    dom::attr(skrivfelt_, "enterkeyhint", "done");
    dom::stil(skrivfelt_, "position", "absolute");
    dom::stil(skrivfelt_, "font-size", "16px");
    dom::stil(skrivfelt_, "box-sizing", "border-box");
    dom::skjul(skrivfelt_, true);
    ordnetab();
    // The rows' equations as plain text, for copying and tests; a screen reader hears the
    // worksheet through its list and the announcements instead.
    rader_ = dom::lag("div", app, "linjer", "lesbar");
    dom::attr(rader_, "aria-hidden", "true");
    for (int k = 0; k < 5; ++k) dom::lag("p", rader_);
    // One announcement per change, as the desktop's worksheet list says it.
    kunngjoring_ = dom::lag("div", app, "opplesning", "lesbar");
    dom::attr(kunngjoring_, "role", "status");
    dom::attr(kunngjoring_, "aria-atomic", "true");
    byggmeldingsboks();
    // The lesson file's and the class overview's windows; the other secondary windows are
    // built after the first line (byggvinduer).
    byggoektlagring();
    byggklasse();
    dom::lag("section", val::global("document")["body"], "utskrift");

    tilpass(rom);
    arket_.Form_Load();
    if (dom::hent("balvo.avstand") == "1") velgavstand(arket_, *this, true);
    if (dom::hent("balvo.regnselv") == "1") velgregnselv(arket_, *this, true);
    navngi();
    endret();
}

void NettVindu::byggarkliste() {
    // Over the rows and operand fields, as wide as they are together; the mouse goes through
    // it to the rows, the keyboard comes here first.
    Twips r{klientflate.bredde, klientflate.hoeyde, 0, 0};
    int hoeyre = 0, bunn = 0;
    for (const Kontroll& k : hovedvinduet()) {
        if (k.art != Kontrollart::linje && k.art != Kontrollart::opfelt) continue;
        r.venstre = std::min(r.venstre, k.sted.venstre);
        r.topp = std::min(r.topp, k.sted.topp);
        hoeyre = std::max(hoeyre, k.sted.venstre + k.sted.bredde);
        bunn = std::max(bunn, k.sted.topp + k.sted.hoeyde);
    }
    r.bredde = hoeyre - r.venstre;
    r.hoeyde = bunn - r.topp;
    val ark = deler_[static_cast<std::size_t>(Del::ark)];
    liste_ = dom::lag("div", ark, "arkliste");
    dom::plasser(liste_, r);
    dom::attr(liste_, "role", "listbox");
    dom::attr(liste_, "tabindex", "0");
    sett(liste_, arknavn, "aria-label");
    arkfokus_ = dom::lag("div", ark, "arkfokus");
    dom::attr(arkfokus_, "aria-hidden", "true");
    dom::skjul(arkfokus_, true);
}

void NettVindu::ordnetab() {
    // The page's order is the Tab order: the worksheet, then the order both shells share (the
    // parts follow it: the worksheet with its scroll keys, the exercise part, the keypad). The
    // controls are placed absolutely, so moving them in the page moves nothing on screen.
    val ark = deler_[static_cast<std::size_t>(Del::ark)];
    val oppgave = deler_[static_cast<std::size_t>(Del::oppgave)];
    ark.call<void>("appendChild", liste_);
    Tastesett stopp;
    for (const Kontroll* k : tabrekke()) {
        if (k->tast >= 0) stopp.set(static_cast<std::size_t>(k->tast));
        val e = k->art == Kontrollart::knapp ? dom::finn(std::string(k->navn).c_str())
                                             : taster_.at(static_cast<std::size_t>(k->tast));
        // An option is its label; the frame goes where its first option does.
        if (k->art == Kontrollart::valg || k->art == Kontrollart::avkrysning) {
            e = e["parentElement"];
            val ramme = e["parentElement"];
            if (ramme["tagName"].as<std::string>() == "FIELDSET" &&
                ramme["parentElement"].strictlyEquals(oppgave) && k->tast == Option3)
                oppgave.call<void>("appendChild", ramme);
        }
        e["parentElement"].call<void>("appendChild", e);
    }
    // A key the order leaves out (the scroll keys) is no stop at all.
    for (std::size_t t = 0; t < taster_.size(); ++t)
        if (!stopp.test(t) && !taster_[t].isUndefined()) dom::attr(taster_[t], "tabindex", "-1");
    // The focus frame and the solved marker lie on top of everything.
    ark.call<void>("appendChild", arkfokus_);
    ark.call<void>("appendChild", merke_);
}

void NettVindu::endret() {
    visskrivfelt();
    const int i = leser_.endring();
    bygglisten();
    // While the pupil is on the list, the list's own focus says it; otherwise the live region.
    if (i >= 0 && !dom::dokument()["activeElement"].strictlyEquals(liste_))
        dom::tekst(kunngjoring_, leser_.setning(i));
}

void NettVindu::meldfokus() {
    if (const int i = leser_.fokus();
        i >= 0 && !dom::dokument()["activeElement"].strictlyEquals(liste_))
        dom::tekst(kunngjoring_, leser_.setning(i));
}

void NettVindu::flytt(int retning) {
    if (retning < 0 || retning > 3) return;
    leser_.flytt(static_cast<Leseretning>(retning));
    bygglisten();
}

void NettVindu::bygglisten() {
    // Emptied without the HTML parser (which setting innerHTML starts even for nothing).
    liste_.set("textContent", "");
    const int fokus = leser_.fokus();
    for (int i = 0; i < leser_.antall(); ++i) {
        const Leseelement e = leser_.element(i);
        val p = dom::lag("div", liste_, "arkelement_" + std::to_string(i), "lesbar");
        dom::attr(p, "role", "option");
        dom::attr(p, "aria-selected", i == fokus ? "true" : "false");
        dom::tekst(p, e.navn);
        if (!e.beskrivelse.empty()) dom::attr(p, "aria-description", e.beskrivelse);
    }
    if (fokus < 0) {
        liste_.call<void>("removeAttribute", val("aria-activedescendant"));
    } else {
        dom::attr(liste_, "aria-activedescendant", "arkelement_" + std::to_string(fokus));
    }
    // The dotted frame on the row (or operand field) that shows the element in focus.
    const int rad = leser_.rad(fokus);
    dom::skjul(arkfokus_, rad < 0);
    if (rad < 0) return;
    for (const Kontroll& k : hovedvinduet())
        if (k.siffer == rad &&
            k.art == (leser_.er_operand(fokus) ? Kontrollart::opfelt : Kontrollart::linje))
            dom::plasser(arkfokus_, k.sted);
}

void NettVindu::navngi() {
    // The values named with their captions ("Poeng: 3"); the captions say nothing twice.
    for (const Verdietikett& v : verdietiketter()) {
        val e = verdi(v.rolle);
        dom::attr(e, "role", "status");
        dom::attr(e, "aria-live", "off");
        dom::attr(e, "aria-label", etikettnavn(v.ledetekst, e["textContent"].as<std::string>()));
    }
}

void NettVindu::byggvinduer() {
    // Built after the first line is on the screen (or when one is opened first), so that the
    // page is usable sooner.
    if (vinduer_bygd_) return;
    vinduer_bygd_ = true;
    byggegenlikning();
    bygggraf();
    byggom();
    byggforslag();
    for (int k = 0; k < 6; ++k)
        dom::attr(dom::finn(("koeff_" + std::to_string(k)).c_str()), "aria-label", boksnavn(k));
    tilpassegen();
}

void NettVindu::tilpassegen() {
    // The own equation's buttons a finger high, its boxes too (balvo.css), as far as the
    // window's width allows.
    if (!vinduer_bygd_) return;
    val egen = dom::finn("egenlikning");
    egen["style"].call<void>("removeProperty", val("--s"));
    if (!fingre_) return;
    const double b = val::global("window")["innerWidth"].as<double>();
    const double s = std::min((fingermaal + 0.5) / (okplass.hoeyde / 15.0),
                              (b - 16) / (egenflate.bredde / 15.0));
    dom::stil(egen, "--s", std::to_string(std::max(skala_, s)));
}

void NettVindu::sett(val e, const Tekst& t, const char* attributt) {
    tekster_.push_back({e, t, attributt});
    const std::string s = oversettelse(t);
    if (attributt) {
        dom::attr(e, attributt, s);
    } else {
        dom::tekst(e, s);
    }
}

void NettVindu::byggkontroller(val flate) {
    for (val& d : deler_) d = dom::lag("div", flate, {}, "del");
    val ramme = val::undefined();
    for (const Kontroll& k : hovedvinduet()) {
        val forelder = k.i_rammen ? ramme : deler_[static_cast<std::size_t>(del(k))];
        val e = val::undefined();
        switch (k.art) {
            case Kontrollart::linje:
                e = lagboks(k, forelder, linjer_.at(static_cast<std::size_t>(k.siffer)));
                break;
            case Kontrollart::opfelt:
                e = lagboks(k, forelder, opfelter_.at(static_cast<std::size_t>(k.siffer)));
                break;
            case Kontrollart::skjult:
                // The diagnostics are kept out of sight, as on the desktop.
                e = dom::lag("pre", forelder, k.navn, "skjult");
                dom::skjul(e, true);
                (k.siffer == 7 ? dump_ : diagnose_) = e;
                break;
            case Kontrollart::knapp:
                e = dom::lag("button", forelder, k.navn, "knapp");
                dom::attr(e, "data-h", "nyoppgave");
                sett(e, k.tekst);
                break;
            case Kontrollart::etikett:
                e = dom::lag("div", forelder, k.navn, "etikett");
                if (k.tekst.kilde) sett(e, k.tekst);
                dom::stil(e, "color", cssfarge(k.farge));
                if (k.rolle != Etikettrolle::ingen) verdi(k.rolle) = e;
                if (k.ombryt) dom::stil(e, "white-space", "normal");
                break;
            case Kontrollart::ramme: {
                e = ramme = dom::lag("fieldset", forelder, k.navn, "ramme");
                val tittel = dom::lag("legend", e);
                sett(tittel, k.tekst);
                dom::skrift(tittel, k.skrift);
                break;
            }
            case Kontrollart::valg:
            case Kontrollart::avkrysning: {
                e = dom::lag("label", forelder, {}, "valg");
                val boks = dom::lag("input", e, k.navn);
                const bool valg = k.art == Kontrollart::valg;
                dom::attr(boks, "type", valg ? "radio" : "checkbox");
                if (valg) dom::attr(boks, "name", "Likningstype");
                if (k.tast == Option1) boks.set("checked", true);
                dom::attr(boks, "data-h", "tast");
                dom::attr(boks, "data-n", std::to_string(k.tast));
                sett(dom::lag("span", e), k.tekst);
                taster_.at(static_cast<std::size_t>(k.tast)) = boks;
                break;
            }
            case Kontrollart::tast: {
                e = dom::lag("button", forelder, k.navn, "tast");
                dom::attr(e, "type", "button");
                dom::attr(e, "data-h", "tast");
                dom::attr(e, "data-n", std::to_string(k.tast));
                // Tab reaches every key, as on the desktop; a click leaves the focus where it
                // was (the page keeps the mouse from focusing a key).
                if (k.tips.kilde) {
                    sett(e, k.tips, "title");
                    sett(e, k.tips, "aria-label");
                } else if (k.flate == Tasteflate::siffer) {
                    dom::attr(e, "aria-label", std::to_string(k.siffer));
                } else if (k.flate == Tasteflate::utfoer) {
                    sett(e, utfoertekst, "aria-label");
                } else if (k.tast == scrollopp) {
                    sett(e, BALVO_TR("Arket", "Rull opp"), "aria-label");
                } else if (k.tast == scrollned) {
                    sett(e, BALVO_TR("Arket", "Rull ned"), "aria-label");
                }
                val bilde = dom::lag("img", e);
                dom::attr(bilde, "alt", "");
                // Decoded away from the page's thread, which then never waits for a face.
                dom::attr(bilde, "decoding", "async");
                const Bildemaal m = flatemaal(k.flate);
                dom::stil(bilde, "width", dom::px(m.bredde));
                dom::stil(bilde, "height", dom::px(m.hoeyde));
                if (k.flate == Tasteflate::siffer) {
                    sifferflater_.emplace_back(bilde, k.siffer);
                } else {
                    // The perform key's face, the largest picture, is asked for first.
                    if (k.flate == Tasteflate::utfoer)
                        flater_.emplace(flater_.begin(), bilde, k.flate);
                    else
                        flater_.emplace_back(bilde, k.flate);
                }
                taster_.at(static_cast<std::size_t>(k.tast)) = e;
                break;
            }
            case Kontrollart::strek:
                e = dom::lag("div", forelder, k.navn, "strek");
                break;
            case Kontrollart::kant:
                e = dom::lag("div", forelder, k.navn, "kant");
                break;
            case Kontrollart::panel:
                e = dom::lag("div", forelder, k.navn, "panel");
                dom::stil(e, "background-color", cssfarge(k.farge));
                break;
            case Kontrollart::merke:
                e = merke_ = dom::lag("img", forelder, k.navn, "merke");
                dom::attr(e, "alt", "");
                break;
        }
        if (k.art != Kontrollart::merke) dom::plasser(e, k.sted);
        if (k.tekst.kilde || k.art == Kontrollart::etikett) dom::skrift(e, k.skrift);
    }
    dom::stil(merke_, "width", dom::px(merkemaal.bredde));
    dom::stil(merke_, "height", dom::px(merkemaal.hoeyde));
    dom::skjul(merke_, true);
    dom::skjul(verdi(Etikettrolle::avstand), true);
    dom::skjul(verdi(Etikettrolle::avstand_ledetekst), true);
}

NettVindu::Rom NettVindu::maalrommet() {
    val vindu = val::global("window");
    Rom rom;
    rom.tetthet = vindu["devicePixelRatio"].as<double>();
    if (!(rom.tetthet > 0)) rom.tetthet = 1;
    // A touch screen (its pointer a finger) gets controls a finger can hit; the menus grow
    // with the class too, so the room under them is measured after it is set.
    rom.fingre = vindu.call<val>("matchMedia", val("(pointer: coarse)"))["matches"].as<bool>();
    dom::dokument()["documentElement"]["classList"].call<void>("toggle", val("fingre"),
                                                               val(rom.fingre));
    rom.bredde = vindu["innerWidth"].as<double>();
    rom.hoeyde =
        vindu["innerHeight"].as<double>() - dom::finn("menylinje")["offsetHeight"].as<double>();
    return rom;
}

void NettVindu::tilpass() {
    tilpass(maalrommet());
}

void NettVindu::tilpass(const Rom& rom) {
    tetthet_ = rom.tetthet;
    fingre_ = rom.fingre;
    const double zoom = zoom_ == "fyll" ? 0 : std::clamp(std::atof(zoom_.c_str()), 0.5, 4.0);
    if (fingre_) {
        const Fingeroppsett o = fingeroppsett(rom.bredde, rom.hoeyde, zoom);
        skala_ = o.skala;
        tastskala_ = o.tastatur.skala;
        plasserdelene(&o);
    } else {
        // "Fyll vinduet": the design's proportions, as large as the window allows.
        skala_ =
            zoom > 0
                ? zoom
                : std::max(0.5, std::min(rom.bredde / designbredde, rom.hoeyde / designhoeyde));
        tastskala_ = skala_;
        plasserdelene(nullptr);
    }
    dom::stil(dom::dokument()["documentElement"], "--s", std::to_string(skala_));
    tilpassegen();
    const double k = piksler_per_punkt * skala_ * tetthet_;
    for (auto* bokser : {&linjer_, &opfelter_})
        for (auto& b : *bokser) b.flate->settskala(k, tetthet_);
    for (auto& b : forslagsbokser_) b.flate->settskala(k, tetthet_);
    velgflater();
    if (graf_) tegngrafen();
}

void NettVindu::velgflater() {
    // The smallest picture that is at least as sharp as the screen shows it.
    const int d = std::clamp(
        static_cast<int>(std::ceil(std::max(skala_, tastskala_) * tetthet_ - 0.01)), 1, 6);
    const std::string s = "_" + std::to_string(d) + ".png";
    // The perform key's face is a word, drawn in each language.
    const std::string spraak = "_" + std::string(katalog_->spraak());
    for (auto& [bilde, flate] : flater_)
        dom::attr(bilde, "src",
                  "flater/" + std::string(flatenavn(flate)) +
                      (flate == Tasteflate::utfoer ? spraak : std::string()) + s);
    for (auto& [bilde, siffer] : sifferflater_)
        dom::attr(bilde, "src", "flater/siffer" + std::to_string(siffer) + s);
    dom::attr(merke_, "src", "flater/merke" + s);
}

namespace {

std::string pikselverdi(double px) {
    return std::to_string(px) + "px";
}

void plasserpx(val e, double venstre, double topp, double bredde, double hoeyde) {
    dom::stil(e, "left", pikselverdi(venstre));
    dom::stil(e, "top", pikselverdi(topp));
    dom::stil(e, "width", pikselverdi(bredde));
    dom::stil(e, "height", pikselverdi(hoeyde));
}

}  // namespace

void NettVindu::plasserdelene(const Fingeroppsett* f) {
    const Delplass lik{0, 0, skala_};
    const std::array<Delplass, 3> plass =
        f ? std::array<Delplass, 3>{f->ark, f->oppgave, f->tastatur}
          : std::array<Delplass, 3>{lik, lik, lik};
    for (std::size_t i = 0; i < deler_.size(); ++i) {
        dom::stil(deler_[i], "left", pikselverdi(plass[i].venstre));
        dom::stil(deler_[i], "top", pikselverdi(plass[i].topp));
        dom::stil(deler_[i], "--s", std::to_string(plass[i].skala));
    }
    val flate = dom::finn("klientflate");
    for (const char* side : {"width", "height"})
        flate["style"].call<void>("removeProperty", val(side));
    if (f) {
        dom::stil(flate, "width", pikselverdi(f->bredde));
        dom::stil(flate, "height", pikselverdi(f->hoeyde));
    }
    // What a finger needs beyond the parts' scales: the scroll column a finger wide (its keys
    // a finger square at its ends), the options a finger high each, the rule between the rows
    // and the operand fields ending with the worksheet.
    int valg = 0;
    for (const Kontroll& k : hovedvinduet()) {
        const bool rull = k.tast == scrollopp || k.tast == scrollned;
        const bool er_valg = k.art == Kontrollart::valg || k.art == Kontrollart::avkrysning;
        if (!rull && !er_valg && k.navn != "Shape1" && k.navn != "Line4" && k.navn != "Frame1")
            continue;
        val e = rull      ? taster_.at(static_cast<std::size_t>(k.tast))
                : er_valg ? taster_.at(static_cast<std::size_t>(k.tast))["parentElement"]
                          : dom::finn(std::string(k.navn).c_str());
        if (!f) {
            dom::plasser(e, k.sted);
        } else if (k.tast == scrollopp) {
            plasserpx(e, f->rullvenstre, f->rulloppe, f->rullbredde, fingermaal);
        } else if (k.tast == scrollned) {
            plasserpx(e, f->rullvenstre, f->rullnede - fingermaal, f->rullbredde, fingermaal);
        } else if (k.navn == "Shape1") {
            const double b = f->rullbredde * 0.9;
            plasserpx(e, f->rullvenstre + (f->rullbredde - b) / 2, f->rulloppe + fingermaal - 1, b,
                      f->rullnede - f->rulloppe - 2 * fingermaal + 2);
        } else if (k.navn == "Line4") {
            dom::plasser(e, k.sted);
            dom::stil(e, "height", pikselverdi(f->arkhoeyde));
        } else if (k.navn == "Frame1") {
            dom::plasser(e, k.sted);
            dom::stil(e, "height", pikselverdi(f->rammehoeyde));
        } else {
            dom::plasser(e, k.sted);
            dom::stil(e, "top", pikselverdi(f->valgtopp + valg++ * fingermaal));
            dom::stil(e, "height", pikselverdi(fingermaal));
        }
    }
}

Tegneflate& NettVindu::linje(int boks) {
    return *linjer_.at(static_cast<std::size_t>(boks)).flate;
}

Tegneflate& NettVindu::opfelt(int k) {
    return *opfelter_.at(static_cast<std::size_t>(k)).flate;
}

void NettVindu::setttaster(const Tastesett& brukbare) {
    // A key pressed from the keyboard that can no longer be pressed hands the focus to the
    // worksheet, which tells what changed, as on the desktop; the browser would drop it.
    const val aktiv = dom::dokument()["activeElement"];
    bool til_arket = false;
    for (std::size_t i = 0; i < taster_.size(); ++i) {
        if (taster_[i].isUndefined()) continue;
        if (!brukbare.test(i) && taster_[i].strictlyEquals(aktiv)) til_arket = true;
        taster_[i].set("disabled", !brukbare.test(i));
    }
    if (til_arket && !liste_.isUndefined()) liste_.call<void>("focus");
    vismenypunkter();
    // Every handler ends here, after its drawing: the rows' texts for screen readers follow.
    beskrivrader();
}

void NettVindu::beskrivrader() {
    val p = rader_["firstElementChild"];
    for (int rad = 0; rad < 5; ++rad, p = p["nextElementSibling"]) {
        // Worded as the desktop's screen reader hears the row: "Linje 2: 2x = 4".
        std::string t = leser_.radnavn(rad);
        // Only a row that changed is written.
        if (t == radtekst_[static_cast<std::size_t>(rad)]) continue;
        dom::tekst(p, t);
        radtekst_[static_cast<std::size_t>(rad)] = std::move(t);
    }
}

void NettVindu::visverdier(int nivaa, std::int64_t poeng, std::int64_t loeste) {
    dom::tekst(verdi(Etikettrolle::nivaa), tall(nivaa));
    dom::tekst(verdi(Etikettrolle::poeng), tall(poeng));
    dom::tekst(verdi(Etikettrolle::loeste), tall(loeste));
    navngi();
}

void NettVindu::diagnostikk(Diagnoseboks boks, const std::vector<std::string>& linjer) {
    std::string t;
    for (const auto& l : linjer) t += l + "\n";
    dom::tekst(boks == Diagnoseboks::dump ? dump_ : diagnose_, t);
}

void NettVindu::tilforgrunnen() {
    // The page is the main window; the own-equation window closes itself after OK.
}

void NettVindu::vismerke(double venstre, double topp) {
    // The logic places the marker in points of the client area.
    dom::stil(merke_, "left", dom::px(venstre * piksler_per_punkt));
    dom::stil(merke_, "top", dom::px(topp * piksler_per_punkt));
    dom::skjul(merke_, false);
}

void NettVindu::skjulmerke() {
    dom::skjul(merke_, true);
}

namespace {

// A text too long for its lines is written a little smaller rather than run over.
void tilpassskrift(val e, double punkter) {
    const Skrift design{Skriftfamilie::arial, punkter, false};
    dom::skrift(e, design);
    for (double p = design.punkter - 0.5;
         p >= 8 && e["scrollHeight"].as<int>() > e["clientHeight"].as<int>(); p -= 0.5)
        dom::skrift(e, {design.familie, p, false});
}

}  // namespace

void NettVindu::visvurdering(std::string_view steg, std::string_view proeve) {
    dom::tekst(verdi(Etikettrolle::steg), steg);
    dom::tekst(verdi(Etikettrolle::proeve), proeve);
    navngi();
    tilpassskrift(verdi(Etikettrolle::proeve), 12);
}

void NettVindu::visavstand(std::string_view tekst) {
    dom::tekst(verdi(Etikettrolle::avstand), tekst);
    tilpassskrift(verdi(Etikettrolle::avstand), 9.75);
    navngi();
}

bool NettVindu::etterarbeid_venter() const {
    return !vinduer_bygd_ || !veileder_klar_ || (arket_.har_oppgave() && !arket_.korteste_kjent());
}

void NettVindu::etterarbeid() {
    // One piece at a time, each a task of its own, so that no tap waits long for any.
    if (!vinduer_bygd_) return byggvinduer();
    if (!veileder_klar_) {
        forberedveileder();
        veileder_klar_ = true;
        return;
    }
    arket_.korteste();
}

void NettVindu::melding(std::string_view tittel, std::string_view tekst) {
    spoer(tittel, tekst, false);
}

bool NettVindu::spoersmaal(std::string_view tittel, std::string_view tekst) {
    return spoer(tittel, tekst, true);
}

void NettVindu::oversett() {
    for (const auto& m : tekster_) {
        const std::string s = oversettelse(m.tekst);
        if (m.attributt) {
            dom::attr(m.element, m.attributt, s);
        } else {
            dom::tekst(m.element, s);
        }
    }
}

}  // namespace balvo::nett
