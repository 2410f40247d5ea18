// SPDX-License-Identifier: GPL-3.0-or-later
// The written line is read in two passes: the characters become tokens (spaces dropped
// wherever they stand, every character remembering its place in the text), and a small
// descent over the tokens collects the terms of each side.
#include "core/entry/linjeleser.h"

#include <cstdint>
#include <numeric>
#include <vector>

namespace balvo {
namespace {

namespace grunn {
constexpr Tekst tom = BALVO_TR("Regn selv", "Skriv linjen før du trykker Enter.");
constexpr Tekst mangler_ledd_etter = BALVO_TR("Regn selv", "det mangler et ledd etter %1");
constexpr Tekst mangler_ledd_foran = BALVO_TR("Regn selv", "det mangler et ledd foran %1");
constexpr Tekst mangler_ledd = BALVO_TR("Regn selv", "det mangler et ledd på slutten");
constexpr Tekst mangler_fortegn = BALVO_TR("Regn selv", "det mangler + eller − foran %1");
constexpr Tekst mangler_lik = BALVO_TR("Regn selv", "det mangler et likhetstegn");
constexpr Tekst to_lik = BALVO_TR("Regn selv", "det kan bare stå ett likhetstegn i en linje");
constexpr Tekst ukjent_bokstav = BALVO_TR("Regn selv", "den ukjente skal hete x, ikke %1");
constexpr Tekst ukjent_tegn = BALVO_TR("Regn selv", "tegnet %1 kan ikke brukes i en linje");
constexpr Tekst for_stort = BALVO_TR("Regn selv", "tallet er for stort til å regnes eksakt");
constexpr Tekst for_store = BALVO_TR("Regn selv", "tallene blir for store til å regnes eksakt");
constexpr Tekst null_nevner = BALVO_TR("Regn selv", "nevneren kan ikke være 0");
constexpr Tekst mangler_tall_etter = BALVO_TR("Regn selv", "det mangler et tall etter %1");
constexpr Tekst rot_i_rot = BALVO_TR("Regn selv", "det kan ikke stå en rot under en rot");
constexpr Tekst potens = BALVO_TR("Regn selv", "x kan ikke ha høyere potens enn 2");
constexpr Tekst potenstegn = BALVO_TR("Regn selv", "bare potensen 2 kan skrives, som x² eller x^2");
constexpr Tekst parentes_aapen = BALVO_TR("Regn selv", "parentesen lukkes ikke");
constexpr Tekst parentes_innhold =
    BALVO_TR("Regn selv", "i en parentes foran x kan det bare stå et tall eller en brøk");
constexpr Tekst kan_ikke_staa = BALVO_TR("Regn selv", "%1 kan ikke stå her");
constexpr Tekst to_roetter = BALVO_TR("Regn selv", "det kan bare stå én rot på hver side");
constexpr Tekst pm_foran = BALVO_TR("Regn selv", "± kan bare stå foran et tall eller en rot");
constexpr Tekst pm_i_rot = BALVO_TR("Regn selv", "± kan ikke stå under en rot");
constexpr Tekst etter_rot =
    BALVO_TR("Regn selv", "det mangler et tall, x eller en parentes etter √");
constexpr Tekst etter_gange = BALVO_TR("Regn selv", "det mangler x eller en rot etter %1");
}  // namespace grunn

constexpr Tekst med_plass = BALVO_TR("Regn selv", "Kan ikke lese «%1» ved tegn %2: %3.");
constexpr Tekst uten_plass = BALVO_TR("Regn selv", "Kan ikke lese «%1»: %2.");

// One character of the text: its code point, its UTF-8 spelling and its place (from 1).
struct Tegn {
    char32_t kode;
    std::string tekst;
    int plass;
};

// The characters of a UTF-8 text; a byte that begins no valid character stands for itself as
// U+FFFD, so any text can be read.
std::vector<Tegn> tegnene(std::string_view s) {
    std::vector<Tegn> ut;
    std::size_t i = 0;
    int plass = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        int lengde = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        char32_t kode = lengde == 1   ? b
                        : lengde == 2 ? (b & 0x1f)
                        : lengde == 3 ? (b & 0x0f)
                                      : (b & 0x07);
        bool gyldig = lengde > 0 && i + lengde <= s.size();
        for (int k = 1; gyldig && k < lengde; ++k) {
            const auto f = static_cast<unsigned char>(s[i + k]);
            if ((f >> 6) != 2) gyldig = false;
            kode = (kode << 6) | (f & 0x3f);
        }
        if (!gyldig) {
            lengde = 1;
            kode = 0xfffd;
        }
        ut.push_back({kode, gyldig ? std::string(s.substr(i, lengde)) : "\uFFFD", ++plass});
        i += lengde;
    }
    return ut;
}

bool mellomrom(char32_t c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == 0xa0 || c == 0x2009 ||
           c == 0x202f;
}

enum class Art { tall, x, kvadrat, rot, pluss, minus, pm, gange, del, vp, hp, lik, slutt };

struct Token {
    Art art;
    int plass;
    std::string tekst;  // as written
    Eksakt verdi{};     // a number's value
};

// Checked fraction arithmetic that keeps every number within what the sheet holds exactly.
Celle gcd64(Celle a, Celle b) {
    const auto ua =
        a < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(a) : static_cast<std::uint64_t>(a);
    const auto ub =
        b < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(b) : static_cast<std::uint64_t>(b);
    return static_cast<Celle>(std::gcd(ua, ub));
}

class Leser {
public:
    explicit Leser(std::string_view tekst) {
        const std::vector<Tegn> alle = tegnene(tekst);
        for (const Tegn& t : alle) {
            if (!mellomrom(t.kode)) tegn_.push_back(t);
        }
        slutt_ = alle.empty() ? 1 : alle.back().plass + 1;
    }

    Lesing les() {
        Lesing ut;
        if (tegn_.empty()) {
            ut.feil = {-1, grunn::tom, {}};
            return ut;
        }
        if (!lagtokens()) {
            ut.feil = feil_;
            return ut;
        }
        Skrevetlinje linje;
        if (!side(false, linje.side[0])) {
            ut.feil = feil_;
            return ut;
        }
        if (tok().art != Art::lik) {
            ut.feil = tok().art == Art::slutt
                          ? Lesefeil{0, grunn::mangler_lik, {}}
                          : Lesefeil{tok().plass, grunn::kan_ikke_staa, tok().tekst};
            return ut;
        }
        ++i_;
        if (!side(false, linje.side[1])) {
            ut.feil = feil_;
            return ut;
        }
        if (tok().art != Art::slutt) {
            ut.feil = tok().art == Art::lik
                          ? Lesefeil{tok().plass, grunn::to_lik, {}}
                          : Lesefeil{tok().plass, grunn::kan_ikke_staa, tok().tekst};
            return ut;
        }
        for (Skrevetside& s : linje.side) {
            if (!normaliser(s)) {
                ut.feil = {0, grunn::for_store, {}};
                return ut;
            }
        }
        ut.linje = linje;
        return ut;
    }

private:
    bool feil(int plass, Tekst grunn, std::string argument = {}) {
        feil_ = {plass, grunn, std::move(argument)};
        return false;
    }

    const Token& tok() const { return tokens_[i_]; }

    bool lagtokens() {
        std::size_t i = 0;
        auto neste = [&](std::size_t k) -> char32_t {
            return i + k < tegn_.size() ? tegn_[i + k].kode : 0;
        };
        while (i < tegn_.size()) {
            const Tegn& t = tegn_[i];
            const char32_t c = t.kode;
            if (c >= '0' && c <= '9') {
                if (!tall(i)) return false;
                continue;
            }
            Token tk{Art::slutt, t.plass, t.tekst};
            std::size_t lengde = 1;
            if (c == 'x' || c == 'X') {
                tk.art = Art::x;
            } else if (c == 0xb2) {
                tk.art = Art::kvadrat;
            } else if (c == '^') {
                if (neste(1) != '2' || (neste(2) >= '0' && neste(2) <= '9'))
                    return feil(t.plass, grunn::potenstegn);
                tk.art = Art::kvadrat;
                tk.tekst = "^2";
                lengde = 2;
            } else if (c == 0x221a) {
                tk.art = Art::rot;
            } else if ((c == 's' || c == 'S') && (neste(1) | 0x20) == 'q' &&
                       (neste(2) | 0x20) == 'r' && (neste(3) | 0x20) == 't') {
                tk.art = Art::rot;
                tk.tekst = "sqrt";
                lengde = 4;
            } else if (c == '+' && (neste(1) == '-' || neste(1) == 0x2212)) {
                tk.art = Art::pm;
                tk.tekst = "±";
                lengde = 2;
            } else if (c == '+') {
                tk.art = Art::pluss;
            } else if (c == 0xb1) {
                tk.art = Art::pm;
            } else if (c == '-' || c == 0x2212 || c == 0x2013) {
                tk.art = Art::minus;
            } else if (c == '*' || c == 0xb7 || c == 0xd7 || c == 0x22c5) {
                tk.art = Art::gange;
            } else if (c == '/') {
                tk.art = Art::del;
            } else if (c == '(') {
                tk.art = Art::vp;
            } else if (c == ')') {
                tk.art = Art::hp;
            } else if (c == '=') {
                tk.art = Art::lik;
            } else {
                const bool bokstav = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                                     (c >= 0xc0 && c <= 0x24f && c != 0xd7 && c != 0xf7) ||
                                     (c >= 0x370 && c <= 0x3ff);
                return feil(t.plass, bokstav ? grunn::ukjent_bokstav : grunn::ukjent_tegn,
                            "«" + t.tekst + "»");
            }
            tokens_.push_back(std::move(tk));
            i += lengde;
        }
        tokens_.push_back({Art::slutt, slutt_, {}});
        return true;
    }

    // Digits, with a comma or point and more digits: an exact decimal.
    bool tall(std::size_t& i) {
        const int plass = tegn_[i].plass;
        Token tk{Art::tall, plass, {}};
        Celle teller = 0, nevner = 1;
        bool desimal = false;
        bool siffer_etter = false;
        while (i < tegn_.size()) {
            const char32_t c = tegn_[i].kode;
            if (c >= '0' && c <= '9') {
                const auto t = gange(teller, 10);
                const auto s = t ? pluss(*t, static_cast<Celle>(c - '0')) : std::nullopt;
                if (!s || !innenfor(*s)) return feil(plass, grunn::for_stort);
                teller = *s;
                if (desimal) {
                    siffer_etter = true;
                    const auto n = gange(nevner, 10);
                    if (!n || !innenfor(*n)) return feil(plass, grunn::for_stort);
                    nevner = *n;
                }
            } else if ((c == ',' || c == '.') && !desimal) {
                desimal = true;
            } else {
                break;
            }
            tk.tekst += tegn_[i].tekst;
            ++i;
        }
        if (desimal && !siffer_etter) {
            return feil(plass + static_cast<int>(tk.tekst.size()) - 1, grunn::mangler_tall_etter,
                        tk.tekst.substr(tk.tekst.size() - 1));
        }
        tk.verdi = *lagbroek(teller, nevner);
        tokens_.push_back(std::move(tk));
        return true;
    }

    static bool leddstart(Art a) {
        return a == Art::tall || a == Art::x || a == Art::rot || a == Art::vp;
    }

    // Signed terms up to what cannot continue the side (=, ) or the end).
    bool side(bool i_rot, Skrevetside& s) {
        bool foerste = true;
        bool har_rot = false;
        while (true) {
            const Token* fortegn = nullptr;
            if (tok().art == Art::pluss || tok().art == Art::minus || tok().art == Art::pm) {
                fortegn = &tok();
                ++i_;
            } else if (!foerste) {
                if (leddstart(tok().art))
                    return feil(tok().plass, grunn::mangler_fortegn, tok().tekst);
                return true;
            }
            if (!leddstart(tok().art)) {
                if (fortegn) return feil(fortegn->plass, grunn::mangler_ledd_etter, fortegn->tekst);
                if (tok().art == Art::slutt) return feil(tok().plass, grunn::mangler_ledd);
                return feil(tok().plass, grunn::mangler_ledd_foran, tok().tekst);
            }
            if (!ledd(i_rot, fortegn, s, har_rot)) return false;
            foerste = false;
        }
    }

    bool nevner(Eksakt& koeff) {
        const Token& skille = tok();
        ++i_;
        if (tok().art != Art::tall)
            return feil(skille.plass, grunn::mangler_tall_etter, skille.tekst);
        if (tok().verdi.t == 0) return feil(tok().plass, grunn::null_nevner);
        const auto k = koeff / tok().verdi;
        if (!k) return feil(tok().plass, grunn::for_store);
        koeff = *k;
        ++i_;
        return true;
    }

    bool ledd(bool i_rot, const Token* fortegn, Skrevetside& s, bool& har_rot) {
        const int start = tok().plass;
        Eksakt koeff{1, 1};
        bool har_koeff = false;
        if (tok().art == Art::tall) {
            koeff = tok().verdi;
            har_koeff = true;
            ++i_;
            if (tok().art == Art::del && !nevner(koeff)) return false;
        } else if (tok().art == Art::vp &&
                   (tokens_[i_ + 1].art == Art::tall || tokens_[i_ + 1].art == Art::minus)) {
            // (3/4)x: a number or a fraction in brackets, perhaps negative.
            const int vp = tok().plass;
            ++i_;
            const bool neg = tok().art == Art::minus;
            if (neg) ++i_;
            if (tok().art != Art::tall) return feil(tok().plass, grunn::parentes_innhold);
            koeff = tok().verdi;
            ++i_;
            if (tok().art == Art::del && !nevner(koeff)) return false;
            if (tok().art == Art::slutt) return feil(vp, grunn::parentes_aapen);
            if (tok().art != Art::hp) return feil(tok().plass, grunn::parentes_innhold);
            ++i_;
            if (neg) koeff = -koeff;
            har_koeff = true;
        } else if (tok().art == Art::vp) {
            return feil(tok().plass, grunn::parentes_innhold);
        }
        if (har_koeff && tok().art == Art::gange) {
            const Token& g = tok();
            ++i_;
            if (tok().art != Art::x && tok().art != Art::rot)
                return feil(g.plass, grunn::etter_gange, g.tekst);
        }
        int grad = 0;
        bool rotledd = false;
        Skrevetside under;
        if (tok().art == Art::x) {
            ++i_;
            grad = 1;
            if (tok().art == Art::kvadrat) {
                grad = 2;
                ++i_;
            }
            if (tok().art == Art::kvadrat || tok().art == Art::x)
                return feil(tok().plass, grunn::potens);
        } else if (tok().art == Art::rot) {
            if (i_rot) return feil(tok().plass, grunn::rot_i_rot);
            const Token& rot = tok();
            ++i_;
            if (tok().art == Art::vp) {
                const int vp = tok().plass;
                ++i_;
                if (!side(true, under)) return false;
                if (tok().art != Art::hp) {
                    if (tok().art == Art::slutt) return feil(vp, grunn::parentes_aapen);
                    return feil(tok().plass, grunn::kan_ikke_staa, tok().tekst);
                }
                ++i_;
            } else if (tok().art == Art::tall) {
                under.ledd[2] = tok().verdi;
                ++i_;
            } else if (tok().art == Art::x) {
                ++i_;
                const bool kvadrat = tok().art == Art::kvadrat;
                if (kvadrat) ++i_;
                under.ledd[kvadrat ? 0 : 1] = {1, 1};
            } else if (tok().art == Art::rot) {
                return feil(tok().plass, grunn::rot_i_rot);
            } else {
                return feil(rot.plass, grunn::etter_rot);
            }
            rotledd = true;
        }
        if (tok().art == Art::del && !nevner(koeff)) return false;

        const bool pm = fortegn && fortegn->art == Art::pm;
        if (fortegn && fortegn->art == Art::minus) koeff = -koeff;
        if (pm && i_rot) return feil(fortegn->plass, grunn::pm_i_rot);
        if (pm && grad > 0) return feil(fortegn->plass, grunn::pm_foran);
        if (pm || rotledd) {
            if (har_rot) return feil(fortegn ? fortegn->plass : start, grunn::to_roetter);
            har_rot = true;
            s.rotkoeff = koeff;
            s.radikand =
                rotledd ? under.ledd : std::array<Eksakt, 3>{Eksakt{}, Eksakt{}, Eksakt{1, 1}};
            s.plussminus = pm;
            return true;
        }
        const auto sum = s.ledd[2 - grad] + koeff;
        if (!sum) return feil(start, grunn::for_store);
        s.ledd[2 - grad] = *sum;
        return true;
    }

    std::vector<Tegn> tegn_;
    std::vector<Token> tokens_;
    std::size_t i_ = 0;
    int slutt_ = 1;
    Lesefeil feil_;
};

}  // namespace

std::optional<Eksakt> lagbroek(Celle teller, Celle nevner) {
    if (nevner == 0) return std::nullopt;
    if (nevner < 0) {
        const auto t = motsatt(teller);
        const auto n = motsatt(nevner);
        if (!t || !n) return std::nullopt;
        teller = *t;
        nevner = *n;
    }
    const Celle d = gcd64(teller, nevner);
    if (d > 1) {
        teller /= d;
        nevner /= d;
    }
    if (!innenfor(teller) || !innenfor(nevner)) return std::nullopt;
    return Eksakt{teller, nevner};
}

std::optional<Eksakt> operator+(Eksakt a, Eksakt b) {
    const Celle d = gcd64(a.n, b.n);
    const auto t1 = gange(a.t, b.n / d);
    const auto t2 = gange(b.t, a.n / d);
    const auto n = gange(a.n, b.n / d);
    if (!t1 || !t2 || !n) return std::nullopt;
    const auto t = pluss(*t1, *t2);
    if (!t) return std::nullopt;
    return lagbroek(*t, *n);
}

std::optional<Eksakt> operator*(Eksakt a, Eksakt b) {
    // Crosswise first, so that the products stay as small as they can.
    const Celle d1 = a.t == 0 ? 1 : gcd64(a.t, b.n);
    const Celle d2 = b.t == 0 ? 1 : gcd64(b.t, a.n);
    const auto t = gange(a.t / d1, b.t / d2);
    const auto n = gange(a.n / d2, b.n / d1);
    if (!t || !n) return std::nullopt;
    return lagbroek(*t, *n);
}

std::optional<Eksakt> operator/(Eksakt a, Eksakt b) {
    const auto omvendt = lagbroek(b.n, b.t);
    if (!omvendt) return std::nullopt;
    return a * *omvendt;
}

Eksakt operator-(Eksakt a) {
    return {-a.t, a.n};  // every value is within 2^53, so the negation is exact
}

bool normaliser(Skrevetside& s) {
    const Eksakt en{1, 1};
    const std::array<Eksakt, 3> bare_en{Eksakt{}, Eksakt{}, en};
    if (s.rotkoeff.t == 0) {
        s.rotkoeff = {};
        s.radikand = bare_en;
        s.plussminus = false;
        return true;
    }
    if (s.radikand == std::array<Eksakt, 3>{}) s.radikand = bare_en;
    // ±(−3) is drawn ±3.
    if (s.plussminus && s.rotkoeff.t < 0) s.rotkoeff = -s.rotkoeff;
    if (s.radikand == bare_en && !s.plussminus) {
        const auto sum = s.ledd[2] + s.rotkoeff;
        if (!sum) return false;
        s.ledd[2] = *sum;
        s.rotkoeff = {};
    }
    return true;
}

Skrevetlinje skrevetlinje(const Ark& ark, int n) {
    Skrevetlinje l;
    if (n < 0 || n > siste_linje) return l;
    auto celle = [](Celle t, Celle nv) {
        return t == 0 ? Eksakt{} : lagbroek(t, nv).value_or(Eksakt{});
    };
    for (Side side : {Side::venstre, Side::hoeyre}) {
        Skrevetside& s = l.side[side == Side::venstre ? 0 : 1];
        const int o = forskyvning(side);
        for (int j = 0; j < 3; ++j) {
            s.ledd[j] = celle(ark.teller[n][o + 1 + j], ark.nevner[n][o + 1 + j]);
            s.radikand[j] = celle(ark.rotteller[n][o + 1 + j], ark.rotnevner[n][o + 1 + j]);
        }
        s.rotkoeff = celle(ark.rotteller[n][rotkolonne(side)], ark.rotnevner[n][rotkolonne(side)]);
        s.plussminus = side == Side::hoeyre;
        normaliser(s);
    }
    return l;
}

bool skrivinn(const Skrevetlinje& linje, Ark& ark, int n) {
    if (n < 0 || n > siste_linje) return false;
    const Skrevetside& v = linje.side[0];
    const Skrevetside& h = linje.side[1];
    if (v.plussminus || (h.rotkoeff.t != 0 && !h.plussminus)) return false;
    toemlinje(ark, n);
    for (int s = 0; s < 2; ++s) {
        const Skrevetside& side = linje.side[s];
        const int o = s == 0 ? 0 : 3;
        for (int j = 0; j < 3; ++j) {
            ark.teller[n][o + 1 + j] = side.ledd[j].t;
            ark.nevner[n][o + 1 + j] = side.ledd[j].n;
            ark.rotteller[n][o + 1 + j] = side.radikand[j].t;
            ark.rotnevner[n][o + 1 + j] = side.radikand[j].n;
        }
        ark.rotteller[n][s == 0 ? 0 : 7] = side.rotkoeff.t;
        ark.rotnevner[n][s == 0 ? 0 : 7] = side.rotkoeff.n;
    }
    return true;
}

Lesing leslinje(std::string_view tekst) {
    bool kuttet = false;
    const std::string kort = kuttlinje(tekst, kuttet);
    return Leser(kort).les();
}

std::string kuttlinje(std::string_view tekst, bool& kuttet) {
    kuttet = false;
    int antall = 0;
    for (std::size_t i = 0; i < tekst.size(); ++i) {
        if ((static_cast<unsigned char>(tekst[i]) & 0xc0) == 0x80) continue;
        if (++antall > lengste_linje) {
            kuttet = true;
            return std::string(tekst.substr(0, i));
        }
    }
    return std::string(tekst);
}

std::string lesefeiltekst(std::string_view tekst, const Lesefeil& feil) {
    if (feil.tegn < 0) return oversettelse(feil.grunn);
    const std::string grunn = oversettelse(feil.grunn, {feil.argument});
    if (feil.tegn == 0) return oversettelse(uten_plass, {tekst, grunn});
    return oversettelse(med_plass, {tekst, std::to_string(feil.tegn), grunn});
}

}  // namespace balvo
