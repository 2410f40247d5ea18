// The floor for start-up: a bare Qt program showing an empty main window maximized, ended
// after its first paint exactly as the program's start-up measurement is.
#include <QApplication>
#include <QMainWindow>

#include "forstemaling.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow vindu;
    Forstemaling vakt;
    vindu.installEventFilter(&vakt);
    vindu.showMaximized();
    return QApplication::exec();
}
