// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "qt/mainwindow/arketvindu.h"
#include "qt/mainwindow/oppstart.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    balvo::forberedprogrammet();
    balvo::ArketVindu vindu;
    balvo::huskzoom(vindu);
    balvo::vismaksimert(vindu);
    return QApplication::exec();
}
