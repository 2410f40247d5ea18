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
#include "core/lessonfile/klasseoversikt.h"
#include "core/mainwindow/arket.h"
#include "core/mainwindow/menyvalg.h"
#include "core/mainwindow/opplesning.h"
#include "core/mainwindow/skall.h"
#include "core/mainwindow/tilfeldig.h"
#include "core/mainwindow/utforming.h"
#include "web/fingeroppsett.h"
#include "web/kontekst2d.h"
#include "web/lerretsflate.h"
#include "web/nettkatalog.h"

namespace balvo::nett {

// A secondary window brought to the top of the others.
void fremme(emscripten::val vindu);
// The header of a printed page: a title, the date, and captions with their values.
void skrivtopp(emscripten::val side, std::string_view tittel, std::string_view spraak,
               const std::vector<std::pair<std::string, std::string>>& verdier);
// Every line of a worksheet typeset as on screen, with its operation beside it.
void skrivlinjer(emscripten::val side, const Ark& ark);

// A canvas of the page with its drawing surface.
struct Lerretsboks {
    std::unique_ptr<Kontekst2d> lerret;
    std::unique_ptr<Lerretsflate> flate;
};

class NettVindu final : public Skall, private Menyskall {
public:
    NettVindu();

    // Builds the page and starts the worksheet (Form_Load).
    void start();
    // The generator's fixed seed for a scripted session (tests): the same exercises as the
    // desktop draws from the same seed.
    void settfroe(std::uint64_t froe) { tilfeldig_.settfroe(froe); }

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

    // What the worksheet logic asks of the window, as the page does it.
    // The rows and operand fields are canvases.
    Tegneflate& linje(int boks) override;
    Tegneflate& opfelt(int k) override;
    // Keys are buttons, disabled when not usable; a focused one that goes hands the focus on.
    void setttaster(const Tastesett& brukbare) override;
    void visverdier(int nivaa, std::int64_t poeng, std::int64_t loeste) override;
    void diagnostikk(Diagnoseboks boks, const std::vector<std::string>& linjer) override;
    void tilforgrunnen() override;  // the page is the main window: nothing to raise
    // The page's message box; the logic waits for the answer while the page runs (ASYNCIFY).
    void melding(std::string_view tittel, std::string_view tekst) override;
    bool spoersmaal(std::string_view tittel, std::string_view tekst) override;
    // The marker is an element over the worksheet, placed in CSS pixels.
    void vismerke(double venstre, double topp) override;
    void skjulmerke() override;
    // The rows "Steg:", "Prøve:" and "Avstand:" fit their text by a smaller font.
    void visvurdering(std::string_view steg, std::string_view proeve) override;
    void visavstand(std::string_view tekst) override;
    void visforslag(const Veiledning& veiledning) override;  // its own window on the page

private:
    // A text of the catalogue on an element: its content or one attribute, set again when the
    // pupil changes language.
    struct Merketekst {
        emscripten::val element;
        Tekst tekst;
        const char* attributt;  // nullptr: the element's text
    };

    void byggkontroller(emscripten::val flate);
    void byggarkliste();
    void ordnetab();
    void bygglisten();
    // The worksheet's element in focus said again, as the desktop's list does when the focus
    // comes back to it: in a new language, after a box.
    void meldfokus();
    void navngi();
    // The lesson record into the print, then the browser's print.
    void skrivoekt();
    void lagrebilde();
    // "Økt": the lesson record printed, saved (as PDF or a lesson file) or the class overview.
    void byggoektlagring();
    void lagreoekt();
    // The class overview: its window, the files the page read, a pupil's exercises and the
    // worksheet of one, printed; `navn` is the control ("les", "csv", "elev:2", ...).
    void byggklasse();
    void aapneklasse();
    void klassevalg(std::string_view navn);
    void lesklasse();
    void fyllklasse();
    void skrivutklasse();
    void byggmeny(emscripten::val linje);
    void byggmeldingsboks();
    void byggegenlikning();
    void bygggraf();
    void byggom();
    void byggforslag();
    void byggvinduer();  // the secondary windows, once
    void tilpassegen();  // the own equation's window at the page's scale
    // The room the page has: its size under the menu bar, its pixel density, and whether its
    // pointer is a finger (the page's class "fingre" is set by it).
    struct Rom {
        double bredde = 0, hoeyde = 0, tetthet = 1;
        bool fingre = false;
    };
    Rom maalrommet();
    void tilpass(const Rom& rom);
    void kopierforslag();
    emscripten::val byggvindu(const char* id, const Tekst& tittel, const Twips& flate);
    void sett(emscripten::val e, const Tekst& tekst, const char* attributt = nullptr);
    void oversett();
    void beskrivrader();
    void velgflater();
    // The window's parts each at its scale: on a touch screen a finger's size (fingeroppsett.h),
    // otherwise all alike at the page's scale, as designed.
    void plasserdelene(const Fingeroppsett* fingre);
    void menyklikk(std::string_view navn);  // a menu item by its name
    // What the core's dispatcher (menyvalg.h) has the page do.
    double zoom() const override { return skala_; }
    bool fyller() const override { return zoom_ == "fyll"; }
    void visegenlikning() override { egendef_Click(); }
    void visgrafen() override { mmPapir_Click(); }
    void skrivutarket() override { skrivut(); }
    void lagrearket() override { lagrebilde(); }
    void visom() override { om_Click(); }
    void visangret() override {}  // the page calls endret after every handler
    void kopierarket() override { kopier(); }
    void visavstandsrad(bool paa) override;
    void visregnselv(bool paa) override;
    void huskhjelpvalg(Menyhandling handling, bool paa) override;
    void velgzoom(double zoom) override;
    void fyllvinduet() override { settzoom("fyll"); }
    void lagreoekta() override { lagreoekt(); }
    void skrivutoekta() override { skrivoekt(); }
    void visklasseoversikt() override { aapneklasse(); }
    void vismenypunkter();  // every menu item usable as the worksheet and the zoom allow
    void skrivut();
    void kopier();
    void settzoom(std::string_view zoom);
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
    std::vector<emscripten::val> verdier_{antall_etikettroller, emscripten::val::undefined()};
    emscripten::val& verdi(Etikettrolle rolle) {
        return verdier_.at(static_cast<std::size_t>(rolle));
    }
    std::vector<emscripten::val> menypunkter_{antall_menyhandlinger,
                                              emscripten::val::undefined()};  // by action
    bool veileder_klar_ = false;                                // the coach's table is built
    bool vinduer_bygd_ = false;                                 // the secondary windows are built
    bool fingre_ = false;                                       // a touch screen
    emscripten::val skrivfelt_ = emscripten::val::undefined();  // "Regn selv"'s line editor
    emscripten::val merke_ = emscripten::val::undefined();
    emscripten::val dump_ = emscripten::val::undefined();
    emscripten::val diagnose_ = emscripten::val::undefined();
    emscripten::val rader_ = emscripten::val::undefined();
    std::array<std::string, 5> radtekst_;
    std::vector<Merketekst> tekster_;
    emscripten::val liste_ = emscripten::val::undefined();        // the worksheet's list
    emscripten::val arkfokus_ = emscripten::val::undefined();     // its dotted frame
    emscripten::val kunngjoring_ = emscripten::val::undefined();  // the live region
    // The containers of the window's three parts (Del), in the page's (the Tab) order.
    std::array<emscripten::val, 3> deler_{
        emscripten::val::undefined(), emscripten::val::undefined(), emscripten::val::undefined()};

    std::string zoom_ = "fyll";
    double skala_ = 1;                 // CSS pixels per pixel of the design
    double tetthet_ = 1;               // the screen's device pixels per CSS pixel
    double tastskala_ = 1;             // the keypad's scale (larger for a finger)
    std::optional<Grafoppgave> graf_;  // the exercise the open graph window shows
    Lerretsboks graflerret_;
    std::vector<Lerretsboks> forslagsbokser_;  // the rows of "Løsningsforslag"
    std::optional<Veiledning> forslag_;        // the way it shows, while it is open
    emscripten::val lagreoekt_tittel_ = emscripten::val::undefined();
    // The pupil's name for a lesson file: asked once per run, never kept.
    std::optional<std::string> elevnavn_;
    Klasseoversikt klasse_;  // the files read into the class overview
    int klasseelev_ = -1;    // the pupil and the exercise chosen in it
    int klasseoppgave_ = -1;
};

}  // namespace balvo::nett
