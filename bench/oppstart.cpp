// Start-up of the program as the pupil sees it: the application, the translations of Qt's
// own dialogs and the main window shown maximized; ends after the window's first paint.
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "forstemaling.h"
#include "mainwindow/arketvindu.h"
#include "ui/meldingsboks.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(balvo::ui::programnavn));
    QTranslator oversetter;
    const QString mappe = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* navn : {"qtbase_nb", "qtbase_no", "qtbase_nn"}) {
        if (oversetter.load(QString::fromLatin1(navn), mappe)) {
            QApplication::installTranslator(&oversetter);
            break;
        }
    }

    balvo::ArketVindu vindu;
    Forstemaling vakt;
    vindu.installEventFilter(&vakt);
    vindu.showMaximized();
    return QApplication::exec();
}
