// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's logic: the worksheet, the level, the score and every click handler.
// Qt-free; it talks to the window through Skall and draws through Tegneflate.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/algebra/linje.h"
#include "core/algebra/regning.h"
#include "core/coach/avstand.h"
#include "core/coach/veileder.h"
#include "core/entry/linjesjekk.h"
#include "core/mainwindow/oektlogg.h"
#include "core/mainwindow/skall.h"
#include "core/mainwindow/tastekart.h"
#include "core/mainwindow/tilfeldig.h"
#include "core/mainwindow/visning.h"
#include "core/model/ark.h"

namespace balvo {

// The equation types of the option group "Likningstype".
enum class Likningstype { kun_x = 1, kun_x2 = 2, begge = 3 };

// The answer of `egne`: ok, or the box (0..5) whose text was refused and why.
struct Egnesvar {
    bool ok = true;
    int boks = -1;
    std::string melding;
};

class Arket {
public:
    Arket(Skall& skall, Tilfeldig& tilfeldig);

    // Start-up and the level.
    void Form_Load();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Check1_Click(bool avkrysset);
    void settnivaa();

    // The worksheet.
    void ryddopp();
    void nyoppgave_Click();
    Egnesvar egne(const std::array<std::string, 6>& koeff);
    double f(double x, Side side) const;

    // The keypad.
    void opr_Click(int index);
    void siffer_Click(int index);
    void pm_Click();
    void broekstrek_Click();
    void variabel_Click(int index);
    void strykut_Click();
    void Utfoer_Click();
    void scrollopp_Click();
    void scrollned_Click();
    // A key, option or check box of the window by its place in the table: its handler above
    // (`paa` is the check box's new state).
    void trykk(Tast t, bool paa = false);

    // "Angre": an operand being typed is crossed out as "Stryk ut" does; otherwise the newest
    // line goes, and the sheet, the rows and the keys are as when the line before it was
    // reached. The score stays. Nothing to undo on line 0 or before the first exercise.
    void angre();
    bool kan_angre() const;
    int angrede_steg() const { return angret_; }  // in this exercise

    // The coach, menu "Hjelp": usable while an exercise is on the newest line. Neither
    // changes the worksheet, the score or the keys.
    bool hjelp_brukbar() const;
    void Tips_Click();
    void Loesningsforslag_Click();
    // The shortest way's length from line 0 of the exercise on the sheet, found once per
    // exercise; the window asks for it right after the exercise is drawn.
    std::optional<int> korteste();
    bool korteste_kjent() const { return korteste_.has_value(); }
    void settgrense(const Grense& grense) { grense_ = grense; }
    // The level of the hint shown last on this line, 1..3; 0 before the first on it.
    int tipsnivaa() const;

    // The row "Avstand:" (menu "Hjelp", "Avstand etter hvert steg"): while it is on, every
    // "Utfør" has the coach say how far the new line is from the solution. Off: the coach
    // stays quiet and the row is empty.
    void settavstand(bool paa);
    bool avstand() const { return avstand_; }
    // The row's parts after the last step, as avstandsdeler makes them; empty when there is
    // nothing to say.
    const std::vector<std::string>& avstandsdeler() const { return avstandsdeler_; }

    // "Regn selv" (menu "Hjelp"): while it is on, "Utfør" computes the next line but holds it
    // back; the pupil writes it (skrivlinje, Enter) or gives up (giopp, Escape, the line is
    // written as without the mode). Until then no key is usable, and anything that changes
    // the sheet drops the held line. Off: nothing changes.
    void settregnselv(bool paa);
    bool regnselv() const { return regnselv_; }
    bool venter_linje() const { return ventende_.has_value(); }
    // While a line waits: its number on the sheet and the row (1..4) it is written in.
    int ventende_linjenr() const { return ventende_ ? ventende_->linje + 1 : -1; }
    int regnerad() const;
    // Checks a written line against the held one; a right line is drawn and scored as
    // "Utfør" does, anything else is told in the box "Regn selv" and changes nothing.
    Linjedom skrivlinje(std::string_view tekst);
    void giopp();
    // The written text typeset into the row's surface as it is typed: the line it reads as,
    // or nothing while it cannot be read (or drawn: a root without ± on the right).
    void forhaandsvis(std::string_view tekst, Tegneflate& flate);
    // The written steps of the exercise on the sheet.
    const std::vector<Regnesteg>& regnesteg() const { return regnesteg_; }

    // Switches the keys for a mode; in "utført" it then scores a solved line (poengsum).
    void settmodus(Modus modus);
    // The keys of a mode, without the score update.
    void setttaster(Modus modus);

    // Every row and field drawn again as it stands (another language, another size), and the
    // rows "Steg:" and "Prøve:".
    void tegnpaanytt();
    const Visning& visning() const { return visning_; }

    const Ark& ark() const { return ark_; }
    Ark& ark() { return ark_; }
    int nivaa() const { return nivaa_; }
    std::int64_t poeng() const { return poeng_; }
    std::int64_t loeste() const { return loeste_; }
    const Tastesett& taster() const { return taster_; }
    Likningstype likningstype() const { return likningstype_; }
    bool broeker() const { return broeker_; }
    bool har_oppgave() const { return har_oppgave_; }
    // Counts the exercises put on the sheet, so that a new one is told from the old.
    std::uint64_t oppgavenr() const { return oppgavenr_; }
    // An operand is being typed on the newest line (an operation key was the last choice).
    bool bygger_operand() const;
    // The exercise on the sheet so far: hints and worked solutions asked for, steps performed
    // (undone ones included).
    int tips_brukt() const { return tips_brukt_; }
    int forslag_brukt() const { return forslag_brukt_; }
    // Hints at level 1, 2 and 3; steps that brought the pupil no closer (counted while the row
    // "Avstand:" is on); lines the worksheet had already.
    const std::array<int, 3>& tips_nivaa() const { return tips_nivaa_; }
    int ikke_naermere() const { return ikke_naermere_; }
    int gjentatte() const { return gjentatte_; }
    int steg_tatt() const { return ark_.sistelinje + angret_; }

    // The menus. Whether an item may be chosen now (greyed otherwise; the zoom's items are
    // zoom_brukbar's), and what keeps a usable one from doing anything: nothing to save,
    // print or draw yet. `tillat` tells the pupil so through Skall::melding.
    struct Hindring {
        std::string tittel;  // empty: the program's name
        std::string tekst;
    };
    bool brukbar(Menyhandling handling) const;
    std::optional<Hindring> hindring(Menyhandling handling) const;
    bool tillat(Menyhandling handling) const;

    // The lesson record: every exercise started in this run, the one on the sheet last, as it
    // stands now. The coach's shortest way of an exercise left before it was known is found
    // here.
    std::vector<Loggpost> oekt();
    // The clock the lesson record times actions by, in seconds; a steady clock unless set.
    void settklokke(std::function<double()> klokke) { klokke_ = std::move(klokke); }
    // Off: "Tips" and "Løsningsforslag" are counted and recorded but the coach is not asked
    // and nothing is shown (a lesson file being replayed).
    void setthjelpvises(bool vises) { hjelp_vises_ = vises; }

private:
    void rull(int steg, Modus modus);  // scroll rows 1..4 by one line
    void poengsum();                   // the score update of "utført"
    void visverdier();
    void vislinjeoprifelt(int n, int k);  // the record of line n beside row k
    void linje_naadd();                   // the newest line was reached: undo can come back here
    void ny_post(bool egen);              // a new exercise is on line 0
    Loggpost post_naa() const;            // the exercise on the sheet, for the lesson record
    void utfoer();                        // "Utfør" as the pupil meant it, unrecorded
    void noter(Handlingsart art);         // an action of the exercise on the sheet
    void notertegn(const std::string& tegn);  // a key of the operand being typed

    // What an undone step puts back: the record of the line it started from and the line it
    // wrote, as they were before it.
    struct Post {
        Operasjon opr = Operasjon::ingen;
        Celle teller = 0, nevner = 1;
        int potens = 0;
    };
    struct Angrepunkt {
        Post foer;                // the record of line L before the step
        Post neste;               // the record of line L+1 before the step
        algebra::Linje linje;     // line L+1's cells before the step
        Visning::Tilstand naadd;  // the window when line L+1 was reached
    };
    // A line computed by "Utfør" and held while the pupil writes it.
    struct Ventende {
        int linje;  // L: the line the operation was applied to
        Etteretning etteretning;
        Tilstand foer;
        Angrepunkt angre;
    };
    void fullfoer(Ventende v);  // the rest of "Utfør": the line written and scored
    void slippventende();       // the held line dropped, the sheet as before "Utfør"
    Post post(int n) const;
    void settpost(int n, const Post& p);
    void vurder();  // the rows "Steg:" and "Prøve:" for a solved line
    void visvurdering();
    Veiledning veiledherfra();
    Veiledning veiledlinje(int n);  // the coach's answer for line n, kept for the next step
    const Veiledning& husk(Veiledning v);
    // After "Utfør" wrote line n from line `foer`: the repeated line, and the row "Avstand:".
    void vurdersteg(const Tilstand& foer, int n);
    void visavstand();  // the row "Avstand:" from the last step's verdict, in today's language

    // What the rows "Steg:" and "Prøve:" say, kept until the next solved line.
    struct Vurdering {
        int steg = 0;
        std::optional<int> korteste;
        Tilstand oppgave, linje;
    };

    Skall& skall_;
    Tilfeldig& tilfeldig_;
    Ark ark_;
    Visning visning_{skall_};

    Likningstype likningstype_ = Likningstype::kun_x;
    bool broeker_ = false;
    int nivaa_ = 1;
    std::int64_t poeng_ = 0;
    std::int64_t loeste_ = 0;

    Tastesett taster_;
    bool har_oppgave_ = false;  // an exercise is on the sheet (strykut is usable)
    std::uint64_t oppgavenr_ = 0;
    bool oppgave_scoret_ = false;       // the exercise on the sheet has scored already
    std::optional<Modus> siste_modus_;  // the last mode before the pupil scrolled back
    Visning::Tilstand start_;           // the window when line 0 was drawn
    std::vector<Angrepunkt> angre_;     // one for each line after line 0
    int angret_ = 0;                    // steps taken back in this exercise

    Grense grense_;
    std::optional<std::optional<int>> korteste_;  // found for the exercise on the sheet
    int tips_brukt_ = 0;
    int forslag_brukt_ = 0;
    std::optional<Vurdering> vurdering_;
    // The hint's level and the line it was given on (exercise, newest line, steps taken back).
    int tipsnivaa_ = 0;
    std::array<std::uint64_t, 3> tipsplass_{};
    std::array<int, 3> tips_nivaa_{};
    bool avstand_ = false;
    bool regnselv_ = false;
    std::optional<Ventende> ventende_;
    int forsoek_ = 0;
    bool foerste_riktig_ = false;
    std::vector<Regnesteg> regnesteg_;
    std::unique_ptr<Ark> kladd_;  // the written line, for its typesetting
    std::vector<std::string> avstandsdeler_;
    std::optional<Stegvurdering> stegvurdering_;  // the last step's, while the row speaks of it
    bool tilby_tips_ = false;
    int ikke_naermere_ = 0;
    int ikke_naermere_paa_rad_ = 0;
    int gjentatte_ = 0;
    // The coach's answers for the lines of this exercise, newest last: a line the pupil comes
    // back to (a step undone, a line written again) is not searched again.
    std::vector<Veiledning> veiledet_;
    std::uint64_t veiledet_oppgave_ = 0;

    // The lesson record: the exercises left behind, and what is known of the one on the sheet
    // beyond the counters above.
    std::vector<Loggpost> logg_;
    bool egen_ = false;
    int startnivaa_ = 1;
    std::int64_t oppgave_poeng_ = 0;
    std::optional<Tilstand> loest_linje_;
    std::function<double()> klokke_;
    double startsek_ = 0;               // when the exercise on the sheet began
    std::vector<Handling> handlinger_;  // what was done in it
    std::vector<int> tips_linjer_;
    std::vector<int> ikke_naermere_linjer_;        // the line each step no closer wrote
    std::string ventende_opr_, ventende_operand_;  // the operation and operand being typed
    bool ventende_videre_ = false;                 // they were typed before a refused "Utfør"
    std::size_t ventende_avvist_ = 0;  // the length of the refused operand they go on from
    std::string forkastet_;            // keys after a refused step dropped by an operation key
    bool angrer_ = false;
    bool hjelp_vises_ = true;  // "Angre" crosses out an operand: one action, not two
};

// The window's figures with their captions, in the window's order: the level, the solved
// exercises and the score ("Vanskelighetsgrad:", "3"). The saved worksheet's header.
std::vector<std::pair<Tekst, std::string>> toppverdier(const Arket& arket);

}  // namespace balvo
