// SPDX-License-Identifier: GPL-3.0-or-later
#include "oppgaver.h"

#include "core/mainwindow/arket.h"
#include "elev.h"
#include "testskall.h"

namespace balvo::test {

std::vector<Tilstand> genererte_oppgaver(int nivaa, int antall, std::uint64_t froe) {
    std::vector<Tilstand> linjer;
    Testskall skall;
    Froetilfeldig tilfeldig(froe);
    Arket arket(skall, tilfeldig);
    arket.Form_Load();
    if (nivaa >= 3) (nivaa >= 5 ? arket.Option3_Click() : arket.Option2_Click());
    if (nivaa % 2 == 0) arket.Check1_Click(true);
    for (int i = 0; i < antall; ++i) {
        arket.nyoppgave_Click();
        linjer.push_back(Tilstand::fra(arket.ark(), 0));
    }
    return linjer;
}

}  // namespace balvo::test
