// SPDX-License-Identifier: GPL-3.0-or-later
#include "elev.h"

#include <array>
#include <cstdio>
#include <vector>

#include "eksakt.h"

namespace balvo::test {

std::string Tall::sammendrag(double sekunder) const {
    std::string s =
        "Tilfeldige elever: " + std::to_string(oekter) + " økter, " + std::to_string(steg) +
        " steg, " + std::to_string(utfoert) + " operasjoner utført, " + std::to_string(punkter) +
        " punkter regnet eksakt, fullt ark nådd " + std::to_string(fulle_ark) +
        " ganger, egne likninger nektet " + std::to_string(egne_nektet) + ", linjer angret " +
        std::to_string(angret) + ", løsningsforslag " + std::to_string(forslag) + ", regn selv " +
        std::to_string(skrevet) + " (" + std::to_string(navngitt) + " feil navngitt); tips:";
    for (const auto& [art, antall] : tips) s += " " + art + " " + std::to_string(antall);
    s += "; nektet:";
    bool foerste = true;
    for (const auto& [art, antall] : nektet) {
        s += (foerste ? " " : ", ") + art + " " + std::to_string(antall);
        foerste = false;
    }
    char tid[32];
    std::snprintf(tid, sizeof tid, "; %.1f s", sekunder);
    return s + tid;
}

std::optional<std::pair<std::int64_t, std::int64_t>> streng_koeffisient(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    if (t.empty()) return std::pair<std::int64_t, std::int64_t>{0, 1};
    auto tall = [](std::string_view d) -> std::optional<std::int64_t> {
        bool neg = false;
        if (!d.empty() && (d[0] == '+' || d[0] == '-')) {
            neg = d[0] == '-';
            d.remove_prefix(1);
        }
        if (d.empty() || d.size() > 40) return std::nullopt;
        std::int64_t v = 0;
        for (char c : d) {
            if (c < '0' || c > '9') return std::nullopt;
            v = v * 10 + (c - '0');
            if (v > 2147483648LL) return std::nullopt;
        }
        v = neg ? -v : v;
        if (v > 2147483647LL) return std::nullopt;
        return v;
    };
    const auto strek = t.find('/');
    if (strek == std::string_view::npos) {
        const auto v = tall(t);
        if (!v) return std::nullopt;
        return std::pair<std::int64_t, std::int64_t>{*v, 1};
    }
    const auto a = tall(t.substr(0, strek)), b = tall(t.substr(strek + 1));
    if (!a || !b || *b == 0) return std::nullopt;
    return std::pair<std::int64_t, std::int64_t>{*a, *b};
}

Elev::Elev(std::uint64_t froe, Tall& tall)
    : froe_(froe),
      tall_(tall),
      motor_(froe),
      tilfeldig_(froe ^ 0x9e3779b97f4a7c15ULL),
      arket_(skall_, tilfeldig_) {
    // A small budget keeps thousands of sessions quick; the answers are the coach's own.
    arket_.settgrense(Grense{8, 1500});
    // Every other pupil works with the row "Avstand:" on.
    arket_.settavstand(froe % 2 == 1);
    // Every third writes the lines himself.
    arket_.settregnselv(froe % 3 == 0);
}

int Elev::heltall(int lav, int hoey) {
    return lav + static_cast<int>(r() * (hoey - lav + 1));
}

void Elev::kjoer() {
    ++tall_.oekter;
    spor_ = "Form_Load";
    arket_.Form_Load();
    sjekk_felles();
    lang_ = r() < 0.15;
    const int maks = lang_ ? 3000 : heltall(10, 250);
    ny_likning();
    int paa_fullt = 0;
    bool naadd = false;
    for (int steg = 0; steg < maks && feil_.empty(); ++steg) {
        if (arket_.ark().sistelinje == siste_linje) {
            if (!naadd) ++tall_.fulle_ark;
            naadd = true;
            if (++paa_fullt > 25) break;
        }
        trykk(velg());
    }
    if (feil_.empty()) sjekk_alle_linjer_tegnes();
}

void Elev::ny_likning() {
    if (r() < 0.5) {
        const int k = heltall(0, 2);
        if (arket_.taster()[static_cast<std::size_t>(Option1 + k)]) trykk(Option1 + k);
    }
    if (r() < 0.4 && arket_.taster()[Check1]) trykk(Check1);
    trykk(r() < 0.7 ? ny : egen);
    // A refused own equation leaves no exercise behind; the generator gives one.
    if (!arket_.har_oppgave()) trykk(ny);
}

int Elev::velg() {
    const Tastesett& t = arket_.taster();
    const Ark& ark = arket_.ark();
    const std::size_t lengde = (ark.nevnermodus ? ark.nevnertekst : ark.tellertekst).size();
    std::vector<std::pair<int, double>> valg;
    auto legg = [&](int tast, double vekt) {
        if (tast >= ny || t[static_cast<std::size_t>(tast)]) valg.emplace_back(tast, vekt);
    };
    for (int i = 0; i < antall_operasjoner; ++i) {
        double v = med_operand(oprtast(i)) ? 2.0 : 1.5;
        if (lang_) v = i >= 6 ? 4.0 : (i < 2 ? 2.0 : 0.5);
        legg(opr0 + i, v);
    }
    // Short numbers mostly; now and then one too long for the operation record.
    const double siffervekt = lengde < 2 ? 1.0 : (lengde < 5 ? 0.3 : 0.06);
    for (int i = 0; i < 10; ++i)
        legg(siffer0 + i, (lang_ && lengde >= 1 ? 0.02 : siffervekt) * (i == 0 ? 1.5 : 1.0));
    legg(Utfoer, lang_ ? 12.0 : 6.0);
    legg(pm, 0.7);
    legg(broekstrek, lang_ ? 0.1 : 0.7);
    legg(variabel0, 1.5);
    legg(variabel1, 1.0);
    legg(strykut, 0.3);
    legg(scrollopp, lang_ ? 0.3 : 0.8);
    legg(scrollned, lang_ ? 0.6 : 0.8);
    for (int k : {Check1, Option1, Option2, Option3}) legg(k, 0.04);
    if (!lang_) {
        legg(ny, 0.03);
        legg(egen, 0.03);
    }
    if (arket_.kan_angre()) legg(angre_tast, lang_ ? 0.2 : 0.4);
    // A pupil who took a hint on this line often asks for the next level.
    legg(tips, arket_.tipsnivaa() == 1 || arket_.tipsnivaa() == 2 ? 1.0 : 0.05);
    legg(forslag, 0.02);
    double sum = 0;
    for (const auto& [tast, vekt] : valg) sum += vekt;
    double x = r() * sum;
    for (const auto& [tast, vekt] : valg) {
        if (x < vekt) return tast;
        x -= vekt;
    }
    return valg.back().first;
}

std::string Elev::koeffisienttekst() {
    const double u = r();
    auto liten = [&] { return std::to_string(heltall(-9, 9)); };
    auto stor = [&] {
        static constexpr std::array<long long, 6> kanter = {
            2147483647LL, -2147483648LL, 2147483646LL, -2147483647LL, 1LL << 30, -(1LL << 30)};
        if (r() < 0.5) return std::to_string(kanter[static_cast<std::size_t>(heltall(0, 5))]);
        const long long v = (1LL << 30) + static_cast<long long>(r() * (1LL << 30));
        return std::to_string(r() < 0.5 ? v - 1 : -v);
    };
    if (u < 0.40) return liten();
    if (u < 0.45) return "";
    if (u < 0.65) {
        std::string n = liten();
        if (n == "0") n = "7";
        return liten() + "/" + n;
    }
    if (u < 0.75) return stor();
    if (u < 0.80) return stor() + "/" + (r() < 0.5 ? stor() : liten());
    if (u < 0.83) return "+" + std::to_string(heltall(0, 9));
    if (u < 0.86) return " " + liten() + " ";
    static constexpr std::array<const char*, 20> feil = {
        "abc", "1/2/3",      "/5",          "5/",   "1.5",
        "3/0", "2147483648", "-2147483649", "x",    "--3",
        "3-",  "1/",         "/",           "4/-0", "0/0",
        "1,5", "2x",         "- 3",         "½",    "99999999999999999999"};
    if (u < 0.90) return feil[static_cast<std::size_t>(heltall(0, 19))];
    return liten();
}

void Elev::trykk(int handling) {
    ++tall_.steg;
    const auto poeng = arket_.poeng(), loeste = arket_.loeste();
    const int nivaa = arket_.nivaa();
    const auto boksene = skall_.bokser.size();
    bool ved_utfoer = false;
    switch (handling) {
        case ny:
            nyoppgave();
            break;
        case egen:
            egne();
            break;
        case tips:
        case forslag:
            hjelp(handling);
            break;
        case Utfoer:
            ved_utfoer = true;
            utfoer();
            break;
        case angre_tast:
            angre();
            break;
        default:
            trykk_tast(handling);
    }
    if (!feil_.empty()) return;
    const auto dp = arket_.poeng() - poeng, dl = arket_.loeste() - loeste;
    krev(dp == 0 || (ved_utfoer && dp == nivaa && loest(arket_.ark(), arket_.ark().linjenr)),
         "the score changed by " + std::to_string(dp) + " at level " + std::to_string(nivaa));
    krev(dl == (dp > 0 ? 1 : 0), "the solved count changed by " + std::to_string(dl));
    if (!ved_utfoer && handling < ny && skall_.bokser.size() > boksene) {
        // A key refused with a message (the full sheet): nothing else may change.
        nektet(skall_.bokser.back().tekst);
    }
    sjekk_felles();
}

void Elev::nyoppgave() {
    spor_ += " nyoppgave";
    foer_steg_.clear();
    arket_.nyoppgave_Click();
    overta_operand();
    const Ark& a = arket_.ark();
    krev(a.linjenr == 0 && a.sistelinje == 0 && a.rad == 0, "new exercise: counters not 0");
    const auto f = normalformfeil(a, 0);
    krev(f.empty(), "new exercise: " + f);
    for (int j = 1; j <= 6; ++j) {
        krev(a.teller[0][j] >= -5 && a.teller[0][j] <= 10 && a.nevner[0][j] <= 6,
             "new exercise: coefficient " + std::to_string(a.teller[0][j]) + "/" +
                 std::to_string(a.nevner[0][j]) + " out of the drawn range");
        if (!arket_.broeker()) krev(a.nevner[0][j] == 1, "new exercise: fraction without Brøker");
    }
    if (arket_.likningstype() == Likningstype::kun_x)
        krev(a.teller[0][1] == 0 && a.teller[0][4] == 0, "Kun x with an x² term");
    if (arket_.likningstype() == Likningstype::kun_x2)
        krev(a.teller[0][2] == 0 && a.teller[0][5] == 0, "Kun x² with an x term");
    krev(!har_rot(a, 0), "new exercise with a root part");
    krev(!skall_.linjer[0].opptak().empty(), "new exercise not drawn in row 0");
}

// A new equation may keep what was half typed; the model follows the window from here.
void Elev::overta_operand() {
    const Ark& a = arket_.ark();
    operand_ = {a.regneart, a.tellertekst, a.nevnertekst, a.minus, a.nevnermodus, a.medx, a.medx2};
}

void Elev::egne() {
    std::array<std::string, 6> koeff;
    int foerste_feil = -1;
    for (int k = 0; k < 6; ++k) {
        koeff[static_cast<std::size_t>(k)] = koeffisienttekst();
        if (foerste_feil < 0 && !streng_koeffisient(koeff[static_cast<std::size_t>(k)]))
            foerste_feil = k;
    }
    spor_ += " egne[";
    for (int k = 0; k < 6; ++k) spor_ += (k ? "|" : "") + koeff[static_cast<std::size_t>(k)];
    spor_ += "]";
    const Ark foer = arket_.ark();
    const Tastesett taster = arket_.taster();
    const bool hadde_oppgave = arket_.har_oppgave();
    const auto svar = arket_.egne(koeff);
    if (foerste_feil >= 0) {
        ++tall_.egne_nektet;
        krev(!svar.ok, "own equation accepted with the wrong text «" +
                           koeff[static_cast<std::size_t>(foerste_feil)] + "» in box " +
                           std::to_string(foerste_feil));
        krev(svar.ok || svar.boks == foerste_feil, "own equation refused for box " +
                                                       std::to_string(svar.boks) + ", not " +
                                                       std::to_string(foerste_feil));
        krev(svar.ok || !svar.melding.empty(), "own equation refused without a message");
        sjekk_uendret_linjer(foer, -1, -1);
        const Ark& a = arket_.ark();
        krev(a.linjenr == foer.linjenr && a.sistelinje == foer.sistelinje && a.rad == foer.rad &&
                 a.regneart == foer.regneart && a.tellertekst == foer.tellertekst,
             "a refused own equation changed the counters or the operand");
        krev(arket_.taster() == taster && arket_.har_oppgave() == hadde_oppgave,
             "a refused own equation changed the keys");
        return;
    }
    krev(svar.ok, "own equation refused: " + svar.melding);
    if (!svar.ok) return;
    foer_steg_.clear();
    overta_operand();
    const Ark& a = arket_.ark();
    krev(a.linjenr == 0 && a.sistelinje == 0 && a.rad == 0, "own equation: counters not 0");
    for (int j = 1; j <= 6; ++j) {
        const auto v = *streng_koeffisient(koeff[static_cast<std::size_t>(j - 1)]);
        // Exactly as typed; only a sign typed under the bar may move up.
        const bool lik = (a.teller[0][j] == v.first && a.nevner[0][j] == v.second) ||
                         (a.teller[0][j] == -v.first && a.nevner[0][j] == -v.second);
        krev(lik && a.nevner[0][j] > 0, "own equation: box " + std::to_string(j - 1) + " «" +
                                            koeff[static_cast<std::size_t>(j - 1)] +
                                            "» stored as " + std::to_string(a.teller[0][j]) + "/" +
                                            std::to_string(a.nevner[0][j]));
    }
    krev(!har_rot(a, 0), "own equation with a root part");
    krev(!skall_.linjer[0].opptak().empty(), "own equation not drawn in row 0");
}

}  // namespace balvo::test
