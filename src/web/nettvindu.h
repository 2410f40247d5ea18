// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window in the browser: every control of the design's table as an element of the
// page, the worksheet rows and operand fields as canvases that the core's typesetter draws on,
// the menus, the message boxes and the three secondary windows. All decisions are the core's
// (Arket); this shell shows what it is told and forwards every click and key.
#include <emscripten/val.h>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/graph/graf.h"
#include "core/mainwindow/arket.h"
#include "core/mainwindow/opplesning.h"
#include "core/mainwindow/skall.h"
#include "core/mainwindow/tilfeldig.h"
#include "core/mainwindow/utforming.h"
#include "web/kontekst2d.h"
#include "web/lerretsflate.h"
#include "web/nettkatalog.h"

namespace balvo::nett {

// A canvas of the page with its drawing surface.
struct Lerretsboks {
    std::unique_ptr<Kontekst2d> lerret;
    std::unique_ptr<Lerretsflate> flate;
};

class NettVindu final : public Skall {
public:
    NettVindu();

    // Builds the page and starts the worksheet (Form_Load).
    void start();

    // A click on an element marked with data-h (handling) and data-n (its name).
    void klikk(std::string_view handling, std::string_view navn, bool paa);
    // What a key on the keyboard means here: a code for tasthandling, or -1 for nothing. Never
    // changes anything, so that the page can decide at once whether to keep the key.
    int tastekode(std::string_view tast, unsigned endring) const;
    void tasthandling(int kode);
    // After every handler: a screen reader is told what changed, in the words the desktop's
    // worksheet list uses, and the list follows.
    void endret();
    // The arrow keys, Home and End on the worksheet's list: 0 up, 1 down, 2 first, 3 last.
    void flytt(int retning);
    // The window's size or pixel density changed: a new scale, and the canvases repainted.
    void tilpass();
    // Fills the print section with the whole worksheet (before the browser prints).
    void forberedutskrift();
    // Work left for after the page has been painted: the shortest way of a new exercise, the
    // coach's table. The page asks after each handler and runs it a frame later.
    bool etterarbeid_venter() const;
    void etterarbeid();

    // What the worksheet logic asks of the window.
    Tegneflate& linje(int boks) override;
    Tegneflate& opfelt(int k) override;
    void setttaster(const Tastesett& brukbare) override;
    void visverdier(int nivaa, std::int64_t poeng, std::int64_t loeste) override;
    void diagnostikk(Diagnoseboks boks, const std::vector<std::string>& linjer) override;
    void tilforgrunnen() override;
    void melding(std::string_view tittel, std::string_view tekst) override;
    bool spoersmaal(std::string_view tittel, std::string_view tekst) override;
    void vismerke(double venstre, double topp) override;
    void skjulmerke() override;
    void visvurdering(std::string_view steg, std::string_view proeve) override;
    void visavstand(std::string_view tekst) override;
    void visforslag(const Veiledning& veiledning) override;

private:
    // A text of the catalogue on an element: its content or one attribute, set again when the
    // pupil changes language.
    struct Merketekst {
        emscripten::val element;
        Tekst tekst;
        const char* attributt;  // nullptr: the element's text
    };

    void byggkontroller(emscripten::val flate);
    void byggarkliste(emscripten::val flate);
    void ordnetab(emscripten::val flate);
    void bygglisten();
    void navngi();
    // The lesson record into the print, then the browser's print; `navn` is the item chosen.
    void skrivoekt(std::string_view navn);
    void lagrebilde();
    void byggmeny(emscripten::val linje);
    void byggmeldingsboks();
    void byggegenlikning();
    void bygggraf();
    void byggom();
    void byggforslag();
    void kopierforslag();
    emscripten::val byggvindu(const char* id, const Tekst& tittel, const Twips& flate);
    void sett(emscripten::val e, const Tekst& tekst, const char* attributt = nullptr);
    void oversett();
    void beskrivrader();
    void velgflater();
    void menyvalg(std::string_view navn);
    void hjelpvalg(std::string_view navn);
    void redigervalg(std::string_view navn);
    void skrivut();
    void kopier();
    void settzoom(std::string_view zoom);
    void settavstand(bool paa);            // the row "Avstand:" shown or not, and remembered
    void settregnselv(bool paa);           // "Regn selv" on or off, and remembered
    void regnselv(std::string_view navn);  // the line editor: "enter", "esc" or "vis" (typed)
    void visskrivfelt();                   // the line editor in its row while a line waits
    void settspraak(std::string_view spraak);
    void tegngrafen();
    // Shows a box and waits for the pupil's answer: true for "Ja".
    bool spoer(std::string_view tittel, std::string_view tekst, bool janei);

    // The secondary windows ("Egen likning", "Grafisk løsning", "Om Balvo").
    void egendef_Click();
    void mmPapir_Click();
    void om_Click();
    void egen_OK_Click();
    void lukk(const char* vindu);

    Klokketilfeldig tilfeldig_;
    Arket arket_{*this, tilfeldig_};
    // The words a screen reader hears, the same as on the desktop.
    Opplesning leser_{arket_};
    std::unique_ptr<NettKatalog> katalog_;

    std::array<Lerretsboks, 5> linjer_;
    std::array<Lerretsboks, 5> opfelter_;
    std::vector<emscripten::val> taster_{antall_taster, emscripten::val::undefined()};
    std::vector<std::pair<emscripten::val, Tasteflate>> flater_;  // key faces by scale
    std::vector<std::pair<emscripten::val, int>> sifferflater_;
    emscripten::val nivaa_ = emscripten::val::undefined();
    emscripten::val poeng_ = emscripten::val::undefined();
    emscripten::val loeste_ = emscripten::val::undefined();
    emscripten::val steg_ = emscripten::val::undefined();
    emscripten::val proeve_ = emscripten::val::undefined();
    emscripten::val avstand_ = emscripten::val::undefined();
    emscripten::val avstandledd_ = emscripten::val::undefined();    // its caption
    emscripten::val avstandpunkt_ = emscripten::val::undefined();   // "Avstand etter hvert steg"
    emscripten::val regnselvpunkt_ = emscripten::val::undefined();  // "Regn selv"
    emscripten::val skrivfelt_ = emscripten::val::undefined();      // its line editor
    emscripten::val flate_ = emscripten::val::undefined();          // the client area
    std::vector<emscripten::val> hjelpepunkter_;                    // "Tips", "Løsningsforslag"
    emscripten::val angrepunkt_ = emscripten::val::undefined();     // "Angre"
    bool veileder_klar_ = false;                                    // the coach's table is built
    emscripten::val merke_ = emscripten::val::undefined();
    emscripten::val dump_ = emscripten::val::undefined();
    emscripten::val diagnose_ = emscripten::val::undefined();
    emscripten::val rader_ = emscripten::val::undefined();
    std::array<std::string, 5> radtekst_;
    std::vector<Merketekst> tekster_;
    emscripten::val liste_ = emscripten::val::undefined();        // the worksheet's list
    emscripten::val arkfokus_ = emscripten::val::undefined();     // its dotted frame
    emscripten::val kunngjoring_ = emscripten::val::undefined();  // the live region

    std::string zoom_ = "fyll";
    double skala_ = 1;                 // CSS pixels per pixel of the design
    double tetthet_ = 1;               // the screen's device pixels per CSS pixel
    std::optional<Grafoppgave> graf_;  // the exercise the open graph window shows
    Lerretsboks graflerret_;
    std::vector<Lerretsboks> forslagsbokser_;  // the rows of "Løsningsforslag"
    std::optional<Veiledning> forslag_;        // the way it shows, while it is open
};

}  // namespace balvo::nett
