#include <QApplication>
#include <QLibraryInfo>
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
    vindu.showMaximized();
    return QApplication::exec();
}
