// The menu "Valg". Own equation, graph, printing, saving and the About box open from here.
#include "mainwindow/arketvindu.h"

#include "about/omboks.h"
#include "graph/grafvindu.h"
#include "mainwindow/egenlikning.h"
#include "mainwindow/eksport.h"

namespace balvo {

namespace {

void fremme(QWidget* vindu) {
    vindu->show();
    vindu->raise();
    vindu->activateWindow();
}

}  // namespace

void ArketVindu::egendef_Click() {
    if (!egenlikning_) egenlikning_ = new egenlikning(arket_, *this, this);
    fremme(egenlikning_);
}

void ArketVindu::mmPapir_Click() {
    visgraf(arket_.ark(), graf_, *this, this);
}

void ArketVindu::Utskrift_Click() {
    skrivut(*this);
}

void ArketVindu::Lagre_Click() {
    lagresom(*this);
}

void ArketVindu::om_Click() {
    if (!om_) om_ = new frmOm(this);
    fremme(om_);
}

}  // namespace balvo
