// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/about/omboks.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStringList>

#include "core/about/om.h"
#include "qt/ui/felles.h"
#include "qt/ui/ikon.h"

namespace balvo {

namespace {

using ui::twips;

QLabel* etikett(QWidget* eier, const char* navn, const QString& tekst, QRect plass) {
    auto* l = new QLabel(tekst, eier);
    l->setObjectName(QString::fromLatin1(navn));
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setGeometry(plass);
    return l;
}

// The paragraphs were laid out for a narrower face than the free stand-ins: shrink the font a
// little until every line fits the label, so that no word is cut off. Each text starts again
// from the box's own size.
void tilpass(QLabel* l) {
    QFont f = l->parentWidget()->font();
    const auto for_stor = [&] {
        const QRect trengs = QFontMetrics(f).boundingRect(QRect(0, 0, 10000, 10000),
                                                          Qt::AlignLeft | Qt::AlignTop, l->text());
        return trengs.width() > l->width() || trengs.height() > l->height();
    };
    while (for_stor() && f.pointSizeF() > 6) f.setPointSizeF(f.pointSizeF() - 0.25);
    l->setFont(f);
}

}  // namespace

frmOm::frmOm(QWidget* eier)
    : QDialog(eier, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                        Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmOm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFixedSize(twips(omflate).size());
    QFont f;
    f.setFamilies(ui::fontfamilier(QStringLiteral("MS Sans Serif")));
    f.setPointSizeF(8.25);
    setFont(f);

    auto* ikon = new QLabel(this);
    ikon->setObjectName(QStringLiteral("picIcon"));
    ikon->setGeometry(twips(omplasser.ikon));
    ikon->setPixmap(balvobilde(devicePixelRatioF()));
    ikon->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Innledning_ = etikett(this, "Innledning", QString(), twips(omplasser.innledning));
    status_ = etikett(this, "Label1", QString(), twips(omplasser.status));
    versjon_ = etikett(this, "lblVersion", QString(), twips(omplasser.versjon));
    Formaal_ = etikett(this, "Formaal", QString(), twips(omplasser.formaal));
    advarsel_ = etikett(this, "lblDisclaimer", QString(), twips(omplasser.advarsel));
    mening_ = etikett(this, "Label2", QString(), twips(omplasser.mening));
    mening_->setWordWrap(true);

    ok_ = new QPushButton(this);
    ok_->setObjectName(QStringLiteral("cmdOK"));
    ok_->setDefault(true);
    ok_->setGeometry(twips(omplasser.ok));
    connect(ok_, &QPushButton::clicked, this, &frmOm::cmdOK_Click);

    Form_Load();
}

void frmOm::Form_Load() {
    setWindowTitle(ui::qtr(omtittel));
    status_->setText(ui::qtr(omstatus));
    versjon_->setText(ui::qtr(omversjon));
    advarsel_->setText(ui::qtr(omadvarsel));
    mening_->setText(ui::qtr(ommening));
    ok_->setText(ui::qtr(omok));
    Innledning_->setText(ui::qtr(innledning_skrivebord));
    Formaal_->setText(ui::qtr(formaal));
    // The one-line labels too: '"Advarsel:"' is a pixel wider than its label in the stand-in.
    for (QLabel* l : {Innledning_, Formaal_, status_, versjon_, advarsel_}) tilpass(l);
}

void frmOm::changeEvent(QEvent* hendelse) {
    if (hendelse->type() == QEvent::LanguageChange) Form_Load();
    QDialog::changeEvent(hendelse);
}

void frmOm::cmdOK_Click() {
    close();
}

void frmOm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (const Omstrek& s : omstreker) {
        const QPoint fra = twips(s.x1, s.y);
        if (s.hvit) {
            // The white half of the etched rule, 2 pixels high.
            p.fillRect(QRect(fra.x(), fra.y(), twips(s.x2) - fra.x() + 1, 2), Qt::white);
        } else {
            p.setPen(QPen(ui::qfarge(omgraa), 1));
            p.drawLine(fra, twips(s.x2, s.y));
        }
    }
}

}  // namespace balvo
