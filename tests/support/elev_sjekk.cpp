// SPDX-License-Identifier: GPL-3.0-or-later
// The rules checked after every step of a random pupil.
#include <algorithm>
#include <cmath>

#include "core/algebra/regning.h"
#include "core/display/linjetegner.h"
#include "eksakt.h"
#include "elev.h"

namespace balvo::test {
namespace {

std::string dump(const Ark& ark, int n) {
    const auto d = linjedump(ark, n);
    return "\n    line " + std::to_string(n) + ": " + d[0] + "\n            " + d[1];
}

bool linjer_like(const Ark& a, const Ark& b, int n) {
    return a.teller[n] == b.teller[n] && a.nevner[n] == b.nevner[n] &&
           a.rotteller[n] == b.rotteller[n] && a.rotnevner[n] == b.rotnevner[n];
}

bool poster_like(const Ark& a, const Ark& b, int n) {
    return a.linjeopr[n] == b.linjeopr[n] && a.linjeteller[n] == b.linjeteller[n] &&
           a.linjenevner[n] == b.linjenevner[n] && a.linjepotens[n] == b.linjepotens[n];
}

bool endelig(const Opptaksflate& f) {
    for (const auto& o : f.opptak()) {
        for (double v : {o.x1, o.y1, o.x2, o.y2, o.stoerrelse})
            if (!std::isfinite(v)) return false;
        if (o.tekst.find("nan") != std::string::npos || o.tekst.find("inf") != std::string::npos)
            return false;
    }
    return true;
}

class Stille : public Merke {
public:
    void vismerke(double, double) override {}
    void skjulmerke() override {}
};

}  // namespace

void Elev::krev(bool vilkaar, const std::string& hva) {
    if (!vilkaar && feil_.empty()) feil_ = hva;
}

void Elev::nektet(const std::string& tekst) {
    static const std::pair<const char*, const char*> arter[] = {
        {"Du kan ikke dele med null", "dele med null"},
        {"Å gange med null", "avslått advarsel (gange med null)"},
        {"x-verdier som gjør", "avslått advarsel (kvadrering)"},
        {"Tallet er for stort", "for stort tall"},
        {"Tallene blir for store", "ikke eksakt"},
        {"Arket er fullt", "fullt ark"},
    };
    for (const auto& [start, art] : arter) {
        if (tekst.rfind(start, 0) == 0) {
            ++tall_.nektet[art];
            return;
        }
    }
    ++tall_.nektet["«" + tekst.substr(0, tekst.find('\n')) + "»"];
}

void Elev::sjekk_felles() {
    const Ark& a = arket_.ark();
    krev(a.linjenr >= 0 && a.linjenr <= a.sistelinje && a.sistelinje <= siste_linje && a.rad >= 0 &&
             a.rad <= 4,
         "counters out of range: linjenr " + std::to_string(a.linjenr) + ", sistelinje " +
             std::to_string(a.sistelinje) + ", rad " + std::to_string(a.rad));
    if (arket_.har_oppgave()) {
        for (int j = 1; j <= 6; ++j)
            krev(a.nevner[0][j] > 0, "line 0 has a denominator that is not positive");
    }
    sjekk_taster();
    sjekk_tegning();
}

void Elev::sjekk_taster() {
    const Tastesett& t = arket_.taster();
    const Ark& a = arket_.ark();
    const int L = a.linjenr;
    krev(skall_.taster == t, "the window shows other keys than the logic decided");
    const std::string regneart(symbol(a.regneart));
    krev(!t[Utfoer] || (!regneart.empty() && L == a.sistelinje && L < siste_linje),
         "Utfør usable with operation «" + regneart + "» on line " + std::to_string(L));
    if (L < a.sistelinje) {
        for (int k = siffer0; k <= variabel1; ++k)
            krev(!t[static_cast<std::size_t>(k)], "key " + std::to_string(k) +
                                                      " usable while scrolled back to line " +
                                                      std::to_string(L));
    }
    krev(!t[scrollopp] || L > 4, "scrollopp usable on line " + std::to_string(L));
    krev(!t[scrollned] || L < a.sistelinje, "scrollned usable on the newest line");
    if (!arket_.har_oppgave()) return;
    const auto& te = a.teller[L];
    const bool rot = har_rot(a, L);
    krev(!t[opr0 + oprindeks(Operasjon::rot)] || !rot,
         "the square root offered on a line with a root part");
    const bool vrot_med_ledd = har_rot(a, L, 0) && (te[1] != 0 || te[2] != 0 || te[3] != 0);
    const bool hrot_med_ledd = har_rot(a, L, 3) && (te[4] != 0 || te[5] != 0 || te[6] != 0);
    krev(!t[opr0 + oprindeks(Operasjon::kvadrer)] ||
             (te[1] == 0 && te[4] == 0 && !vrot_med_ledd && !hrot_med_ledd),
         "squaring offered on a line it cannot square" + dump(a, L));
    if (regneart == "*" || regneart == ":") {
        krev(!t[variabel1], "x² offered as a multiplier or divisor");
        const bool hindrer =
            regneart == "*" ? (te[1] != 0 || te[4] != 0 || rot) : (te[3] != 0 || te[6] != 0 || rot);
        krev(!t[variabel0] || !hindrer,
             "x offered for «" + regneart + "» on a line that forbids it" + dump(a, L));
    }
}

void Elev::sjekk_tegning() {
    for (const auto* flater : {&skall_.linjer, &skall_.opfelter})
        for (const auto& f : *flater)
            krev(endelig(f), "a drawing box holds a coordinate or text that is not a number");
    krev(std::isfinite(skall_.merke_venstre) && std::isfinite(skall_.merke_topp),
         "the solved marker stands at a position that is not a number");

    // Now and then the window is drawn again from what it shows (as for another language or
    // size): every row, field and the marker come out exactly as they were built step by step.
    if (++tegninger_ % 7 != 0) return;
    const auto opptak = [&] {
        std::vector<std::vector<Opptak>> ut;
        for (const auto* flater : {&skall_.linjer, &skall_.opfelter})
            for (const auto& f : *flater) ut.push_back(f.opptak());
        return ut;
    };
    const auto foer = opptak();
    const bool synlig = skall_.merke_synlig;
    const double venstre = skall_.merke_venstre, topp = skall_.merke_topp;
    arket_.tegnpaanytt();
    krev(opptak() == foer, "the window drawn again differs from the window as it was built");
    krev(skall_.merke_synlig == synlig &&
             (!synlig || (skall_.merke_venstre == venstre && skall_.merke_topp == topp)),
         "the solved marker moved when the window was drawn again");
}

void Elev::sjekk_uendret_linjer(const Ark& foer, int unntatt_linje, int unntatt_post) {
    const Ark& a = arket_.ark();
    for (int n = 0; n < antall_linjer; ++n) {
        if (n != unntatt_linje && !linjer_like(a, foer, n)) {
            krev(false, "line " + std::to_string(n) + " changed where it may not");
            return;
        }
        if (n != unntatt_post && !poster_like(a, foer, n)) {
            krev(false, "the record of line " + std::to_string(n) + " changed where it may not");
            return;
        }
    }
}

void Elev::sjekk_operand() {
    const Ark& a = arket_.ark();
    const Operand& o = operand_;
    krev(a.regneart == o.regneart && a.tellertekst == o.teller && a.nevnertekst == o.nevner &&
             a.minus == o.minus && a.nevnermodus == o.nevnermodus && a.medx == o.medx &&
             a.medx2 == o.medx2,
         "the operand «" + std::string(symbol(a.regneart)) + " " + (a.minus ? "-" : "") +
             a.tellertekst + "/" + a.nevnertekst + "» is not what the keys typed («" +
             std::string(symbol(o.regneart)) + " " + (o.minus ? "-" : "") + o.teller + "/" +
             o.nevner + "»)");
}

void Elev::sjekk_utfoert(const Ark& foer, int L) {
    const Ark& a = arket_.ark();
    krev(a.linjenr == L + 1 && a.sistelinje == L + 1 && a.rad == std::min(L + 1, 4),
         "after an operation linjenr " + std::to_string(a.linjenr) + ", sistelinje " +
             std::to_string(a.sistelinje) + ", rad " + std::to_string(a.rad));
    sjekk_uendret_linjer(foer, L + 1, L);
    const auto f = normalformfeil(a, L + 1);
    krev(f.empty(), f + dump(a, L) + dump(a, L + 1));
    krev(!skall_.linjer[static_cast<std::size_t>(std::min(L + 1, 4))].opptak().empty(),
         "the new line was not drawn");

    // What the engine may take for granted about line L.
    const auto& te = a.teller[L];
    const std::string op(symbol(a.linjeopr[L]));
    const int potens = a.linjepotens[L];
    krev(potens != 2 || op == "+" || op == "-", "x² as multiplier or divisor");
    if (op == "*" && potens == 1)
        krev(te[1] == 0 && te[4] == 0 && !har_rot(a, L), "multiplied by x" + dump(a, L));
    if (op == ":" && potens == 1)
        krev(te[3] == 0 && te[6] == 0 && !har_rot(a, L), "divided by x" + dump(a, L));
    if (op == "r") krev(!har_rot(a, L), "square root of a root" + dump(a, L));
    if (op == "k") krev(te[1] == 0 && te[4] == 0, "squared an x² term" + dump(a, L));
    if (feil_.empty()) sjekk_loesninger(a, L);
}

void Elev::sjekk_loesninger(const Ark& a, int L) {
    const std::string op(symbol(a.linjeopr[L]));
    const int potens = a.linjepotens[L];
    const Broek k0{a.linjeteller[L], 1}, k1{a.linjenevner[L], 1};
    std::vector<Broek> punkter = kandidater(a, L);
    for (const Broek& x : kandidater(a, L + 1)) punkter.push_back(x);

    for (const Broek& x : punkter) {
        std::optional<Broek> venstre, hoeyre;  // the two values that must agree
        if (op == "k" || op == "r") {
            for (int o : {0, 3}) {
                venstre = op == "k" ? polynom(a, L + 1, o, x) : sidekvadrat(a, L + 1, o, x);
                hoeyre = op == "k" ? sidekvadrat(a, L, o, x) : polynom(a, L, o, x);
                if (op == "k") krev(!har_rot(a, L + 1, o), "squaring left a root part");
                if (venstre && hoeyre) ++tall_.punkter;
                if (venstre && hoeyre && !(*venstre == *hoeyre))
                    krev(false, std::string(o == 0 ? "left" : "right") + " side at x = " +
                                    tekst(x) + ": " + tekst(*venstre) + " after «" + op +
                                    "», expected " + tekst(*hoeyre) + dump(a, L) + dump(a, L + 1));
            }
            continue;
        }
        if (har_rot(a, L) || har_rot(a, L + 1)) return;
        const auto d0 = differanse(a, L, x);
        venstre = differanse(a, L + 1, x);
        if (!d0 || !venstre) continue;
        if (op == "+" || op == "-") {
            hoeyre = d0;
        } else if (op == "+/-" || op == "bytt") {
            hoeyre = Broek{-d0->t, d0->n};
        } else if (op == "*") {
            auto k = k0 / k1;
            if (k && potens == 1) k = *k * x;
            if (k) hoeyre = *d0 * *k;
        } else if (op == ":") {
            auto k = k1 / k0;
            if (k && potens == 1) k = *k / x;  // nothing at x = 0: that solution is lost
            if (k) hoeyre = *d0 * *k;
        }
        if (hoeyre) ++tall_.punkter;
        if (hoeyre && !(*venstre == *hoeyre))
            krev(false, "left minus right at x = " + tekst(x) + " is " + tekst(*venstre) +
                            " after «" + op + "», expected " + tekst(*hoeyre) + dump(a, L) +
                            dump(a, L + 1));
    }
}

void Elev::angre() {
    spor_ += " angre";
    const Ark& a = arket_.ark();
    const int siste = a.sistelinje;
    arket_.angre();
    if (a.sistelinje == siste) {
        // An operand being typed is crossed out, as "Stryk ut" does.
        operand_.regneart = Operasjon::ingen;
        operand_.teller.clear();
        operand_.nevner.clear();
        operand_.minus = operand_.nevnermodus = false;
        krev(arket_.ark().regneart == Operasjon::ingen, "undo left the operand being typed");
        return;
    }
    krev(a.sistelinje == siste - 1 && a.linjenr == a.sistelinje && a.rad == std::min(a.linjenr, 4),
         "undo left the counters at " + std::to_string(a.linjenr) + "/" +
             std::to_string(a.sistelinje) + "/" + std::to_string(a.rad));
    krev(!foer_steg_.empty(), "undo of a line no step wrote");
    if (!feil_.empty()) return;
    const Ark& foer = *foer_steg_.back();
    bool like = foer.teller == a.teller && foer.nevner == a.nevner &&
                foer.rotteller == a.rotteller && foer.rotnevner == a.rotnevner &&
                foer.linjeopr == a.linjeopr && foer.linjeteller == a.linjeteller &&
                foer.linjenevner == a.linjenevner && foer.linjepotens == a.linjepotens;
    krev(like, "after undo the sheet is not the sheet before the step" + dump(a, a.sistelinje) +
                   dump(foer, a.sistelinje));
    foer_steg_.pop_back();
    operand_ = {};
    ++tall_.angret;
}

void Elev::sjekk_alle_linjer_tegnes() {
    const Ark& a = arket_.ark();
    Stille merke;
    for (int n = 0; n <= a.sistelinje && feil_.empty(); ++n) {
        Opptaksflate flate;
        tegnlinje(a, n, std::min(n, 4), flate, merke);
        krev(!flate.opptak().empty() && endelig(flate),
             "line " + std::to_string(n) + " draws nothing or not a number" + dump(a, n));
    }
}

}  // namespace balvo::test
