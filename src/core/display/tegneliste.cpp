// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/display/tegneliste.h"

#include <utility>

namespace balvo {

void spill(const Tegneop& op, Tegneflate& flate) {
    switch (op.art) {
        case Tegneop::Art::skriv:
            flate.settfontnavn(op.fontnavn);
            flate.settstoerrelse(op.stoerrelse);
            flate.settkursiv(op.kursiv);
            flate.skriv(op.x1, op.y1, op.tekst);
            break;
        case Tegneop::Art::strek:
            flate.strek(op.x1, op.y1, op.x2, op.y2);
            break;
        case Tegneop::Art::rektangel:
            flate.rektangel(op.x1, op.y1, op.x2, op.y2);
            break;
    }
}

void Listeflate::toem() {
    liste_.clear();
    toemt();
}

void Listeflate::legg(Tegneop op) {
    op.fontnavn = fontnavn_;
    op.stoerrelse = stoerrelse_;
    op.kursiv = kursiv_;
    liste_.push_back(std::move(op));
    lagt(liste_.back());
}

void Listeflate::skriv(double x, double y, std::string_view tekst) {
    Tegneop op;
    op.x1 = x;
    op.y1 = y;
    op.tekst = tekst;
    legg(std::move(op));
}

void Listeflate::strek(double x1, double y1, double x2, double y2) {
    legg({Tegneop::Art::strek, x1, y1, x2, y2});
}

void Listeflate::rektangel(double x1, double y1, double x2, double y2) {
    legg({Tegneop::Art::rektangel, x1, y1, x2, y2});
}

}  // namespace balvo
