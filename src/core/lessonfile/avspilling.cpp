// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lessonfile/avspilling.h"

#include <limits>

#include "core/entry/taster.h"
#include "core/mainwindow/arket.h"

namespace balvo {
namespace {

constexpr Tekst stoppet = BALVO_TR("Oektfil", "kan ikke spilles av: oppgave %1, handling %2: %3");
constexpr Tekst stoppet_linje0 = BALVO_TR("Oektfil", "kan ikke spilles av: oppgave %1: %2");
constexpr Tekst ubrukbar = BALVO_TR("Oektfil", "tasten «%1» var ikke i bruk");
constexpr Tekst ukjent_operasjon = BALVO_TR("Oektfil", "operasjonen «%1» finnes ikke");
constexpr Tekst ukjent_tast = BALVO_TR("Oektfil", "operanden «%1» kan ikke tastes");
constexpr Tekst ikke_utfoert = BALVO_TR("Oektfil", "programmet ville ikke ha utført dette steget");
constexpr Tekst utfoert_likevel = BALVO_TR("Oektfil", "programmet ville ha utført dette steget");
constexpr Tekst fullt = BALVO_TR("Oektfil", "arket har ikke plass til flere linjer");
constexpr Tekst ikke_mulig = BALVO_TR("Oektfil", "«%1» var ikke mulig her");
constexpr Tekst skrevet_ulikt = BALVO_TR("Oektfil", "linjen «%1» vurderes ikke slik fila sier");
constexpr Tekst ikke_videre =
    BALVO_TR("Oektfil", "operanden fortsetter ikke den som ble avvist før");

// Nothing is shown while a file is replayed: the surfaces forget what is drawn on them.
class Blindflate : public Tegneflate {
public:
    void toem() override {}
    double hoeyde() const override { return 19.5; }
    void settfontnavn(std::string_view) override {}
    void settstoerrelse(double) override {}
    void settkursiv(bool) override {}
    double tekstbredde(std::string_view tekst) const override {
        return 6.0 * static_cast<double>(tekst.size());
    }
    void skriv(double, double, std::string_view) override {}
    void strek(double, double, double, double) override {}
    void rektangel(double, double, double, double) override {}
};

// The window around a replayed worksheet: a question is answered as the file says the pupil
// answered it.
class Avspillingsskall : public Skall {
public:
    Tegneflate& linje(int) override { return flate_; }
    Tegneflate& opfelt(int) override { return flate_; }
    void setttaster(const Tastesett&) override {}
    void visverdier(int, std::int64_t, std::int64_t) override {}
    void diagnostikk(Diagnoseboks, const std::vector<std::string>&) override {}
    void tilforgrunnen() override {}
    void visvurdering(std::string_view, std::string_view) override {}
    void visavstand(std::string_view) override {}
    void visforslag(const Veiledning&) override {}
    void melding(std::string_view, std::string_view) override {}
    bool spoersmaal(std::string_view, std::string_view) override { return svar; }
    void vismerke(double, double) override {}
    void skjulmerke() override {}
    bool svar = true;

private:
    Blindflate flate_;
};

class Ingentilfeldig : public Tilfeldig {
public:
    void seed_fra_klokka() override {}
    double neste() override { return 0; }
};

// As the dialog takes it: a numerator or a denominator of 2^31 was typed as -2147483648 with
// the other part negative, and the dialog moved the sign up.
std::string koeffisienttekst(std::int64_t teller, std::int64_t nevner) {
    constexpr std::int64_t maks = std::numeric_limits<std::int32_t>::max();
    if (teller > maks || nevner > maks) {
        teller = -teller;
        nevner = -nevner;
    }
    return nevner == 1 ? std::to_string(teller)
                       : std::to_string(teller) + "/" + std::to_string(nevner);
}

// The key's name as the pupil knows it, for the reason a replay stopped.
std::string tastenavn(Tast t) {
    if (t >= siffer0 && t < siffer0 + 10) return std::string(1, static_cast<char>('0' + t));
    if (t >= opr0 && t < opr0 + antall_operasjoner) return std::string(symbol(oprtast(t - opr0)));
    switch (t) {
        case pm:
            return "(-)";
        case broekstrek:
            return "/";
        case variabel0:
            return "x";
        case variabel1:
            return "x\u00b2";
        case Utfoer:
            return "Utfør";
        case strykut:
            return "C";
        default:
            return "?";
    }
}

class Avspiller {
public:
    explicit Avspiller(const Grense& grense) : arket_(skall_, tilfeldig_) {
        arket_.settgrense(grense);
        arket_.settklokke([this] { return naa_; });
        arket_.setthjelpvises(false);
        arket_.Form_Load();
    }

    // Empty when the exercise replayed whole; otherwise the reason it stopped, and where.
    std::string spill(const Filoppgave& o, int nr) {
        velgnivaa(o.nivaa);
        naa_ = 0;
        avvist_opr_.clear();
        avvist_operand_.clear();
        utfoert_opr_.clear();
        utfoert_operand_.clear();
        std::array<std::string, 6> tekster;
        for (std::size_t k = 0; k < 6; ++k) tekster[k] = koeffisienttekst(o.teller[k], o.nevner[k]);
        const Egnesvar svar = arket_.egne(tekster);
        if (!svar.ok) return oversettelse(stoppet_linje0, {std::to_string(nr), svar.melding});
        int i = 0;
        for (const Handling& h : o.handlinger) {
            ++i;
            naa_ = h.sekunder;
            const std::string grunn = handling(h);
            if (!grunn.empty())
                return oversettelse(stoppet, {std::to_string(nr), std::to_string(i), grunn});
        }
        return {};
    }

    std::vector<Loggpost> poster() { return arket_.oekt(); }

private:
    void velgnivaa(int nivaa) {
        const int type = (nivaa - 1) / 2;
        arket_.trykk(static_cast<Tast>(Option1 + type));
        arket_.trykk(Check1, nivaa % 2 == 0);
    }

    std::string tast(Tast t) {
        if (!arket_.taster().test(static_cast<std::size_t>(t)))
            return oversettelse(ubrukbar, {tastenavn(t)});
        arket_.trykk(t);
        return {};
    }

    // The operation key and the operand's keys, as typed.
    // After a refused step that the action goes on from, only the keys beyond those typed.
    std::string operand(const Handling& h) {
        std::string_view rest = h.operand;
        if (h.videre) {
            if (auto feil = fortsett(h.operasjon, h.operand); !feil.empty()) return feil;
            rest.remove_prefix(avvist_operand_.size());
        } else {
            int indeks = -1;
            for (const Operasjonsrad& o : operasjonene)
                if (o.symbol == h.operasjon) indeks = oprindeks(o.operasjon);
            if (indeks < 0) return oversettelse(ukjent_operasjon, {h.operasjon});
            if (arket_.ark().linjenr >= siste_linje) return oversettelse(fullt);
            // The keys typed on after a refused step, which this operation key dropped.
            if (!h.forkastet.empty()) {
                if (auto feil = fortsett(avvist_opr_, h.forkastet); !feil.empty()) return feil;
                if (auto feil = skriv(std::string_view(h.forkastet).substr(avvist_operand_.size()),
                                      h.forkastet);
                    !feil.empty())
                    return feil;
            }
            if (auto feil = tast(static_cast<Tast>(opr0 + indeks)); !feil.empty()) return feil;
        }
        return skriv(rest, h.operand);
    }

    // Whether `operand` goes on from the refused step's, under its operation.
    std::string fortsett(const std::string& opr, const std::string& operand) const {
        if (avvist_opr_.empty() || opr != avvist_opr_ || !operand.starts_with(avvist_operand_))
            return oversettelse(ikke_videre);
        return {};
    }

    // The operand's keys, each only if usable; `hele` names the operand in a refusal.
    std::string skriv(std::string_view rest, const std::string& hele) {
        while (!rest.empty()) {
            Tast t;
            std::size_t lengde = 1;
            const char c = rest[0];
            if (c >= '0' && c <= '9') {
                t = static_cast<Tast>(siffer0 + (c - '0'));
            } else if (c == '-') {
                t = pm;
            } else if (c == '/') {
                t = broekstrek;
            } else if (rest.starts_with("x\u00b2")) {
                t = variabel1;
                lengde = std::string_view("x\u00b2").size();
            } else if (c == 'x') {
                t = variabel0;
            } else {
                return oversettelse(ukjent_tast, {hele});
            }
            if (auto feil = tast(t); !feil.empty()) return feil;
            rest.remove_prefix(lengde);
        }
        return {};
    }

    std::string handling(const Handling& h) {
        const bool ventet = arket_.venter_linje();
        const std::string feil = handlingen(h);
        // A refused step leaves its operation and operand typed, and so does "Angre" on a line
        // waiting to be written; a hint, a worked solution or a new level leaves them so,
        // anything else ends them.
        if (h.art == Handlingsart::utfoer) {
            utfoert_opr_ = h.operasjon;
            utfoert_operand_ = h.operand;
        }
        if (h.art == Handlingsart::utfoer && !h.utfoert) {
            avvist_opr_ = h.operasjon;
            avvist_operand_ = h.operand;
        } else if (h.art == Handlingsart::angre && ventet) {
            avvist_opr_ = utfoert_opr_;
            avvist_operand_ = utfoert_operand_;
        } else if (h.art == Handlingsart::utfoer || h.art == Handlingsart::stryk_ut ||
                   h.art == Handlingsart::angre) {
            avvist_opr_.clear();
            avvist_operand_.clear();
        }
        return feil;
    }

    std::string handlingen(const Handling& h) {
        switch (h.art) {
            case Handlingsart::utfoer: {
                if (auto feil = operand(h); !feil.empty()) return feil;
                const int foer = arket_.ark().sistelinje;
                skall_.svar = h.utfoert;
                arket_.settregnselv(h.regnselv);
                if (auto feil = tast(Utfoer); !feil.empty()) return feil;
                const bool utfoert = arket_.ark().sistelinje > foer || arket_.venter_linje();
                if (utfoert != h.utfoert)
                    return oversettelse(h.utfoert ? ikke_utfoert : utfoert_likevel);
                return {};
            }
            case Handlingsart::stryk_ut:
                if (!h.operasjon.empty())
                    if (auto feil = operand(h); !feil.empty()) return feil;
                return tast(strykut);
            case Handlingsart::angre:
                if (!h.operasjon.empty())
                    if (auto feil = operand(h); !feil.empty()) return feil;
                if (!arket_.kan_angre()) return oversettelse(ikke_mulig, {"Angre"});
                arket_.angre();
                return {};
            case Handlingsart::tips:
                if (!arket_.hjelp_brukbar()) return oversettelse(ikke_mulig, {"Tips"});
                arket_.Tips_Click();
                return {};
            case Handlingsart::forslag:
                if (!arket_.hjelp_brukbar()) return oversettelse(ikke_mulig, {"Løsningsforslag"});
                arket_.Loesningsforslag_Click();
                return {};
            case Handlingsart::nivaa:
                velgnivaa(h.nivaa);
                return {};
            case Handlingsart::skrevet: {
                if (!arket_.venter_linje()) return oversettelse(ikke_mulig, {"Enter"});
                const bool riktig = arket_.skrivlinje(h.linje).dom == Dom::riktig;
                if (riktig != h.riktig) return oversettelse(skrevet_ulikt, {h.linje});
                return {};
            }
            case Handlingsart::vist:
                if (!arket_.venter_linje()) return oversettelse(ikke_mulig, {"Esc"});
                arket_.giopp();
                return {};
        }
        return {};
    }

    Avspillingsskall skall_;
    Ingentilfeldig tilfeldig_;
    Arket arket_;
    double naa_ = 0;
    std::string avvist_opr_, avvist_operand_;
    std::string utfoert_opr_, utfoert_operand_;  // of the last "Utfør"
};

}  // namespace

Avspilling spillav(const Oektfil& fil, const Grense& grense) {
    Avspilling ut;
    Avspiller spiller(grense);
    int nr = 0;
    for (const Filoppgave& o : fil.oppgaver) {
        ut.feil = spiller.spill(o, ++nr);
        if (!ut.feil.empty()) break;
    }
    ut.poster = spiller.poster();
    // The replayed record says what the file says about line 0's origin and its hints.
    for (std::size_t i = 0; i < ut.poster.size() && i < fil.oppgaver.size(); ++i)
        ut.poster[i].egen = fil.oppgaver[i].egen;
    return ut;
}

}  // namespace balvo
