// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A retained drawing box: the typesetters draw into it in points, it keeps every operation in
// a display list and shows the result from an image at the screen's pixel density. The list is
// painted through the painter surface (Malerflate), onto the screen's image or any painter.
#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "core/display/tegneliste.h"
#include "qt/ui/felles.h"

class QPainter;

namespace balvo::ui {

class Bildeboks : public QWidget, public Listeflate {
    Q_OBJECT
public:
    explicit Bildeboks(QWidget* forelder = nullptr);

    double hoeyde() const override;
    double tekstbredde(std::string_view tekst) const override;

    void settforgrunn(const QColor& farge);
    // Shown at a zoom: `zoom` times the pixels to a point, the box `punkthoeyde` points tall
    // whatever its pixels round to, so that the typesetters lay a line out the same at every
    // zoom. The caller sets the new size and has the box drawn again.
    void settzoom(double zoom, double punkthoeyde);
    double zoom() const { return zoom_; }
    QColor forgrunn() const { return forgrunn_; }
    QColor bakgrunn() const { return bakgrunn_; }

    // Replays the background and every operation onto a painter whose unit is the point,
    // origin at the box's top-left corner.
    void tegn(QPainter& maler) const;
    // The box as a picture at a given pixel density (1 = 96 dpi).
    QImage bilde(qreal tetthet) const;
    // The image the screen shows (kept at the screen's density).
    const QImage& skjermbilde() const {
        oppdater();
        return bilde_;
    }
    // The texts drawn since the last clear, in order: what the box says in words.
    QStringList tekster() const;

protected:
    void paintEvent(QPaintEvent* hendelse) override;
    void resizeEvent(QResizeEvent* hendelse) override;

private:
    void lagt(const Tegneop& op) override;
    void toemt() override;
    void nyttbilde() const;
    void oppdater() const;
    double skala() const { return piksler_per_punkt * zoom_; }  // pixels to a point

    // The image holds the first malt_ operations; the rest are painted in one go when the
    // image is next shown or read, so that a whole line costs one painter, not one each.
    mutable QImage bilde_;
    mutable std::size_t malt_ = 0;
    QColor forgrunn_{Qt::black};
    QColor bakgrunn_{Qt::white};
    double zoom_ = 1;
    double punkthoeyde_ = 0;  // 0: the height follows the pixels
};

}  // namespace balvo::ui
