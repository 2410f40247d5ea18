// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A pupil of a class, for the class overview's benchmark: a seeded session at the main window
// that works each generated exercise towards its solution, mostly by the coach's next step,
// now and then by another step the coach would try (a mistake), "Angre" or a hint, and moves
// on to a new exercise when the line is solved or after 20 actions.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "core/coach/steg.h"
#include "core/coach/veileder.h"
#include "core/mainwindow/arket.h"
#include "elev.h"
#include "testskall.h"

namespace balvo::bench {

class Klasseelev {
public:
    explicit Klasseelev(std::uint64_t froe) : motor_(froe), tilfeldig_(froe) { arket_.Form_Load(); }

    // The lesson record of `antall` exercises.
    std::vector<Loggpost> oekt(int antall) {
        for (int i = 0; i < antall; ++i) oppgave();
        return arket_.oekt();
    }

private:
    double r() { return static_cast<double>(motor_() >> 11) * 0x1.0p-53; }

    bool brukbar(int tast) const { return skall_.taster.test(static_cast<std::size_t>(tast)); }

    void oppgave() {
        const int type = static_cast<int>(motor_() % 3);
        if (brukbar(Option1 + type)) {
            if (type == 0) arket_.Option1_Click();
            if (type == 1) arket_.Option2_Click();
            if (type == 2) arket_.Option3_Click();
        }
        if (r() < 0.3 && brukbar(Check1)) arket_.Check1_Click(!arket_.broeker());
        arket_.nyoppgave_Click();
        for (int handling = 0; handling < 20; ++handling) {
            const Ark& ark = arket_.ark();
            if (loest(ark, ark.linjenr)) return;
            const double valg = r();
            if (valg < 0.05 && arket_.kan_angre()) {
                arket_.angre();
            } else if (valg < 0.10) {
                arket_.Tips_Click();
            } else {
                taststeg(valg < 0.80 ? coachens_steg() : annet_steg());
            }
        }
    }

    Steg coachens_steg() {
        const Veiledning v = veiled(arket_.ark(), arket_.ark().linjenr);
        return v.utfall == Utfall::vei && !v.steg.empty() ? v.steg.front() : annet_steg();
    }

    Steg annet_steg() {
        kladd_.kandidater(Tilstand::fra(arket_.ark(), arket_.ark().linjenr), kandidater_);
        if (kandidater_.empty()) return {};
        return kandidater_[motor_() % kandidater_.size()];
    }

    // The step typed on the keypad and carried out; a key that is not usable leaves it.
    void taststeg(const Steg& steg) {
        if (!stegtaster(steg) && brukbar(strykut)) arket_.strykut_Click();
    }

    bool stegtaster(const Steg& steg) {
        if (steg.operasjon == Operasjon::ingen) return true;
        const int opr = oprindeks(steg.operasjon);
        if (!brukbar(opr0 + opr)) return false;
        arket_.opr_Click(opr);
        if (med_operand(steg.operasjon)) {
            if (steg.teller < 0 && !trykk(pm)) return false;
            const Celle t = steg.teller < 0 ? -steg.teller : steg.teller;
            if ((steg.potens == 0 || t != 1 || steg.nevner != 1) && !sifre(t)) return false;
            if (steg.nevner != 1 && (!trykk(broekstrek) || !sifre(steg.nevner))) return false;
            if (steg.potens > 0 && !trykk(variabel0 + steg.potens - 1)) return false;
        }
        return trykk(Utfoer);
    }

    bool sifre(Celle tall) {
        for (char c : std::to_string(tall))
            if (!trykk(siffer0 + (c - '0'))) return false;
        return true;
    }

    bool trykk(int tast) {
        if (!brukbar(tast)) return false;
        if (tast >= siffer0 && tast < siffer0 + 10) arket_.siffer_Click(tast - siffer0);
        if (tast == pm) arket_.pm_Click();
        if (tast == broekstrek) arket_.broekstrek_Click();
        if (tast == variabel0 || tast == variabel1) arket_.variabel_Click(tast - variabel0);
        if (tast == Utfoer) arket_.Utfoer_Click();
        return true;
    }

    std::mt19937_64 motor_;
    test::Testskall skall_;
    test::Froetilfeldig tilfeldig_;
    Arket arket_{skall_, tilfeldig_};
    Kladd kladd_;
    std::vector<Steg> kandidater_;
};

}  // namespace balvo::bench
