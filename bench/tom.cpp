// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for start-up: a bare Qt program showing an empty main window maximized, ended
// after its first paint exactly as the program's start-up measurement is. With "--tekst" the
// window shows one line of text, which is what it costs Qt to bring up its fonts at all.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>
#include <cstring>

#include "forstemaling.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow vindu;
    if (argc > 1 && std::strcmp(argv[1], "--tekst") == 0)
        vindu.setCentralWidget(new QLabel(QStringLiteral("Ny oppgave"), &vindu));
    Forstemaling vakt;
    vindu.installEventFilter(&vakt);
    // Maximized as the program's window is: where no window manager maximizes it, the
    // screen's free area all the same, so that both first paints cover the same pixels.
    if (const QScreen* skjerm = QGuiApplication::primaryScreen())
        vindu.setGeometry(skjerm->availableGeometry());
    vindu.showMaximized();
    return QApplication::exec();
}
