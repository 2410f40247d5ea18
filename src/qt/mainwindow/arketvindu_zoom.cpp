// SPDX-License-Identifier: GPL-3.0-or-later
// The menu "Vis": the whole window at another size for projectors and large screens. Every
// control's place, size and font is computed from the design's table at the zoom, the rows
// and operand fields are typeset again at the new size from the worksheet, and the key faces,
// the marker and the rules are drawn at it.
#include <QAbstractButton>
#include <QEvent>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionButton>
#include <functional>

#include "core/mainwindow/tastekart.h"
#include "core/mainwindow/zoom.h"
#include "qt/coach/loesningsforslag.h"
#include "qt/mainwindow/arketvindu.h"
#include "qt/ui/bildeboks.h"
#include "qt/ui/felles.h"
#include "qt/ui/tasteflate.h"
#include "qt/ui/zoomstil.h"

namespace balvo {
namespace {

// Calls back when the watched widget has been resized.
class Stoerrelsesvakt : public QObject {
public:
    Stoerrelsesvakt(QWidget* vaktet, std::function<void()> gjoer)
        : QObject(vaktet), gjoer_(std::move(gjoer)) {
        vaktet->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* hendelse) override {
        if (hendelse->type() == QEvent::Resize) gjoer_();
        return QObject::eventFilter(objekt, hendelse);
    }

private:
    std::function<void()> gjoer_;
};

QRect rektangel(const Piksler& p) {
    return {p.venstre, p.topp, p.bredde, p.hoeyde};
}

}  // namespace

void ArketVindu::byggvismeny() {
    // "Fyll vinduet" follows the window's size.
    new Stoerrelsesvakt(rulle_, [this] { fyllpaanytt(); });
    visvalg();
}

void ArketVindu::Stoerre_Click() {
    menyvalg(arket_, *this, Menyhandling::stoerre);
}

void ArketVindu::Mindre_Click() {
    menyvalg(arket_, *this, Menyhandling::mindre);
}

void ArketVindu::Vanlig_Click() {
    menyvalg(arket_, *this, Menyhandling::vanlig);
}

void ArketVindu::velgzoom(double zoom) {
    settfyll(false);
    settzoom(zoom);
    emit zoom_valgt(zoom_, fyll_);
}

void ArketVindu::fyllvinduet() {
    settfyll(true);
    emit zoom_valgt(zoom_, fyll_);
}

void ArketVindu::settzoom(double zoom) {
    zoom = gyldig_zoom(zoom);
    if (zoom != zoom_) brukzoom(zoom);
    visvalg();
}

void ArketVindu::settfyll(bool paa) {
    fyll_ = paa;
    fyllpaanytt();
    visvalg();
}

void ArketVindu::fyllpaanytt() {
    if (!fyll_) return;
    const double zoom = fyllzoom(rulle_->width(), rulle_->height());
    if (zoom != zoom_) brukzoom(zoom);
    visvalg();
}

void ArketVindu::visvalg() {
    vismenypunkter();
}

void ArketVindu::brukzoom(double zoom) {
    zoom_ = zoom;
    stil_->settzoom(zoom);
    // The controls the style draws take the zoom from it; at 100 % it is the application's
    // style, so the window starts without it.
    if (!stil_i_bruk_) {
        for (const auto& [k, w] : kontroller_) w->setStyle(stil_);
        stil_i_bruk_ = true;
    }
    // One repaint of the whole area when everything is in place.
    flate_->setUpdatesEnabled(false);
    flate_->resize(rektangel(skaler(klientflate, zoom)).size());
    for (const auto& [k, w] : kontroller_) {
        if (k->art == Kontrollart::merke) {
            // Its place is the worksheet's to give; only its size is the zoom's.
            w->resize(ui::skaler(ui::merkestoerrelse, zoom));
            continue;
        }
        w->setGeometry(rektangel(skaler(k->sted, zoom)));
        switch (k->art) {
            case Kontrollart::linje:
            case Kontrollart::opfelt:
            case Kontrollart::skjult:
                static_cast<ui::Bildeboks*>(w)->settzoom(zoom, k->sted.hoeyde / twips_per_punkt);
                break;
            case Kontrollart::tast:
                static_cast<ui::Tasteknapp*>(w)->settzoom(zoom);
                break;
            case Kontrollart::strek:
                static_cast<QFrame*>(w)->setLineWidth(skaler(1, zoom));
                break;
            case Kontrollart::kant:
                static_cast<QFrame*>(w)->setLineWidth(skaler(2, zoom));
                break;
            default:
                break;
        }
        if (k->tekst.kilde || k->art == Kontrollart::etikett)
            w->setFont(ui::skrift(k->skrift, zoom));
    }
    plasserproeve();
    gibreddeettertekst();
    // The rows and fields typeset again at the new size, the marker placed, "Prøve:" fitted.
    arket_.tegnpaanytt();
    if (skrivfelt_) visskrivfelt();  // with the written line typeset again
    flate_->setUpdatesEnabled(true);
    if (loesningsforslag_) loesningsforslag_->settzoom(zoom);
}

// The design's options are as wide as their Bokmål captions need; a translation that would
// be cut (English "Fractions") widens its option to the right, into the frame's free room.
// A caption that fits keeps the design's width, so Bokmål is exactly as designed.
void ArketVindu::gibreddeettertekst() {
    for (const auto& [k, w] : kontroller_) {
        if (k->art != Kontrollart::valg && k->art != Kontrollart::avkrysning) continue;
        auto* b = static_cast<QAbstractButton*>(w);
        const QRect design = rektangel(skaler(k->sted, zoom_));
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.rect = QRect(QPoint(0, 0), design.size());
        opt.text = b->text();
        const auto del = k->art == Kontrollart::valg ? QStyle::SE_RadioButtonContents
                                                     : QStyle::SE_CheckBoxContents;
        const int plass = b->style()->subElementRect(del, &opt, b).width();
        const int trengs = b->fontMetrics().horizontalAdvance(b->text());
        b->setGeometry(design.adjusted(0, 0, std::max(0, trengs - plass), 0));
    }
}

}  // namespace balvo
