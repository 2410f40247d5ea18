#include "qt/mainwindow/oppstart.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QScreen>

#include "qt/about/ikon.h"
#include "qt/mainwindow/arketvindu.h"
#include "qt/ui/meldingsboks.h"

namespace balvo {

void forbered_programmet(QTranslator& oversetter) {
    QApplication::setApplicationName(QString::fromUtf8(ui::programnavn));
    QApplication::setWindowIcon(balvoikon());
    const QString mappe = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* navn : {"qtbase_nb", "qtbase_no", "qtbase_nn"}) {
        if (oversetter.load(QString::fromLatin1(navn), mappe)) {
            QApplication::installTranslator(&oversetter);
            break;
        }
    }
}

void vis_maksimert(ArketVindu& vindu) {
    // Without a window manager "maximized" is only a wish; the normal size is the screen's
    // free area, so the pupil gets the whole layout either way.
    if (const QScreen* skjerm = QGuiApplication::primaryScreen())
        vindu.setGeometry(skjerm->availableGeometry());
    vindu.showMaximized();
}

}  // namespace balvo
