// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/mainwindow/oppstart.h"

#include <QApplication>
#include <QScreen>
#include <QSettings>
#include <memory>

#include "qt/mainwindow/arketvindu.h"
#include "qt/ui/ikon.h"
#include "qt/ui/meldingsboks.h"
#include "qt/ui/spraak.h"
#include "qt/ui/zoomstil.h"

namespace balvo {

void forberedprogrammet() {
    QApplication::setApplicationName(QString::fromUtf8(ui::programnavn));
    // The menus belong to the window, as designed, also on a desktop that would move them to
    // a bar of its own; nor does start-up then ask the session bus for one.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication::setStyle(new ui::Programstil);
    QApplication::setWindowIcon(balvoikon());
    ui::spraak().bytt(ui::startspraak(*ui::innstillinger(), ui::systemlokale()));
}

namespace {

constexpr char zoomnokkel[] = "zoom";
constexpr char fyllnokkel[] = "fyll";
constexpr char avstandnokkel[] = "avstand";
constexpr char regnselvnokkel[] = "regnselv";

std::unique_ptr<QSettings> innstillinger() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("balvo"), QStringLiteral("balvo"));
}

}  // namespace

void huskzoom(ArketVindu& vindu) {
    {
        const auto lagret = innstillinger();
        bool tall = false;
        const double zoom = lagret->value(QLatin1String(zoomnokkel), 1.0).toDouble(&tall);
        vindu.settzoom(tall ? zoom : 1.0);
        // The first run fills the window, as the design filled the screens it was drawn for;
        // "Vanlig størrelse" gives 100 %, and whatever is chosen is remembered from then on.
        const bool foerste = !lagret->contains(QLatin1String(zoomnokkel));
        vindu.settfyll(lagret->value(QLatin1String(fyllnokkel), foerste).toBool());
        vindu.settavstand(lagret->value(QLatin1String(avstandnokkel), false).toBool());
        vindu.settregnselv(lagret->value(QLatin1String(regnselvnokkel), false).toBool());
    }
    QObject::connect(&vindu, &ArketVindu::regnselv_valgt, &vindu, [](bool paa) {
        const auto lagret = innstillinger();
        lagret->setValue(QLatin1String(regnselvnokkel), paa);
        lagret->sync();
    });
    QObject::connect(&vindu, &ArketVindu::avstand_valgt, &vindu, [](bool paa) {
        const auto lagret = innstillinger();
        lagret->setValue(QLatin1String(avstandnokkel), paa);
        lagret->sync();
    });
    QObject::connect(&vindu, &ArketVindu::zoom_valgt, &vindu, [](double zoom, bool fyll) {
        const auto lagret = innstillinger();
        lagret->setValue(QLatin1String(zoomnokkel), zoom);
        lagret->setValue(QLatin1String(fyllnokkel), fyll);
        lagret->sync();
    });
}

void vismaksimert(ArketVindu& vindu) {
    // Without a window manager "maximized" is only a wish; the normal size is the screen's
    // free area, so the pupil gets the whole layout either way.
    if (const QScreen* skjerm = QGuiApplication::primaryScreen())
        vindu.setGeometry(skjerm->availableGeometry());
    vindu.showMaximized();
}

}  // namespace balvo
