#include "qt/ui/felles.h"

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

}  // namespace balvo::ui
