// SPDX-License-Identifier: GPL-3.0-or-later
#include "opptaksflate.h"

namespace balvo::test {

double Opptaksflate::bredde(std::string_view tekst, double stoerrelse) {
    int tegn = 0;
    for (unsigned char c : tekst)
        if ((c & 0xC0) != 0x80) ++tegn;
    return tegn * stoerrelse * 0.5;
}

double Opptaksflate::tekstbredde(std::string_view tekst) const {
    return bredde(tekst, fontstoerrelse());
}

std::string Opptaksflate::tekster() const {
    std::string s;
    for (const auto& o : opptak()) {
        if (o.art != Opptak::Art::skriv) continue;
        if (!s.empty()) s += ' ';
        s += o.tekst;
    }
    return s;
}

}  // namespace balvo::test
