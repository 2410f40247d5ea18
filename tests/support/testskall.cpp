// SPDX-License-Identifier: GPL-3.0-or-later
#include "testskall.h"

namespace balvo::test {

Testskall::Testskall()
    : linjer{Opptaksflate(), Opptaksflate(), Opptaksflate(), Opptaksflate(), Opptaksflate()},
      opfelter{Opptaksflate(), Opptaksflate(), Opptaksflate(), Opptaksflate(), Opptaksflate()} {}

void Testskall::visverdier(int n, std::int64_t p, std::int64_t l) {
    nivaa_tekst = std::to_string(n);
    poeng_tekst = std::to_string(p);
    loeste_tekst = std::to_string(l);
}

void Testskall::diagnostikk(Diagnoseboks boks, const std::vector<std::string>& linjer_) {
    (boks == Diagnoseboks::dump ? dump : diagnose) = linjer_;
}

void Testskall::melding(std::string_view tittel, std::string_view tekst) {
    bokser.push_back({std::string(tittel), std::string(tekst), false});
}

bool Testskall::spoersmaal(std::string_view tittel, std::string_view tekst) {
    bokser.push_back({std::string(tittel), std::string(tekst), true});
    if (svar.empty()) return false;
    const bool ja = svar.front();
    svar.pop_front();
    return ja;
}

void Testskall::vismerke(double venstre, double topp) {
    merke_synlig = true;
    merke_venstre = venstre;
    merke_topp = topp;
}

double Testtilfeldig::neste() {
    if (trekk.empty()) return 0.0;
    const double r = trekk.front();
    trekk.pop_front();
    return r;
}

}  // namespace balvo::test
