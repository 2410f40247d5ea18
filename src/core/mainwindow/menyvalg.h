// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One dispatcher for every menu item of both shells: whether the item may be chosen now, what
// refuses it, the toggles of the menu "Hjelp" and the zoom's steps are decided here; a shell
// only shows or does what it is told through Menyskall.
#include "core/mainwindow/arket.h"
#include "core/mainwindow/tastekart.h"

namespace balvo {

// What a menu item needs a window to show or do. Each call comes only when the item is usable
// and nothing refuses it.
class Menyskall {
public:
    virtual ~Menyskall() = default;

    // The zoom the window shows now (1 the design) and whether "Fyll vinduet" is on.
    virtual double zoom() const = 0;
    virtual bool fyller() const = 0;

    // "Valg": the own-equation window, the graph, the print, "Lagre som", the About box.
    virtual void visegenlikning() = 0;
    virtual void visgrafen() = 0;
    virtual void skrivutarket() = 0;
    virtual void lagrearket() = 0;
    virtual void visom() = 0;
    // "Rediger": the newest line was taken back (the window tells the change); the worksheet
    // as text to the clipboard.
    virtual void visangret() = 0;
    virtual void kopierarket() = 0;
    // "Hjelp": a choice switched in the worksheet, shown (the row "Avstand:", the line editor,
    // the item's tick) and remembered for the next run.
    virtual void visavstandsrad(bool paa) = 0;
    virtual void visregnselv(bool paa) = 0;
    virtual void huskhjelpvalg(Menyhandling handling, bool paa) = 0;
    // "Vis": this zoom with the window no longer filled, or the window filled; remembered.
    virtual void velgzoom(double zoom) = 0;
    virtual void fyllvinduet() = 0;
    // "Økt": the lesson record saved or printed, the class overview.
    virtual void lagreoekta() = 0;
    virtual void skrivutoekta() = 0;
    virtual void visklasseoversikt() = 0;
};

// Whether the item may be chosen now: the worksheet's word, and the zoom's for the menu "Vis".
bool menybrukbar(const Arket& arket, const Menyskall& skall, Menyhandling handling);

// A menu item chosen, by a click or its shortcut: nothing while it is not usable; a box
// (through Skall::melding) when something refuses it; otherwise its work.
void menyvalg(Arket& arket, Menyskall& skall, Menyhandling handling);

// The choices of "Hjelp" set (from the menu, or as remembered at start-up): the worksheet
// first, then the window shows it; the worksheet's rows are drawn again for the row "Avstand:".
void velgavstand(Arket& arket, Menyskall& skall, bool paa);
void velgregnselv(Arket& arket, Menyskall& skall, bool paa);

}  // namespace balvo
