// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader is told about the worksheet: its lines as a list, each named as it
// reads ("Linje 2: 2x = 2") with the operation applied to it as its description ("neste steg:
// Del med 2", or on the newest line the row "Avstand:" while it is on: "1 steg igjen."), the
// operand being typed as the list's last element, and the element the pupil
// is on. Every change the pupil makes puts the pupil on the element that tells it, so that a
// screen reader says it at once. The shells raise the events; the words are made here.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/mainwindow/arket.h"
#include "core/tekst/katalog.h"

namespace balvo {

// The worksheet's own name, and the solved marker's.
inline constexpr Tekst arknavn = BALVO_TR("Arket", "Arket");
inline constexpr Tekst loestmerkenavn = BALVO_TR("Arket", "Løst");

// "Regn selv": the line editor of the waiting line, as a screen reader names and describes it,
// and as the list's last element says it while the line waits.
inline constexpr Tekst skrivlinjenavn = BALVO_TR("Regn selv", "Skriv linje %1");
inline constexpr Tekst skrivlinjehjelp = BALVO_TR(
    "Regn selv", "Skriv linjen steget gir, for eksempel 2x = 4, og trykk Enter. Esc viser linjen.");

struct Leseelement {
    std::string navn;
    std::string beskrivelse;
};

enum class Leseretning { opp, ned, foerste, siste };

class Opplesning {
public:
    explicit Opplesning(Arket& arket);

    // Lines 0..sistelinje, then the operand while one is typed, or the line waiting to be
    // written ("Skriv linje 2"); none before the first exercise.
    int antall() const;
    Leseelement element(int i) const;
    bool er_operand(int i) const;
    bool er_skrivlinje(int i) const;
    // Element i as one sentence, as a screen reader says it when the pupil comes to it: its
    // name, and its description after a full stop ("Linje 2: x = 1, løst. Poeng: 3").
    std::string setning(int i) const;
    // The worksheet line element i stands for (the newest line for the operand); -1 for none.
    int linje(int i) const;
    // The row 0..4 that shows element i now; -1 while it is scrolled out of view.
    int rad(int i) const;

    // What row k (0..4) and the operand field beside it show, as the screen reader names the
    // boxes themselves: the line's element name, the field's operation or operand; empty when
    // the box is empty.
    std::string radnavn(int k) const;
    std::string feltnavn(int k) const;

    // The element the pupil is on; -1 while there is none.
    int fokus() const { return fokus_; }

    // One element up or down, or to the first or the last, scrolling the rows through the
    // scroll handlers until the element's line is shown. False when the pupil stays put.
    bool flytt(Leseretning retning);

    // After the pupil's last action: puts the pupil on the element that tells what changed (the
    // exercise after a new one, the newest line after "Utfør" or "Angre", the line to write
    // after "Utfør" in "Regn selv" and the operand again once "Angre" dropped it, the operand
    // as it is typed, the newest line once the operand is gone, the line scrolled into view)
    // and returns it; -1 when nothing changed that is told.
    int endring();

private:
    struct Bilde {
        std::uint64_t oppgave = 0;
        bool har_oppgave = false;
        int sistelinje = 0;
        int linjenr = 0;
        bool bygger = false;
        Inntasting operand;  // the keys' state, while one is typed
        bool valgt = false;  // an operation is still chosen
        int venter = 0;      // the line waiting to be written; 0: none
    };
    Bilde bilde() const;
    void rulltil(int linje);
    std::string beskrivelse(int linje) const;

    Arket& arket_;
    Bilde forrige_;
    int fokus_ = -1;
    bool stroeket_ = false;  // the operand was just crossed out
};

// A label's value with its caption, as a screen reader names the label: "Poeng: 3".
std::string etikettnavn(const Tekst& ledetekst, std::string_view verdi);

}  // namespace balvo
