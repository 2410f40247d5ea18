// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson file and the class overview in the browser: "Lagre økta som..." prints the lesson
// record (to paper or PDF) or downloads it as a lesson file; "Åpne klasseoversikt..." reads the
// files the teacher chooses or drops on the page, and shows what core/lessonfile makes of them.
#include <emscripten.h>
#include <emscripten/val.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/document/dokumenttekster.h"
#include "core/document/sideoppsett.h"
#include "core/lessonfile/klasseoversikt.h"
#include "core/lessonfile/oektfil.h"
#include "core/mainwindow/meldinger.h"
#include "core/mainwindow/tastekart.h"
#include "web/dom.h"
#include "web/nettvindu.h"

// Shows the box "Lagre økta som" and waits for the pupil: -1 for "Avbryt", 0 for a PDF (the
// browser's print), 1 for a lesson file. The name's field shows only while it is asked for.
// clang-format off
EM_ASYNC_JS(int, vent_paa_lagring, (int spoer_navn), {
    const boks = document.getElementById("oektlagring");
    const type = document.getElementById("oektlagring_type");
    const navnrad = document.getElementById("oektlagring_navnrad");
    const vis = function() { navnrad.hidden = !spoer_navn || type.value !== "balvo"; };
    type.onchange = vis;
    vis();
    boks.returnValue = "";
    boks.showModal();
    type.focus();
    return await new Promise(function(svar) {
        boks.addEventListener("close", function() {
            svar(boks.returnValue === "lagre" ? (type.value === "balvo" ? 1 : 0) : -1);
        }, {once: true});
    });
});
// clang-format on

namespace balvo::nett {

using emscripten::val;

namespace {

constexpr Tekst filtype = BALVO_TR("Nett", "Filtype:");
constexpr Tekst lagre_knapp = BALVO_TR("Nett", "Lagre");
constexpr Tekst avbryt_knapp = BALVO_TR("Nett", "Avbryt");

constexpr Tekst slipp_her =
    BALVO_TR("Nett", "Velg økt-filene (*.balvo), eller slipp dem her i vinduet.");
constexpr Tekst ikke_aapnet = BALVO_TR("Kommandolinje", "Filen kunne ikke åpnes.");

// The overview's window in the design's twips: wide enough for the pupils' twelve columns.
constexpr Twips klasseflate{0, 0, 14400, 9600};

// The local time now as the desktop writes it into a lesson file: "2026-12-08T13:51:57".
std::string naa() {
    val d = val::global("Date").new_();
    const auto to = [](int v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    return std::to_string(d.call<int>("getFullYear")) + "-" + to(d.call<int>("getMonth") + 1) +
           "-" + to(d.call<int>("getDate")) + "T" + to(d.call<int>("getHours")) + ":" +
           to(d.call<int>("getMinutes")) + ":" + to(d.call<int>("getSeconds"));
}

// Hands the text to the browser as a download; nothing leaves the pupil's machine.
void lastned(std::string_view innhold, const std::string& filnavn, const char* type) {
    val deler = val::array();
    // A byte-order mark goes as bytes: the page's UTF-8 decoding of a text would drop it.
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (innhold.starts_with(bom)) {
        val merke = val::global("Uint8Array").new_(3);
        for (int i = 0; i < 3; ++i) merke.set(i, static_cast<unsigned char>(bom[i]));
        deler.call<void>("push", merke);
        innhold.remove_prefix(bom.size());
    }
    deler.call<void>("push", val(std::string(innhold)));
    val valg = val::object();
    valg.set("type", type);
    val url =
        val::global("URL").call<val>("createObjectURL", val::global("Blob").new_(deler, valg));
    val lenke = dom::lag("a", val::global("document")["body"]);
    dom::attr(lenke, "download", filnavn);
    lenke.set("href", url);
    lenke.call<void>("click");
    lenke.call<void>("remove");
    val::global("setTimeout")(
        val::global("URL")["revokeObjectURL"].call<val>("bind", val::global("URL"), url),
        val(60000));
}

std::string utenprikker(std::string s) {
    while (!s.empty() && (s.back() == '.' || s.back() == ' ')) s.pop_back();
    // "…" written as one character
    if (s.size() >= 3 && s.ends_with("\u2026")) s.resize(s.size() - 3);
    return s;
}

std::string oekttekst(std::string_view navn) {
    for (const Menypunkt& m : oektmenyen())
        if (m.navn == navn) return utenprikker(oversettelse(m.tekst));
    return {};
}

// A table of the core's rows; each row of a clickable table is a button in its first cell,
// so that the keyboard reaches it too.
val lagtabell(val forelder, std::string_view id, const Tabellrad& hode,
              const std::vector<Tabellrad>& rader, const char* radvalg, int valgt) {
    val t = dom::lag("table", forelder, id, "klassetabell");
    val r = dom::lag("tr", dom::lag("thead", t));
    for (const std::string& h : hode) dom::tekst(dom::lag("th", r), h);
    val kropp = dom::lag("tbody", t);
    for (std::size_t i = 0; i < rader.size(); ++i) {
        val rad = dom::lag("tr", kropp);
        if (radvalg) {
            dom::attr(rad, "data-h", "klasse");
            dom::attr(rad, "data-n", std::string(radvalg) + ":" + std::to_string(i));
            if (static_cast<int>(i) == valgt) dom::attr(rad, "class", "valgt");
        }
        for (std::size_t k = 0; k < rader[i].size(); ++k) {
            val c = dom::lag("td", rad);
            if (radvalg && k == 0) {
                val b = dom::lag("button", c, {}, "radknapp");
                dom::attr(b, "type", "button");
                dom::tekst(b, rader[i][k].empty() ? "\u2013" : rader[i][k]);
            } else {
                dom::tekst(c, rader[i][k]);
            }
        }
    }
    return t;
}

}  // namespace

void NettVindu::byggoektlagring() {
    val boks = dom::lag("dialog", dom::finn("app"), "oektlagring", "modal");
    dom::attr(boks, "aria-labelledby", "oektlagring_tittel");
    val skjema = dom::lag("form", boks);
    dom::attr(skjema, "method", "dialog");
    val tittel = dom::lag("div", skjema, "oektlagring_tittel", "tittellinje");
    dom::tekst(tittel, oekttekst("lagreoekt"));
    lagreoekt_tittel_ = tittel;
    val felt = dom::lag("div", skjema, {}, "felter");
    val typerad = dom::lag("label", felt);
    sett(dom::lag("span", typerad), filtype);
    val type = dom::lag("select", typerad, "oektlagring_type");
    for (const auto& [verdi, tekst] :
         {std::pair{"pdf", pdf_filtype}, std::pair{"balvo", oekt_filtype}}) {
        val v = dom::lag("option", type);
        dom::attr(v, "value", verdi);
        sett(v, tekst);
    }
    val navnrad = dom::lag("label", felt, "oektlagring_navnrad");
    sett(dom::lag("span", navnrad), navnespoersmaal);
    val navn = dom::lag("input", navnrad, "oektlagring_navn");
    dom::attr(navn, "type", "text");
    dom::attr(navn, "maxlength", std::to_string(oektfil_maks_navn));
    dom::attr(navn, "autocomplete", "off");
    val knapper = dom::lag("div", skjema, {}, "knapper");
    for (const auto& [verdi, tekst] :
         {std::pair{"lagre", lagre_knapp}, std::pair{"avbryt", avbryt_knapp}}) {
        val k = dom::lag("button", knapper);
        dom::attr(k, "value", verdi);
        sett(k, tekst);
    }
}

void NettVindu::lagreoekt() {
    dom::tekst(lagreoekt_tittel_, oekttekst("lagreoekt"));
    const int valg = vent_paa_lagring(elevnavn_ ? 0 : 1);
    if (valg < 0) return;
    if (valg == 0) return skrivoekt();
    // Once per run: the name stays for every later file, and nothing of it is kept.
    if (!elevnavn_) {
        std::string navn = dom::finn("oektlagring_navn")["value"].as<std::string>();
        const auto start = navn.find_first_not_of(" \t");
        navn = start == std::string::npos ? "" : navn.substr(start);
        while (!navn.empty() && (navn.back() == ' ' || navn.back() == '\t')) navn.pop_back();
        elevnavn_ = navn;
    }
    lastned(skrivoektfil(lagoektfil(arket_.oekt(), *elevnavn_, naa())), oversettelse(oektfil_navn),
            "application/json");
}

void NettVindu::byggklasse() {
    val innhold = byggvindu("Klasseoversikt", klassetittel, klasseflate);
    val k = dom::lag("div", innhold, "klasse", "klasse");
    val linje = dom::lag("div", k, {}, "klasselinje");
    val filer = dom::lag("input", linje, "klassefiler");
    dom::attr(filer, "type", "file");
    dom::attr(filer, "multiple", "");
    dom::attr(filer, "accept", ".balvo,application/json");
    // One byte past the largest file read is enough for the reader to refuse it.
    dom::attr(filer, "data-grense", std::to_string(oektfil_maks_bytes + 1));
    sett(filer, klasse_velg_filer, "aria-label");
    sett(dom::lag("span", linje, {}, "slipp"), slipp_her);
    for (const auto& [navn, tekst] :
         {std::pair{"skrivut", klasse_skriv_ut}, std::pair{"csv", klasse_som_csv}}) {
        val b = dom::lag("button", linje, std::string("klasse_") + navn);
        dom::attr(b, "type", "button");
        dom::attr(b, "data-h", "klasse");
        dom::attr(b, "data-n", navn);
        b.set("disabled", true);
        sett(b, tekst);
    }
    sett(dom::lag("h3", k), klasse_elevtittel);
    dom::lag("div", k, "klasse_elever", "tabellramme");
    sett(dom::lag("h3", k), klasse_nivaatittel);
    dom::lag("div", k, "klasse_nivaaer", "tabellramme");
    val ul = dom::lag("div", k, "klasse_ulesbare");
    sett(dom::lag("h3", ul), klasse_uleseligtittel);
    dom::lag("ul", ul, "klasse_uleselige");
    dom::skjul(ul, true);
    val bunn = dom::lag("div", k, {}, "klassebunn");
    dom::lag("div", bunn, "klasse_oppgaver", "tabellramme");
    val ark = dom::lag("div", bunn, "klasse_ark", "arkvisning");
    sett(dom::lag("p", ark), klasse_velg_elev);
}

void NettVindu::aapneklasse() {
    val vindu = dom::finn("Klasseoversikt");
    fremme(vindu);
    if (!vindu["open"].as<bool>()) vindu.call<void>("show");
    dom::finn("klassefiler").call<void>("focus");
}

void NettVindu::klassevalg(std::string_view navn) {
    if (navn == "les") return lesklasse();
    if (navn == "skrivut") return skrivutklasse();
    if (navn == "csv") {
        if (klasse_.elever.empty()) return;
        return lastned(klassecsv(klasse_, true), oversettelse(klasse_csv_navn),
                       "text/csv;charset=utf-8");
    }
    const auto tall = [&](std::string_view foran) {
        return std::atoi(std::string(navn.substr(foran.size())).c_str());
    };
    if (navn.starts_with("elev:")) {
        klasseelev_ = tall("elev:");
        klasseoppgave_ = -1;
        return fyllklasse();
    }
    if (navn.starts_with("oppgave:")) {
        klasseoppgave_ = tall("oppgave:");
        return fyllklasse();
    }
}

void NettVindu::lesklasse() {
    // The page left the files' names and bytes (or null for a file it could not read).
    val innfiler = val::global("Module")["innfiler"];
    if (innfiler.isUndefined() || innfiler.isNull()) return;
    std::vector<Innfil> filer;
    std::vector<Uleselig> uaapnet;
    const int n = innfiler["length"].as<int>();
    for (int i = 0; i < n; ++i) {
        val f = innfiler[i];
        const std::string navn = f["navn"].as<std::string>();
        if (f["data"].isNull() || f["data"].isUndefined()) {
            uaapnet.push_back({navn, oversettelse(ikke_aapnet)});
            continue;
        }
        const std::vector<std::uint8_t> data =
            emscripten::convertJSArrayToNumberVector<std::uint8_t>(f["data"]);
        filer.push_back({navn, std::string(data.begin(), data.end())});
    }
    val::global("Module").set("innfiler", val::null());
    klasse_ = lagklasseoversikt(filer);
    klasse_.uleselige.insert(klasse_.uleselige.begin(), uaapnet.begin(), uaapnet.end());
    klasseelev_ = klasse_.elever.empty() ? -1 : 0;
    klasseoppgave_ = -1;
    aapneklasse();
    fyllklasse();
}

void NettVindu::fyllklasse() {
    const auto fyll = [](const char* id, val tabell) {
        val ramme = dom::finn(id);
        ramme.set("innerHTML", "");
        ramme.call<void>("appendChild", tabell);
    };
    fyll("klasse_elever", lagtabell(val::undefined(), "klasse_elevtabell", elevoverskrifter(),
                                    elevrader(klasse_), "elev", klasseelev_));
    fyll("klasse_nivaaer", lagtabell(val::undefined(), "klasse_nivaatabell", nivaaoverskrifter(),
                                     nivaarader(klasse_), nullptr, -1));
    val liste = dom::finn("klasse_uleselige");
    liste.set("innerHTML", "");
    for (const Uleselig& u : klasse_.uleselige)
        dom::tekst(dom::lag("li", liste), u.fil + ": " + u.grunn);
    dom::skjul(dom::finn("klasse_ulesbare"), klasse_.uleselige.empty());
    for (const char* b : {"klasse_skrivut", "klasse_csv"})
        dom::finn(b).set("disabled", klasse_.elever.empty() && klasse_.uleselige.empty());
    dom::finn("klasse_oppgaver").set("innerHTML", "");
    val ark = dom::finn("klasse_ark");
    ark.set("innerHTML", "");
    if (klasseelev_ < 0 || klasseelev_ >= static_cast<int>(klasse_.elever.size())) {
        dom::tekst(dom::lag("p", ark), oversettelse(klasse_velg_elev));
        return;
    }
    const Elevoekt& e = klasse_.elever[static_cast<std::size_t>(klasseelev_)];
    val oppgaver = dom::finn("klasse_oppgaver");
    dom::tekst(dom::lag("p", oppgaver, "klasse_elevtittel"), elevoverskrift(e));
    oppgaver.call<void>("appendChild",
                        lagtabell(val::undefined(), "klasse_oppgavetabell", oppgaveoverskrifter(),
                                  oppgaverader(e), "oppgave", klasseoppgave_));
    const Loggpost* p = klasseoppgave_ < 0
                            ? nullptr
                            : elevoppgave(klasse_, static_cast<std::size_t>(klasseelev_),
                                          static_cast<std::size_t>(klasseoppgave_));
    if (!p || !p->ark) {
        dom::tekst(dom::lag("p", ark), oversettelse(klasse_velg_elev));
        return;
    }
    // The worksheet as the program draws it, under the pupil's name and the file's time.
    val topp = dom::lag("header", ark);
    dom::tekst(dom::lag("h4", topp), e.navn);
    dom::tekst(dom::lag("span", topp, {}, "dato"), tidspunkttekst(e.tidspunkt));
    skrivlinjer(ark, *p->ark);
}

void NettVindu::skrivutklasse() {
    val side = dom::finn("utskrift");
    side.set("innerHTML", "");
    // Printed as it is; the next print is the worksheet's again (afterprint).
    side["dataset"].set("oekt", "1");
    val del = dom::lag("section", side, {}, "klasseside");
    skrivtopp(del, oversettelse(klassetittel), katalog_->spraak(), {});
    dom::tekst(dom::lag("h2", del), oversettelse(klasse_elevtittel));
    lagtabell(del, {}, elevoverskrifter(), elevrader(klasse_), nullptr, -1);
    dom::tekst(dom::lag("h2", del), oversettelse(klasse_nivaatittel));
    lagtabell(del, {}, nivaaoverskrifter(), nivaarader(klasse_), nullptr, -1);
    if (!klasse_.uleselige.empty()) {
        dom::tekst(dom::lag("h2", del), oversettelse(klasse_uleseligtittel));
        val liste = dom::lag("ul", del);
        for (const Uleselig& u : klasse_.uleselige)
            dom::tekst(dom::lag("li", liste), u.fil + ": " + u.grunn);
    }
    val::global("window").call<void>("print");
}

}  // namespace balvo::nett
