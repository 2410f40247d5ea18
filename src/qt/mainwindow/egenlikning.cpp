// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/mainwindow/egenlikning.h"

#include <QEvent>
#include <QFrame>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "core/mainwindow/egenutforming.h"
#include "qt/ui/felles.h"

namespace balvo {

namespace {

using ui::twips;

QFont skrift(const char* navn, double punkter, bool kursiv = false) {
    return ui::skrift(QString::fromLatin1(navn), punkter, false, kursiv);
}

// The pictures between the boxes: an italic x, optionally squared and followed by a plus, or
// the equals sign, in the serif face of the worksheet.
class Bilde : public QWidget {
public:
    using Art = Egenbilde;
    Bilde(Art art, QWidget* eier) : QWidget(eier), art_(art) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setPen(Qt::black);
        const double grunnlinje = egengrunnlinje;  // level with the text in the boxes
        double x = 1;
        if (art_ == Art::er_lik) {
            p.setFont(skrift("Times New Roman", egenbildepunkter));
            p.drawText(QPointF(x + 2, grunnlinje), QStringLiteral("="));
            return;
        }
        const QFont kursiv = skrift("Times New Roman", egenbildepunkter, true);
        p.setFont(kursiv);
        p.drawText(QPointF(x, grunnlinje), QStringLiteral("x"));
        x += QFontMetricsF(kursiv).horizontalAdvance(QStringLiteral("x"));
        if (art_ == Art::x) return;
        const QFont eksponent = skrift("Times New Roman", egeneksponentpunkter);
        p.setFont(eksponent);
        p.drawText(QPointF(x + 0.5, grunnlinje - 8), QStringLiteral("2"));
        x += QFontMetricsF(eksponent).horizontalAdvance(QStringLiteral("2")) + 2;
        p.setFont(skrift("Times New Roman", egenbildepunkter));
        p.drawText(QPointF(x, grunnlinje), QStringLiteral("+"));
    }

private:
    Art art_;
};

}  // namespace

egenlikning::egenlikning(Arket& arket, Meldinger& meldinger, QWidget* eier)
    : QDialog(eier, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                        Qt::WindowCloseButtonHint),
      arket_(arket),
      meldinger_(meldinger) {
    setObjectName(QStringLiteral("egenlikning"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFixedSize(twips(egenflate).size());

    for (std::size_t k = 0; k < koeffplasser.size(); ++k) {
        auto* ramme = new QFrame(this);
        ramme->setObjectName(QStringLiteral("Shape%1").arg(k + 1));
        ramme->setFrameStyle(QFrame::Box | QFrame::Plain);
        ramme->setLineWidth(1);
        ramme->setGeometry(twips(koeffplasser[k].ramme));
        koeff_[k] = new QLineEdit(this);
        koeff_[k]->setObjectName(QStringLiteral("koeff_%1").arg(k));
        koeff_[k]->setGeometry(twips(koeffplasser[k].boks));
    }
    for (std::size_t i = 0; i < egenbilder.size(); ++i) {
        auto* bilde = new Bilde(egenbilder[i].bilde, this);
        bilde->setObjectName(QStringLiteral("Picture%1").arg(i + 1));
        bilde->setGeometry(twips(egenbilder[i].plass));
    }

    const QFont knappeskrift = skrift("Arial", egenknappunkter);
    glem_ = new QPushButton(this);
    glem_->setObjectName(QStringLiteral("Glem"));
    glem_->setFont(knappeskrift);
    glem_->setAutoDefault(false);
    glem_->setGeometry(twips(glemplass));
    ok_ = new QPushButton(this);
    ok_->setObjectName(QStringLiteral("OK"));
    ok_->setFont(knappeskrift);
    ok_->setDefault(true);
    ok_->setGeometry(twips(okplass));

    connect(ok_, &QPushButton::clicked, this, &egenlikning::OK_Click);
    connect(glem_, &QPushButton::clicked, this, &egenlikning::Glem_Click);

    oversett();
    Form_Load();
}

void egenlikning::oversett() {
    setWindowTitle(ui::qtr(egentittel));
    glem_->setText(ui::qtr(glemtekst));
    ok_->setText(ui::qtr(egenok));
}

void egenlikning::changeEvent(QEvent* hendelse) {
    // The boxes keep what the pupil has typed.
    if (hendelse->type() == QEvent::LanguageChange) oversett();
    QDialog::changeEvent(hendelse);
}

void egenlikning::Form_Load() {
    for (QLineEdit* boks : koeff_) boks->setText(QStringLiteral("0"));
    koeff_[0]->setFocus();
    koeff_[0]->selectAll();
}

void egenlikning::OK_Click() {
    std::array<std::string, 6> tekster;
    for (std::size_t k = 0; k < koeff_.size(); ++k) tekster[k] = koeff_[k]->text().toStdString();
    const Egnesvar svar = arket_.egne(tekster);
    if (!svar.ok) {
        meldinger_.melding(balvo::oversettelse(tittel_paatale), svar.melding);
        QLineEdit* boks = koeff(svar.boks);
        boks->setFocus();
        boks->selectAll();
        return;
    }
    close();
}

void egenlikning::Glem_Click() {
    close();
}

}  // namespace balvo
