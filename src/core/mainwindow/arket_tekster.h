#pragma once
// The messages of the solving loop (keypad, perform), each written once.
#include <string_view>

namespace balvo::tekst {

inline constexpr std::string_view dele_med_null = "Du kan ikke dele med null.";

inline constexpr std::string_view gange_med_null =
    "Å gange med null vil ødelegge\nlikningen.\n\nVil du gjøre det likevel?";

inline constexpr std::string_view kvadrering =
    "x-verdier som gjør de to sidene i likningen like\n"
    "men med motsatte fortegn er jo  i k k e  løsninger.\n"
    "\n"
    "Den likningen du får ved kvadrering vil imidlertid\n"
    "også ha slike x-verdier som løsning. (De kan av-\n"
    "sløres ved å sette prøve eller ved å se på grafisk\n"
    "løsning.)\n"
    "\n"
    "Vil du likevel kvadrere likningen?";

// The sheet has room for 100 lines; line 99 can take no operation.
inline constexpr std::string_view arket_fullt =
    "Arket er fullt: det har plass til 100 linjer.\n"
    "Trykk «Ny oppgave» eller velg «Egen likning» for å begynne på nytt.";

// An operand must fit the operation record (at most 32767 above and below the bar).
inline constexpr std::string_view for_stort_tall =
    "Tallet er for stort: teller og nevner kan være høyst 32767.\n"
    "Trykk «Stryk ut» og velg operasjonen på nytt.";

inline constexpr std::string_view etteretning_gange_x =
    "Løsningen x=0 følger med på\nlasset når du ganger med x.";
inline constexpr std::string_view etteretning_dele_x = "Løsningen x=0\ngår nå tapt.";

inline constexpr std::string_view ikke_eksakt =
    "Tallene blir for store til at regningen kan gjøres nøyaktig.\n"
    "Velg en annen operasjon.";

}  // namespace balvo::tekst
