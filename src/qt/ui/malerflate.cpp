// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/ui/malerflate.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "qt/ui/felles.h"

namespace balvo::ui {

namespace {

QString qtekst(std::string_view tekst) {
    return QString::fromUtf8(tekst.data(), static_cast<qsizetype>(tekst.size()));
}

// Measuring needs a paint device of the layout's density (96 dpi) when no painter is at hand.
const QImage& maaleflate() {
    static const QImage flate(1, 1, QImage::Format_ARGB32_Premultiplied);
    return flate;
}

// One font as the surfaces use it, kept for the whole run: a QFont made afresh for every piece
// of text sends each measurement and each print through the font database and the shaper
// again, which cost most of the time of drawing a line. The few fonts of the program (four
// kinds of element, a handful of sizes) each keep their measured widths and shaped glyphs
// too; the texts are short numbers that recur.
struct Skriftlager {
    QString navn;
    double stoerrelse;
    bool kursiv;
    int dpi;
    QFont font;
    QFontMetricsF maal;
    QHash<QString, qreal> bredder;
    QHash<QString, QList<QGlyphRun>> glyfer;
};

// Bounds the kept widths and glyphs of one font; numbers typed by the pupil are many.
constexpr qsizetype lagergrense = 4096;

Skriftlager& skriftlager(const QString& navn, double stoerrelse, bool kursiv, int dpi) {
    // Never destroyed: fonts must not outlive the application's font engines at exit.
    static auto& lager = *new std::vector<std::unique_ptr<Skriftlager>>;
    for (const auto& s : lager)
        if (s->stoerrelse == stoerrelse && s->kursiv == kursiv && s->dpi == dpi && s->navn == navn)
            return *s;
    QFont font;
    font.setFamilies(fontfamilier(navn));
    // The painter draws in points, so the font must come out `stoerrelse` units tall
    // whatever the target's resolution.
    font.setPointSizeF(std::max(stoerrelse, 0.01) * 72.0 / dpi);
    font.setItalic(kursiv);
    // Unhinted glyphs keep widths proportional at every scale, so measuring and drawing agree.
    font.setHintingPreference(QFont::PreferNoHinting);
    const QFontMetricsF maal(font, &maaleflate());
    lager.push_back(std::make_unique<Skriftlager>(
        Skriftlager{navn, stoerrelse, kursiv, dpi, font, maal, {}, {}}));
    return *lager.back();
}

// The glyphs of a text laid out as one line from the top-left corner of its cell, exactly
// as drawing it into a rectangle anchored there lays it out.
const QList<QGlyphRun>& glyfer(Skriftlager& s, const QString& tekst, QPaintDevice* flate) {
    auto funnet = s.glyfer.constFind(tekst);
    if (funnet != s.glyfer.constEnd()) return *funnet;
    if (s.glyfer.size() >= lagergrense) s.glyfer.clear();
    QTextLayout oppsett(tekst, s.font, flate);
    oppsett.beginLayout();
    QTextLine linje = oppsett.createLine();
    linje.setPosition(QPointF(0, 0));
    oppsett.endLayout();
    return *s.glyfer.insert(tekst, oppsett.glyphRuns());
}

}  // namespace

Malerflate::Malerflate(QPainter* maler, double hoeyde, const QColor& forgrunn)
    : maler_(maler), hoeyde_(hoeyde), forgrunn_(forgrunn) {}

void Malerflate::settbakgrunn(const QRectF& felt, const QColor& farge) {
    bakgrunn_ = std::pair{felt, farge};
}

void Malerflate::toem() {
    if (maler_ && bakgrunn_) maler_->fillRect(bakgrunn_->first, bakgrunn_->second);
}

void Malerflate::settfontnavn(std::string_view navn) {
    fontnavn_ = qtekst(navn);
}

double Malerflate::bredde(const QString& fontnavn, double stoerrelse, bool kursiv,
                          const QString& tekst) {
    Skriftlager& s = skriftlager(fontnavn, stoerrelse, kursiv, maaleflate().logicalDpiY());
    auto funnet = s.bredder.constFind(tekst);
    if (funnet != s.bredder.constEnd()) return *funnet;
    if (s.bredder.size() >= lagergrense) s.bredder.clear();
    return *s.bredder.insert(tekst, s.maal.horizontalAdvance(tekst));
}

double Malerflate::tekstbredde(std::string_view tekst) const {
    return bredde(fontnavn_, stoerrelse_, kursiv_, qtekst(tekst));
}

void Malerflate::skriv(double x, double y, std::string_view tekst) {
    skriv(x, y, qtekst(tekst));
}

void Malerflate::skriv(double x, double y, const QString& tekst) {
    if (!maler_) return;
    maler_->setRenderHint(QPainter::Antialiasing, true);
    maler_->setRenderHint(QPainter::TextAntialiasing, true);
    maler_->setPen(forgrunn_);
    QPaintDevice* flate = maler_->device();
    const int dpi = flate ? flate->logicalDpiY() : maaleflate().logicalDpiY();
    Skriftlager& s = skriftlager(fontnavn_, stoerrelse_, kursiv_, dpi);
    if (flate && flate->devType() == QInternal::Image) {
        // On images (the screen's and the pictures) the shaped glyphs are kept and reused.
        for (const QGlyphRun& g : glyfer(s, tekst, flate)) maler_->drawGlyphRun(QPointF(x, y), g);
    } else if (omriss_) {
        // The same glyphs at the same places, filled as shapes.
        QPainterPath omriss;
        for (const QGlyphRun& g : glyfer(s, tekst, flate)) {
            const QRawFont font = g.rawFont();
            const QList<quint32> indekser = g.glyphIndexes();
            const QList<QPointF> steder = g.positions();
            for (qsizetype i = 0; i < indekser.size() && i < steder.size(); ++i)
                omriss.addPath(
                    font.pathForGlyph(indekser[i]).translated(QPointF(x, y) + steder[i]));
        }
        maler_->fillPath(omriss, forgrunn_);
    } else {
        // Printers and PDF get the text itself, so that it stays text there.
        maler_->setFont(s.font);
        // Anchored at the top-left corner of the text cell.
        const QRectF celle(x, y, 100000, 100000);
        maler_->drawText(celle, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, tekst);
    }
}

void Malerflate::strek(double x1, double y1, double x2, double y2) {
    if (!maler_) return;
    maler_->setRenderHint(QPainter::Antialiasing, true);
    // One pixel at 96 dpi, like a drawn line of width 1; it scales with the target.
    QPen penn(forgrunn_, 1.0 / piksler_per_punkt);
    penn.setCapStyle(Qt::FlatCap);
    maler_->setPen(penn);
    maler_->drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void Malerflate::rektangel(double x1, double y1, double x2, double y2) {
    if (!maler_) return;
    QRectF felt = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
    // Widened about the centre line to one device pixel, and filled without antialiasing, so
    // that a 0.6-point bar shows as one solid line at every density.
    const QTransform t = maler_->deviceTransform();
    const double pikselx = 1.0 / std::max(std::abs(t.m11()), 1e-9);
    const double piksely = 1.0 / std::max(std::abs(t.m22()), 1e-9);
    if (felt.width() < pikselx) {
        const double midt = felt.center().x();
        felt.setLeft(midt - pikselx / 2);
        felt.setWidth(pikselx);
    }
    if (felt.height() < piksely) {
        const double midt = felt.center().y();
        felt.setTop(midt - piksely / 2);
        felt.setHeight(piksely);
    }
    maler_->setRenderHint(QPainter::Antialiasing, false);
    maler_->fillRect(felt, forgrunn_);
}

}  // namespace balvo::ui
