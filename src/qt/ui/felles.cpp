// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/ui/felles.h"

#include <QCoreApplication>
#include <QPainter>
#include <QtMath>

namespace balvo::ui {

QStringList fontfamilier(const QString& navn) {
    const QByteArray utf8 = navn.toUtf8();
    const std::string_view annen =
        erstatning(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    if (annen == std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())))
        return {navn};
    return {navn, QString::fromUtf8(annen.data(), static_cast<qsizetype>(annen.size()))};
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
    const std::string_view navn = familienavn(s.familie);
    return skrift(QString::fromLatin1(navn.data(), static_cast<qsizetype>(navn.size())),
                  s.punkter * zoom, s.fet);
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
