// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The worksheet: four tables of equation lines, the operation record of each line, the
// position counters and the operand being typed. Plain data.
#include <array>
#include <string>

#include "core/model/heltall.h"
#include "core/model/operasjon.h"

namespace balvo {

inline constexpr int antall_linjer = 100;
inline constexpr int antall_kolonner = 8;
inline constexpr int siste_linje = antall_linjer - 1;

using Linjetabell = std::array<std::array<Celle, antall_kolonner>, antall_linjer>;

// The two sides of an equation.
enum class Side { venstre, hoeyre };

// The column before a side's x², x and constant (0 left, 3 right), and its root coefficient's
// column (0 left, 7 right, the ± root).
constexpr int forskyvning(Side s) {
    return s == Side::venstre ? 0 : 3;
}
constexpr int rotkolonne(Side s) {
    return s == Side::venstre ? 0 : 7;
}

// The operand as the keys have built it so far.
struct Inntasting {
    Operasjon regneart = Operasjon::ingen;
    std::string tellertekst;
    std::string nevnertekst;
    bool minus = false;
    bool nevnermodus = false;
    bool medx = false;
    bool medx2 = false;
    friend bool operator==(const Inntasting&, const Inntasting&) = default;
};

// The sheet carries the operand being built on the keypad (regneart, tellertekst ...).
struct Ark : Inntasting {
    // Line n, column j. teller/nevner: columns 1..3 left x², x, constant; 4..6 right.
    // rotteller/rotnevner: 0 left root coefficient, 1..3 left radicand, 4..6 right radicand,
    // 7 the right side's ± root coefficient. A never-written cell reads as 0.
    Linjetabell teller{};
    Linjetabell nevner{};
    Linjetabell rotteller{};
    Linjetabell rotnevner{};

    // The operation applied to line n to get line n+1.
    std::array<Operasjon, antall_linjer> linjeopr{};
    std::array<Celle, antall_linjer> linjeteller{};
    std::array<Celle, antall_linjer> linjenevner{};
    std::array<int, antall_linjer> linjepotens{};  // 0 none, 1 x, 2 x²

    int linjenr = 0;     // current line: the one the next operation applies to
    int sistelinje = 0;  // last line that exists
    int rad = 0;         // visible row 0..4 of the current line
};

// Writes the cleared state into line i: 0 = 0, radicands the constant 1, no operation.
void toemlinje(Ark& ark, int i);

// Whether line n reads x = number (left exactly 1/1·x, no x on the right).
bool loest(const Ark& ark, int n);

}  // namespace balvo
