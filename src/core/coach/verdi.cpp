// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/coach/verdi.h"

#include <algorithm>
#include <limits>

namespace balvo::veileder {
namespace {

__extension__ typedef unsigned __int128 Ustort;
using Mengde = Loesningsmengde;
using Art = Loesningsmengde::Art;

constexpr Stort minste = std::numeric_limits<Stort>::min();

Ustort beloep(Stort v) {
    return v < 0 ? Ustort{0} - static_cast<Ustort>(v) : static_cast<Ustort>(v);
}

Ustort sfd(Ustort a, Ustort b) {
    while (b != 0) {
        const Ustort r = a % b;
        a = b;
        b = r;
    }
    return a;
}

std::optional<Stort> gange(Stort a, Stort b) {
    Stort r = 0;
    if (__builtin_mul_overflow(a, b, &r)) return std::nullopt;
    return r;
}

std::optional<Stort> pluss(Stort a, Stort b) {
    Stort r = 0;
    if (__builtin_add_overflow(a, b, &r)) return std::nullopt;
    return r;
}

// The largest r with r·r <= v (v >= 0).
Ustort heltrot(Ustort v) {
    Ustort lav = 0, hoey = std::numeric_limits<std::uint64_t>::max();
    while (lav < hoey) {
        const Ustort midt = lav + (hoey - lav + 1) / 2;
        if (midt * midt <= v) {
            lav = midt;
        } else {
            hoey = midt - 1;
        }
    }
    return lav;
}

std::string heltekst(Ustort v) {
    std::string s;
    do {
        s.insert(s.begin(), static_cast<char>('0' + static_cast<int>(v % 10)));
        v /= 10;
    } while (v != 0);
    return s;
}

constexpr const char* minustegn = "\u2212";

std::string broektekst(Broek b) {
    std::string s = heltekst(beloep(b.t));
    if (b.n != 1) s += "/" + heltekst(static_cast<Ustort>(b.n));
    return s;
}

std::optional<Verdi> motsatt(const Verdi& v) {
    const auto c = differanse(Broek{}, v.c);
    if (!c) return std::nullopt;
    return Verdi{*c, -v.s, v.m};
}

// a + b where the sum still has one root: one of them rational, or both the same root.
std::optional<Verdi> leggsammen(const Verdi& a, const Verdi& b) {
    const auto c = sum(a.c, b.c);
    if (!c) return std::nullopt;
    if (a.s == 0) return verdi(*c, b.s, b.m);
    if (b.s == 0) return verdi(*c, a.s, a.m);
    if (!(a.m == b.m)) return std::nullopt;
    if (a.s + b.s == 0) return Verdi{*c, 0, Broek{}};
    // 2·√m = √(4m)
    const auto m4 = produkt(a.m, Broek{4, 1});
    if (!m4) return std::nullopt;
    return verdi(*c, a.s, *m4);
}

// r·v for a rational r that is not 0.
std::optional<Verdi> skaler(const Verdi& v, Broek r) {
    const auto c = produkt(v.c, r);
    const auto r2 = produkt(r, r);
    if (!c || !r2) return std::nullopt;
    const auto m = produkt(v.m, *r2);
    if (!m) return std::nullopt;
    return verdi(*c, v.s * fortegn(r), *m);
}

Mengde ukjent() {
    return {};
}

Mengde en(const Verdi& v) {
    return {Art::verdier, {v}};
}

void leggtilverdi(std::vector<Verdi>& ut, const Verdi& v) {
    if (std::find(ut.begin(), ut.end(), v) == ut.end()) ut.push_back(v);
}

Mengde union_av(const Mengde& a, const Mengde& b) {
    if (a.art == Art::ukjent || b.art == Art::ukjent) return ukjent();
    if (a.art == Art::alle || b.art == Art::alle) return {Art::alle, {}};
    if (a.art == Art::ingen) return b;
    if (b.art == Art::ingen) return a;
    Mengde u{Art::verdier, a.verdier};
    for (const Verdi& v : b.verdier) leggtilverdi(u.verdier, v);
    return u;
}

// A·x² + B·x + K = 0 for a constant K that may carry a root.
Mengde loes(Broek A, Broek B, const Verdi& K) {
    if (K.s == 0) return andregrad(A, B, K.c);
    // An irrational constant: x² would need nested roots.
    if (A.t != 0) return ukjent();
    if (B.t == 0) return {Art::ingen, {}};
    const auto r = kvotient(Broek{-1, 1}, B);
    if (!r) return ukjent();
    const auto x = skaler(K, *r);
    if (!x) return ukjent();
    return en(*x);
}

// k·√(radicand) of one side, when its radicand is a constant; nothing when it has no root.
struct Rotledd {
    bool finnes = false;
    bool reell = true;  // false when the radicand is negative
    std::optional<Verdi> verdi;
};

Rotledd rotledd(const Tilstand& s, int k, int o) {
    Rotledd r;
    if (s.rotteller[k] == 0) return r;
    r.finnes = true;
    if (s.rotteller[o + 1] != 0 || s.rotteller[o + 2] != 0) return r;  // x under the root
    const auto U = broek(s.rotteller[o + 3], s.rotnevner[o + 3]);
    const auto a = broek(s.rotteller[k], s.rotnevner[k]);
    if (!U || !a) return r;
    if (U->t < 0) {
        r.reell = false;
        return r;
    }
    const auto a2 = produkt(*a, *a);
    const auto m = a2 ? produkt(*a2, *U) : std::nullopt;
    if (m) r.verdi = verdi(Broek{}, fortegn(*a), *m);
    return r;
}

}  // namespace

std::optional<Broek> broek(Stort t, Stort n) {
    if (n == 0 || t == minste || n == minste) return std::nullopt;
    if (n < 0) {
        t = -t;
        n = -n;
    }
    const Ustort d = sfd(beloep(t), static_cast<Ustort>(n));
    if (d > 1) {
        t /= static_cast<Stort>(d);
        n /= static_cast<Stort>(d);
    }
    return Broek{t, n};
}

std::optional<Broek> sum(Broek a, Broek b) {
    const Stort g = static_cast<Stort>(sfd(static_cast<Ustort>(a.n), static_cast<Ustort>(b.n)));
    const auto x = gange(a.t, b.n / g), y = gange(b.t, a.n / g), n = gange(a.n, b.n / g);
    if (!x || !y || !n) return std::nullopt;
    const auto t = pluss(*x, *y);
    if (!t) return std::nullopt;
    return broek(*t, *n);
}

std::optional<Broek> differanse(Broek a, Broek b) {
    if (b.t == minste) return std::nullopt;
    return sum(a, Broek{-b.t, b.n});
}

std::optional<Broek> produkt(Broek a, Broek b) {
    if (a.t == 0 || b.t == 0) return Broek{};
    const auto g1 = static_cast<Stort>(sfd(beloep(a.t), static_cast<Ustort>(b.n)));
    const auto g2 = static_cast<Stort>(sfd(beloep(b.t), static_cast<Ustort>(a.n)));
    const auto t = gange(a.t / g1, b.t / g2), n = gange(a.n / g2, b.n / g1);
    if (!t || !n) return std::nullopt;
    return broek(*t, *n);
}

std::optional<Broek> kvotient(Broek a, Broek b) {
    if (b.t == 0) return std::nullopt;
    const auto invers = broek(b.n, b.t);
    if (!invers) return std::nullopt;
    return produkt(a, *invers);
}

int fortegn(Broek a) {
    return a.t < 0 ? -1 : (a.t > 0 ? 1 : 0);
}

std::optional<Broek> rasjonal_rot(Broek a) {
    if (a.t < 0) return std::nullopt;
    const Ustort rt = heltrot(static_cast<Ustort>(a.t)), rn = heltrot(static_cast<Ustort>(a.n));
    if (rt * rt != static_cast<Ustort>(a.t) || rn * rn != static_cast<Ustort>(a.n))
        return std::nullopt;
    return Broek{static_cast<Stort>(rt), static_cast<Stort>(rn)};
}

std::optional<Verdi> verdi(Broek c, int s, Broek m) {
    if (m.t < 0) return std::nullopt;
    if (s == 0 || m.t == 0) return Verdi{c, 0, Broek{}};
    if (const auto q = rasjonal_rot(m)) {
        const auto v = sum(c, s > 0 ? *q : Broek{-q->t, q->n});
        if (!v) return std::nullopt;
        return Verdi{*v, 0, Broek{}};
    }
    return Verdi{c, s > 0 ? 1 : -1, m};
}

bool samme(const Loesningsmengde& a, const Loesningsmengde& b) {
    if (a.art != b.art || a.art == Art::ukjent) return false;
    if (a.art != Art::verdier) return true;
    if (a.verdier.size() != b.verdier.size()) return false;
    return std::all_of(a.verdier.begin(), a.verdier.end(), [&](const Verdi& v) {
        return std::find(b.verdier.begin(), b.verdier.end(), v) != b.verdier.end();
    });
}

Loesningsmengde andregrad(Broek A, Broek B, Broek C) {
    if (A.t == 0) {
        if (B.t == 0) return {C.t == 0 ? Art::alle : Art::ingen, {}};
        const auto x = kvotient(Broek{-C.t, C.n}, B);
        if (!x) return ukjent();
        return en(Verdi{*x, 0, Broek{}});
    }
    // x = −B/(2A) ± √(D/(4A²)), D = B² − 4AC
    const auto B2 = produkt(B, B), AC = produkt(A, C);
    const auto AC4 = AC ? produkt(*AC, Broek{4, 1}) : std::nullopt;
    const auto D = B2 && AC4 ? differanse(*B2, *AC4) : std::nullopt;
    const auto A2 = produkt(A, Broek{2, 1});
    if (!D || !A2) return ukjent();
    if (D->t < 0) return {Art::ingen, {}};
    const auto midt = kvotient(Broek{-B.t, B.n}, *A2);
    const auto A2A2 = produkt(*A2, *A2);
    const auto m = A2A2 ? kvotient(*D, *A2A2) : std::nullopt;
    if (!midt || !m) return ukjent();
    if (D->t == 0) return en(Verdi{*midt, 0, Broek{}});
    const auto x1 = verdi(*midt, 1, *m), x2 = verdi(*midt, -1, *m);
    if (!x1 || !x2) return ukjent();
    return {Art::verdier, {*x1, *x2}};
}

Loesningsmengde linjemengde(const Tilstand& s) {
    std::optional<Broek> koeff[3];
    for (int j = 0; j < 3; ++j) {
        const auto v = broek(s.teller[j + 1], s.nevner[j + 1]);
        const auto h = broek(s.teller[j + 4], s.nevner[j + 4]);
        if (!v || !h) return ukjent();
        koeff[j] = differanse(*v, *h);
        if (!koeff[j]) return ukjent();
    }
    const Broek A = *koeff[0], B = *koeff[1], C = *koeff[2];

    const Rotledd venstre = rotledd(s, 0, 0), hoeyre = rotledd(s, 7, 3);
    // A side that is nowhere a real number has no solution.
    if (!venstre.reell || !hoeyre.reell) return {Art::ingen, {}};
    if ((venstre.finnes && !venstre.verdi) || (hoeyre.finnes && !hoeyre.verdi)) return ukjent();

    auto K = std::optional<Verdi>{Verdi{C, 0, Broek{}}};
    if (venstre.finnes) K = leggsammen(*K, *venstre.verdi);
    if (!K) return ukjent();
    if (!hoeyre.finnes) return loes(A, B, *K);
    // P + L = Q ± R: either sign.
    const auto minus_r = motsatt(*hoeyre.verdi);
    const auto K1 = minus_r ? leggsammen(*K, *minus_r) : std::nullopt;
    const auto K2 = leggsammen(*K, *hoeyre.verdi);
    if (!K1 || !K2) return ukjent();
    return union_av(loes(A, B, *K1), loes(A, B, *K2));
}

std::string verditekst(const Verdi& v, bool plussminus) {
    std::string s;
    if (v.c.t != 0 || v.s == 0) {
        if (v.c.t < 0) s += minustegn;
        s += broektekst(v.c);
    }
    if (v.s == 0) return s;
    const std::string tegn = plussminus ? "\u00b1" : (v.s < 0 ? minustegn : "+");
    if (s.empty()) {
        if (plussminus || v.s < 0) s += tegn;
    } else {
        s += " " + tegn + " ";
    }
    // √(u/n) = (1/n)·√(u·n), and square factors out of u·n where they are small enough to find.
    Stort under = 0;
    if (__builtin_mul_overflow(v.m.t, v.m.n, &under)) return s + "√(" + broektekst(v.m) + ")";
    Stort ut = 1;
    for (Stort p = 2; p <= 100000 && p * p <= under; ++p) {
        while (under % (p * p) == 0) {
            under /= p * p;
            ut *= p;
        }
    }
    const auto k = broek(ut, v.m.n);
    if (k && !(k->t == 1 && k->n == 1))
        s += k->n == 1 ? broektekst(*k) : "(" + broektekst(*k) + ")";
    return s + "√" + heltekst(static_cast<Ustort>(under));
}

}  // namespace balvo::veileder
