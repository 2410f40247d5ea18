// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Internals of the arithmetic: a line held apart from the worksheet while it is computed,
// checked arithmetic that remembers any overflow, and exact whole square roots.
#include <array>
#include <optional>

#include "core/model/ark.h"

namespace balvo::algebra {

// One worksheet line outside the tables, so that a result can be checked before the
// worksheet sees any of it.
struct Linje {
    std::array<Celle, antall_kolonner> teller{};
    std::array<Celle, antall_kolonner> nevner{};
    std::array<Celle, antall_kolonner> rotteller{};
    std::array<Celle, antall_kolonner> rotnevner{};

    static Linje fra(const Ark& ark, int n);
    void til(Ark& ark, int n) const;
    bool operator==(const Linje&) const = default;
    bool eksakt() const;  // every cell within eksakt_grense
    // Root coefficient 0/1 and radicand 0x² + 0x + 1 on one side.
    void fjernrot(Side side);
};

// Checked arithmetic for one computation: an overflow gives 0 and is remembered, so a
// whole operation can be written plainly and judged once at the end.
class Regner {
public:
    Celle gange(Celle a, Celle b) { return sjekk(balvo::gange(a, b)); }
    Celle pluss(Celle a, Celle b) { return sjekk(balvo::pluss(a, b)); }
    Celle motsatt(Celle a) { return sjekk(balvo::motsatt(a)); }
    Celle sjekk(std::optional<Celle> r) {
        if (!r) {
            feil_ = true;
            return 0;
        }
        return *r;
    }
    bool feil() const { return feil_; }

private:
    bool feil_ = false;
};

// The whole square root of v when v is a perfect square (0 included), else nothing.
std::optional<Celle> helrot(Celle v);

// Square root and square of both sides of line n into ny.
void kvadratrot(const Ark& ark, int n, Linje& ny, Regner& r);
void kvadrer(const Linje& gammel, Linje& ny, Regner& r);

}  // namespace balvo::algebra
