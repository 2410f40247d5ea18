#include "qt/mainwindow/oppstart.h"

#include <QApplication>
#include <QScreen>
#include <QSettings>

#include "qt/about/ikon.h"
#include "qt/mainwindow/arketvindu.h"
#include "qt/ui/meldingsboks.h"
#include "qt/ui/spraak.h"

namespace balvo {

void forbered_programmet() {
    QApplication::setApplicationName(QString::fromUtf8(ui::programnavn));
    QApplication::setWindowIcon(balvoikon());
    ui::spraak().bytt(ui::startspraak(*ui::innstillinger(), ui::systemlokale()));
}

void vis_maksimert(ArketVindu& vindu) {
    // Without a window manager "maximized" is only a wish; the normal size is the screen's
    // free area, so the pupil gets the whole layout either way.
    if (const QScreen* skjerm = QGuiApplication::primaryScreen())
        vindu.setGeometry(skjerm->availableGeometry());
    vindu.showMaximized();
}

}  // namespace balvo
