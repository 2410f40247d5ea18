// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window shows of the worksheet: the line in each row, what each operand field holds
// and where the solved marker stands. Every drawing of the worksheet goes through here, so
// that the window can be drawn again exactly as it stands: in another language, at another
// size, or as it stood before the last step.
#include <array>

#include "core/entry/operandfelt.h"
#include "core/mainwindow/skall.h"
#include "core/model/ark.h"

namespace balvo {

class Visning : private Merke {
public:
    struct Felt {
        enum class Art { tom, operand, post };
        Art art = Art::tom;
        int linje = -1;      // the line whose record a post shows
        Inntasting operand;  // the operand as it was typed when it was drawn
    };
    struct Merkested {
        bool synlig = false;
        double venstre = 0, topp = 0;
    };
    struct Tilstand {
        std::array<int, 5> rader{-1, -1, -1, -1, -1};  // the line in each row, -1 empty
        std::array<Felt, 5> felter{};
        Merkested merke;
    };

    explicit Visning(Skall& skall) : skall_(skall) {}

    // Line `linje` in row k; a solved line shows the marker beside it.
    void rad(const Ark& ark, int k, int linje);
    void toemrad(int k);
    // The operand being typed, in field k.
    void operand(const Ark& ark, int k);
    // The operation recorded for line n, in field k.
    void post(const Ark& ark, int n, int k);
    void toemfelt(int k);
    void skjulmerke() override;

    // Every row and field drawn again from the worksheet as they stand now, the marker where
    // it was.
    void tegnpaanytt(const Ark& ark);
    // Takes a state the window stood in and draws it.
    void sett(const Ark& ark, const Tilstand& tilstand);

    const Tilstand& tilstand() const { return t_; }

private:
    void vismerke(double venstre, double topp) override;

    Skall& skall_;
    Tilstand t_;
};

}  // namespace balvo
