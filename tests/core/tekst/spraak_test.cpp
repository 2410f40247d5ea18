// SPDX-License-Identifier: GPL-3.0-or-later
// The three languages: which one a system locale or a remembered code gives, and that every
// text the pupil meets on the worksheet is asked of the catalogue: box titles and texts, the
// own equation's refusals, the operand fields and the clipboard.
#include "core/tekst/spraak.h"

#include <gtest/gtest.h>

#include "core/display/lineaertekst.h"
#include "loekke.h"

namespace balvo {
namespace {

TEST(Spraak, FromTheLocaleOrTheRememberedCode) {
    const std::pair<const char*, const char*> lokaler[] = {
        {"nn_NO.UTF-8", "nn"}, {"NN-no", "nn"}, {"nn@x", "nn"},  {"nb_NO.UTF-8", "nb"},
        {"no", "nb"},          {"en_GB", "en"}, {"en-US", "en"}, {"de_DE", "nb"},
        {"C", "nb"},           {"", "nb"},      {"nno", "nb"},   {"english", "nb"},
    };
    for (const auto& [lokale, ventet] : lokaler)
        EXPECT_EQ(spraak_fra_lokale(lokale), ventet) << lokale;
    for (const Spraakvalg& s : spraakene) EXPECT_EQ(kjent_spraak(s.kode), s.kode);
    for (const char* ukjent : {"", "NN", "nn_NO", "de", " en", "no"})
        EXPECT_EQ(kjent_spraak(ukjent), "nb") << ukjent;
}

// A language that marks every text it is asked for, ‹so›.
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
        installerkatalog(&merket);
    }
    void TearDown() override { installerkatalog(nullptr); }
    Merket merket;
};

TEST_F(Katalogtekster, BoxesRefusalsFieldsAndClipboard) {
    oppgave({0, 2, 3, 0, 0, 7});
    // Each box's title and the start of its text; refused or cancelled steps are crossed out.
    const std::array<std::array<const char*, 3>, 4> bokser{{
        {": 0 U C", "Påtale", "Du kan ikke dele med null."},
        {"* 0 U C", "Advarsel", "Å gange med null vil ødelegge"},
        {"k U C", "Advarsel", "x-verdier som gjør de to sidene"},
        {"+ 40000 U C", "Påtale", "Tallet er for stort"},
    }};
    for (const auto& [taster, tittel, tekst] : bokser) {
        trykk(taster);
        ASSERT_FALSE(skall.bokser.empty());
        EXPECT_EQ(skall.bokser.back().tittel, std::string("\u2039") + tittel + "\u203a");
        EXPECT_EQ(skall.bokser.back().tekst.rfind(std::string("\u2039") + tekst, 0), 0u) << taster;
    }
    trykk("- 3 U : 2 U + 5");
    EXPECT_EQ(skall.opfelter[0].tekster(), "\u2039Trekk fra\u203a 3");
    EXPECT_EQ(skall.opfelter[2].tekster(), "\u2039Legg til\u203a 5");
    EXPECT_EQ(arktekst(arket.ark()),
              "2x + 3 = 7    \u2039Trekk fra\u203a 3\n2x = 4    \u2039Del med\u203a 2\nx = 2");
    // The pupil's own text is quoted, never read as a placeholder of the template.
    EXPECT_EQ(arket.egne({"0", "0", "0", "0", "%1", "0"}).melding,
              "\u2039Feil i ruta for \u2039x på høyre side\u203a:\n"
              "\u2039\u2039«%1»\u203a er ikke et helt tall eller en brøk.\n"
              "Skriv for eksempel 3, -2 eller -3/4.\u203a\u203a");
}

}  // namespace
}  // namespace balvo
