// The menu "Valg". Own equation, graph, printing, saving and the About box open from here.
#include "mainwindow/arketvindu.h"

namespace balvo {

void ArketVindu::egendef_Click() {}

void ArketVindu::mmPapir_Click() {}

void ArketVindu::Utskrift_Click() {}

void ArketVindu::Lagre_Click() {}

void ArketVindu::om_Click() {}

}  // namespace balvo
