// SPDX-License-Identifier: GPL-3.0-or-later
// "Regn selv" in the window: the row of the waiting line holds a line editor on its right, and
// the line is typeset in the row as it is typed.
#include <QAccessible>
#include <QAction>
#include <QLineEdit>

#include "core/entry/linjeleser.h"
#include "core/mainwindow/opplesning.h"
#include "qt/mainwindow/arketvindu.h"
#include "qt/ui/bildeboks.h"
#include "qt/ui/felles.h"

namespace balvo {
void ArketVindu::settregnselv(bool paa) {
    velgregnselv(arket_, *this, paa);
}

void ArketVindu::visregnselv(bool paa) {
    if (QAction* a = menypunkt(Menyhandling::regnselv)) a->setChecked(paa);
    endret();
}

void ArketVindu::visskrivfelt() {
    if (!skrivfelt_) {
        skrivfelt_ = new QLineEdit(flate_);
        skrivfelt_->setObjectName(QStringLiteral("Skrivfelt"));
        skrivfelt_->hide();
        skrivfelt_->installEventFilter(this);
        connect(skrivfelt_, &QLineEdit::textChanged, this, [this](const QString& tekst) {
            const int rad = arket_.regnerad();
            if (rad < 1) return;
            const QByteArray utf8 = tekst.toUtf8();
            arket_.forhaandsvis(
                std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                *linjer_.at(static_cast<std::size_t>(rad)));
        });
    }
    if (!arket_.venter_linje()) {
        if (skrivfelt_->isVisible()) {
            skrivfelt_->hide();
            skrivfelt_->clear();
        }
        return;
    }
    // The right part of the row: the typeset line grows from the left.
    const ui::Bildeboks* rad = linjer_.at(static_cast<std::size_t>(arket_.regnerad()));
    const QRect r = rad->geometry();
    const int bredde = r.width() * 9 / 20;
    skrivfelt_->setFont(ui::skrift(QStringLiteral("Arial"), 12 * zoom_));
    const int hoeyde = std::min(r.height(), skrivfelt_->sizeHint().height());
    skrivfelt_->setGeometry(r.right() - bredde, r.top() + (r.height() - hoeyde) / 2, bredde,
                            hoeyde);
    const QString navn = ui::qtr(skrivlinjenavn).arg(arket_.ventende_linjenr());
    skrivfelt_->setAccessibleName(navn);
    skrivfelt_->setAccessibleDescription(ui::qtr(skrivlinjehjelp));
    skrivfelt_->setToolTip(ui::qtr(skrivlinjehjelp));
    if (!skrivfelt_->isVisible()) {
        skrivfelt_->show();
        skrivfelt_->raise();
    }
    const QByteArray utf8 = skrivfelt_->text().toUtf8();
    arket_.forhaandsvis(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                        *linjer_.at(static_cast<std::size_t>(arket_.regnerad())));
    skrivfelt_->setFocus(Qt::OtherFocusReason);
}

void ArketVindu::skrivlinje() {
    if (!arket_.venter_linje()) return;
    const QByteArray utf8 = skrivfelt_->text().toUtf8();
    const Linjedom dom = arket_.skrivlinje(
        std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    if (dom.dom != Dom::riktig) {
        // The pupil's text stays (cut where it was too long) for another try.
        const QString beholdt =
            QString::fromUtf8(dom.tekst.data(), static_cast<qsizetype>(dom.tekst.size()));
        if (skrivfelt_->text() != beholdt) skrivfelt_->setText(beholdt);
    }
    endret();
}

void ArketVindu::giopp() {
    arket_.giopp();
    endret();
}

}  // namespace balvo
