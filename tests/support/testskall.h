// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's surroundings for tests: recording boxes, scripted Yes/No answers,
// recorded messages, keys, captions, marker and diagnostics; and a queue of exact draws.
#include <array>
#include <deque>
#include <string>
#include <vector>

#include "core/mainwindow/skall.h"
#include "core/mainwindow/tilfeldig.h"
#include "opptaksflate.h"

namespace balvo::test {

struct Boks {
    std::string tittel;
    std::string tekst;
    bool spoersmaal = false;
};

class Testskall : public Skall {
public:
    Testskall();

    Tegneflate& linje(int boks) override { return linjer[static_cast<std::size_t>(boks)]; }
    Tegneflate& opfelt(int k) override { return opfelter[static_cast<std::size_t>(k)]; }
    void setttaster(const Tastesett& brukbare) override { taster = brukbare; }
    void visverdier(int n, std::int64_t p, std::int64_t l) override;
    void diagnostikk(Diagnoseboks boks, const std::vector<std::string>& linjer) override;
    void tilforgrunnen() override { ++forgrunn; }
    void visvurdering(std::string_view steg, std::string_view proeve) override {
        stegrad = steg;
        proeverad = proeve;
    }
    void visavstand(std::string_view tekst) override { avstandsrad = tekst; }
    void visforslag(const Veiledning& v) override { forslag.push_back(v); }
    void melding(std::string_view tittel, std::string_view tekst) override;
    bool spoersmaal(std::string_view tittel, std::string_view tekst) override;
    void vismerke(double venstre, double topp) override;
    void skjulmerke() override { merke_synlig = false; }

    std::array<Opptaksflate, 5> linjer;
    std::array<Opptaksflate, 5> opfelter;
    Tastesett taster;
    // Captions as the labels show them.
    std::string nivaa_tekst = "1", poeng_tekst, loeste_tekst;
    std::string avstandsrad;   // the row "Avstand:" as shown
    std::vector<Boks> bokser;  // every box shown, in order
    std::deque<bool> svar;     // answers to Yes/No questions; an empty queue answers No
    bool merke_synlig = false;
    double merke_venstre = 0, merke_topp = 0;
    std::vector<std::string> dump;      // box 7
    std::vector<std::string> diagnose;  // box 8
    int forgrunn = 0;
    // The rows "Steg:" and "Prøve:", empty until a line is solved.
    std::string stegrad, proeverad;
    std::vector<Veiledning> forslag;  // every worked solution shown
};

class Testtilfeldig : public Tilfeldig {
public:
    void seed_fra_klokka() override { ++seedinger; }
    double neste() override;  // the next queued draw; 0 when the queue is empty
    std::deque<double> trekk;
    int seedinger = 0;
};

}  // namespace balvo::test
