#include "qt/ui/bildeboks.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QPaintEvent>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <memory>

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

// One font as the boxes use it, kept for the whole run: a QFont made afresh for every piece
// of text sends each measurement and each print through the font database and the shaper
// again, which cost most of the time of drawing a line. The few fonts of the program
// (four kinds of element, a handful of sizes) each keep their measured widths and shaped
// glyphs too; the texts are short numbers that recur.
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

QStringList fontfamilier(const QString& navn) {
    if (navn == QLatin1String("Times New Roman")) return {navn, QStringLiteral("Liberation Serif")};
    if (navn == QLatin1String("MS Sans Serif") || navn == QLatin1String("Arial"))
        return {navn, QStringLiteral("Liberation Sans")};
    return {navn};
}

Bildeboks::Bildeboks(QWidget* forelder) : QWidget(forelder) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Bildeboks::toem() {
    liste_.clear();
    malt_ = 0;
    bilde_.fill(bakgrunn_);
    update();
}

double Bildeboks::hoeyde() const {
    return height() / piksler_per_punkt;
}

void Bildeboks::settfontnavn(std::string_view navn) {
    fontnavn_ = qtekst(navn);
}

void Bildeboks::settstoerrelse(double punkter) {
    stoerrelse_ = punkter;
}

void Bildeboks::settkursiv(bool kursiv) {
    kursiv_ = kursiv;
}

double Bildeboks::tekstbredde(std::string_view tekst) const {
    Skriftlager& s = skriftlager(fontnavn_, stoerrelse_, kursiv_, maaleflate().logicalDpiY());
    const QString t = qtekst(tekst);
    auto funnet = s.bredder.constFind(t);
    if (funnet != s.bredder.constEnd()) return *funnet;
    if (s.bredder.size() >= lagergrense) s.bredder.clear();
    return *s.bredder.insert(t, s.maal.horizontalAdvance(t));
}

void Bildeboks::skriv(double x, double y, std::string_view tekst) {
    legg(Tekst{x, y, qtekst(tekst), {fontnavn_, stoerrelse_, kursiv_}});
}

void Bildeboks::strek(double x1, double y1, double x2, double y2) {
    legg(Strek{x1, y1, x2, y2});
}

void Bildeboks::rektangel(double x1, double y1, double x2, double y2) {
    legg(Rektangel{x1, y1, x2, y2});
}

void Bildeboks::settforgrunn(const QColor& farge) {
    forgrunn_ = farge;
    nyttbilde();
    update();
}

void Bildeboks::legg(Operasjon op) {
    liste_.push_back(std::move(op));
    update();
}

void Bildeboks::oppdater() const {
    if (bilde_.isNull() || malt_ >= liste_.size()) return;
    // Only the new operations are painted; the image keeps everything before them.
    QPainter maler(&bilde_);
    skaler(maler);
    for (; malt_ < liste_.size(); ++malt_) tegnop(maler, liste_[malt_]);
}

void Bildeboks::tegn(QPainter& maler) const {
    maler.save();
    maler.fillRect(QRectF(0, 0, width() / piksler_per_punkt, hoeyde()), bakgrunn_);
    for (const auto& op : liste_) tegnop(maler, op);
    maler.restore();
}

QImage Bildeboks::bilde(qreal tetthet) const {
    QImage ut(size() * tetthet, QImage::Format_ARGB32_Premultiplied);
    ut.setDevicePixelRatio(tetthet);
    ut.fill(bakgrunn_);
    QPainter maler(&ut);
    skaler(maler);
    tegn(maler);
    return ut;
}

void Bildeboks::skaler(QPainter& maler) {
    maler.scale(piksler_per_punkt, piksler_per_punkt);
}

QFont Bildeboks::qfont(const Skrift& skrift, const QPainter* maler) {
    const int dpi =
        maler && maler->device() ? maler->device()->logicalDpiY() : maaleflate().logicalDpiY();
    return skriftlager(skrift.navn, skrift.stoerrelse, skrift.kursiv, dpi).font;
}

void Bildeboks::tegnop(QPainter& maler, const Operasjon& op) const {
    if (const auto* t = std::get_if<Tekst>(&op)) {
        maler.setRenderHint(QPainter::Antialiasing, true);
        maler.setRenderHint(QPainter::TextAntialiasing, true);
        maler.setPen(forgrunn_);
        QPaintDevice* flate = maler.device();
        if (flate && flate->devType() == QInternal::Image) {
            // On images (the screen's and the replays) the shaped glyphs are kept and reused.
            Skriftlager& s = skriftlager(t->skrift.navn, t->skrift.stoerrelse, t->skrift.kursiv,
                                         flate->logicalDpiY());
            for (const QGlyphRun& g : glyfer(s, t->tekst, flate))
                maler.drawGlyphRun(QPointF(t->x, t->y), g);
        } else {
            // Printers and PDF get the text itself, so that it stays text there.
            maler.setFont(qfont(t->skrift, &maler));
            // Anchored at the top-left corner of the text cell.
            const QRectF celle(t->x, t->y, 100000, 100000);
            maler.drawText(celle, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, t->tekst);
        }
    } else if (const auto* s = std::get_if<Strek>(&op)) {
        maler.setRenderHint(QPainter::Antialiasing, true);
        // One pixel at 96 dpi, like a drawn line of width 1; it scales with the target.
        QPen penn(forgrunn_, 1.0 / piksler_per_punkt);
        penn.setCapStyle(Qt::FlatCap);
        maler.setPen(penn);
        maler.drawLine(QPointF(s->x1, s->y1), QPointF(s->x2, s->y2));
    } else if (const auto* r = std::get_if<Rektangel>(&op)) {
        QRectF felt = QRectF(QPointF(r->x1, r->y1), QPointF(r->x2, r->y2)).normalized();
        // A bar thinner than a device pixel is widened about its centre line to one pixel,
        // and filled without antialiasing so that it shows as one solid line.
        const QTransform t = maler.deviceTransform();
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
        maler.setRenderHint(QPainter::Antialiasing, false);
        maler.fillRect(felt, forgrunn_);
    }
}

void Bildeboks::nyttbilde() {
    const qreal tetthet = devicePixelRatioF();
    if (size().isEmpty()) {
        bilde_ = QImage();
        malt_ = 0;
        return;
    }
    bilde_ = bilde(tetthet);
    malt_ = liste_.size();
}

void Bildeboks::paintEvent(QPaintEvent* hendelse) {
    // On a screen of another density the image is redrawn from the list, sharp again.
    if (!size().isEmpty() && (bilde_.isNull() || bilde_.devicePixelRatio() != devicePixelRatioF()))
        nyttbilde();
    oppdater();
    QPainter maler(this);
    if (bilde_.isNull()) {
        maler.fillRect(hendelse->rect(), bakgrunn_);
        return;
    }
    maler.drawImage(QPointF(0, 0), bilde_);
}

void Bildeboks::resizeEvent(QResizeEvent* hendelse) {
    QWidget::resizeEvent(hendelse);
    nyttbilde();
}

}  // namespace balvo::ui
