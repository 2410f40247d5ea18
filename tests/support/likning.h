// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Worksheet lines written compactly for the algebra tests.
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "core/model/ark.h"
#include "eksakt.h"
#include "symbol.h"

namespace balvo::test {

// A pair of cells as written, not reduced (2/4 and 1/-2 stay as they are).
using Cellebroek = Broek;

// One side: a x² + b x + c + rot·√(ra x² + rb x + rc).
struct Side {
    Side() = default;
    Side(Cellebroek a_, Cellebroek b_, Cellebroek c_, Cellebroek rot_ = {}, Cellebroek ra_ = {},
         Cellebroek rb_ = {}, Cellebroek rc_ = {1, 1})
        : a(a_), b(b_), c(c_), rot(rot_), ra(ra_), rb(rb_), rc(rc_) {}
    Cellebroek a, b, c, rot, ra, rb, rc{1, 1};
    bool operator==(const Side&) const = default;
};

struct Likning {
    Side v, h;
    bool operator==(const Likning&) const = default;
};

inline void skriv(Ark& ark, int n, const Likning& l) {
    auto side = [&](const Side& s, int o, int k) {
        const Cellebroek poly[3] = {s.a, s.b, s.c};
        const Cellebroek rad[3] = {s.ra, s.rb, s.rc};
        const auto celle = [](Stort v) { return static_cast<Celle>(v); };
        for (int i = 0; i < 3; ++i) {
            ark.teller[n][o + 1 + i] = celle(poly[i].t);
            ark.nevner[n][o + 1 + i] = celle(poly[i].n);
            ark.rotteller[n][o + 1 + i] = celle(rad[i].t);
            ark.rotnevner[n][o + 1 + i] = celle(rad[i].n);
        }
        ark.rotteller[n][k] = celle(s.rot.t);
        ark.rotnevner[n][k] = celle(s.rot.n);
    };
    ark.teller[n][0] = ark.teller[n][7] = 0;
    ark.nevner[n][0] = ark.nevner[n][7] = 1;
    side(l.v, 0, 0);
    side(l.h, 3, 7);
}

inline Likning les(const Ark& ark, int n) {
    auto side = [&](int o, int k) {
        auto p = [&](int j) { return Cellebroek{ark.teller[n][j], ark.nevner[n][j]}; };
        auto r = [&](int j) { return Cellebroek{ark.rotteller[n][j], ark.rotnevner[n][j]}; };
        return Side{p(o + 1), p(o + 2), p(o + 3), r(k), r(o + 1), r(o + 2), r(o + 3)};
    };
    return Likning{side(0, 0), side(3, 7)};
}

inline std::ostream& operator<<(std::ostream& ut, const Cellebroek& b) {
    return ut << tekst(Broek{b.t, 1}) << "/" << tekst(Broek{b.n, 1});
}
inline std::ostream& operator<<(std::ostream& ut, const Side& s) {
    return ut << s.a << "x² + " << s.b << "x + " << s.c << " ~ " << s.rot << "√[" << s.ra << "x² + "
              << s.rb << "x + " << s.rc << "]";
}
inline std::ostream& operator<<(std::ostream& ut, const Likning& l) {
    return ut << l.v << "  =  " << l.h;
}

// A polynomial-only side with whole coefficients.
inline Side hele(Celle a, Celle b, Celle c) {
    return Side{{a, 1}, {b, 1}, {c, 1}};
}

// A fresh worksheet on the heap (the tables are large), lines 0..2 cleared.
inline std::unique_ptr<Ark> nytt_ark() {
    auto ark = std::make_unique<Ark>();
    for (int i = 0; i < 3; ++i) toemlinje(*ark, i);
    return ark;
}

}  // namespace balvo::test
