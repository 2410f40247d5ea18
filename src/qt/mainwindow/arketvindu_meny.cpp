// SPDX-License-Identifier: GPL-3.0-or-later
// The menus. "Valg": own equation, graph, printing, saving and the About box; "Rediger":
// undo; "Hjelp": the coach's hint and worked solution; "Vis": the zoom; "Økt": the lesson
// record and the class overview; "Språk": the language.
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

#include "core/mainwindow/tastekart.h"
#include "qt/about/omboks.h"
#include "qt/document/eksport.h"
#include "qt/graph/grafvindu.h"
#include "qt/lessonfile/klassevindu.h"
#include "qt/mainwindow/arketvindu.h"
#include "qt/mainwindow/egenlikning.h"
#include "qt/ui/felles.h"
#include "qt/ui/spraak.h"

namespace balvo {

namespace {

void fremme(QWidget* vindu) {
    vindu->show();
    vindu->raise();
    vindu->activateWindow();
}

}  // namespace

void ArketVindu::velgspraak(std::string_view kode) {
    // What the window speaks now is what is remembered: Bokmål if the translation failed.
    ui::huskspraak(*ui::innstillinger(), ui::spraak().bytt(kode));
}

void ArketVindu::angre_Click() {
    arket_.angre();
    endret();
}

void ArketVindu::Tips_Click() {
    arket_.Tips_Click();
}

void ArketVindu::Loesningsforslag_Click() {
    arket_.Loesningsforslag_Click();
}

void ArketVindu::egendef_Click() {
    if (!egenlikning_) {
        egenlikning_ = new egenlikning(arket_, *this, this);
        egenlikning_->installEventFilter(this);
    }
    fremme(egenlikning_);
}

void ArketVindu::mmPapir_Click() {
    visgraf(arket_.ark(), graf_, *this, this);
}

void ArketVindu::Utskrift_Click() {
    skrivut(hovedvindu());
}

void ArketVindu::Lagre_Click() {
    lagresom(hovedvindu());
}

void ArketVindu::Lagreoekt_Click() {
    lagreoekt(hovedvindu());
}

void ArketVindu::Skrivutoekt_Click() {
    skrivutoekt(hovedvindu());
}

void ArketVindu::Klasseoversikt_Click() {
    aapneklasseoversikt(*this, *this);
}

void ArketVindu::byggoektmeny() {
    // Usable once an exercise has been started; before that there is nothing to save.
    QMenu* meny = menuBar()->addMenu(QString());
    meny->setObjectName(QStringLiteral("Okt"));
    oversatt([meny] { meny->setTitle(ui::qtr(oektmeny)); });
    for (const Menypunkt& p : oektmenyen()) {
        QAction* a = meny->addAction(QString());
        oversatt([a, t = p.tekst] { a->setText(ui::qtr(t)); });
        a->setObjectName(QString::fromLatin1(p.navn.data(), static_cast<qsizetype>(p.navn.size())));
        if (p.navn == "klasseoversikt") {
            // The teacher's: usable whether or not an exercise was started.
            connect(a, &QAction::triggered, this, &ArketVindu::Klasseoversikt_Click);
            continue;
        }
        a->setEnabled(false);
        oektpunkter_.push_back(a);
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
