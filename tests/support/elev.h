// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A random pupil for the reliability tests: one seeded session at the main window that presses
// only usable keys, answers the warnings at random, types own equations (now and then a wrong
// one) and scrolls, checking the worksheet's rules after every step.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/mainwindow/arket.h"
#include "core/mainwindow/tilfeldig.h"
#include "testskall.h"

namespace balvo::test {

// The figures of a run of sessions.
struct Tall {
    std::uint64_t oekter = 0;
    std::uint64_t steg = 0;
    std::uint64_t utfoert = 0;
    std::uint64_t punkter = 0;                    // exact comparisons of values at a point
    std::uint64_t fulle_ark = 0;                  // sessions that reached line 99
    std::uint64_t egne_nektet = 0;                // own equations refused for a wrong box text
    std::uint64_t angret = 0;                     // lines taken back by "Angre"
    std::map<std::string, std::uint64_t> nektet;  // refused or declined operations by kind
    std::map<std::string, std::uint64_t> tips;    // the hint's first words, by kind
    std::uint64_t forslag = 0;                    // worked solutions shown
    std::uint64_t skrevet = 0;                    // lines written in "Regn selv"
    std::uint64_t navngitt = 0;                   // of the mistaken ones, those named
    std::string sammendrag(double sekunder) const;
};

// The program's own draws from a fixed seed, so that the generator's exercises repeat with the
// seed: the clock seeds no more.
class Froetilfeldig : public Klokketilfeldig {
public:
    explicit Froetilfeldig(std::uint64_t froe) { settfroe(froe); }
};

// A coefficient text read strictly: surrounding spaces, then an optional sign and digits, or
// two such numbers around one "/", each within 32 bits, the denominator not 0. Empty is 0.
std::optional<std::pair<std::int64_t, std::int64_t>> streng_koeffisient(std::string_view tekst);

class Elev {
public:
    Elev(std::uint64_t froe, Tall& tall);
    void kjoer();
    const std::string& feil() const { return feil_; }
    const std::string& spor() const { return spor_; }
    Arket& arket() { return arket_; }

private:
    enum : int { ny = 100, egen = 101, angre_tast = 102, tips = 103, forslag = 104 };

    // Drawing.
    double r() { return static_cast<double>(motor_() >> 11) * 0x1.0p-53; }
    int heltall(int lav, int hoey);
    int velg();
    std::string koeffisienttekst();

    // Acting.
    void ny_likning();
    void trykk(int handling);
    void trykk_tast(int tast);
    void utfoer();
    void skriv(const Ark& foer, int L);
    void egne();
    void nyoppgave();
    void angre();
    void hjelp(int handling);  // "Tips" or "Løsningsforslag": the coach changes nothing
    void overta_operand();

    // Checking (elev_sjekk.cpp).
    void krev(bool vilkaar, const std::string& hva);
    void sjekk_felles();
    void sjekk_taster();
    void sjekk_tegning();
    void sjekk_uendret_linjer(const Ark& foer, int unntatt_linje, int unntatt_post);
    void sjekk_operand();
    void sjekk_utfoert(const Ark& foer, int L);
    void sjekk_loesninger(const Ark& ark, int L);
    void sjekk_alle_linjer_tegnes();
    void nektet(const std::string& art);

    std::uint64_t froe_;
    Tall& tall_;
    std::mt19937_64 motor_;
    Testskall skall_;
    Froetilfeldig tilfeldig_;
    Arket arket_;
    bool lang_ = false;  // this pupil goes on to the full worksheet
    int tegninger_ = 0;
    // The sheet before each step that added a line, for undo to come back to.
    std::vector<std::unique_ptr<Ark>> foer_steg_;
    std::string feil_;
    std::string spor_;

    // The operand as the keys pressed so far build it.
    struct Operand {
        Operasjon regneart = Operasjon::ingen;
        std::string teller, nevner;
        bool minus = false, nevnermodus = false, medx = false, medx2 = false;
    } operand_;
};

}  // namespace balvo::test
