// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/coach/grovbilde.h"

#include <atomic>
#include <mutex>
#include <utility>
#include <vector>

namespace balvo {
namespace veileder {
namespace {

// A move in the coarse picture before what it leaves open is filled in: the columns of
// `like_fri`, and with their flag set the x flags, the x² flags and what is known of the
// solutions, may be anything that fits.
struct Utkast {
    Grov g;
    int like_fri = 0;
    bool en_fri = false, en2_fri = false, mengde_fri = false;
};

// Calls hver for every filled-in picture until it returns true; returns whether it did.
template <typename F>
bool fyllut(const Utkast& u, F&& hver) {
    const int like_fast = u.g.like & ~u.like_fri;
    for (int l = u.like_fri;; l = (l - 1) & u.like_fri) {
        for (int en = 0; en < (u.en_fri ? 4 : 1); ++en) {
            for (int en2 = 0; en2 < (u.en2_fri ? 4 : 1); ++en2) {
                for (int m = 0; m < (u.mengde_fri ? 3 : 1); ++m) {
                    Grov g = u.g;
                    g.like = like_fast | l;
                    if (u.en_fri) {
                        g.en_v = (en & 1) != 0;
                        g.en_h = (en & 2) != 0;
                    }
                    if (u.en2_fri) {
                        g.en2_v = (en2 & 1) != 0;
                        g.en2_h = (en2 & 2) != 0;
                    }
                    if (u.mengde_fri) g.mengde = static_cast<Mengdesvar>(m);
                    if (!g.begge_x_rot()) {
                        g.radlike = 0;
                        g.koefflik = false;
                    }
                    if (g.gyldig() && hver(g)) return true;
                }
            }
        }
        if (l == 0) return false;
    }
}

// A side after the square root: (mask, root, x coefficient 1) it may become. A perfect square
// √a·x ± √c has x coefficient 1 exactly when a is 1.
template <typename F>
bool etter_rot(int maske, bool en2, bool hoeyre, F&& hver) {
    // 0, a constant, x² alone and all three terms may be perfect squares; the rest never are.
    if (maske == 0 || maske == 1 || maske == 4 || maske == 7) {
        const int ny = ((maske & 4) != 0 ? 2 : 0) | (maske & 1);
        if (hoeyre && maske == 1) {
            if (hver(0, 1, false)) return true;  // the constant becomes the ± root
        } else {
            if (hver(ny, 0, en2)) return true;
        }
    }
    return hver(0, (maske & 6) != 0 ? 2 : 1, false);  // the side goes under the root
}

// A side after squaring: a root gives its radicand back, a polynomial bx + c its square.
template <typename F>
bool etter_kvadrering(int maske, int rot, F&& hver) {
    if (rot == 1) return hver(0) || hver(1);
    if (rot == 2) {
        for (int m = 2; m < 8; ++m)
            if (hver(m)) return true;
        return false;
    }
    const bool b = (maske & 2) != 0, c = (maske & 1) != 0;
    return hver((b ? 4 : 0) | (b && c ? 2 : 0) | (c ? 1 : 0));
}

// What is known of the solutions after multiplying or dividing by x a line without roots:
// x = 0 is a solution exactly when the constants are equal. Multiplying adds it and dividing
// loses it, so the solutions stay the same only when x = 0 solves the line before and after.
void etter_x(Utkast& u, Mengdesvar foer, bool null_foer, bool null_etter) {
    if (null_foer && null_etter && foer != Mengdesvar::ukjent) {
        u.g.mengde = foer;
    } else if (foer == Mengdesvar::samme) {
        u.g.mengde = Mengdesvar::annen;
    } else {
        u.mengde_fri = true;
    }
}

// Every move of the coarse picture that some step of the coach can make, until hver returns
// true. Adding a term to both sides, multiplying or dividing by a number and changing signs
// keep the solutions; the others may change them.
template <typename F>
void etterfoelgere(const Grov& g, F&& hver) {
    // What is known carries over a step that keeps the solutions, once it is known.
    const bool ukjent = g.mengde == Mengdesvar::ukjent;
    // Adding a term changes one column on both sides and keeps whether they are equal.
    for (int b : {4, 2, 1}) {
        const auto legg = [&](int v, int h) {
            Utkast u{g};
            u.g.venstre = v;
            u.g.hoeyre = h;
            u.en_fri = b == 2;
            u.en2_fri = b == 4;
            u.mengde_fri = ukjent;
            return fyllut(u, hver);
        };
        const int v = g.venstre & ~b, h = g.hoeyre & ~b;
        if ((g.like & b) != 0) {
            if (legg(v, h) || legg(v | b, h | b)) return;
        } else {
            if (legg(v | b, h) || legg(v, h | b) || legg(v | b, h | b)) return;
        }
    }
    // Multiplying or dividing by a number, changing signs: both root coefficients alike.
    {
        Utkast u{g};
        u.en_fri = u.en2_fri = true;
        u.mengde_fri = ukjent;
        if (fyllut(u, hver)) return;
    }
    // Swapping sides: the right root is ±, the left one is not.
    {
        Utkast u{g};
        std::swap(u.g.venstre, u.g.hoeyre);
        std::swap(u.g.en_v, u.g.en_h);
        std::swap(u.g.en2_v, u.g.en2_h);
        std::swap(u.g.rot_v, u.g.rot_h);
        u.mengde_fri = ukjent || g.rot_v != 0 || g.rot_h != 0;
        if (fyllut(u, hver)) return;
    }
    const bool uten_rot = g.rot_v == 0 && g.rot_h == 0;
    // Multiplying by x: every term one degree up.
    if (uten_rot && (g.venstre & 4) == 0 && (g.hoeyre & 4) == 0) {
        Utkast u{g};
        u.g.venstre = (g.venstre << 1) & 6;
        u.g.hoeyre = (g.hoeyre << 1) & 6;
        u.g.like = ((g.like << 1) & 6) | 1;
        u.g.en2_v = g.en_v;
        u.g.en2_h = g.en_h;
        u.en_fri = true;
        etter_x(u, g.mengde, (g.like & 1) != 0, true);
        if (fyllut(u, hver)) return;
    }
    // Dividing by x: every term one degree down.
    if (uten_rot && (g.venstre & 1) == 0 && (g.hoeyre & 1) == 0) {
        Utkast u{g};
        u.g.venstre = g.venstre >> 1;
        u.g.hoeyre = g.hoeyre >> 1;
        u.g.like = (g.like >> 1) | 4;
        u.g.en_v = g.en2_v;
        u.g.en_h = g.en2_h;
        u.g.en2_v = u.g.en2_h = false;
        etter_x(u, g.mengde, true, (g.like & 2) != 0);
        if (fyllut(u, hver)) return;
    }
    // The square root of both sides. Two sides under their roots keep the columns of the
    // line as radicands, with coefficient 1 on both.
    if (uten_rot) {
        const bool stopp = etter_rot(g.venstre, g.en2_v, false, [&](int v, int rv, bool en_v) {
            return etter_rot(g.hoeyre, g.en2_h, true, [&](int h, int rh, bool en_h) {
                Utkast u;
                u.g = Grov{v, h, 0, en_v, en_h, false, false, rv, rh};
                u.g.radlike = g.like;
                u.g.koefflik = true;
                u.like_fri = 7;
                u.mengde_fri = true;
                return fyllut(u, hver);
            });
        });
        if (stopp) return;
    }
    // Squaring both sides. Two roots of equal squared coefficients give back radicands that
    // are equal where they were.
    if ((g.venstre & 4) == 0 && (g.hoeyre & 4) == 0 && (g.rot_v == 0 || g.venstre == 0) &&
        (g.rot_h == 0 || g.hoeyre == 0)) {
        etter_kvadrering(g.venstre, g.rot_v, [&](int v) {
            return etter_kvadrering(g.hoeyre, g.rot_h, [&](int h) {
                Utkast u;
                u.g = Grov{v, h, 0};
                u.like_fri = 7;
                if (g.begge_x_rot() && g.koefflik) {
                    u.g.like = g.radlike;
                    u.like_fri = 0;
                }
                u.en_fri = u.en2_fri = u.mengde_fri = true;
                return fyllut(u, hver);
            });
        });
    }
}

// Distances to a solved picture: breadth first backwards along the moves, reversed once.
std::vector<std::uint8_t> byggtabell() {
    std::vector<std::uint8_t> avstand(antall_grove, ingen_vei);
    std::vector<int> gyldige;
    for (int i = 0; i < antall_grove; ++i)
        if (fra_indeks(i).gyldig()) gyldige.push_back(i);

    // Incoming moves of every picture, counted and then filled in.
    std::vector<std::uint32_t> start(antall_grove + 1, 0);
    for (int i : gyldige)
        etterfoelgere(fra_indeks(i), [&](const Grov& e) {
            ++start[static_cast<std::size_t>(e.indeks()) + 1];
            return false;
        });
    for (std::size_t i = 1; i < start.size(); ++i) start[i] += start[i - 1];
    std::vector<std::uint32_t> fra(start.back());
    std::vector<std::uint32_t> neste(start.begin(), start.end() - 1);
    for (int i : gyldige)
        etterfoelgere(fra_indeks(i), [&](const Grov& e) {
            fra[neste[static_cast<std::size_t>(e.indeks())]++] = static_cast<std::uint32_t>(i);
            return false;
        });

    std::vector<int> koe;
    for (int i : gyldige) {
        if (fra_indeks(i).maal()) {
            avstand[static_cast<std::size_t>(i)] = 0;
            koe.push_back(i);
        }
    }
    for (std::size_t k = 0; k < koe.size(); ++k) {
        const auto i = static_cast<std::size_t>(koe[k]);
        for (std::uint32_t j = start[i]; j < start[i + 1]; ++j) {
            const std::uint32_t f = fra[j];
            if (avstand[f] != ingen_vei) continue;
            avstand[f] = static_cast<std::uint8_t>(avstand[i] + 1);
            koe.push_back(static_cast<int>(f));
        }
    }
    return avstand;
}

bool lik(Celle t1, Celle n1, Celle t2, Celle n2) {
    __extension__ typedef __int128 Stort;
    return static_cast<Stort>(t1) * n2 == static_cast<Stort>(t2) * n1;
}

}  // namespace

// Fifteen bits for the terms, flags and solutions, times 24 for the roots: eight pairs of
// kinds, and sixteen for x under both roots with what squaring would give back.
int Grov::indeks() const {
    const int rest = venstre | hoeyre << 3 | like << 6 | (en_v ? 1 : 0) << 9 |
                     (en_h ? 1 : 0) << 10 | (en2_v ? 1 : 0) << 11 | (en2_h ? 1 : 0) << 12 |
                     static_cast<int>(mengde) << 13;
    const int r = begge_x_rot() ? 8 + (radlike | (koefflik ? 8 : 0)) : rot_v * 3 + rot_h;
    return rest * 24 + r;
}

Grov fra_indeks(int indeks) {
    const int rest = indeks / 24, r = indeks % 24;
    const auto bit = [&](int i) { return ((rest >> i) & 1) != 0; };
    Grov g{rest & 7, (rest >> 3) & 7, (rest >> 6) & 7, bit(9), bit(10), bit(11), bit(12)};
    g.mengde = static_cast<Mengdesvar>((rest >> 13) & 3);
    if (r >= 8) {
        g.rot_v = g.rot_h = 2;
        g.radlike = (r - 8) & 7;
        g.koefflik = r >= 16;
    } else {
        g.rot_v = r / 3;
        g.rot_h = r % 3;
    }
    return g;
}

bool Grov::gyldig() const {
    if (rot_v > 2 || rot_h > 2 || static_cast<int>(mengde) > 2) return false;
    if (!begge_x_rot() && (radlike != 0 || koefflik)) return false;
    for (int b : {4, 2, 1}) {
        const bool v = (venstre & b) != 0, h = (hoeyre & b) != 0;
        if ((like & b) != 0 && v != h) return false;
        if (!v && !h && (like & b) == 0) return false;
    }
    if ((en_v && (venstre & 2) == 0) || (en_h && (hoeyre & 2) == 0)) return false;
    if ((en2_v && (venstre & 4) == 0) || (en2_h && (hoeyre & 4) == 0)) return false;
    // Two coefficients of 1 are equal; equal ones are both 1 or neither.
    if ((like & 2) != 0 && en_v != en_h) return false;
    if (en_v && en_h && (like & 2) == 0) return false;
    if ((like & 4) != 0 && en2_v != en2_h) return false;
    if (en2_v && en2_h && (like & 4) == 0) return false;
    return true;
}

bool Grov::maal() const {
    return venstre == 2 && en_v && rot_v == 0 && (hoeyre & 6) == 0 && rot_h != 2 &&
           mengde == Mengdesvar::samme;
}

Grov grovbilde(const Tilstand& s, Mengdesvar mengde) {
    Grov g;
    g.like = 0;
    for (int j = 1; j <= 3; ++j) {
        const int b = 4 >> (j - 1);
        if (s.teller[j] != 0) g.venstre |= b;
        if (s.teller[j + 3] != 0) g.hoeyre |= b;
        if (lik(s.teller[j], s.nevner[j], s.teller[j + 3], s.nevner[j + 3])) g.like |= b;
    }
    // Values, not cells: an own equation's line 0 may hold 2/2.
    g.en_v = s.teller[2] != 0 && s.teller[2] == s.nevner[2];
    g.en_h = s.teller[5] != 0 && s.teller[5] == s.nevner[5];
    g.en2_v = s.teller[1] != 0 && s.teller[1] == s.nevner[1];
    g.en2_h = s.teller[4] != 0 && s.teller[4] == s.nevner[4];
    const auto rot = [&](int k, int o) {
        if (s.rotteller[k] == 0) return 0;
        return s.rotteller[o + 1] != 0 || s.rotteller[o + 2] != 0 ? 2 : 1;
    };
    g.rot_v = rot(0, 0);
    g.rot_h = rot(7, 3);
    g.mengde = mengde;
    if (g.begge_x_rot()) {
        for (int j = 1; j <= 3; ++j) {
            if (lik(s.rotteller[j], s.rotnevner[j], s.rotteller[j + 3], s.rotnevner[j + 3]))
                g.radlike |= 4 >> (j - 1);
        }
        const Celle kv = s.rotteller[0], kh = s.rotteller[7];
        g.koefflik = lik(kv, s.rotnevner[0], kh, s.rotnevner[7]) ||
                     lik(kv, s.rotnevner[0], -kh, s.rotnevner[7]);
    }
    return g;
}

namespace {

// Built once, on first use or from the table the web edition ships; overviews replay several
// files side by side, so the first use may come from more than one thread at a time.
struct Grovtabell {
    std::once_flag klar;
    std::atomic<Grovkilde> kilde{nullptr};
    std::vector<std::uint8_t> tabell;
};

Grovtabell& tabellen() {
    static Grovtabell t;
    return t;
}

}  // namespace

std::vector<std::uint8_t> bygg_grovtabell() {
    return byggtabell();
}

void bruk_grovtabell(Grovkilde kilde) {
    tabellen().kilde = kilde;
}

int grov_avstand(const Grov& g) {
    Grovtabell& t = tabellen();
    std::call_once(t.klar, [&] {
        if (const Grovkilde kilde = t.kilde) t.tabell = kilde();
        if (t.tabell.size() != static_cast<std::size_t>(antall_grove)) t.tabell = byggtabell();
    });
    const auto& tabell = t.tabell;
    if (!g.gyldig()) return 0;  // cannot happen for a real line; 0 never cuts a way off
    return tabell[static_cast<std::size_t>(g.indeks())];
}

}  // namespace veileder

int nedre_grense(const Tilstand& linje, Mengdesvar mengde) {
    return veileder::grov_avstand(veileder::grovbilde(linje, mengde));
}

}  // namespace balvo
