// SPDX-License-Identifier: GPL-3.0-or-later
// What the menus may do now.
#include "core/algebra/regning.h"
#include "core/document/sideoppsett.h"
#include "core/graph/graf.h"
#include "core/mainwindow/arket.h"

namespace balvo {

bool Arket::brukbar(Menyhandling handling) const {
    switch (handling) {
        case Menyhandling::skille:
            return false;
        case Menyhandling::angre:
            return kan_angre();
        case Menyhandling::tips:
        case Menyhandling::loesningsforslag:
            return hjelp_brukbar();
        case Menyhandling::lagre_oekt:
        case Menyhandling::skriv_ut_oekt:
            // Nothing to record before the first exercise.
            return har_oppgave();
        default:
            return true;
    }
}

std::optional<Arket::Hindring> Arket::hindring(Menyhandling handling) const {
    switch (handling) {
        case Menyhandling::graf:
            // No exercise, no graph.
            if (venstreledd(ark_, 0) == 0 && hoeyreledd(ark_, 0) == 0)
                return Hindring{{}, oversettelse(ingen_likning)};
            return std::nullopt;
        case Menyhandling::lagre:
        case Menyhandling::lagre_oekt:
            if (!har_oppgave())
                return Hindring{oversettelse(tittel_etteretning),
                                oversettelse(ingen_oppgave_lagre)};
            return std::nullopt;
        case Menyhandling::utskrift:
        case Menyhandling::skriv_ut_oekt:
            if (!har_oppgave())
                return Hindring{oversettelse(tittel_etteretning),
                                oversettelse(ingen_oppgave_skrive)};
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

bool Arket::tillat(Menyhandling handling) const {
    const auto h = hindring(handling);
    if (h) skall_.melding(h->tittel, h->tekst);
    return !h;
}

}  // namespace balvo
