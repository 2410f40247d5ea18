// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the pictures the desktop draws in code as PNG files, for the web edition: every key
// face (the perform key's in each language), the solved marker and the program's picture, each
// at 1 to 6 times its size so that the browser has a sharp one at any scale (a tablet's keypad
// held upright is three times the design's size on a screen of two pixels to one); and the
// program's picture as the app's icon.
//
//     balvo_flater FOLDER
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "core/mainwindow/utforming.h"
#include "core/tekst/spraak.h"
#include "qt/ui/ikon.h"
#include "qt/ui/spraak.h"
#include "qt/ui/tasteflate.h"

namespace {

constexpr int tettheter[] = {1, 2, 3, 4, 5, 6};

bool lagre(const QImage& bilde, const QDir& mappe, const QString& navn) {
    if (bilde.save(mappe.filePath(navn), "PNG")) return true;
    std::fprintf(stderr, "balvo_flater: kunne ikke skrive %s\n", qPrintable(navn));
    return false;
}

QImage tomt(QSize stoerrelse, int tetthet) {
    QImage bilde(stoerrelse * tetthet, QImage::Format_ARGB32_Premultiplied);
    bilde.setDevicePixelRatio(tetthet);
    bilde.fill(Qt::transparent);
    return bilde;
}

bool flate(const QDir& mappe, balvo::Tasteflate f, int siffer, const QString& navn) {
    bool ok = true;
    for (int t : tettheter) {
        QImage bilde = tomt(balvo::ui::flatestoerrelse(f), t);
        QPainter maler(&bilde);
        balvo::ui::tegnflate(maler, f, siffer);
        maler.end();
        ok = lagre(bilde, mappe, QStringLiteral("%1_%2.png").arg(navn).arg(t)) && ok;
    }
    return ok;
}

// The program's picture filling a square (a small margin left), for the app's icon. The
// picture is drawn at the icon's own pixels, not enlarged.
bool appikon(const QDir& mappe, int side) {
    QImage bilde(side, side, QImage::Format_ARGB32_Premultiplied);
    bilde.fill(Qt::white);
    const qreal skala = side * 0.92 / balvo::ikonstoerrelse.width();
    const QPixmap ikon = balvo::balvobilde(skala);
    const QSizeF maal = QSizeF(balvo::ikonstoerrelse) * skala;
    QPainter maler(&bilde);
    maler.drawPixmap(QRectF(QPointF((side - maal.width()) / 2, (side - maal.height()) / 2), maal),
                     ikon, QRectF(ikon.rect()));
    maler.end();
    return lagre(bilde, mappe, QStringLiteral("app_%1.png").arg(side));
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "bruk: balvo_flater MAPPE\n");
        return 2;
    }
    QDir mappe(QString::fromLocal8Bit(argv[1]));
    if (!mappe.mkpath(QStringLiteral("."))) return 1;

    bool ok = true;
    for (int i = 0; i < balvo::antall_flater; ++i) {
        const auto f = static_cast<balvo::Tasteflate>(i);
        const std::string_view n = balvo::flatenavn(f);
        const QString navn = QString::fromLatin1(n.data(), static_cast<qsizetype>(n.size()));
        if (f == balvo::Tasteflate::siffer) {
            for (int s = 0; s <= 9; ++s) ok = flate(mappe, f, s, navn + QString::number(s)) && ok;
        } else if (f == balvo::Tasteflate::utfoer) {
            // The face is a word: one picture per language, "utfoer_nn_2.png".
            for (const balvo::Spraakvalg& s : balvo::spraakene) {
                const QString kode =
                    QString::fromLatin1(s.kode.data(), static_cast<qsizetype>(s.kode.size()));
                ok = balvo::ui::spraak().bytt(s.kode) == s.kode &&
                     flate(mappe, f, 0, navn + QLatin1Char('_') + kode) && ok;
            }
            balvo::ui::spraak().bytt(balvo::bokmaal);
        } else {
            ok = flate(mappe, f, 0, navn) && ok;
        }
    }
    for (int t : tettheter) {
        ok = lagre(balvo::ui::loestmerke(t).toImage(), mappe,
                   QStringLiteral("merke_%1.png").arg(t)) &&
             ok;
        ok = lagre(balvo::balvobilde(t).toImage(), mappe, QStringLiteral("ikon_%1.png").arg(t)) &&
             ok;
    }
    ok = appikon(mappe, 192) && appikon(mappe, 512) && ok;
    return ok ? 0 : 1;
}
