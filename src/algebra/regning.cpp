// Placeholder until the arithmetic lands: links, computes nothing.
#include "algebra/regning.h"

namespace balvo {

Regnestatus regnut(Ark&, int, Meldinger&) { return Regnestatus::ok; }
void forkort(Ark&, int) {}
std::string_view kvadratsjekk(const Ark&, int, int) { return ikkekvadratisk; }
std::array<std::string, 2> linjedump(const Ark&, int) { return {}; }
std::string diagnoselinje(const Ark&, int) { return {}; }

}  // namespace balvo
