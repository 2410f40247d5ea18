// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/document/dokument.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/display/lineaertekst.h"
#include "core/display/linjetegner.h"
#include "core/entry/operandfelt.h"
#include "qt/ui/felles.h"
#include "qt/ui/malerflate.h"
#include "qt/ui/tasteflate.h"

namespace balvo {
namespace {

using namespace sideoppsett;

constexpr double mellomrom = radsteg - radhoeyde;

// Where the typesetter puts the solved marker of a line.
class Merkested : public Merke {
public:
    void vismerke(double venstre, double) override { x = venstre; }
    void skjulmerke() override { x = -1; }
    double x = -1;
};

// A font `punkter` units tall on a painter whose unit is the point, whatever the device.
QFont punktfont(const QPainter& maler, double punkter, bool fet = false) {
    const int dpi = maler.device() ? maler.device()->logicalDpiY() : 72;
    return ui::skrift(QStringLiteral("Arial"), punkter * 72.0 / dpi, fet);
}

// The line's text, unseen, over the width its strokes take (b): copying, searching and reading
// the page aloud give the equation as it reads ("2x + 3 = 7"), which the bars of its signs
// and fractions cannot give.
void tekstlag(QPainter& maler, double x, double y, double b, const std::string& tekst) {
    if (tekst.empty()) return;
    const QString t = QString::fromStdString(tekst);
    const QFont f = punktfont(maler, 12);
    const QFontMetricsF m(f, maler.device());
    const double naturlig = m.horizontalAdvance(t);
    if (naturlig <= 0) return;
    maler.save();
    maler.setPen(QColor(0, 0, 0, 0));
    maler.setFont(f);
    maler.translate(x, y + (radhoeyde - m.height()) / 2);
    // A width of 0 is a name without an operand: its pen stays where it began.
    if (b > 0) maler.scale(b / naturlig, 1);
    maler.drawText(QPointF(0, m.ascent()), t);
    maler.restore();
}

}  // namespace

Dokument::Dokument(const Ark& ark, Topptekst topp)
    : ark_(ark), siste_(std::clamp(ark.sistelinje, 0, siste_linje)), topp_(std::move(topp)) {}

void Dokument::tegn(QPainter& maler, const Dokumentside& side, int nr, int antall,
                    double bunn) const {
    maler.save();
    if (side.topp) tegntopp(maler);
    double y = side.topp ? topphoeyde : 0;
    const double start = y;
    for (int n = side.fra; n <= side.til; ++n, y += radsteg) tegnlinje(maler, n, y);
    // The rule between the equations and their operations, as on screen.
    if (side.til >= side.fra) {
        maler.setPen(QPen(QColor(160, 160, 160), 0.5));
        maler.drawLine(QPointF(oprkant - 8, start), QPointF(oprkant - 8, y - mellomrom));
    }
    if (antall > 0) tegnsidetall(maler, bredde, bunn, nr, antall);
    maler.restore();
}

void tegntittel(QPainter& maler, double bredde, const QString& tittel, const QString& dato) {
    maler.setPen(Qt::black);
    maler.setFont(punktfont(maler, 18, true));
    maler.drawText(QRectF(0, 0, bredde, 24), Qt::AlignLeft | Qt::AlignVCenter, tittel);
    maler.setFont(punktfont(maler, 10));
    maler.drawText(QRectF(0, 0, bredde, 24), Qt::AlignRight | Qt::AlignVCenter, dato);
}

void tegnsidetall(QPainter& maler, double bredde, double bunn, int nr, int antall) {
    maler.setPen(Qt::black);
    maler.setFont(punktfont(maler, 9));
    maler.drawText(QRectF(0, bunn - 12, bredde, 12), Qt::AlignHCenter | Qt::AlignBottom,
                   QStringLiteral("%1 / %2").arg(nr).arg(antall));
}

void Dokument::tegntopp(QPainter& maler) const {
    tegntittel(maler, bredde,
               topp_.tittel.isEmpty() ? QString::fromUtf8(ui::programnavn) : topp_.tittel,
               topp_.dato);

    double x = 0;
    for (const auto& [ledetekst, verdi] : topp_.verdier) {
        maler.setFont(punktfont(maler, 10.5, true));
        QRectF brukt;
        maler.drawText(QRectF(x, 30, bredde, 16), Qt::AlignLeft | Qt::AlignVCenter, ledetekst,
                       &brukt);
        x = brukt.right() + 4;
        maler.setFont(punktfont(maler, 10.5));
        maler.drawText(QRectF(x, 30, bredde, 16), Qt::AlignLeft | Qt::AlignVCenter, verdi, &brukt);
        x = brukt.right() + 24;
    }
    maler.setPen(QPen(Qt::black, 0.75));
    maler.drawLine(QPointF(0, 54), QPointF(bredde, 54));
}

void Dokument::tegnlinje(QPainter& maler, int n, double y) const {
    // The typesetters draw straight onto the page. A line longer than its column is shrunk to
    // fit instead of being cut off: measured first, then drawn at that scale.
    Merkested merke;
    ui::Malerflate maal(nullptr, radhoeyde);
    const double slutt = ::balvo::tegnlinje(ark_, n, 0, maal, merke);
    const double plass = likningsbredde - 4;
    const double skala = slutt > plass ? plass / slutt : 1.0;

    // On a page the glyphs between the strokes are drawn as shapes and the line's own text
    // lies under them; a picture has no text layer and keeps its glyphs.
    const bool side = tekstlag_ && maler.device() && maler.device()->devType() != QInternal::Image;
    maler.save();
    maler.translate(0, y + radhoeyde * (1 - skala) / 2);
    maler.scale(skala, skala);
    ui::Malerflate rad(&maler, radhoeyde, ui::qfarge(n == 0 ? svart : moerkeblaa));
    rad.settomriss(side);
    ::balvo::tegnlinje(ark_, n, 0, rad, merke);
    maler.restore();
    if (side) tekstlag(maler, 0, y, slutt * skala, likningstekst(ark_, n));

    // Each line gets its own operation beside it, as field 1 shows it on screen.
    maler.save();
    maler.translate(oprkant, y);
    ui::Malerflate felt(&maler, radhoeyde, ui::qfarge(moerkeblaa));
    felt.settomriss(side);
    const double oprslutt = vislinjeopr(ark_, n, 1, felt);
    maler.restore();
    if (side) tekstlag(maler, oprkant, y, oprslutt, operasjonstekst(ark_, n));

    if (merke.x >= 0) {
        const QSizeF r(ui::merkestoerrelse.width() / ui::piksler_per_punkt,
                       ui::merkestoerrelse.height() / ui::piksler_per_punkt);
        const double x = std::min(merke.x * skala, oprkant - 10 - r.width());
        maler.drawPixmap(QRectF(QPointF(x, y), r), ui::loestmerke(4),
                         QRectF(QPointF(0, 0), QSizeF(ui::merkestoerrelse) * 4));
    }
}

}  // namespace balvo
