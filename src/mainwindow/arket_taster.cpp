// Placeholder until the keypad, the generator and perform land.
#include "mainwindow/arket.h"

namespace balvo {

void Arket::nyoppgave_Click() {}
void Arket::opr_Click(int) {}
void Arket::siffer_Click(int) {}
void Arket::pm_Click() {}
void Arket::broekstrek_Click() {}
void Arket::variabel_Click(int) {}
void Arket::strykut_Click() {}
void Arket::Utfoer_Click() {}
void Arket::scrollopp_Click() {}
void Arket::scrollned_Click() {}

}  // namespace balvo
