// SPDX-License-Identifier: GPL-3.0-or-later
#include "opptaksflate.h"

namespace balvo::test {
namespace {

Opptak linje(Opptak::Art art, double x1, double y1, double x2, double y2) {
    Opptak o;
    o.art = art;
    o.x1 = x1;
    o.y1 = y1;
    o.x2 = x2;
    o.y2 = y2;
    return o;
}

}  // namespace

void Opptaksflate::toem() {
    opptak_.clear();
    ++toemminger_;
}

double Opptaksflate::bredde(std::string_view tekst, double stoerrelse) {
    int tegn = 0;
    for (unsigned char c : tekst)
        if ((c & 0xC0) != 0x80) ++tegn;
    return tegn * stoerrelse * 0.5;
}

double Opptaksflate::tekstbredde(std::string_view tekst) const {
    return bredde(tekst, stoerrelse_);
}

void Opptaksflate::legg(Opptak o) {
    o.fontnavn = fontnavn_;
    o.stoerrelse = stoerrelse_;
    o.kursiv = kursiv_;
    opptak_.push_back(std::move(o));
}

void Opptaksflate::skriv(double x, double y, std::string_view tekst) {
    Opptak o;
    o.art = Opptak::Art::skriv;
    o.x1 = x;
    o.y1 = y;
    o.tekst = tekst;
    legg(std::move(o));
}

void Opptaksflate::strek(double x1, double y1, double x2, double y2) {
    legg(linje(Opptak::Art::strek, x1, y1, x2, y2));
}

void Opptaksflate::rektangel(double x1, double y1, double x2, double y2) {
    legg(linje(Opptak::Art::rektangel, x1, y1, x2, y2));
}

std::string Opptaksflate::tekster() const {
    std::string s;
    for (const auto& o : opptak_) {
        if (o.art != Opptak::Art::skriv) continue;
        if (!s.empty()) s += ' ';
        s += o.tekst;
    }
    return s;
}

}  // namespace balvo::test
