// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson file: saved and read again it gives the lesson record's figures; a damaged or
// altered file is named with its reason; the class's CSV byte for byte.
#include <gtest/gtest.h>

#include <functional>
#include <nlohmann/json.hpp>
#include <string>
#include <tuple>
#include <vector>

#include "core/lessonfile/avspilling.h"
#include "core/lessonfile/klasseoversikt.h"
#include "core/lessonfile/oektfil.h"
#include "elev.h"
#include "loekke.h"

namespace balvo {
namespace {

std::string tekst(const Handling& h) {
    return std::to_string(static_cast<int>(h.art)) + " " + std::to_string(h.sekunder) + " " +
           h.operasjon + " " + h.operand + (h.utfoert ? " utfoert " : " ikke ") +
           std::to_string(h.nivaa);
}

void sammefigurer(const std::vector<Loggpost>& ventet, const std::vector<Loggpost>& fikk) {
    ASSERT_EQ(ventet.size(), fikk.size());
    for (std::size_t i = 0; i < ventet.size(); ++i) {
        SCOPED_TRACE("exercise " + std::to_string(i + 1));
        const Loggpost &v = ventet[i], &f = fikk[i];
        EXPECT_EQ(f.egen, v.egen);
        EXPECT_EQ(f.nivaa, v.nivaa);
        EXPECT_EQ(f.steg, v.steg);
        EXPECT_EQ(f.korteste, v.korteste);
        EXPECT_EQ(f.tips, v.tips);
        EXPECT_EQ(f.forslag, v.forslag);
        EXPECT_EQ(f.loest, v.loest);
        EXPECT_EQ(f.poeng, v.poeng);
        EXPECT_EQ(f.regnesteg, v.regnesteg);
        for (std::size_t k = 0; k < std::min(f.handlinger.size(), v.handlinger.size()); ++k)
            if (!(f.handlinger[k] == v.handlinger[k])) {
                ADD_FAILURE() << "action " << k + 1 << ": " << tekst(f.handlinger[k]) << " for "
                              << tekst(v.handlinger[k]);
                break;
            }
        EXPECT_EQ(f.handlinger.size(), v.handlinger.size());
        ASSERT_TRUE(v.ark && f.ark);
        EXPECT_EQ(f.ark->sistelinje, v.ark->sistelinje);
        EXPECT_EQ(oektrad(f, 1), oektrad(v, 1));
        EXPECT_TRUE(f.ark->teller == v.ark->teller && f.ark->nevner == v.ark->nevner &&
                    f.ark->rotteller == v.ark->rotteller)
            << "the worksheets differ";
    }
}

TEST(Oektfil, RandomSessionsReadBackGiveTheSameFigures) {
    test::Tall tall;
    int mange = 0;
    std::vector<std::vector<Loggpost>> logger;
    std::vector<Innfil> filer;
    for (std::uint64_t froe = 1; froe <= 40; ++froe) {
        SCOPED_TRACE("seed " + std::to_string(froe));
        test::Elev elev(froe, tall);
        // Whole seconds, so that the file's tenths keep every time exactly as it was.
        double klokke = 0;
        elev.arket().settklokke([&klokke] { return klokke += 1; });
        elev.kjoer();
        ASSERT_EQ(elev.feil(), "");
        const std::vector<Loggpost> logg = elev.arket().oekt();
        mange += logg.size() > 1;
        const Oektfil fil = lagoektfil(logg, "Ola", "2026-12-08T10:00:00");
        const Oektlesning lest = lesoektfil(skrivoektfil(fil));
        ASSERT_TRUE(lest.ok) << lest.feil;
        ASSERT_EQ(lest.fil.oppgaver.size(), fil.oppgaver.size());
        const Avspilling a = spillav(lest.fil, Grense{8, 1500});  // the random pupil's
        if (!a.feil.empty()) {
            std::string spor;
            for (const Handling& h : lest.fil.oppgaver[0].handlinger) spor += "\n  " + tekst(h);
            ADD_FAILURE() << elev.spor() << "\nfile:" << spor;
        }
        ASSERT_EQ(a.feil, "");
        sammefigurer(logg, a.poster);
        logger.push_back(logg);
        filer.push_back({"elev" + std::to_string(froe), skrivoektfil(fil)});
    }
    EXPECT_GT(mange, 5);
    // The class overview replays its files side by side: each pupil still gets their own.
    const Klasseoversikt klasse = lagklasseoversikt(filer, Grense{8, 1500});
    ASSERT_EQ(klasse.elever.size(), logger.size());
    for (std::size_t i = 0; i < logger.size(); ++i) {
        SCOPED_TRACE(filer[i].navn);
        EXPECT_EQ(klasse.elever[i].fil, filer[i].navn);
        EXPECT_EQ(klasse.elever[i].avspillingsfeil, "");
        sammefigurer(logger[i], klasse.elever[i].poster);
    }
}

// A short lesson worked at the keys: 2x + 3 = 5 with a hint, solved; x + 2 = 3x left after an
// undone step; a clock that ticks one second a read.
class Leksjon : public test::Oekt {
protected:
    void SetUp() override {
        test::Oekt::SetUp();
        arket.settklokke([this] { return sek += 1; });
    }
    std::string lagre(const std::string& navn) {
        return skrivoektfil(lagoektfil(arket.oekt(), navn, "2026-12-08T10:00:00"));
    }
    std::string enkel(const std::string& navn) {
        oppgave({0, 2, 3, 0, 0, 5});
        arket.Tips_Click();
        trykk("- 3 U : 2 U");
        oppgave({0, 1, 2, 0, 3, 0});
        trykk("- 3 x U A");
        return lagre(navn);
    }
    double sek = 0;
};

TEST_F(Leksjon, TheFileHoldsTheActionsAsTyped) {
    const Oektlesning l = lesoektfil(enkel("Kari"));
    ASSERT_TRUE(l.ok) << l.feil;
    ASSERT_EQ(l.fil.oppgaver.size(), 2u);
    const auto& h = l.fil.oppgaver[0].handlinger;
    ASSERT_EQ(h.size(), 3u);
    EXPECT_EQ(h[0].art, Handlingsart::tips);
    EXPECT_EQ(h[1].operasjon, "-");
    EXPECT_EQ(h[1].operand, "3");
    EXPECT_EQ(h[2].operasjon, ":");
    EXPECT_EQ(h[2].operand, "2");
    EXPECT_DOUBLE_EQ(h[2].sekunder, 3);
    const auto& h2 = l.fil.oppgaver[1].handlinger;
    ASSERT_EQ(h2.size(), 2u);
    EXPECT_EQ(h2[0].operand, "3x");
    EXPECT_EQ(h2[1].art, Handlingsart::angre);
    EXPECT_EQ(l.fil.oppgaver[1].teller, (std::array<std::int64_t, 6>{0, 1, 2, 0, 3, 0}));
}

// The file's text with one field changed.
std::string medfelt(const std::string& tekst,
                    const std::function<void(nlohmann::ordered_json&)>& endre) {
    auto j = nlohmann::ordered_json::parse(tekst);
    endre(j);
    return j.dump(1);
}

// Replaces the first occurrence of `fra` in the file's text.
std::string endret(std::string tekst, const std::string& fra, const std::string& til) {
    const auto i = tekst.find(fra);
    EXPECT_NE(i, std::string::npos) << fra;
    if (i != std::string::npos) tekst.replace(i, fra.size(), til);
    return tekst;
}

TEST_F(Leksjon, DamagedAndAlteredFilesAreNamedWithTheirReason) {
    const std::string god = enkel("Kari");
    std::string mange =
        R"({"format":"balvo-okt","versjon":1,"program":"","navn":"","tidspunkt":"","oppgaver":[)";
    for (int i = 0; i < 10000; ++i) mange += std::string(i ? "," : "") + "{}";
    mange += "]}";
    struct Tilfelle {
        const char* hva;
        std::string tekst;
        std::string grunn;  // empty: read and replayed whole
    };
    const Tilfelle tilfeller[] = {
        {"whole", god, ""},
        {"not JSON", "PK\x03\x04 a zip", "Filen er ikke en Balvo-økt (den er ikke JSON)."},
        {"empty", "", "Filen er ikke en Balvo-økt (den er ikke JSON)."},
        {"only blanks", " \r\n\t ", "Filen er ikke en Balvo-økt (den er ikke JSON)."},
        {"truncated", god.substr(0, god.size() / 2), "Filen er avkortet: slutten mangler."},
        {"another JSON", "[1, 2]", "Filen er ikke en Balvo-økt."},
        {"newer", endret(god, "\"versjon\": 1", "\"versjon\": 7"),
         "Filen er laget av en nyere Balvo (formatversjon 7); denne leser versjon 1."},
        {"no name", endret(god, "\"navn\"", "\"nav\""), "Feltet «navn» mangler."},
        {"level as text", endret(god, "\"nivaa\": 1", "\"nivaa\": \"1\""),
         "Feltet «oppgaver[0].nivaa» har feil type."},
        {"level 9", endret(god, "\"nivaa\": 1", "\"nivaa\": 9"),
         "Feltet «oppgaver[0].nivaa» er utenfor det tillatte."},
        {"huge number",
         endret(god, "\"teller\": [",
                "\"teller\": [99999999999999999999, 2, 3, 0, 0, 5], \"x\": ["),
         "Feltet «oppgaver[0].linje0.teller[0]» er utenfor det tillatte."},
        {"denominator 0",
         medfelt(god, [](auto& j) { j["oppgaver"][0]["linje0"]["nevner"][0] = 0; }),
         "Feltet «oppgaver[0].linje0.nevner[0]» er utenfor det tillatte."},
        {"an action not an object",
         medfelt(god, [](auto& j) { j["oppgaver"][0]["handlinger"][0] = 5; }),
         "Feltet «oppgaver[0].handlinger[0]» har feil type."},
        {"time backwards", endret(god, "\"sek\": 3.0", "\"sek\": 0.5"),
         "Feltet «oppgaver[0].handlinger[2].sek» er utenfor det tillatte."},
        {"unknown action", endret(god, "\"Angre\"", "\"Jukse\""),
         "Feltet «oppgaver[1].handlinger[1].handling» er utenfor det tillatte."},
        {"10,000 exercises", mange, "Feltet «oppgaver» har flere enn 500 elementer."},
        {"over 5 MB", god + std::string(5 * 1024 * 1024, ' '), "Filen er større enn 5 MB."},
        {"unknown operation", endret(god, "\"operasjon\": \":\"", "\"operasjon\": \"%\""),
         "kan ikke spilles av: oppgave 1, handling 3: operasjonen «%» finnes ikke"},
        {"key not usable", endret(god, "\"operand\": \"2\"", "\"operand\": \"2/x/\""),
         "kan ikke spilles av: oppgave 1, handling 3: tasten «x» var ikke i bruk"},
        {"claims a step refused", endret(god, "\"operand\": \"2\"", "\"operand\": \"0\""),
         "kan ikke spilles av: oppgave 1, handling 3: programmet ville ikke ha utført dette "
         "steget"},
        {"-2147483648/-1 typed in the dialog",
         medfelt(god, [](auto& j) { j["oppgaver"][1]["linje0"]["teller"][2] = 2147483648; }), ""},
        {"1/-2147483648 typed in the dialog",
         medfelt(god,
                 [](auto& j) {
                     j["oppgaver"][1]["linje0"]["teller"][2] = -1;
                     j["oppgaver"][1]["linje0"]["nevner"][2] = 2147483648;
                 }),
         ""},
        {"six numerators of 2^31 - 1",
         medfelt(god,
                 [](auto& j) {
                     j["oppgaver"][1]["linje0"]["teller"] = {2147483647, 2147483647, 2147483647,
                                                             2147483647, 2147483647, 2147483647};
                 }),
         ""},
    };
    std::vector<Innfil> filer;
    for (const Tilfelle& t : tilfeller) filer.push_back({t.hva, t.tekst});
    const Klasseoversikt o = lagklasseoversikt(filer);
    for (const Tilfelle& t : tilfeller) {
        SCOPED_TRACE(t.hva);
        std::string grunn = "(read)";
        for (const Uleselig& u : o.uleselige)
            if (u.fil == t.hva) grunn = u.grunn;
        for (const Elevoekt& e : o.elever)
            if (e.fil == t.hva) grunn = e.avspillingsfeil;
        EXPECT_EQ(grunn, t.grunn);
    }
}

TEST_F(Leksjon, AnAlteredFileShowsOnlyWhatItsActionsGive) {
    // The second exercise edited to claim "Løsningsforslag" away and a solving step: the step
    // x + 2 = 3x "- 3x" gives -2x + 2 = 0, not a solved line.
    std::string fil = enkel("Per");
    fil = endret(
        fil, "\"handling\": \"Angre\"",
        "\"handling\": \"Utfør\", \"operasjon\": \":\", \"operand\": \"-2\", \"utfoert\": true");
    const Klasseoversikt o = lagklasseoversikt({{"per.balvo", fil}});
    ASSERT_EQ(o.elever.size(), 1u);
    EXPECT_EQ(o.elever[0].avspillingsfeil, "");
    const auto rader = elevrader(o);
    EXPECT_EQ(rader[0][2], "1");  // solved: only the first
}

TEST_F(Leksjon, TheClassAsCsvByteForByte) {
    const std::string kari = enkel("Kari");
    const std::string dobbel = kari;
    const std::string navn = "=Ola \u202eNordmann";
    const std::string ola = endret(kari, "\"Kari\"", "\"" + navn + "\"");
    const Klasseoversikt o = lagklasseoversikt(
        {{"kari.balvo", kari}, {"ola.balvo", ola}, {"kopi.balvo", dobbel}, {"tom.balvo", "{"}});
    EXPECT_EQ(klassecsv(o, false),
              "Navn;Oppgaver;Løst;Steg;Korteste;Tips 1;Tips 2;Tips 3;Løsningsforslag;Minutter;"
              "Merknad;Fil\r\n"
              "Kari;2;1;3;5;1;0;0;0;0,1;;kari.balvo\r\n"
              "'=Ola Nordmann;2;1;3;5;1;0;0;0;0,1;usynlige tegn fjernet fra navnet;ola.balvo\r\n"
              "Kari;0;0;0;0;0;0;0;0;0,0;samme økt som «kari.balvo»;kopi.balvo\r\n");
    EXPECT_EQ(klassecsv(o, true).substr(0, 4), "\xEF\xBB\xBFN");
    ASSERT_EQ(o.uleselige.size(), 1u);
    EXPECT_EQ(o.uleselige[0].fil, "tom.balvo");
    const auto nivaa = nivaarader(o);
    ASSERT_EQ(nivaa.size(), 1u);
    EXPECT_EQ(nivaa[0], (Tabellrad{"1", "4", "2", "0,0", "linje 0 (2 ganger)", "\u2013"}));
    // Kari's exercises, with the time spent on each.
    EXPECT_EQ(oppgaverader(o.elever[0]),
              (std::vector<Tabellrad>{{"1", "2x + 3 = 5", "1", "2", "2", "ja", "0:03"},
                                      {"2", "x + 2 = 3x", "1", "1", "3", "nei", "0:02"}}));
    EXPECT_EQ(elevoverskrift(o.elever[0]), "Oppgavene til Kari, lagret 8. desember 2026 kl. 10.00");
}

TEST_F(Leksjon, TheMedianOfAnEvenCountLiesBetweenTheMiddleTwo) {
    // 2x + 3 = 5 solved the shortest way, then with a step too many: 0 and 1 over the shortest.
    oppgave({0, 2, 3, 0, 0, 5});
    trykk("- 3 U : 2 U");
    oppgave({0, 2, 3, 0, 0, 5});
    trykk("+ 1 U - 4 U : 2 U");
    const auto rader = nivaarader(lagklasseoversikt({{"a.balvo", lagre("A")}}));
    ASSERT_EQ(rader.size(), 1u);
    EXPECT_EQ(rader[0][3], "0,5");
}

TEST_F(Leksjon, KeysTypedOnAfterARefusedStepAndDroppedAreKept) {
    // On 2x = x, "+ 40000" is refused as too large; "x" typed on makes the operation keys usable,
    // and "Bytt side" drops the operand. The file keeps the dropped keys, without which "Bytt side"
    // could not be pressed.
    oppgave({0, 2, 0, 0, 1, 0});
    trykk("+ 40000 U x b U");
    ASSERT_EQ(arket.ark().sistelinje, 1);
    const std::string fil = lagre("Per");
    const Oektlesning l = lesoektfil(fil);
    ASSERT_TRUE(l.ok) << l.feil;
    const auto& h = l.fil.oppgaver[0].handlinger;
    ASSERT_EQ(h.size(), 2u);
    EXPECT_EQ((std::tuple{h[0].operasjon, h[0].operand, h[0].utfoert, h[0].forkastet}),
              (std::tuple{std::string("+"), std::string("40000"), false, std::string()}));
    EXPECT_EQ((std::tuple{h[1].operasjon, h[1].operand, h[1].utfoert, h[1].forkastet}),
              (std::tuple{std::string("bytt"), std::string(), true, std::string("40000x")}));
    const auto feil = [](const std::string& tekst) {
        const Klasseoversikt o = lagklasseoversikt({{"per.balvo", tekst}});
        return o.elever.empty() ? o.uleselige.at(0).grunn : o.elever[0].avspillingsfeil;
    };
    EXPECT_EQ(feil(fil), "");
    EXPECT_EQ(
        feil(medfelt(fil, [](auto& j) { j["oppgaver"][0]["handlinger"][1].erase("forkastet"); })),
        "kan ikke spilles av: oppgave 1, handling 2: tasten «bytt» var ikke i bruk");
    EXPECT_EQ(feil(medfelt(
                  fil, [](auto& j) { j["oppgaver"][0]["handlinger"][1]["forkastet"] = "4000x"; })),
              "kan ikke spilles av: oppgave 1, handling 2: operanden fortsetter ikke den som ble "
              "avvist før");
    EXPECT_EQ(
        feil(medfelt(fil, [](auto& j) { j["oppgaver"][0]["handlinger"][1]["forkastet"] = ""; })),
        "Feltet «oppgaver[0].handlinger[1].forkastet» er utenfor det tillatte.");
}

TEST_F(Leksjon, EachLevelSaysWherePupilsMostOftenWentNoCloser) {
    // Two steps no closer written on line 1 (2x + 4 = 8 and, after an undo, 2x + 2 = 6), one on
    // line 2 (back to line 0); hints asked on line 1 twice.
    oppgave({0, 2, 3, 0, 0, 7});
    trykk("+ 1 U");
    arket.Tips_Click();
    arket.Tips_Click();
    trykk("A - 1 U + 1 U - 3 U : 2 U");
    const Klasseoversikt o = lagklasseoversikt({{"per.balvo", lagre("Per")}});
    ASSERT_EQ(o.elever.size(), 1u);
    ASSERT_EQ(o.elever[0].poster.size(), 1u);
    EXPECT_EQ(o.elever[0].poster[0].ikke_naermere_linjer, (std::vector<int>{1, 1, 2}));
    EXPECT_EQ(nivaarader(o), (std::vector<Tabellrad>{{"1", "1", "1", "3,0", "linje 1 (2 ganger)",
                                                      "linje 1 (2 ganger)"}}));
}

TEST(Oektfil, TheTimeAFileWasSavedIsWrittenAsADate) {
    const std::pair<const char*, const char*> tilfeller[] = {
        {"2026-12-08T13:51:57", "8. desember 2026 kl. 13.51"},
        {"2027-01-31T00:05", "31. januar 2027 kl. 00.05"},
        {"2026-06-01T09:30:00+02:00", "1. juni 2026 kl. 09.30"},
        {"2026-13-08T13:51:57", ""},
        {"2026-12-00T13:51:57", ""},
        {"2026-12-08T24:00:00", ""},
        {"2026-12-08T13:60:00", ""},
        {"2026-12-08 13:51:57", ""},
        {"2026-12-08T13:5", ""},
        {"20x6-12-08T13:51", ""},
        {"", ""},
    };
    for (const auto& [iso, tekst] : tilfeller) EXPECT_EQ(tidspunkttekst(iso), tekst) << iso;
}

}  // namespace
}  // namespace balvo
