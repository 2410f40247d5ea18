#include "core/display/penn.h"

#include "core/display/linjetegner.h"

namespace balvo {

void Penn::tall(const std::string& tekst) {
    settskrift(sted_, f_, skrift::heltall);
    skriv(p() + 4, m_ - 12, tekst);
    ark_.xpos += f_.tekstbredde(tekst);
}

void Penn::broekdel(const std::string& t, const std::string& n) {
    settskrift(sted_, f_, skrift::broek);
    const double wt = f_.tekstbredde(t);
    const double wn = f_.tekstbredde(n);
    const double w = stoerste(heltbredde(wt), heltbredde(wn));
    skriv(p() + 4 + w / 2 - wt / 2, m_ - 16, t);
    skriv(p() + 4 + w / 2 - wn / 2, m_, n);
    f_.rektangel(p() + 4 + 0.15 * w, m_ - 0.3, p() + 4 + 0.85 * w, m_ + 0.3);
    ark_.xpos += 4 + w;
}

void Penn::x() {
    settskrift(sted_, f_, skrift::variabel);
    f_.skriv(p() + 4, m_ - 12.6, "x");
    ark_.xpos += 4 + f_.tekstbredde("x");
}

void Penn::kvadrat() {
    settskrift(sted_, f_, skrift::eksponent);
    f_.skriv(p() + 2, m_ - 14, "2");
    ark_.xpos += 2 + f_.tekstbredde("2");
}

void Penn::skriv(double x, double y, const std::string& tekst) {
    if (!tekst.empty()) f_.skriv(x, y, tekst);
}

}  // namespace balvo
