// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The messages of the solving loop (keypad, perform), each written once as a catalogue text.
#include "core/tekst/katalog.h"

namespace balvo::tekst {

inline constexpr Tekst dele_med_null = BALVO_TR("Arket", "Du kan ikke dele med null.");

inline constexpr Tekst gange_med_null =
    BALVO_TR("Arket", "Å gange med null vil ødelegge\nlikningen.\n\nVil du gjøre det likevel?");

inline constexpr Tekst kvadrering = BALVO_TR("Arket",
                                             "x-verdier som gjør de to sidene i likningen like\n"
                                             "men med motsatte fortegn er jo  i k k e  løsninger.\n"
                                             "\n"
                                             "Den likningen du får ved kvadrering vil imidlertid\n"
                                             "også ha slike x-verdier som løsning. (De kan av-\n"
                                             "sløres ved å sette prøve eller ved å se på grafisk\n"
                                             "løsning.)\n"
                                             "\n"
                                             "Vil du likevel kvadrere likningen?");

// The sheet has room for 100 lines; line 99 can take no operation.
inline constexpr Tekst arket_fullt =
    BALVO_TR("Arket",
             "Arket er fullt: det har plass til 100 linjer.\n"
             "Trykk «Ny oppgave» eller velg «Egen likning» for å begynne på nytt.");

// An operand must fit the operation record (at most 32767 above and below the bar).
inline constexpr Tekst for_stort_tall =
    BALVO_TR("Arket",
             "Tallet er for stort: teller og nevner kan være høyst 32767.\n"
             "Trykk «Stryk ut» og velg operasjonen på nytt.");

inline constexpr Tekst etteretning_gange_x =
    BALVO_TR("Arket", "Løsningen x=0 følger med på\nlasset når du ganger med x.");
inline constexpr Tekst etteretning_dele_x = BALVO_TR("Arket", "Løsningen x=0\ngår nå tapt.");
// The square root of x² standing on the right side: the ± can stand only on the right.
inline constexpr Tekst etteretning_rot_hoeyre =
    BALVO_TR("Arket",
             "Løsningen %1 går nå tapt: ± kan bare stå på høyre side.\n"
             "Bytt sider først, så får du med begge løsningene.");

inline constexpr Tekst ikke_eksakt =
    BALVO_TR("Arket",
             "Tallene blir for store til at regningen kan gjøres nøyaktig.\n"
             "Velg en annen operasjon.");

}  // namespace balvo::tekst
