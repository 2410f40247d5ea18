// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/ui/felles.h"

#include <QCoreApplication>
#include <QPainter>
#include <QtMath>

namespace balvo::ui {

QStringList fontfamilier(const QString& navn) {
    if (navn == QLatin1String("Times New Roman")) return {navn, QStringLiteral("Liberation Serif")};
    if (navn == QLatin1String("MS Sans Serif") || navn == QLatin1String("Arial"))
        return {navn, QStringLiteral("Liberation Sans")};
    return {navn};
}

QFont skrift(const QString& navn, double punkter, bool fet, bool kursiv) {
    QFont font;
    font.setFamilies(fontfamilier(navn));
    font.setPointSizeF(punkter);
    font.setBold(fet);
    font.setItalic(kursiv);
    return font;
}

QFont skrift(const Skrift& s, double zoom) {
    static const char* const navn[] = {"MS Sans Serif", "Arial", "Times New Roman"};
    return skrift(QString::fromLatin1(navn[static_cast<int>(s.familie)]), s.punkter * zoom, s.fet);
}

QString qtr(const Tekst& tekst) {
    if (!tekst.kilde) return {};
    return QCoreApplication::translate(tekst.kontekst, tekst.kilde);
}

QPixmap tegnetkart(QSizeF stoerrelse, qreal tetthet, const std::function<void(QPainter&)>& tegn) {
    QPixmap kart(qCeil(stoerrelse.width() * tetthet), qCeil(stoerrelse.height() * tetthet));
    kart.setDevicePixelRatio(tetthet);
    kart.fill(Qt::transparent);
    QPainter maler(&kart);
    tegn(maler);
    return kart;
}

}  // namespace balvo::ui
