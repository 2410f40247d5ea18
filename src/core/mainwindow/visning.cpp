// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/visning.h"

#include "core/display/linjetegner.h"

namespace balvo {
namespace {

// Draws a row again without moving the marker; the marker is placed once, as recorded.
class Uten : public Merke {
public:
    void vismerke(double, double) override {}
    void skjulmerke() override {}
};

std::size_t i(int k) {
    return static_cast<std::size_t>(k);
}

}  // namespace

void Visning::rad(const Ark& ark, int k, int linje) {
    t_.rader.at(i(k)) = linje;
    tegnlinje(ark, linje, k, skall_.linje(k), *this);
}

void Visning::toemrad(int k) {
    t_.rader.at(i(k)) = -1;
    skall_.linje(k).toem();
}

void Visning::operand(const Ark& ark, int k) {
    Felt& f = t_.felter.at(i(k));
    f = {Felt::Art::operand, -1, inntasting(ark)};
    visoperand(f.operand, skall_.opfelt(k));
}

void Visning::post(const Ark& ark, int n, int k) {
    t_.felter.at(i(k)) = {Felt::Art::post, n, {}};
    vislinjeopr(ark, n, k, skall_.opfelt(k));
}

void Visning::toemfelt(int k) {
    t_.felter.at(i(k)) = {};
    skall_.opfelt(k).toem();
}

void Visning::vismerke(double venstre, double topp) {
    t_.merke = {true, venstre, topp};
    skall_.vismerke(venstre, topp);
}

void Visning::skjulmerke() {
    t_.merke.synlig = false;
    skall_.skjulmerke();
}

void Visning::tegnpaanytt(const Ark& ark) {
    Uten uten;
    for (int k = 0; k < 5; ++k) {
        const int linje = t_.rader[i(k)];
        if (linje < 0) {
            skall_.linje(k).toem();
        } else {
            tegnlinje(ark, linje, k, skall_.linje(k), uten);
        }
        const Felt& f = t_.felter[i(k)];
        switch (f.art) {
            case Felt::Art::tom:
                skall_.opfelt(k).toem();
                break;
            case Felt::Art::operand:
                visoperand(f.operand, skall_.opfelt(k));
                break;
            case Felt::Art::post:
                vislinjeopr(ark, f.linje, k, skall_.opfelt(k));
                break;
        }
    }
    if (t_.merke.synlig) {
        skall_.vismerke(t_.merke.venstre, t_.merke.topp);
    } else {
        skall_.skjulmerke();
    }
}

void Visning::sett(const Ark& ark, const Tilstand& tilstand) {
    t_ = tilstand;
    tegnpaanytt(ark);
}

}  // namespace balvo
