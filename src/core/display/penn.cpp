// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/display/penn.h"

namespace balvo {

void Penn::tall(const std::string& tekst) {
    settskrift(sted_, f_, Skriftart::heltall);
    skriv(x_ + 4, m_ - 12, tekst);
    x_ += f_.tekstbredde(tekst);
}

void Penn::broekdel(const std::string& t, const std::string& n) {
    settskrift(sted_, f_, Skriftart::broek);
    const double wt = f_.tekstbredde(t);
    const double wn = f_.tekstbredde(n);
    const double w = stoerste(heltbredde(wt), heltbredde(wn));
    skriv(x_ + 4 + w / 2 - wt / 2, m_ - 16, t);
    skriv(x_ + 4 + w / 2 - wn / 2, m_, n);
    f_.rektangel(x_ + 4 + 0.15 * w, m_ - 0.3, x_ + 4 + 0.85 * w, m_ + 0.3);
    x_ += 4 + w;
}

void Penn::x() {
    settskrift(sted_, f_, Skriftart::variabel);
    f_.skriv(x_ + 4, m_ - 12.6, "x");
    x_ += 4 + f_.tekstbredde("x");
}

void Penn::kvadrat() {
    settskrift(sted_, f_, Skriftart::eksponent);
    f_.skriv(x_ + 2, m_ - 14, "2");
    x_ += 2 + f_.tekstbredde("2");
}

void Penn::skriv(double x, double y, const std::string& tekst) {
    if (!tekst.empty()) f_.skriv(x, y, tekst);
}

}  // namespace balvo
