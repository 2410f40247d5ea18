// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCoreApplication>
#include <QSettings>
#include <iostream>
#include <string>
#include <vector>

#include "core/lessonfile/kommandolinje.h"
#include "qt/mainwindow/arketvindu.h"
#include "qt/mainwindow/oppstart.h"
#include "qt/ui/spraak.h"

int main(int argc, char** argv) {
    // The command line is answered without a window, so without a display too; in the
    // language the window would speak.
    const std::vector<std::string> argumenter(argv + 1, argv + argc);
    if (!argumenter.empty() && argumenter[0].starts_with("--")) {
        QCoreApplication app(argc, argv);
        balvo::ui::spraak().bytt(
            balvo::ui::startspraak(*balvo::ui::innstillinger(), balvo::ui::systemlokale()));
        if (const auto status = balvo::kommandolinje(argumenter, std::cout, std::cerr))
            return *status;
    }
    QApplication app(argc, argv);
    balvo::forberedprogrammet();
    balvo::ArketVindu vindu;
    balvo::huskzoom(vindu);
    balvo::vismaksimert(vindu);
    return QApplication::exec();
}
