// SPDX-License-Identifier: GPL-3.0-or-later
// The menus, the keyboard, the scale, the language, printing and copying.
#include <emscripten.h>

#include <array>
#include <cctype>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "core/display/lineaertekst.h"
#include "core/document/sideoppsett.h"
#include "core/mainwindow/tastaturvei.h"
#include "core/mainwindow/tastekart.h"
#include "core/mainwindow/utforming.h"
#include "core/mainwindow/zoom.h"
#include "web/dom.h"
#include "web/nettvindu.h"

namespace balvo::nett {

using emscripten::val;

namespace {

// Menu items come after the key map's entries in the codes of tastekode, by their action.
constexpr int menykode = 1000;

unsigned endringen(const Menypunkt& m) {
    return ctrl | (m.skift ? skift : 0u);
}

constexpr Tekst menylinjenavn = BALVO_TR("Nett", "Menylinje");

Tastenavn tastenavn(std::string_view tast) {
    if (tast.size() == 1) return bokstavtast(tast[0]);
    if (tast == "Enter") return Tastenavn::enter;
    if (tast == "Escape") return Tastenavn::escape;
    if (tast == "Backspace") return Tastenavn::tilbake;
    if (tast == "Delete") return Tastenavn::slett;
    if (tast == "PageUp") return Tastenavn::side_opp;
    if (tast == "PageDown") return Tastenavn::side_ned;
    return Tastenavn::ingen;
}

}  // namespace

void NettVindu::byggmeny(val linje) {
    dom::attr(linje, "role", "menubar");
    sett(linje, menylinjenavn, "aria-label");
    const auto meny = [&](std::string_view id, const Tekst& tittel) {
        val m = dom::lag("div", linje, {}, "meny");
        dom::attr(m, "role", "none");
        val knapp = dom::lag("button", m, id, "menyknapp");
        dom::attr(knapp, "type", "button");
        dom::attr(knapp, "role", "menuitem");
        // One stop of Tab for the whole bar; the arrow keys go along it.
        dom::attr(knapp, "tabindex", linje["childElementCount"].as<int>() == 1 ? "0" : "-1");
        dom::attr(knapp, "aria-haspopup", "menu");
        dom::attr(knapp, "aria-expanded", "false");
        sett(knapp, tittel);
        val liste = dom::lag("div", m, {}, "menyliste");
        dom::attr(liste, "role", "menu");
        sett(liste, tittel, "aria-label");
        dom::skjul(liste, true);
        return liste;
    };
    const auto punkt = [&](val liste, const char* handling, std::string_view navn,
                           const char* rolle) {
        val p = dom::lag("button", liste, {}, "menypunkt");
        dom::attr(p, "type", "button");
        dom::attr(p, "role", rolle);
        dom::attr(p, "tabindex", "-1");
        dom::attr(p, "data-h", handling);
        dom::attr(p, "data-n", navn);
        return p;
    };

    // Every menu of the core's tables, as on the desktop: text, shortcut, separators.
    for (const Meny& m : menyene()) {
        val liste = meny(m.navn, m.tittel);
        for (const Menypunkt& p : m.punkter) {
            if (p.handling == Menyhandling::skille) {
                dom::attr(dom::lag("div", liste, {}, "skille"), "role", "separator");
                continue;
            }
            val e = punkt(liste, "meny", p.navn, p.avkrysbar ? "menuitemcheckbox" : "menuitem");
            sett(dom::lag("span", e), p.tekst);
            dom::attr(e, "id", p.navn);
            if (p.avkrysbar) dom::attr(e, "aria-checked", "false");
            // The browser's own shortcuts are given with Alt instead.
            const unsigned endring = nettendring(p.snarvei, endringen(p));
            if (const std::string s = snarveitekst(p.snarvei, endring); !s.empty()) {
                dom::tekst(dom::lag("span", e, {}, "snarvei"), s);
                dom::attr(e, "aria-keyshortcuts", snarveinavn(p.snarvei, endring));
            } else if (!p.tegn.empty()) {
                // The zoom's: Ctrl with a character, shown by the first of them ("Ctrl++").
                const char c = p.tegn[0];
                dom::tekst(dom::lag("span", e, {}, "snarvei"), std::string("Ctrl+") + c);
                dom::attr(
                    e, "aria-keyshortcuts",
                    std::string("Control+") + (c == '+' ? std::string("Plus") : std::string(1, c)));
            }
            menypunkter_.at(static_cast<std::size_t>(p.handling)) = e;
        }
    }
    val spraak = meny("Spraak", spraakmeny);
    for (const Spraakvalg& s : spraakene) {
        val p = punkt(spraak, "spraak", s.kode, "menuitemradio");
        // Each language in its own words, whatever the page speaks now.
        val navn = dom::lag("span", p);
        dom::tekst(navn, s.navn);
        dom::attr(navn, "lang", s.kode);
        dom::attr(p, "aria-checked", s.kode == katalog_->spraak() ? "true" : "false");
    }
}

void NettVindu::visavstandsrad(bool paa) {
    dom::skjul(verdi(Etikettrolle::avstand), !paa);
    dom::skjul(verdi(Etikettrolle::avstand_ledetekst), !paa);
    dom::plasser(verdi(Etikettrolle::proeve), proevested(paa));
    vismenypunkter();
}

void NettVindu::klikk(std::string_view handling, std::string_view navn, bool paa) {
    if (handling == "tast")
        return arket_.trykk(static_cast<Tast>(std::atoi(std::string(navn).c_str())), paa);
    if (handling == "nyoppgave") return arket_.nyoppgave_Click();
    // The other clicks through a table of plain functions: called indirectly, the browser
    // compiles each when it is first used, not all of them with the first exercise.
    using Kall = void (*)(NettVindu&, std::string_view);
    static constexpr std::pair<std::string_view, Kall> andre[] = {
        {"meny", [](NettVindu& v, std::string_view n) { v.menyklikk(n); }},
        {"klasse", [](NettVindu& v, std::string_view n) { v.klassevalg(n); }},
        {"regnselv", [](NettVindu& v, std::string_view n) { v.regnselv(n); }},
        {"liste",
         [](NettVindu& v, std::string_view n) { v.flytt(std::atoi(std::string(n).c_str())); }},
        {"kopierforslag", [](NettVindu& v, std::string_view) { v.kopierforslag(); }},
        {"spraak", [](NettVindu& v, std::string_view n) { v.settspraak(n); }},
        {"egen_ok", [](NettVindu& v, std::string_view) { v.egen_OK_Click(); }},
        {"lukk", [](NettVindu& v, std::string_view n) { v.lukk(std::string(n).c_str()); }},
    };
    for (const auto& [navnet, kall] : andre) {
        // Read as the page reads it, so that the compiler does not fold the call in here.
        const volatile Kall k = kall;
        if (navnet == handling) return k(*this, navn);
    }
}

void NettVindu::menyklikk(std::string_view navn) {
    for (const Meny& m : menyene())
        for (const Menypunkt& p : m.punkter)
            if (p.handling != Menyhandling::skille && p.navn == navn)
                return menyvalg(arket_, *this, p.handling);
}

void NettVindu::visregnselv(bool paa) {
    dom::attr(menypunkter_[static_cast<std::size_t>(Menyhandling::regnselv)], "aria-checked",
              paa ? "true" : "false");
}

void NettVindu::huskhjelpvalg(Menyhandling handling, bool paa) {
    dom::behold(handling == Menyhandling::avstand ? "balvo.avstand" : "balvo.regnselv",
                paa ? "1" : "0");
}

void NettVindu::velgzoom(double zoom) {
    char t[16];
    std::snprintf(t, sizeof t, "%g", zoom);
    settzoom(t);
}

void NettVindu::vismenypunkter() {
    for (int i = 0; i < antall_menyhandlinger; ++i) {
        val& p = menypunkter_[static_cast<std::size_t>(i)];
        if (!p.isUndefined())
            p.set("disabled", !menybrukbar(arket_, *this, static_cast<Menyhandling>(i)));
    }
    dom::attr(menypunkter_[static_cast<std::size_t>(Menyhandling::avstand)], "aria-checked",
              arket_.avstand() ? "true" : "false");
    dom::attr(menypunkter_[static_cast<std::size_t>(Menyhandling::regnselv)], "aria-checked",
              arket_.regnselv() ? "true" : "false");
    dom::attr(menypunkter_[static_cast<std::size_t>(Menyhandling::fyll)], "aria-checked",
              zoom_ == "fyll" ? "true" : "false");
}

void NettVindu::regnselv(std::string_view navn) {
    if (!arket_.venter_linje()) return;
    const std::string tekst = skrivfelt_["value"].as<std::string>();
    if (navn == "esc") return arket_.giopp();
    if (navn == "vis") {
        arket_.forhaandsvis(tekst, linje(arket_.regnerad()));
        return;
    }
    if (navn != "enter") return;
    const Linjedom dom = arket_.skrivlinje(tekst);
    // The pupil's text stays (cut where it was too long) for another try.
    if (dom.dom != Dom::riktig && dom.tekst != tekst) skrivfelt_.set("value", dom.tekst);
}

void NettVindu::visskrivfelt() {
    if (!arket_.venter_linje()) {
        skrivfelt_.set("value", std::string());
        dom::skjul(skrivfelt_, true);
        return;
    }
    // The right part of the waiting row: the typeset line grows from the left.
    for (const Kontroll& k : hovedvinduet()) {
        if (k.art != Kontrollart::linje || k.siffer != arket_.regnerad()) continue;
        const int bredde = k.sted.bredde * 9 / 20;
        const int hoeyde = std::min(k.sted.hoeyde, 450);
        dom::plasser(skrivfelt_, {k.sted.venstre + k.sted.bredde - bredde,
                                  k.sted.topp + (k.sted.hoeyde - hoeyde) / 2, bredde, hoeyde});
    }
    dom::attr(skrivfelt_, "aria-label",
              oversettelse(skrivlinjenavn, {std::to_string(arket_.ventende_linjenr())}));
    dom::attr(skrivfelt_, "title", oversettelse(skrivlinjehjelp));
    const bool ny = skrivfelt_["hidden"].as<bool>();
    dom::skjul(skrivfelt_, false);
    if (ny) skrivfelt_.call<void>("focus");
    arket_.forhaandsvis(skrivfelt_["value"].as<std::string>(), linje(arket_.regnerad()));
}

int NettVindu::tastekode(std::string_view tast, unsigned endring) const {
    const Tastenavn navn = tastenavn(tast);
    // Alt with the key of a shortcut the browser keeps for itself is that shortcut.
    if ((endring & (alt | ctrl)) == alt &&
        nettleseren_beholder(navn, (endring & ~unsigned{alt}) | ctrl))
        endring = (endring & ~unsigned{alt}) | ctrl;
    for (const Meny& m : menyene())
        for (const Menypunkt& p : m.punkter) {
            // Ctrl+C is the key map's, which leaves text the pupil has selected to the browser.
            if (p.snarvei != Tastenavn::ingen && p.snarvei == navn && endring == endringen(p) &&
                p.handling != Menyhandling::kopier)
                return menykode + static_cast<int>(p.handling);
            // Ctrl++, Ctrl+= and Ctrl+- zoom the page's design, not the browser's page.
            if ((endring & ~unsigned{skift}) == ctrl && tast.size() == 1 &&
                p.tegn.find(tast[0]) != std::string_view::npos)
                return menykode + static_cast<int>(p.handling);
        }
    // A character typed is one UTF-8 code point; only single ASCII characters are in the map.
    const Tastevalg* v = finntastevalg(navn, endring, tast.size() == 1 ? tast : std::string_view());
    if (!v) return -1;
    if (v->handling == Tastehandling::kopier) {
        // Text the pupil has selected (in the About box, say) is copied as the browser does.
        val valgt = val::global("getSelection")();
        if (!valgt.isNull() && !valgt.call<std::string>("toString").empty()) return -1;
    }
    return static_cast<int>(v - tastevalg().data());
}

void NettVindu::tasthandling(int kode) {
    // A menu's shortcut, only while its item is usable.
    if (kode >= menykode && kode - menykode < antall_menyhandlinger)
        return menyvalg(arket_, *this, static_cast<Menyhandling>(kode - menykode));
    if (kode < 0 || kode >= static_cast<int>(tastevalg().size())) return;
    const Tastevalg& v = tastevalg()[static_cast<std::size_t>(kode)];
    // Exactly a click, and only while the key is usable.
    const auto klikk = [&](Tast t) {
        if (arket_.taster().test(t)) arket_.trykk(t);
    };
    switch (v.handling) {
        case Tastehandling::knapp:
            return klikk(v.knapp);
        case Tastehandling::minus:
            // "Trekk fra..." while it can be chosen; otherwise the minus is the negative sign.
            return klikk(arket_.taster().test(v.knapp) ? v.knapp : pm);
        case Tastehandling::nyoppgave:
            return arket_.nyoppgave_Click();
        case Tastehandling::kopier:
            return kopier();
    }
}

void NettVindu::kopier() {
    if (!arket_.har_oppgave()) return;
    val utklipp = val::global("navigator")["clipboard"];
    if (!utklipp.isUndefined()) utklipp.call<val>("writeText", arktekst(arket_.ark()));
}

void NettVindu::settzoom(std::string_view zoom) {
    // A step of the menu, or a factor between 50 % and 400 % from the keyboard.
    const double faktor = std::atof(std::string(zoom).c_str());
    if (zoom == "fyll" || (faktor >= minste_zoom && faktor <= stoerste_zoom)) zoom_ = zoom;
    dom::behold("balvo.zoom", zoom_);
    tilpass();
    vismenypunkter();
}

void NettVindu::settspraak(std::string_view spraak) {
    auto ny = std::make_unique<NettKatalog>(spraak);
    installerkatalog(ny.get());
    katalog_ = std::move(ny);
    dom::behold("balvo.spraak", katalog_->spraak());
    dom::dokument()["documentElement"].set("lang", std::string(katalog_->spraak()));
    oversett();
    navngi();
    bygglisten();
    velgflater();
    // The operand fields name their operations in the pupil's language too, and so do the
    // coach's rows and an open worked solution.
    arket_.tegnpaanytt();
    if (forslag_) visforslag(Veiledning(*forslag_));
    if (graf_) dom::tekst(dom::finn("krysning"), krysningstekst(*graf_));
    fyllklasse();
    meldfokus();
    val punkter = dom::dokument().call<val>("querySelectorAll", val("[data-h=spraak]"));
    for (int i = 0; i < punkter["length"].as<int>(); ++i) {
        val p = punkter[i];
        dom::attr(p, "aria-checked",
                  p["dataset"]["n"].as<std::string>() == katalog_->spraak() ? "true" : "false");
    }
}

void NettVindu::skrivut() {
    dom::finn("utskrift")["dataset"].delete_("oekt");
    forberedutskrift();
    val::global("window").call<void>("print");
}

}  // namespace balvo::nett
