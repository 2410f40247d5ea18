// The three languages: which one a system locale or a remembered code gives, and that every
// text the pupil meets on the worksheet is asked of the catalogue, so that another language
// reaches the boxes, the operand fields and the clipboard, while the equations stay as drawn.
#include "core/tekst/spraak.h"

#include <gtest/gtest.h>

#include "core/display/lineaertekst.h"
#include "loekke.h"

namespace balvo {
namespace {

TEST(Spraak, FromTheSystemLocale) {
    const std::pair<const char*, const char*> rader[] = {
        {"nn_NO.UTF-8", "nn"}, {"nn", "nn"},    {"NN-no", "nn"},   {"nn_NO@nynorsk", "nn"},
        {"nb_NO.UTF-8", "nb"}, {"nb-NO", "nb"}, {"no_NO", "nb"},   {"no", "nb"},
        {"en_GB.UTF-8", "en"}, {"en-US", "en"}, {"en", "en"},      {"de_DE.UTF-8", "nb"},
        {"sv_SE", "nb"},       {"C", "nb"},     {"POSIX", "nb"},   {"", "nb"},
        {"n", "nb"},           {"nno", "nb"},   {"english", "nb"}, {"C.UTF-8", "nb"},
    };
    for (const auto& [lokale, ventet] : rader)
        EXPECT_EQ(spraak_fra_lokale(lokale), ventet) << lokale;
}

TEST(Spraak, KnownCodesOrBokmaal) {
    for (const Spraakvalg& s : spraakene) EXPECT_EQ(kjent_spraak(s.kode), s.kode);
    for (const char* ukjent : {"", "NN", "nn_NO", "de", "nynorsk", " nn", "no"})
        EXPECT_EQ(kjent_spraak(ukjent), "nb") << ukjent;
    // The menu names each language in its own words, Bokmål first.
    EXPECT_EQ(spraakene[0].navn, "Bokmål");
    EXPECT_EQ(spraakene[1].navn, "Nynorsk");
    EXPECT_EQ(spraakene[2].navn, "English");
}

// A language that marks every text it was asked for, ‹so›.
class Merket : public Katalog {
public:
    std::string oversett(const Tekst& t) const override {
        return std::string("\u2039") + t.kilde + "\u203a";
    }
};

class Katalogtekster : public test::Oekt {
protected:
    void SetUp() override {
        Oekt::SetUp();
        installer_katalog(&merket);
    }
    void TearDown() override { installer_katalog(nullptr); }

    test::Boks siste() {
        EXPECT_FALSE(skall.bokser.empty());
        return skall.bokser.empty() ? test::Boks{} : skall.bokser.back();
    }

    Merket merket;
};

TEST_F(Katalogtekster, BoxTitlesAndTexts) {
    oppgave({0, 2, 3, 0, 0, 7});
    // A refused or cancelled step is crossed out before the next; the last two are carried out.
    const struct {
        const char* taster;
        const char* tittel;
        const char* tekst;
    } fall[] = {
        {": 0 U C", "Påtale", "Du kan ikke dele med null."},
        {"* 0 U C", "Advarsel", "Å gange med null vil ødelegge\nlikningen."},
        {"k U C", "Advarsel", "x-verdier som gjør de to sidene i likningen like\n"},
        {"+ 40000 U C", "Påtale", "Tallet er for stort: teller og nevner kan være høyst 32767."},
        {"* x U", "Til etteretning", "Løsningen x=0 følger med på\nlasset når du ganger med x."},
        {": x U", "Til etteretning", "Løsningen x=0\ngår nå tapt."},
    };
    for (const auto& f : fall) {
        trykk(f.taster);
        const test::Boks b = siste();
        EXPECT_EQ(b.tittel, std::string("\u2039") + f.tittel + "\u203a") << f.taster;
        EXPECT_EQ(b.tekst.rfind(std::string("\u2039") + f.tekst, 0), 0u) << f.taster;
    }
}

TEST_F(Katalogtekster, OwnEquationRefusals) {
    const Egnesvar svar = arket.egne({"0", "1/0", "0", "0", "0", "0"});
    EXPECT_FALSE(svar.ok);
    EXPECT_EQ(svar.melding,
              "\u2039Feil i ruta for \u2039x på venstre side\u203a:\n"
              "\u2039Nevneren kan ikke være null.\u203a\u203a");
    // The pupil's own text is quoted, never read as a placeholder of the template.
    const Egnesvar tegn = arket.egne({"0", "0", "0", "0", "%1", "0"});
    EXPECT_EQ(tegn.melding,
              "\u2039Feil i ruta for \u2039x på høyre side\u203a:\n"
              "\u2039\u2039«%1»\u203a er ikke et helt tall eller en brøk.\n"
              "Skriv for eksempel 3, -2 eller -3/4.\u203a\u203a");
}

TEST_F(Katalogtekster, OperandFieldsAndClipboard) {
    oppgave({0, 2, 3, 0, 0, 7});
    trykk("- 3 U : 2 U + 5");
    EXPECT_EQ(skall.opfelter[0].tekster(), "\u2039Trekk fra\u203a 3");
    EXPECT_EQ(skall.opfelter[1].tekster(), "\u2039Del med\u203a 2");
    EXPECT_EQ(skall.opfelter[2].tekster(), "\u2039Legg til\u203a 5");
    EXPECT_EQ(operasjonstekst(arket.ark(), 0), "\u2039Trekk fra\u203a 3");
    EXPECT_EQ(arktekst(arket.ark()),
              "2x + 3 = 7    \u2039Trekk fra\u203a 3\n2x = 4    \u2039Del med\u203a 2\nx = 2");
}

TEST_F(Katalogtekster, DrawnAgainInAnotherLanguage) {
    installer_katalog(nullptr);
    oppgave({0, 2, 3, 0, 0, 7});
    trykk("- 3 U : 2 U r U + 5");
    std::array<std::vector<test::Opptak>, 5> rader;
    for (std::size_t k = 0; k < 5; ++k) rader[k] = skall.linjer[k].opptak();
    const Ark foer = arket.ark();
    const std::string taster = this->taster();
    const std::string poeng = skall.poeng_tekst + "/" + skall.loeste_tekst;

    installer_katalog(&merket);
    arket.tegnpaanytt();
    // The words change; the rows, the worksheet, the keys and the score do not.
    EXPECT_EQ(skall.opfelter[0].tekster(), "\u2039Trekk fra\u203a 3");
    EXPECT_EQ(skall.opfelter[1].tekster(), "\u2039Del med\u203a 2");
    EXPECT_EQ(skall.opfelter[2].tekster(), "\u2039Trekk kvadratrot\u203a");
    EXPECT_EQ(skall.opfelter[3].tekster(), "\u2039Legg til\u203a 5");
    for (std::size_t k = 0; k < 5; ++k) EXPECT_EQ(skall.linjer[k].opptak(), rader[k]) << k;
    EXPECT_EQ(arket.ark().teller, foer.teller);
    EXPECT_EQ(arket.ark().tellertekst, foer.tellertekst);
    EXPECT_EQ(this->taster(), taster);
    EXPECT_EQ(skall.poeng_tekst + "/" + skall.loeste_tekst, poeng);
}

}  // namespace
}  // namespace balvo
