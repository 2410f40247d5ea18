// SPDX-License-Identifier: GPL-3.0-or-later
// The menus' dispatcher, for both shells.
#include "core/mainwindow/menyvalg.h"

#include "core/mainwindow/zoom.h"

namespace balvo {

bool menybrukbar(const Arket& arket, const Menyskall& skall, Menyhandling handling) {
    return arket.brukbar(handling) && zoom_brukbar(handling, skall.zoom(), skall.fyller());
}

void velgavstand(Arket& arket, Menyskall& skall, bool paa) {
    arket.settavstand(paa);
    skall.visavstandsrad(paa);
    arket.tegnpaanytt();
}

void velgregnselv(Arket& arket, Menyskall& skall, bool paa) {
    arket.settregnselv(paa);
    skall.visregnselv(paa);
}

void menyvalg(Arket& arket, Menyskall& skall, Menyhandling handling) {
    if (!menybrukbar(arket, skall, handling) || !arket.tillat(handling)) return;
    switch (handling) {
        case Menyhandling::skille:
            return;
        case Menyhandling::egen_likning:
            return skall.visegenlikning();
        case Menyhandling::graf:
            return skall.visgrafen();
        case Menyhandling::utskrift:
            return skall.skrivutarket();
        case Menyhandling::lagre:
            return skall.lagrearket();
        case Menyhandling::om:
            return skall.visom();
        case Menyhandling::angre:
            arket.angre();
            return skall.visangret();
        case Menyhandling::kopier:
            return skall.kopierarket();
        case Menyhandling::tips:
            return arket.Tips_Click();
        case Menyhandling::loesningsforslag:
            return arket.Loesningsforslag_Click();
        case Menyhandling::avstand: {
            const bool paa = !arket.avstand();
            velgavstand(arket, skall, paa);
            return skall.huskhjelpvalg(handling, paa);
        }
        case Menyhandling::regnselv: {
            const bool paa = !arket.regnselv();
            velgregnselv(arket, skall, paa);
            return skall.huskhjelpvalg(handling, paa);
        }
        case Menyhandling::stoerre:
            return skall.velgzoom(stoerre_zoom(skall.zoom()));
        case Menyhandling::mindre:
            return skall.velgzoom(mindre_zoom(skall.zoom()));
        case Menyhandling::vanlig:
            return skall.velgzoom(1.0);
        case Menyhandling::fyll:
            // Off: the window stays at the size filling gave it.
            if (skall.fyller()) return skall.velgzoom(skall.zoom());
            return skall.fyllvinduet();
        case Menyhandling::lagre_oekt:
            return skall.lagreoekta();
        case Menyhandling::skriv_ut_oekt:
            return skall.skrivutoekta();
        case Menyhandling::klasseoversikt:
            return skall.visklasseoversikt();
    }
}

}  // namespace balvo
