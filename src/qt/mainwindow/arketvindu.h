// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window on screen: every control of the worksheet, the exercise controls and the
// keypad, laid out as designed. All decisions are the worksheet logic's (Arket); this window
// shows what it is told and forwards every click.
#include <QLoggingCategory>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

#include "core/mainwindow/arket.h"
#include "core/mainwindow/menyvalg.h"
#include "core/mainwindow/skall.h"
#include "core/mainwindow/tilfeldig.h"
#include "core/mainwindow/utforming.h"
#include "qt/document/eksport.h"

class QAbstractButton;
class QAction;
class QLabel;
class QPushButton;
class QScrollArea;
class QLineEdit;

namespace balvo {

class Arkliste;
class egenlikning;
class mmArk;
class frmOm;
class Loesningsforslag;

namespace ui {
class Bildeboks;
class Zoomstil;
}  // namespace ui

// The hidden diagnostic texts, one message per line; off unless enabled with
// QT_LOGGING_RULES="balvo.diagnostikk=true".
Q_DECLARE_LOGGING_CATEGORY(diagnostikklogg)

class ArketVindu : public QMainWindow, public Skall, private Menyskall {
    Q_OBJECT
public:
    explicit ArketVindu(QWidget* forelder = nullptr);

    Arket& arket() { return arket_; }
    // The generator's fixed seed for a scripted session (tests): the same exercises as the web
    // edition draws from the same seed.
    void settfroe(std::uint64_t froe) { tilfeldig_.settfroe(froe); }
    // What saving and printing need of the window.
    Hovedvindu hovedvindu() { return {*this, arket_, *this}; }

    // The controls the core's keys name, the worksheet rows and the new-exercise button.
    QAbstractButton* tast(Tast t) const { return taster_.at(static_cast<std::size_t>(t)); }
    ui::Bildeboks* linjeboks(int rad) const { return linjer_.at(static_cast<std::size_t>(rad)); }
    ui::Bildeboks* feltboks(int rad) const { return opfelter_.at(static_cast<std::size_t>(rad)); }
    QPushButton* nyoppgaveknapp() const { return nyoppgave_; }
    Arkliste* arkliste() const { return arkliste_; }
    QScrollArea* rulle() const { return rulle_; }  // the client area, scrolled when zoomed
    // The menu item that does this; nullptr for a separator.
    QAction* menypunkt(Menyhandling handling) const {
        return menypunkter_.at(static_cast<std::size_t>(handling));
    }

    // What the worksheet logic asks of the window.
    Tegneflate& linje(int boks) override;
    Tegneflate& opfelt(int k) override;
    void setttaster(const Tastesett& brukbare) override;
    void visverdier(int nivaa, std::int64_t poeng, std::int64_t loeste) override;
    void diagnostikk(Diagnoseboks boks, const std::vector<std::string>& linjer) override;
    void tilforgrunnen() override;
    void visvurdering(std::string_view steg, std::string_view proeve) override;
    void visavstand(std::string_view tekst) override;
    void visforslag(const Veiledning& veiledning) override;
    void melding(std::string_view tittel, std::string_view tekst) override;
    bool spoersmaal(std::string_view tittel, std::string_view tekst) override;
    void vismerke(double venstre, double topp) override;
    void skjulmerke() override;

    // The menus' items, each through the core's dispatcher (menyvalg.h): nothing while the
    // item is not usable, a box when something refuses it. The menu "Valg".
    void egendef_Click();
    void mmPapir_Click();
    void Utskrift_Click();
    void Lagre_Click();
    void om_Click();
    // The menu "Rediger".
    void angre_Click();
    // The menu "Hjelp".
    void Tips_Click();
    void Loesningsforslag_Click();
    // "Avstand etter hvert steg": the row "Avstand:" shown under "Prøve:", or the window as
    // designed.
    void settavstand(bool paa);
    bool avstand() const { return arket_.avstand(); }
    // "Regn selv": "Utfør" holds the line and the next row becomes a line editor.
    void settregnselv(bool paa);
    bool regnselv() const { return arket_.regnselv(); }
    // The line editor of "Regn selv" (hidden unless a line waits to be written).
    QLineEdit* skrivfelt() const { return skrivfelt_; }
    // The menu "Språk": speaks the language from now on and remembers it for the next run.
    void velgspraak(std::string_view kode);

    // The menu "Vis": the zoom of the whole window, 1 the design, 0.5 to 4.
    void Stoerre_Click();
    void Mindre_Click();
    void Vanlig_Click();
    void settzoom(double zoom);
    double zoom() const override { return zoom_; }
    // "Fyll vinduet": the largest zoom at which the whole design fits, kept as the window is
    // resized.
    void settfyll(bool paa);
    bool fyller() const override { return fyll_; }
    // The menu "Økt": the lesson record as PDF, or printed.
    void Lagreoekt_Click();
    void Skrivutoekt_Click();
    void Klasseoversikt_Click();

protected:
    // Another language: every caption, tooltip, menu, key face and accessible name is set
    // again from the tables, and the rows, operand fields and the coach's rows are drawn again
    // as they stand.
    void changeEvent(QEvent* hendelse) override;
    bool eventFilter(QObject* objekt, QEvent* hendelse) override;

signals:
    // The pupil chose another zoom: what start-up remembers for the next run.
    void zoom_valgt(double zoom, bool fyll);
    // The row "Avstand:" was switched: start-up remembers it for the next run.
    void avstand_valgt(bool paa);
    // "Regn selv" was switched: start-up remembers it for the next run.
    void regnselv_valgt(bool paa);

private:
    void byggkontroller(QWidget* flate);
    void byggtabrekkefoelge();
    void valgstopp();  // the chosen equation type is the group's Tab stop
    void byggmeny();
    void byggvismeny();
    // What the core's dispatcher has the window do.
    void visegenlikning() override;
    void visgrafen() override;
    void skrivutarket() override;
    void lagrearket() override;
    void visom() override;
    void visangret() override;
    void kopierarket() override;
    void visavstandsrad(bool paa) override;
    void visregnselv(bool paa) override;
    void huskhjelpvalg(Menyhandling handling, bool paa) override;
    void velgzoom(double zoom) override;
    void fyllvinduet() override;
    void lagreoekta() override;
    void skrivutoekta() override;
    void visklasseoversikt() override;
    void vismenypunkter();       // every menu item usable as the worksheet and the zoom allow
    void brukzoom(double zoom);  // every control, font and drawing at this zoom
    void fyllpaanytt();          // the zoom that fills the window, when it is on
    void gibreddeettertekst();   // an option whose caption would be cut grows to the right
    void visvalg();              // the items of "Vis" as the zoom allows
    void byggspraakmeny();
    void trykk(Tast t, bool paa);  // a key, option or check box was chosen
    void endret();                 // after every action: the worksheet list tells the change
    void visskrivfelt();           // the line editor shown in its row while a line waits
    void skrivlinje();             // Enter in the line editor
    void giopp();                  // Escape in the line editor
    void navngietiketter();        // the value labels named with their captions
    QLabel* verdi(Etikettrolle rolle) const { return verdier_.at(static_cast<std::size_t>(rolle)); }
    void plasserproeve();  // "Prøve:" as the row "Avstand:" leaves room for it
    void tilpass(QLabel* etikett, double punkter);  // a text too long made smaller
    // Runs `sett` now and again whenever the language changes.
    void oversatt(std::function<void()> sett);
    void oversett();

    Klokketilfeldig tilfeldig_;
    Arket arket_{*this, tilfeldig_};

    // The controls as built from the table, for the zoom: each with its row of the table.
    std::vector<std::pair<const Kontroll*, QWidget*>> kontroller_;
    QScrollArea* rulle_ = nullptr;
    QWidget* flate_ = nullptr;  // the client area of the design
    ui::Zoomstil* stil_ = nullptr;
    bool stil_i_bruk_ = false;
    double zoom_ = 1;
    bool fyll_ = false;

    std::array<ui::Bildeboks*, 5> linjer_{};
    std::array<ui::Bildeboks*, 5> opfelter_{};
    ui::Bildeboks* dumpboks_ = nullptr;                    // Linje(7)
    ui::Bildeboks* diagnoseboks_ = nullptr;                // Linje(8)
    QWidget* merke_ = nullptr;                             // Pi_R
    std::array<QLabel*, antall_etikettroller> verdier_{};  // the value labels by their role
    QLineEdit* skrivfelt_ = nullptr;
    std::array<QAbstractButton*, antall_taster> taster_{};
    QPushButton* nyoppgave_ = nullptr;
    std::array<QAction*, antall_menyhandlinger> menypunkter_{};  // by their action
    Arkliste* arkliste_ = nullptr;
    bool korteste_bestilt_ = false;  // the shortest way from line 0 is to be found
    std::vector<std::function<void()>> oversettere_;
    std::vector<std::pair<std::string_view, QAction*>> spraakvalg_;

    // The secondary windows while they are open; choosing the menu item again brings them up.
    QPointer<egenlikning> egenlikning_;
    QPointer<mmArk> graf_;
    QPointer<frmOm> om_;
    QPointer<Loesningsforslag> loesningsforslag_;
};

}  // namespace balvo
