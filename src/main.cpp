#include <QApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>

#include "about/ikon.h"
#include "mainwindow/arketvindu.h"
#include "ui/meldingsboks.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(balvo::ui::programnavn));
    QApplication::setWindowIcon(balvo::balvoikon());

    // Qt's own standard dialogs in Norwegian: Bokmål if installed, else Nynorsk (Debian 12
    // ships only the latter).
    QTranslator oversetter;
    const QString mappe = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* navn : {"qtbase_nb", "qtbase_no", "qtbase_nn"}) {
        if (oversetter.load(QString::fromLatin1(navn), mappe)) {
            QApplication::installTranslator(&oversetter);
            break;
        }
    }

    balvo::ArketVindu vindu;
    // Without a window manager "maximized" is only a wish; the normal size is the screen's
    // free area, so the pupil gets the whole layout either way.
    if (const QScreen* skjerm = QGuiApplication::primaryScreen())
        vindu.setGeometry(skjerm->availableGeometry());
    vindu.showMaximized();
    return QApplication::exec();
}
