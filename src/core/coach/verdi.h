// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Exact real numbers c + s·√m (c and m rational, m > 0 and not the square of a rational,
// s = −1, 0 or +1) and the real solution sets of worksheet lines. Everything is computed in
// 128 bits with every step checked: a result that would not fit comes back empty, and a set
// that cannot be had exactly is "ukjent", never a guess.
#include <optional>
#include <string>
#include <vector>

#include "core/coach/tilstand.h"

namespace balvo::veileder {

__extension__ typedef __int128 Stort;

// A fraction in lowest terms with a positive denominator.
struct Broek {
    Stort t = 0;
    Stort n = 1;
    bool operator==(const Broek&) const = default;
};

std::optional<Broek> broek(Stort t, Stort n);
std::optional<Broek> sum(Broek a, Broek b);
std::optional<Broek> differanse(Broek a, Broek b);
std::optional<Broek> produkt(Broek a, Broek b);
std::optional<Broek> kvotient(Broek a, Broek b);
int fortegn(Broek a);
// The rational square root of a, when a is the square of a rational.
std::optional<Broek> rasjonal_rot(Broek a);

// c + s·√m. With s = 0, m is 0.
struct Verdi {
    Broek c;
    int s = 0;
    Broek m;
    bool operator==(const Verdi&) const = default;
};

// c + s·√m brought to the form above (a square m is folded into c); m must not be negative.
std::optional<Verdi> verdi(Broek c, int s, Broek m);

// The real solutions of one line.
struct Loesningsmengde {
    enum class Art {
        ingen,    // no real number is a solution
        alle,     // every real number is
        verdier,  // these, one to four of them
        ukjent,   // the coach cannot tell exactly
    };
    Art art = Art::ukjent;
    std::vector<Verdi> verdier;
};

// The same set: the same kind and the same values in any order.
bool samme(const Loesningsmengde& a, const Loesningsmengde& b);

// The real solutions of A·x² + B·x + C = 0.
Loesningsmengde andregrad(Broek A, Broek B, Broek C);

// The real solutions of a line, where they can be had exactly: a polynomial line, or one whose
// root parts have constant radicands and, where a root is irrational, no x² left. The right
// side's root stands for ±. Anything else is "ukjent".
Loesningsmengde linjemengde(const Tilstand& linje);

// A value as the linear text writes numbers: "−1/6", "1 + √2", "−3/4 − (1/4)√17"; with
// plussminus the pair c ± k√w it belongs to: "−3/4 ± (1/4)√17", "±√2".
std::string verditekst(const Verdi& v, bool plussminus = false);

}  // namespace balvo::veileder
