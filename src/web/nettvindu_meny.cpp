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

// Menu items come after the key map's entries in the codes of tastekode: "Valg", "Hjelp",
// "Rediger".
constexpr int menykode = 1000;
constexpr int hjelpkode = 2000;
constexpr int redigerkode = 3000;
constexpr int oektkode = 4000;
constexpr int viskode = 5000;  // "Større", "Mindre", "Vanlig størrelse" by Ctrl and a character

// The menus with shortcuts, and the codes their items get in tastekode.
struct Snarveimeny {
    std::span<const Menypunkt> punkter;
    int kode;
};
std::array<Snarveimeny, 4> snarveimenyer() {
    return {{{valgmenyen(), menykode},
             {hjelpmenyen(), hjelpkode},
             {redigermenyen(), redigerkode},
             {oektmenyen(), oektkode}}};
}

unsigned endringen(const Menypunkt& m) {
    return ctrl | (m.skift ? skift : 0u);
}

// "Vis": the zoom of the page, "Fyll vinduet" or a fixed scale of the design.
struct Zoomvalg {
    std::string_view navn;
    Tekst tekst;
};
constexpr Zoomvalg zoomvalg[] = {
    {"fyll", BALVO_TR("Nett", "Fyll vinduet")}, {"1", BALVO_TR("Nett", "100 %")},
    {"1.25", BALVO_TR("Nett", "125 %")},        {"1.5", BALVO_TR("Nett", "150 %")},
    {"2", BALVO_TR("Nett", "200 %")},
};
constexpr Tekst vismeny = BALVO_TR("Nett", "Vis");
constexpr Tekst menylinjenavn = BALVO_TR("Nett", "Menylinje");

Tastenavn tastenavn(std::string_view tast) {
    if (tast.size() == 1) {
        switch (std::tolower(static_cast<unsigned char>(tast[0]))) {
            case 'b':
                return Tastenavn::b;
            case 'c':
                return Tastenavn::c;
            case 'e':
                return Tastenavn::e;
            case 'f':
                return Tastenavn::f;
            case 'g':
                return Tastenavn::g;
            case 'k':
                return Tastenavn::k;
            case 'l':
                return Tastenavn::l;
            case 'n':
                return Tastenavn::n;
            case 'p':
                return Tastenavn::p;
            case 'r':
                return Tastenavn::r;
            case 's':
                return Tastenavn::s;
            case 't':
                return Tastenavn::t;
            case 'x':
                return Tastenavn::x;
            case 'z':
                return Tastenavn::z;
            default:
                return Tastenavn::ingen;
        }
    }
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

    // The items of a menu from the core's table, as on the desktop: text, shortcut, separators.
    const auto punkter = [&](val liste, const char* handling, std::span<const Menypunkt> tabell) {
        std::vector<val> lagd;
        for (const Menypunkt& m : tabell) {
            if (!m.tekst.kilde) {
                dom::attr(dom::lag("div", liste, {}, "skille"), "role", "separator");
                continue;
            }
            val p = punkt(liste, handling, m.navn, "menuitem");
            sett(dom::lag("span", p), m.tekst);
            dom::attr(p, "id", m.navn);
            // The browser's own shortcuts are given with Alt instead.
            const unsigned e = nettendring(m.snarvei, endringen(m));
            if (const std::string s = snarveitekst(m.snarvei, e); !s.empty()) {
                dom::tekst(dom::lag("span", p, {}, "snarvei"), s);
                dom::attr(p, "aria-keyshortcuts", snarveinavn(m.snarvei, e));
            }
            lagd.push_back(p);
        }
        return lagd;
    };

    // "Valg" keeps its items and their order.
    punkter(meny("Meny", valgmeny), "meny", valgmenyen());
    // "Rediger" after "Valg": "Angre", usable while there is a step to take back, and
    // "Kopier arket".
    for (val p : punkter(meny("Rediger", redigermeny), "rediger", redigermenyen()))
        if (p["id"].as<std::string>() == "angre") {
            p.set("disabled", true);
            angrepunkt_ = p;
        }
    // The coach's menu, after "Rediger"; its items are usable while an exercise is on the
    // newest line.
    for (val p : punkter(meny("Hjelp", hjelpmeny), "hjelp", hjelpmenyen())) {
        if (p["id"].as<std::string>() == "regnselv") {
            // "Regn selv": on or off, usable at any time.
            dom::attr(p, "role", "menuitemcheckbox");
            dom::attr(p, "aria-checked", "false");
            regnselvpunkt_ = p;
            continue;
        }
        if (p["id"].as<std::string>() == "avstand") {
            // "Avstand etter hvert steg": on or off, usable at any time.
            dom::attr(p, "role", "menuitemcheckbox");
            dom::attr(p, "aria-checked", "false");
            avstandpunkt_ = p;
            continue;
        }
        p.set("disabled", true);
        hjelpepunkter_.push_back(p);
    }

    val vis = meny("Vis", vismeny);
    for (const Zoomvalg& z : zoomvalg) {
        val p = punkt(vis, "zoom", z.navn, "menuitemradio");
        sett(dom::lag("span", p), z.tekst);
        dom::attr(p, "aria-checked", z.navn == zoom_ ? "true" : "false");
    }
    // "Økt" after "Vis": the lesson record, printed or saved as PDF by the browser.
    punkter(meny("Oekt", oektmeny), "oekt", oektmenyen());
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

void NettVindu::settavstand(bool paa) {
    arket_.settavstand(paa);
    dom::skjul(avstand_, !paa);
    dom::skjul(avstandledd_, !paa);
    dom::plasser(proeve_, proevested(paa));
    dom::attr(avstandpunkt_, "aria-checked", paa ? "true" : "false");
    arket_.tegnpaanytt();
}

void NettVindu::klikk(std::string_view handling, std::string_view navn, bool paa) {
    if (handling == "tast")
        return arket_.trykk(static_cast<Tast>(std::atoi(std::string(navn).c_str())), paa);
    if (handling == "nyoppgave") return arket_.nyoppgave_Click();
    if (handling == "meny") return menyvalg(navn);
    if (handling == "hjelp") return hjelpvalg(navn);
    if (handling == "regnselv") return regnselv(navn);
    if (handling == "rediger") return redigervalg(navn);
    if (handling == "oekt") return skrivoekt(navn);
    if (handling == "liste") return flytt(std::atoi(std::string(navn).c_str()));
    if (handling == "kopierforslag") return kopierforslag();
    if (handling == "zoom") return settzoom(navn);
    if (handling == "spraak") return settspraak(navn);
    if (handling == "egen_ok") return egen_OK_Click();
    if (handling == "lukk") return lukk(std::string(navn).c_str());
}

void NettVindu::menyvalg(std::string_view navn) {
    if (navn == "egendef") return egendef_Click();
    if (navn == "mmPapir") return mmPapir_Click();
    // Printing is the browser's own print of the whole worksheet (on paper or as a PDF);
    // saving downloads the worksheet as one picture.
    if (navn == "Utskrift") return skrivut();
    if (navn == "Lagre") return lagrebilde();
    if (navn == "om") return om_Click();
}

void NettVindu::redigervalg(std::string_view navn) {
    if (navn == "angre") return arket_.angre();
    if (navn == "kopier") return kopier();
}

void NettVindu::settregnselv(bool paa) {
    arket_.settregnselv(paa);
    dom::attr(regnselvpunkt_, "aria-checked", paa ? "true" : "false");
}

void NettVindu::hjelpvalg(std::string_view navn) {
    if (navn == "regnselv") {
        settregnselv(!arket_.regnselv());
        return dom::behold("balvo.regnselv", arket_.regnselv() ? "1" : "0");
    }
    if (navn == "avstand") {
        settavstand(!arket_.avstand());
        return dom::behold("balvo.avstand", arket_.avstand() ? "1" : "0");
    }
    if (navn == "tips") return arket_.Tips_Click();
    if (navn == "loesningsforslag") return arket_.Loesningsforslag_Click();
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
              oversettelse(BALVO_TR("Regn selv", "Skriv linje %1"),
                           {std::to_string(arket_.ventende_linjenr())}));
    dom::attr(
        skrivfelt_, "title",
        oversettelse(BALVO_TR(
            "Regn selv",
            "Skriv linjen steget gir, for eksempel 2x = 4, og trykk Enter. Esc viser linjen.")));
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
    for (const auto& [meny, kode] : snarveimenyer())
        for (std::size_t i = 0; i < meny.size(); ++i)
            // Ctrl+C is the key map's, which leaves text the pupil has selected to the browser.
            if (meny[i].snarvei != Tastenavn::ingen && meny[i].snarvei == navn &&
                endring == endringen(meny[i]) && meny[i].navn != "kopier")
                return kode + static_cast<int>(i);
    // Ctrl++, Ctrl+= and Ctrl+- zoom the page's design, not the browser's page.
    if ((endring & ~unsigned{skift}) == ctrl && tast.size() == 1) {
        const auto vis = vismenyen();
        for (std::size_t i = 0; i < vis.size(); ++i)
            if (vis[i].tegn.find(tast[0]) != std::string_view::npos)
                return viskode + static_cast<int>(i);
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
    const auto meny = valgmenyen();
    if (kode >= menykode && kode - menykode < static_cast<int>(meny.size()))
        return menyvalg(meny[static_cast<std::size_t>(kode - menykode)].navn);
    // "Tips" and "Løsningsforslag" only while their items are usable.
    const auto hjelp = hjelpmenyen();
    if (kode >= hjelpkode && kode - hjelpkode < static_cast<int>(hjelp.size()))
        return hjelpvalg(hjelp[static_cast<std::size_t>(kode - hjelpkode)].navn);
    // "Angre" and "Kopier arket"; "Angre" does nothing where there is nothing to take back.
    const auto rediger = redigermenyen();
    if (kode >= redigerkode && kode - redigerkode < static_cast<int>(rediger.size()))
        return redigervalg(rediger[static_cast<std::size_t>(kode - redigerkode)].navn);
    if (kode >= oektkode && kode - oektkode < static_cast<int>(oektmenyen().size()))
        return skrivoekt(oektmenyen()[static_cast<std::size_t>(kode - oektkode)].navn);
    if (kode >= viskode && kode - viskode < static_cast<int>(vismenyen().size())) {
        const std::string_view vis = vismenyen()[static_cast<std::size_t>(kode - viskode)].navn;
        const double z = vis == "stoerre"  ? stoerre_zoom(skala_)
                         : vis == "mindre" ? mindre_zoom(skala_)
                                           : 1.0;
        char t[16];
        std::snprintf(t, sizeof t, "%g", z);
        return settzoom(t);
    }
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
    val punkter = dom::dokument().call<val>("querySelectorAll", val("[data-h=zoom]"));
    for (int i = 0; i < punkter["length"].as<int>(); ++i) {
        val p = punkter[i];
        dom::attr(p, "aria-checked",
                  p["dataset"]["n"].as<std::string>() == zoom_ ? "true" : "false");
    }
    tilpass();
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
    val punkter = dom::dokument().call<val>("querySelectorAll", val("[data-h=spraak]"));
    for (int i = 0; i < punkter["length"].as<int>(); ++i) {
        val p = punkter[i];
        dom::attr(p, "aria-checked",
                  p["dataset"]["n"].as<std::string>() == katalog_->spraak() ? "true" : "false");
    }
}

void NettVindu::skrivut() {
    if (!arket_.har_oppgave()) {
        melding(oversettelse(tittel_etteretning), oversettelse(ingen_oppgave_skrive));
        return;
    }
    dom::finn("utskrift")["dataset"].delete_("oekt");
    forberedutskrift();
    val::global("window").call<void>("print");
}

}  // namespace balvo::nett
