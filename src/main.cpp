#include <QApplication>

#include "qt/mainwindow/arketvindu.h"
#include "qt/mainwindow/oppstart.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    balvo::forbered_programmet();
    balvo::ArketVindu vindu;
    balvo::vis_maksimert(vindu);
    return QApplication::exec();
}
