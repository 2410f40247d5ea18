// The menus. "Valg": own equation, graph, printing, saving and the About box; "Rediger":
// undo; "Hjelp": the coach's hint and worked solution; "Økt": the lesson record.
#include <QMenu>
#include <QMenuBar>

#include "core/mainwindow/tastekart.h"
#include "qt/mainwindow/arketvindu.h"

#include "qt/about/omboks.h"
#include "qt/document/eksport.h"
#include "qt/graph/grafvindu.h"
#include "qt/mainwindow/egenlikning.h"
#include "qt/ui/felles.h"

namespace balvo {

namespace {

void fremme(QWidget* vindu) {
    vindu->show();
    vindu->raise();
    vindu->activateWindow();
}

}  // namespace

void ArketVindu::angre_Click() {
    arket_.angre();
}

void ArketVindu::Tips_Click() {
    arket_.Tips_Click();
}

void ArketVindu::Loesningsforslag_Click() {
    arket_.Loesningsforslag_Click();
}

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

void ArketVindu::Lagreoekt_Click() {
    lagreoekt(*this);
}

void ArketVindu::Skrivutoekt_Click() {
    skrivutoekt(*this);
}

void ArketVindu::byggoektmeny() {
    // Usable once an exercise has been started; before that there is nothing to save.
    QMenu* meny = menuBar()->addMenu(ui::qtr(oektmeny));
    meny->setObjectName(QStringLiteral("Okt"));
    for (const Menypunkt& p : oektmenyen()) {
        QAction* a = meny->addAction(ui::qtr(p.tekst));
        a->setObjectName(QString::fromLatin1(p.navn.data(), static_cast<qsizetype>(p.navn.size())));
        a->setEnabled(false);
        connect(
            a, &QAction::triggered, this,
            p.navn == "lagreoekt" ? &ArketVindu::Lagreoekt_Click : &ArketVindu::Skrivutoekt_Click);
    }
}

void ArketVindu::om_Click() {
    if (!om_) om_ = new frmOm(this);
    fremme(om_);
}

}  // namespace balvo
