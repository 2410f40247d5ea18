// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the program as the pupil sees it: the application, the translations of Qt's
// own dialogs and the main window shown maximized; ends after the window's first paint.
#include <QApplication>

#include "forstemaling.h"
#include "qt/mainwindow/arketvindu.h"
#include "qt/mainwindow/oppstart.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    balvo::forberedprogrammet();
    balvo::ArketVindu vindu;
    Forstemaling vakt;
    vindu.installEventFilter(&vakt);
    balvo::huskzoom(vindu);
    balvo::vismaksimert(vindu);
    return QApplication::exec();
}
