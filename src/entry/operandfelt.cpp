// Placeholder until the operand fields land.
#include "entry/operandfelt.h"

namespace balvo {

void visoperand(Ark&, Tegneflate& felt) { felt.toem(); }
void vislinjeopr(Ark&, int, int k, const std::array<Tegneflate*, 5>& opfelt) {
    opfelt[static_cast<std::size_t>(k)]->toem();
}

}  // namespace balvo
