#include "qt/document/dokument.h"

#include <QFont>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

#include "core/display/linjetegner.h"
#include "core/entry/operandfelt.h"
#include "qt/ui/bildeboks.h"
#include "qt/ui/meldingsboks.h"
#include "qt/ui/tasteflate.h"

namespace balvo {
namespace {

const QColor moerkeblaa(0, 0, 192);  // the rows below the exercise, as on screen
constexpr double mellomrom = Dokument::radsteg - Dokument::radhoeyde;

// The operand fields that a line's operation does not go into.
class Nullflate : public Tegneflate {
public:
    void toem() override {}
    double hoeyde() const override { return Dokument::radhoeyde; }
    void settfontnavn(std::string_view) override {}
    void settstoerrelse(double) override {}
    void settkursiv(bool) override {}
    double tekstbredde(std::string_view) const override { return 0; }
    void skriv(double, double, std::string_view) override {}
    void strek(double, double, double, double) override {}
    void rektangel(double, double, double, double) override {}
};

// Where the typesetter puts the solved marker of a line.
class Merkested : public Merke {
public:
    void vismerke(double venstre, double) override { x = venstre; }
    void skjulmerke() override { x = -1; }
    double x = -1;
};

// A font `punkter` units tall on a painter whose unit is the point, whatever the device.
QFont punktfont(const QPainter& maler, double punkter, bool fet = false) {
    QFont font;
    font.setFamilies(ui::fontfamilier(QStringLiteral("Arial")));
    const int dpi = maler.device() ? maler.device()->logicalDpiY() : 72;
    font.setPointSizeF(punkter * 72.0 / dpi);
    font.setBold(fet);
    return font;
}

// Pixels of a box as the window lays it out (96 dpi).
int piksler(double punkter) {
    return static_cast<int>(std::lround(punkter * ui::piksler_per_punkt));
}

int kapasitet(double hoeyde) {
    return std::max(1, static_cast<int>(std::floor((hoeyde + mellomrom) / Dokument::radsteg)));
}

}  // namespace

Dokument::Dokument(const Ark& ark, Topptekst topp) : ark_(ark), topp_(std::move(topp)) {
    ark_.sistelinje = std::clamp(ark_.sistelinje, 0, siste_linje);
}

std::vector<Side> Dokument::sider(double hoeyde) const {
    std::vector<Side> ut;
    int neste = 0;
    while (neste <= ark_.sistelinje) {
        const bool topp = ut.empty();
        const double plass = hoeyde - bunnhoeyde - (topp ? topphoeyde : 0);
        const int til = std::min(ark_.sistelinje, neste + kapasitet(plass) - 1);
        ut.push_back({neste, til, topp});
        neste = til + 1;
    }
    return ut;
}

double Dokument::hoeyde(const Side& side) const {
    const int linjer = side.til - side.fra + 1;
    return (side.topp ? topphoeyde : 0) + std::max(0, linjer) * radsteg - mellomrom;
}

void Dokument::tegn(QPainter& maler, const Side& side, int nr, int antall, double bunn) const {
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
    if (antall > 0) {
        maler.setPen(Qt::black);
        maler.setFont(punktfont(maler, 9));
        maler.drawText(QRectF(0, bunn - 12, bredde, 12), Qt::AlignHCenter | Qt::AlignBottom,
                       QStringLiteral("%1 / %2").arg(nr).arg(antall));
    }
    maler.restore();
}

void Dokument::tegntopp(QPainter& maler) const {
    maler.setPen(Qt::black);
    maler.setFont(punktfont(maler, 18, true));
    maler.drawText(QRectF(0, 0, bredde, 24), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromUtf8(ui::programnavn));
    maler.setFont(punktfont(maler, 10));
    maler.drawText(QRectF(0, 0, bredde, 24), Qt::AlignRight | Qt::AlignVCenter, topp_.dato);

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
    // The screen's own boxes, off screen: the typesetters draw into their display lists and
    // the lists are replayed onto this painter.
    ui::Bildeboks rad;
    rad.resize(piksler(likningsbredde), piksler(radhoeyde));
    rad.settforgrunn(n == 0 ? QColor(Qt::black) : moerkeblaa);
    Merkested merke;
    ::balvo::tegnlinje(ark_, n, 0, rad, merke);
    const double slutt = ark_.xpos;

    ui::Bildeboks felt;
    felt.resize(piksler(bredde - oprkant), piksler(radhoeyde));
    felt.settforgrunn(moerkeblaa);
    Nullflate tom;
    // Field 1 of five: each line gets its own operation, whatever vislinjeopr does to the
    // exercise row's field or to the newest row's.
    vislinjeopr(ark_, n, 1, std::array<Tegneflate*, 5>{&tom, &felt, &tom, &tom, &tom});

    // A line longer than its column is shrunk to fit instead of being cut off.
    const double plass = likningsbredde - 4;
    const double skala = slutt > plass ? plass / slutt : 1.0;
    maler.save();
    maler.translate(0, y + radhoeyde * (1 - skala) / 2);
    maler.scale(skala, skala);
    rad.tegn(maler);
    maler.restore();

    maler.save();
    maler.translate(oprkant, y);
    felt.tegn(maler);
    maler.restore();

    if (merke.x >= 0) {
        const QSizeF r(ui::merkestoerrelse.width() / ui::piksler_per_punkt,
                       ui::merkestoerrelse.height() / ui::piksler_per_punkt);
        const double x = std::min(merke.x * skala, oprkant - 10 - r.width());
        maler.drawPixmap(QRectF(QPointF(x, y), r), ui::loestmerke(4),
                         QRectF(QPointF(0, 0), QSizeF(ui::merkestoerrelse) * 4));
    }
}

}  // namespace balvo
