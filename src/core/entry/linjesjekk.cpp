// SPDX-License-Identifier: GPL-3.0-or-later
// Each typical mistake is worked out from line L as the pupil would have made it, in exact
// fractions; a mistake whose numbers cannot be held exactly is simply not offered.
#include "core/entry/linjesjekk.h"

#include <optional>

#include "core/display/leddeling.h"

namespace balvo {
namespace {

constexpr std::string_view minustegn = "\u2212";

std::string broektekst(Eksakt b, bool foran) {
    const std::string t = beloeptekst(b.t);
    if (b.n == 1) return t;
    const std::string s = t + "/" + std::to_string(b.n);
    return foran ? "(" + s + ")" : s;
}

// A term without its sign, as the linear text writes it: "3x", "(3/4)x²", "5".
std::string leddtekst(Eksakt k, int grad) {
    std::string s =
        (grad > 0 && k.n == 1 && (k.t == 1 || k.t == -1)) ? "" : broektekst(k, grad > 0);
    if (grad > 0) s += 'x';
    if (grad == 2) s += "\u00b2";
    return s;
}

std::string rottekst(const Skrevetside& s) {
    std::string under;
    for (int j = 0; j < 3; ++j) {
        const Eksakt b = s.radikand[j];
        if (b.t == 0) continue;
        if (!under.empty())
            under += b.t < 0 ? std::string(" ") + std::string(minustegn) + " " : " + ";
        else if (b.t < 0)
            under += minustegn;
        under += leddtekst(b, 2 - j);
    }
    const bool naken = under == "x" || under.find_first_not_of("0123456789") == std::string::npos;
    std::string k = (s.rotkoeff.t == 1 || s.rotkoeff.t == -1) && s.rotkoeff.n == 1
                        ? ""
                        : broektekst(s.rotkoeff, true);
    return k + "\u221a" + (naken ? under : "(" + under + ")");
}

std::string sidetekst(const Skrevetside& s) {
    std::string ut;
    auto fortegn = [&](bool negativ) {
        if (ut.empty()) {
            if (negativ) ut += minustegn;
        } else {
            ut += negativ ? " " + std::string(minustegn) + " " : " + ";
        }
    };
    for (int j = 0; j < 3; ++j) {
        if (s.ledd[j].t == 0) continue;
        fortegn(s.ledd[j].t < 0);
        ut += leddtekst(s.ledd[j], 2 - j);
    }
    if (s.rotkoeff.t != 0) {
        if (s.plussminus) {
            ut += ut.empty() ? "\u00b1" : " \u00b1 ";
        } else {
            fortegn(s.rotkoeff.t < 0);
        }
        const bool radikal =
            !(s.radikand == std::array<Eksakt, 3>{Eksakt{}, Eksakt{}, Eksakt{1, 1}});
        ut += radikal ? rottekst(s) : broektekst(s.rotkoeff, false);
    }
    return ut.empty() ? "0" : ut;
}

struct Operand {
    Operasjon op = Operasjon::ingen;
    Eksakt verdi{};
    int potens = 0;
};

// op applied to one term of degree `grad` (3 for the root term): its new degree and value.
std::optional<std::pair<int, Eksakt>> paaledd(const Operand& o, int grad, Eksakt k) {
    if (o.op == Operasjon::gang) {
        if (grad == 3 && o.potens > 0) return std::nullopt;
        if (grad < 3 && grad + o.potens > 2) return std::nullopt;
        const auto b = k * o.verdi;
        if (!b) return std::nullopt;
        return std::pair{grad == 3 ? 3 : grad + o.potens, *b};
    }
    if (o.op == Operasjon::del) {
        if (grad == 3 && o.potens > 0) return std::nullopt;
        if (grad < 3 && grad - o.potens < 0) return std::nullopt;
        const auto b = k / o.verdi;
        if (!b) return std::nullopt;
        return std::pair{grad == 3 ? 3 : grad - o.potens, *b};
    }
    return std::nullopt;
}

// The side with only the term of degree `grad` multiplied or divided, the others as they were.
std::optional<Skrevetside> bare_ett_ledd(const Operand& o, const Skrevetside& s, int grad) {
    Skrevetside ny = s;
    const Eksakt k = grad == 3 ? s.rotkoeff : s.ledd[2 - grad];
    if (k.t == 0) return std::nullopt;
    const auto r = paaledd(o, grad, k);
    if (!r) return std::nullopt;
    if (grad == 3) {
        ny.rotkoeff = r->second;
    } else {
        ny.ledd[2 - grad] = {};
        const auto sum = ny.ledd[2 - r->first] + r->second;
        if (!sum) return std::nullopt;
        ny.ledd[2 - r->first] = *sum;
    }
    if (!normaliser(ny)) return std::nullopt;
    return ny;
}

int antall_ledd(const Skrevetside& s) {
    int n = s.rotkoeff.t != 0 ? 1 : 0;
    for (Eksakt b : s.ledd) n += b.t != 0 ? 1 : 0;
    return n;
}

Eksakt beloep(Eksakt b) {
    return b.t < 0 ? -b : b;
}

// a = c·b for some c other than 0 and 1; the radicands and the ± must agree, and under ± only
// the size of the coefficient counts.
bool multiplum(const Skrevetlinje& a, const Skrevetlinje& b) {
    struct Par {
        Eksakt p, q;
        bool beloep;
    };
    std::vector<Par> par;
    for (int s = 0; s < 2; ++s) {
        const Skrevetside& x = a.side[s];
        const Skrevetside& y = b.side[s];
        if (x.plussminus != y.plussminus) return false;
        if (x.rotkoeff.t != 0 && x.radikand != y.radikand) return false;
        for (int j = 0; j < 3; ++j) par.push_back({x.ledd[j], y.ledd[j], false});
        par.push_back({x.rotkoeff, y.rotkoeff, x.plussminus});
    }
    std::optional<Eksakt> c;
    for (bool beloep_ : {false, true}) {
        for (const Par& p : par) {
            if (!c && p.beloep == beloep_ && p.p.t != 0 && p.q.t != 0) c = p.p / p.q;
        }
    }
    if (!c || c->t == 0 || *c == Eksakt{1, 1}) return false;
    for (const Par& p : par) {
        const auto cq = *c * p.q;
        if (!cq) return false;
        if (p.beloep ? !(beloep(*cq) == beloep(p.p)) : !(*cq == p.p)) return false;
    }
    return true;
}

}  // namespace

std::string linjetekst(const Skrevetlinje& linje) {
    return sidetekst(linje.side[0]) + " = " + sidetekst(linje.side[1]);
}

std::vector<Feillinje> typiske_feil(const Ark& ark, int L) {
    std::vector<Feillinje> ut;
    if (L < 0 || L >= siste_linje) return ut;
    const Skrevetlinje foer = skrevetlinje(ark, L);
    const Skrevetlinje riktig = skrevetlinje(ark, L + 1);
    Operand o{ark.linjeopr[L], {}, ark.linjepotens[L]};
    if (const auto v = lagbroek(ark.linjeteller[L], ark.linjenevner[L])) o.verdi = *v;
    auto legg = [&](Tekst navn, const Skrevetlinje& l, std::string arg = {}) {
        if (!(l == riktig)) ut.push_back({navn, std::move(arg), l});
    };

    // One side only.
    if (o.op != Operasjon::bytt && o.op != Operasjon::ingen) {
        legg(tekst::bare_venstre, Skrevetlinje{{riktig.side[0], foer.side[1]}});
        legg(tekst::bare_hoeyre, Skrevetlinje{{foer.side[0], riktig.side[1]}});
    }
    // One term only multiplied or divided, the other side right.
    if ((o.op == Operasjon::gang || o.op == Operasjon::del) && o.verdi.t != 0) {
        const Tekst navn = o.op == Operasjon::del ? tekst::ett_delt : tekst::ett_ganget;
        for (int s = 0; s < 2; ++s) {
            if (antall_ledd(foer.side[s]) < 2) continue;
            for (int grad = 0; grad <= 3; ++grad) {
                if (const auto side = bare_ett_ledd(o, foer.side[s], grad)) {
                    Skrevetlinje l = riktig;
                    l.side[s] = *side;
                    legg(navn, l);
                }
            }
        }
    }
    // One term with the wrong sign.
    for (int s = 0; s < 2; ++s) {
        const Skrevetside& side = riktig.side[s];
        for (int j = 0; j < 3; ++j) {
            if (side.ledd[j].t == 0) continue;
            Skrevetlinje l = riktig;
            l.side[s].ledd[j] = -side.ledd[j];
            legg(tekst::fortegnsfeil, l, leddtekst(side.ledd[j], 2 - j));
        }
        if (side.rotkoeff.t != 0 && !side.plussminus) {
            Skrevetlinje l = riktig;
            l.side[s].rotkoeff = -side.rotkoeff;
            legg(tekst::fortegnsfeil, l, rottekst(side));
        }
    }
    // a/b ± p/q written (a ± p)/(b + q), or (a − p)/(b − q).
    if (o.op == Operasjon::legg_til || o.op == Operasjon::trekk_fra) {
        const int j = 2 - o.potens;
        const Eksakt p = o.op == Operasjon::legg_til ? o.verdi : -o.verdi;
        std::array<std::vector<Eksakt>, 2> gale;
        for (int s = 0; s < 2; ++s) {
            const Eksakt a = foer.side[s].ledd[j];
            if (a.t == 0 || (a.n == 1 && p.n == 1)) continue;
            const auto t = pluss(a.t, p.t);
            if (!t) continue;
            for (Celle n : {a.n + p.n, o.op == Operasjon::trekk_fra ? a.n - p.n : Celle{0}}) {
                if (const auto b = n != 0 ? lagbroek(*t, n) : std::nullopt) gale[s].push_back(*b);
            }
        }
        for (int s = 0; s < 2; ++s) {
            for (Eksakt b : gale[s]) {
                Skrevetlinje l = riktig;
                l.side[s].ledd[j] = b;
                legg(tekst::broekfeil, l);
                for (Eksakt b2 : gale[1 - s]) {
                    l.side[1 - s].ledd[j] = b2;
                    legg(tekst::broekfeil, l);
                }
            }
        }
    }
    // (bx + c)² written b²x² + c².
    if (o.op == Operasjon::kvadrer) {
        std::array<std::optional<Skrevetside>, 2> gale;
        for (int s = 0; s < 2; ++s) {
            const Skrevetside& side = foer.side[s];
            if (side.rotkoeff.t != 0 || side.ledd[0].t != 0 || side.ledd[1].t == 0 ||
                side.ledd[2].t == 0)
                continue;
            const auto b2 = side.ledd[1] * side.ledd[1];
            const auto c2 = side.ledd[2] * side.ledd[2];
            if (b2 && c2) gale[s] = Skrevetside{{*b2, Eksakt{}, *c2}};
        }
        for (int s = 0; s < 2; ++s) {
            if (!gale[s]) continue;
            Skrevetlinje l = riktig;
            l.side[s] = *gale[s];
            legg(tekst::kvadratfeil, l);
            if (gale[1 - s]) {
                l.side[1 - s] = *gale[1 - s];
                legg(tekst::kvadratfeil, l);
            }
        }
    }
    // The square root without ±: the positive or the negative root alone.
    if (o.op == Operasjon::rot && riktig.side[1].plussminus && riktig.side[1].rotkoeff.t != 0) {
        for (Celle fortegn : {1, -1}) {
            Skrevetlinje l = riktig;
            l.side[1].plussminus = false;
            l.side[1].rotkoeff.t *= fortegn;
            if (normaliser(l.side[1])) legg(tekst::plussminusfeil, l);
        }
    }
    return ut;
}

Linjedom sjekklinje(const Ark& ark, int L, std::string_view skrevet) {
    Linjedom dom;
    bool kuttet = false;
    dom.tekst = kuttlinje(skrevet, kuttet);
    if (kuttet) {
        dom.melding = oversettelse(tekst::linje_kuttet);
        return dom;
    }
    const Lesing lest = leslinje(dom.tekst);
    if (!lest.linje) {
        dom.melding = lesefeiltekst(dom.tekst, lest.feil);
        return dom;
    }
    const Skrevetlinje riktig = skrevetlinje(ark, L + 1);
    const Skrevetlinje& linje = *lest.linje;
    if (linje == riktig) {
        dom.dom = Dom::riktig;
        return dom;
    }
    const Skrevetlinje byttet{{riktig.side[1], riktig.side[0]}};
    if (linje == byttet) {
        dom.dom = Dom::annen_form;
        dom.grunn = tekst::sider_byttet;
    } else if (multiplum(linje, riktig) || multiplum(linje, byttet)) {
        dom.dom = Dom::annen_form;
        dom.grunn = tekst::sider_ganget;
    }
    if (dom.dom == Dom::annen_form) {
        dom.melding = oversettelse(dom.grunn);
        return dom;
    }
    dom.dom = Dom::feil;
    dom.grunn = tekst::ikke_riktig;
    std::string argument;
    for (const Feillinje& f : typiske_feil(ark, L)) {
        if (f.linje == linje) {
            dom.grunn = f.navn;
            argument = f.argument;
            break;
        }
    }
    dom.melding = oversettelse(dom.grunn, {argument});
    return dom;
}

}  // namespace balvo
