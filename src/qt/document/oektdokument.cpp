// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/document/oektdokument.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

#include "core/coach/veiledertekst.h"
#include "qt/ui/felles.h"

namespace balvo {
namespace {

using namespace sideoppsett;

constexpr double overskriftsavstand = 4;  // between the heading row and the rows

// A font `punkter` points tall on a painter whose unit is the point, whatever the device.
QFont punktfont(const QPainter& maler, double punkter, bool fet = false) {
    const int dpi = maler.device() ? maler.device()->logicalDpiY() : 72;
    QFont f = ui::skrift(QStringLiteral("Arial"), punkter * 72.0 / dpi, fet);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// The table's text measured in points, on a surface of 72 dots to the inch, unhinted: the
// same widths on every printer and in every PDF, so that a text breaks where it was planned.
QFontMetricsF tabellmaal(bool fet, double punkter) {
    static const QImage flate = [] {
        QImage b(1, 1, QImage::Format_ARGB32_Premultiplied);
        const int dpm = static_cast<int>(72 / 0.0254 + 0.5);
        b.setDotsPerMeterX(dpm);
        b.setDotsPerMeterY(dpm);
        return b;
    }();
    QFont s = ui::skrift(QStringLiteral("Arial"), punkter, fet);
    s.setHintingPreference(QFont::PreferNoHinting);
    return QFontMetricsF(s, &flate);
}

// A text broken into lines no wider than `bredde`: at spaces, and inside a word only when the
// word alone is too wide.
std::vector<QString> ombryt(const QString& tekst, double bredde, const QFontMetricsF& m) {
    std::vector<QString> linjer;
    QString linje;
    for (const QString& ord : tekst.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString med = linje.isEmpty() ? ord : linje + QLatin1Char(' ') + ord;
        if (m.horizontalAdvance(med) <= bredde) {
            linje = med;
            continue;
        }
        if (!linje.isEmpty()) linjer.push_back(linje);
        linje = ord;
        while (m.horizontalAdvance(linje) > bredde && linje.size() > 1) {
            qsizetype n = linje.size() - 1;
            while (n > 1 && m.horizontalAdvance(linje.left(n)) > bredde) --n;
            linjer.push_back(linje.left(n));
            linje = linje.mid(n);
        }
    }
    if (!linje.isEmpty() || linjer.empty()) linjer.push_back(linje);
    return linjer;
}

}  // namespace

Oektdokument::Oektdokument(std::vector<Loggpost> logg, QString dato,
                           std::vector<QString> ledetekster)
    : logg_(std::move(logg)),
      dato_(std::move(dato)),
      ledetekster_(std::move(ledetekster)),
      tabell_(oekttabell(logg_)),
      vanlig_(tabellmaal(false, tabell_.skrift)),
      halvfet_(tabellmaal(true, tabell_.skrift)) {
    overskrift_ = lagrad(tabell_.overskrifter(), true);
    for (const auto& r : tabell_.rader) rader_.push_back(lagrad(r, false));
    rader_.push_back(lagrad(tabell_.sum, true));
}

Oektdokument::Rad Oektdokument::lagrad(const std::vector<std::string>& tekster, bool fet) const {
    Rad rad;
    rad.fet = fet;
    const QFontMetricsF& m = maal(fet);
    std::size_t flest = 1;
    for (std::size_t k = 0; k < tekster.size() && k < tabell_.kolonner.size(); ++k) {
        rad.celler.push_back(ombryt(QString::fromStdString(tekster[k]),
                                    tabell_.kolonner[k].bredde - 2 * tabell_.cellekant, m));
        flest = std::max(flest, rad.celler.back().size());
    }
    rad.hoeyde = static_cast<double>(flest) * m.height() + 2 * tabell_.cellekant;
    return rad;
}

Oektdokument::Plan Oektdokument::plan(double hoeyde) const {
    Plan p;
    std::vector<double> hoeyder;
    for (const Rad& r : rader_) hoeyder.push_back(r.hoeyde);
    // Under the header on the first page, under the repeated heading row on the others.
    const double hode = overskrift_.hoeyde + overskriftsavstand;
    p.oversikt =
        tabellsider(hoeyder, hoeyde - bunnhoeyde - topphoeyde - hode, hoeyde - bunnhoeyde - hode);
    for (std::size_t i = 0; i < logg_.size(); ++i) {
        const int siste = std::clamp(logg_[i].ark ? logg_[i].ark->sistelinje : 0, 0, siste_linje);
        for (const Dokumentside& s : sider(siste, hoeyde))
            p.ark.push_back({static_cast<int>(i), s});
    }
    return p;
}

int Oektdokument::antall(double hoeyde) const {
    const Plan p = plan(hoeyde);
    return static_cast<int>(p.oversikt.size() + p.ark.size());
}

Dokument Oektdokument::arkdokument(int oppgave) const {
    const Loggpost& p = logg_.at(static_cast<std::size_t>(oppgave));
    Topptekst topp;
    topp.dato = dato_;
    topp.tittel =
        QString::fromStdString(oversettelse(oppgave_tittel, {std::to_string(oppgave + 1)}));
    const QString verdier[] = {QString::number(p.nivaa),
                               QString::fromStdString(stegrad(p.steg, p.korteste)),
                               QString::number(p.poeng)};
    for (std::size_t k = 0; k < std::size(verdier) && k < ledetekster_.size(); ++k)
        topp.verdier.emplace_back(ledetekster_[k], verdier[k]);
    return Dokument(*p.ark, std::move(topp));
}

void Oektdokument::tegnside(QPainter& maler, double hoeyde, int nr, int antall) const {
    const Plan p = plan(hoeyde);
    const auto i = static_cast<std::size_t>(nr - 1);
    if (i < p.oversikt.size()) {
        maler.save();
        tegnoversikt(maler, p.oversikt[i], i == 0);
        tegnsidetall(maler, bredde, hoeyde, nr, antall);
        maler.restore();
        return;
    }
    const auto& side = p.ark.at(i - p.oversikt.size());
    arkdokument(side.oppgave).tegn(maler, side.side, nr, antall, hoeyde);
}

void Oektdokument::tegnoversikt(QPainter& maler, const Radutvalg& rader, bool forste) const {
    double y = 0;
    if (forste) {
        // As the worksheet's first page: the program and the date, then what this is.
        tegntittel(maler, bredde, QString::fromUtf8(ui::programnavn), dato_);
        maler.setFont(punktfont(maler, 10.5, true));
        maler.drawText(QRectF(0, 30, bredde, 16), Qt::AlignLeft | Qt::AlignVCenter,
                       QString::fromStdString(oversettelse(oekt_tittel)));
        maler.setPen(QPen(Qt::black, 0.75));
        maler.drawLine(QPointF(0, 54), QPointF(bredde, 54));
        y = topphoeyde;
    }
    tegnrad(maler, overskrift_, y);
    y += overskrift_.hoeyde;
    maler.setPen(QPen(Qt::black, 0.75));
    maler.drawLine(QPointF(0, y), QPointF(bredde, y));
    y += overskriftsavstand;
    for (int r = rader.fra; r <= rader.til; ++r) {
        const Rad& rad = rader_.at(static_cast<std::size_t>(r));
        // The sums under a rule of their own.
        if (r + 1 == static_cast<int>(rader_.size())) {
            maler.setPen(QPen(Qt::black, 0.75));
            maler.drawLine(QPointF(0, y), QPointF(bredde, y));
        }
        tegnrad(maler, rad, y);
        y += rad.hoeyde;
        if (r + 1 < static_cast<int>(rader_.size()) - 1) {
            maler.setPen(QPen(QColor(190, 190, 190), 0.5));
            maler.drawLine(QPointF(0, y), QPointF(bredde, y));
        }
    }
}

void Oektdokument::tegnrad(QPainter& maler, const Rad& rad, double y) const {
    const QFontMetricsF& m = maal(rad.fet);
    maler.setPen(Qt::black);
    maler.setFont(punktfont(maler, tabell_.skrift, rad.fet));
    double x = 0;
    for (std::size_t k = 0; k < rad.celler.size(); ++k) {
        const Oektkolonne& kolonne = tabell_.kolonner[k];
        const double b = kolonne.bredde - 2 * tabell_.cellekant;
        double linjey = y + tabell_.cellekant;
        // Numbers stand to the right of their column, texts to the left.
        const auto retning = (kolonne.tall ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop;
        for (const QString& linje : rad.celler[k]) {
            maler.drawText(QRectF(x + tabell_.cellekant, linjey, b, m.height()),
                           retning | Qt::TextDontClip, linje);
            linjey += m.height();
        }
        x += kolonne.bredde;
    }
}

}  // namespace balvo
