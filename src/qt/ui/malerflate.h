// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The typesetters' drawing surface over any QPainter: the screen's images, PDF, printers and
// PNG all get the same strokes from the same code. The painter's unit is the point, origin at
// the box's top-left corner. Text is measured at the layout's density (96 dpi) whatever the
// target, with unhinted fonts, so a width is the same on every device.
#include <QColor>
#include <QRectF>
#include <QString>
#include <optional>

#include "core/display/tegneflate.h"

class QPainter;

namespace balvo::ui {

class Malerflate final : public Tegneflate {
public:
    // Without a painter the surface only measures: where a line will end, before drawing it.
    Malerflate(QPainter* maler, double hoeyde, const QColor& forgrunn = Qt::black);

    // What toem() erases to; without it toem() leaves the target as it is (a page).
    void settbakgrunn(const QRectF& felt, const QColor& farge);

    void toem() override;
    double hoeyde() const override { return hoeyde_; }
    void settfontnavn(std::string_view navn) override;
    void settstoerrelse(double punkter) override { stoerrelse_ = punkter; }
    void settkursiv(bool kursiv) override { kursiv_ = kursiv; }
    double tekstbredde(std::string_view tekst) const override;
    void skriv(double x, double y, std::string_view tekst) override;
    void strek(double x1, double y1, double x2, double y2) override;
    // A bar thinner than a device pixel is widened about its centre line to one pixel.
    void rektangel(double x1, double y1, double x2, double y2) override;

    // Text drawn as the outlines of its glyphs rather than as text, on any target: a page whose
    // text layer says the line as it reads, not as the glyphs between the strokes spell it.
    void settomriss(bool omriss) { omriss_ = omriss; }

    // The same, with a text already converted (the drawing box keeps its texts as QString).
    void skriv(double x, double y, const QString& tekst);
    void settfontnavn(const QString& navn) { fontnavn_ = navn; }
    const QString& fontnavn() const { return fontnavn_; }
    double fontstoerrelse() const { return stoerrelse_; }
    bool kursiv() const { return kursiv_; }

    // The width of a text in a font, measured as every surface measures it.
    static double bredde(const QString& fontnavn, double stoerrelse, bool kursiv,
                         const QString& tekst);

private:
    QPainter* maler_;
    double hoeyde_;
    QColor forgrunn_;
    std::optional<std::pair<QRectF, QColor>> bakgrunn_;
    QString fontnavn_{QStringLiteral("MS Sans Serif")};
    double stoerrelse_ = 8.25;
    bool kursiv_ = false;
    bool omriss_ = false;
};

}  // namespace balvo::ui
