// SPDX-License-Identifier: GPL-3.0-or-later
// The pupil's keys: each press goes to the main window, and the operand the keys build is
// followed independently so that the operation record can be checked against it.
#include <optional>

#include "core/display/lineaertekst.h"
#include "core/entry/linjesjekk.h"
#include "eksakt.h"
#include "elev.h"

namespace balvo::test {
namespace {

// The number a digit text stands for, when it fits the 16-bit operation record.
std::optional<Celle> operandtall(const std::string& sifre) {
    Celle v = 0;
    for (char c : sifre) {
        v = v * 10 + (c - '0');
        if (v > 32767) return std::nullopt;
    }
    return v;
}

}  // namespace

void Elev::trykk_tast(int tast) {
    const Ark foer = arket_.ark();
    const auto boksene = skall_.bokser.size();
    Operand neste = operand_;
    if (tast >= siffer0 && tast < siffer0 + 10) {
        spor_ += " " + std::to_string(tast - siffer0);
        arket_.siffer_Click(tast - siffer0);
        (neste.nevnermodus ? neste.nevner : neste.teller) +=
            static_cast<char>('0' + tast - siffer0);
    } else if (tast >= opr0 && tast < opr0 + antall_operasjoner) {
        spor_ += " opr(" + std::string(symbol(oprtast(tast - opr0))) + ")";
        arket_.opr_Click(tast - opr0);
        neste = {};
        neste.regneart = oprtast(tast - opr0);
    } else if (tast == pm) {
        spor_ += " pm";
        arket_.pm_Click();
        neste.minus = true;
    } else if (tast == broekstrek) {
        spor_ += " brøkstrek";
        arket_.broekstrek_Click();
        neste.nevnermodus = true;
    } else if (tast == variabel0 || tast == variabel1) {
        spor_ += tast == variabel0 ? " x" : " x²";
        arket_.variabel_Click(tast - variabel0);
        neste.medx = tast == variabel0;
        neste.medx2 = tast == variabel1;
    } else if (tast == strykut) {
        spor_ += " strykut";
        arket_.strykut_Click();
        neste.regneart = Operasjon::ingen;
        neste.teller.clear();
        neste.nevner.clear();
        neste.nevnermodus = neste.minus = false;
    } else if (tast == scrollopp || tast == scrollned) {
        spor_ += tast == scrollopp ? " scrollopp" : " scrollned";
        tast == scrollopp ? arket_.scrollopp_Click() : arket_.scrollned_Click();
        const Ark& a = arket_.ark();
        krev(a.linjenr == foer.linjenr + (tast == scrollopp ? -1 : 1),
             "scrolling moved the current line from " + std::to_string(foer.linjenr) + " to " +
                 std::to_string(a.linjenr));
        krev(a.sistelinje == foer.sistelinje && a.rad == foer.rad,
             "scrolling changed the last line or the row");
        sjekk_uendret_linjer(foer, -1, -1);
        sjekk_operand();
        return;
    } else if (tast == Check1) {
        spor_ += " Brøker";
        arket_.Check1_Click(!arket_.broeker());
    } else if (tast >= Option1 && tast <= Option3) {
        spor_ += " Option" + std::to_string(tast - Option1 + 1);
        if (tast == Option1) arket_.Option1_Click();
        if (tast == Option2) arket_.Option2_Click();
        if (tast == Option3) arket_.Option3_Click();
    }
    if (tast == Check1 || (tast >= Option1 && tast <= Option3)) {
        const int type = static_cast<int>(arket_.likningstype());
        krev(arket_.nivaa() == 2 * (type - 1) + 1 + (arket_.broeker() ? 1 : 0),
             "level " + std::to_string(arket_.nivaa()) + " for the options chosen");
    }
    // A key refused with a message keeps the operand as it was.
    if (skall_.bokser.size() == boksene) operand_ = neste;
    const Ark& a = arket_.ark();
    krev(a.linjenr == foer.linjenr && a.sistelinje == foer.sistelinje && a.rad == foer.rad,
         "a key of the keypad moved the counters");
    sjekk_uendret_linjer(foer, -1, -1);
    sjekk_operand();
}

// "Regn selv": a line that waits is written wrong now and then (a typical mistake, never
// accepted), then right (the sheet's own linear text, always accepted) or given up.
void Elev::skriv(const Ark& foer, int L) {
    ++tall_.skrevet;
    krev(arket_.taster().none(), "keys usable while a line waits to be written");
    krev(arket_.ark().sistelinje == foer.sistelinje, "the waiting line was written at once");
    krev(arket_.ventende_linjenr() == L + 1, "the waiting line is not the next one");
    const auto feilene = typiske_feil(arket_.ark(), L);
    if (!feilene.empty() && r() < 0.5) {
        const Feillinje& f =
            feilene[static_cast<std::size_t>(heltall(0, static_cast<int>(feilene.size()) - 1))];
        const std::string tekst = linjetekst(f.linje);
        const auto bokser = skall_.bokser.size();
        const Linjedom dom = arket_.skrivlinje(tekst);
        spor_ += " Skriv(" + tekst + ")";
        krev(dom.dom != Dom::riktig && arket_.venter_linje(),
             "the mistaken line «" + tekst + "» was accepted");
        krev(skall_.bokser.size() == bokser + 1 && skall_.bokser.back().tittel == "Regn selv",
             "no box «Regn selv» for «" + tekst + "»");
        if (dom.dom == Dom::feil && dom.grunn.kilde != tekst::ikke_riktig.kilde) ++tall_.navngitt;
    }
    if (r() < 0.3) {
        spor_ += " Esc";
        arket_.giopp();
    } else {
        const std::string tekst = likningstekst(arket_.ark(), L + 1);
        spor_ += " Skriv(" + tekst + ")";
        const Linjedom dom = arket_.skrivlinje(tekst);
        krev(dom.dom == Dom::riktig,
             "the step's own line «" + tekst + "» was refused: " + dom.melding);
    }
    krev(!arket_.venter_linje(), "the line still waits after Enter or Escape");
}

void Elev::utfoer() {
    const Ark foer = arket_.ark();
    const int L = foer.linjenr;
    const bool ja = r() < (lang_ ? 0.85 : 0.5);
    spor_ += ja ? " Utfør(ja)" : " Utfør(nei)";
    skall_.svar = {ja};
    const auto boksene = skall_.bokser.size();
    arket_.Utfoer_Click();
    skall_.svar.clear();
    if (arket_.venter_linje()) skriv(foer, L);

    bool spurt = false;
    std::string paatale;
    for (auto i = boksene; i < skall_.bokser.size(); ++i) {
        const auto& b = skall_.bokser[i];
        if (b.spoersmaal) spurt = true;
        if (b.tittel == "Påtale" && paatale.empty()) paatale = b.tekst;
    }

    // What the keys typed ask for.
    const Operand& o = operand_;
    const bool ledd = o.regneart == Operasjon::legg_til || o.regneart == Operasjon::trekk_fra;
    const auto p =
        operandtall(o.teller.empty() ? ((ledd && !o.medx && !o.medx2) ? "0" : "1") : o.teller);
    const auto q = o.nevner.empty() ? std::optional<Celle>{1} : operandtall(o.nevner);
    const bool for_stor = !p || !q;
    const bool null_deler = !for_stor && ((o.regneart == Operasjon::del && *p == 0) || *q == 0);
    const bool spoersmaal = !for_stor && !null_deler &&
                            ((o.regneart == Operasjon::gang && *p == 0) ||
                             (o.regneart == Operasjon::kvadrer && foer.rotteller[L][7] == 0));
    const bool maa_nektes = for_stor || null_deler || (spoersmaal && !ja) || L >= siste_linje;

    const Ark& a = arket_.ark();
    const bool utfoert = a.sistelinje == foer.sistelinje + 1;
    krev(spurt == spoersmaal,
         spoersmaal ? "no warning before the operation" : "a warning where none belongs");
    krev(a.regneart == foer.regneart && a.minus == foer.minus && a.medx == foer.medx &&
             a.medx2 == foer.medx2 && a.nevnermodus == foer.nevnermodus,
         "perform changed the chosen operation or the entry flags");
    operand_.teller = a.tellertekst;
    operand_.nevner = a.nevnertekst;
    if (utfoert) {
        ++tall_.utfoert;
        foer_steg_.push_back(std::make_unique<Ark>(foer));
        krev(!maa_nektes, "an operation that must be refused was performed");
        krev(paatale.empty(), "performed, yet refused with «" + paatale + "»");
        const Celle pv = o.minus ? -*p : *p;
        krev(a.linjeopr[L] == o.regneart && a.linjeteller[L] == pv && a.linjenevner[L] == *q &&
                 a.linjepotens[L] == (o.medx2 ? 2 : (o.medx ? 1 : 0)),
             "the record of line " + std::to_string(L) + " is " +
                 std::string(symbol(a.linjeopr[L])) + " " + std::to_string(a.linjeteller[L]) + "/" +
                 std::to_string(a.linjenevner[L]) + " power " + std::to_string(a.linjepotens[L]));
        if (feil_.empty()) sjekk_utfoert(foer, L);
        // The row "Avstand:" is empty exactly on a solved line with the exercise's solutions.
        if (arket_.avstand())
            krev(skall_.avstandsrad.empty() ==
                     (loest(a, L + 1) &&
                      skall_.proeverad == oversettelse(BALVO_TR("Veileder", "stemmer"))),
                 "the row Avstand says «" + skall_.avstandsrad + "» after line " +
                     std::to_string(L + 1));
        return;
    }
    krev(a.linjenr == foer.linjenr && a.sistelinje == foer.sistelinje && a.rad == foer.rad,
         "a refused operation moved the counters");
    krev(!paatale.empty() || (spurt && !ja), "no line added, and nothing said why");
    sjekk_uendret_linjer(foer, -1, L);
    if (!paatale.empty()) {
        nektet(paatale);
    } else if (spurt) {
        nektet(skall_.bokser.back().tekst);
    }
}

}  // namespace balvo::test

namespace balvo::test {

void Elev::hjelp(int handling) {
    spor_ += handling == tips ? " Tips" : " Løsningsforslag";
    const Ark foer = arket_.ark();
    const Tastesett taster = arket_.taster();
    const bool brukbar = arket_.hjelp_brukbar();
    const int brukt = arket_.tips_brukt() + arket_.forslag_brukt();
    const auto boksene = skall_.bokser.size(), forslagene = skall_.forslag.size();
    handling == tips ? arket_.Tips_Click() : arket_.Loesningsforslag_Click();

    // The coach reads the worksheet and nothing more; it answers once, where it may.
    sjekk_uendret_linjer(foer, -1, -1);
    const Ark& a = arket_.ark();
    krev(a.linjenr == foer.linjenr && a.sistelinje == foer.sistelinje && a.rad == foer.rad &&
             arket_.taster() == taster,
         "the coach moved the counters or changed the keys");
    sjekk_operand();
    const auto svar = skall_.bokser.size() - boksene + skall_.forslag.size() - forslagene;
    krev(svar == (brukbar ? 1u : 0u) &&
             arket_.tips_brukt() + arket_.forslag_brukt() == brukt + (brukbar ? 1 : 0),
         "the coach answered " + std::to_string(svar) + " times");
    if (!brukbar || svar != 1) return;
    if (handling == forslag) {
        ++tall_.forslag;
        const Veiledning& v = skall_.forslag.back();
        krev(
            v.linjer.size() == v.steg.size() + 1 && v.linjer.front() == Tilstand::fra(a, a.linjenr),
            "the worked solution does not start from the current line");
        return;
    }
    // Level 3: "Neste steg: ..." and "Da er du N steg fra løsningen."; level 2: "Neste steg: "
    // and the kind of step, without a number; level 1: the aim, without a number but the 1 of
    // "Gjør tallet foran x til 1."; at every level one of the reasons for none.
    const Boks& b = skall_.bokser.back();
    const int nivaa = arket_.tipsnivaa();
    const std::string foerste = b.tekst.substr(0, b.tekst.find('\n'));
    bool kjent = false;
    const bool neste = foerste.rfind("Neste steg: ", 0) == 0;
    for (int n = 1; n <= 8 && neste && nivaa == 3; ++n)
        kjent = kjent ||
                b.tekst == foerste + "\nDa er du " + std::to_string(n) + " steg fra løsningen.";
    const bool uten_tall = b.tekst.find_first_of("023456789") == std::string::npos &&
                           b.tekst.find('\n') == std::string::npos;
    kjent = kjent || (nivaa == 2 && neste && uten_tall) || (nivaa == 1 && !neste && uten_tall);
    for (const char* t :
         {"Likningen er løst.", "Denne likningen har ingen løsning.",
          "Alle tall er løsninger av denne likningen.",
          "Herfra kommer du ikke fram til løsningen av oppgaven.", "Fant ingen kort vei herfra."})
        kjent = kjent || b.tekst == t;
    krev(kjent && b.tittel == "Tips",
         "the box «" + b.tittel + "» says «" + b.tekst + "» at level " + std::to_string(nivaa));
    ++tall_.tips[nivaa == 1 && !neste ? "nivå 1"
                 : neste              ? "nivå " + std::to_string(nivaa)
                                      : "«" + foerste + "»"];
}

}  // namespace balvo::test
