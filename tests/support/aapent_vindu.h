#pragma once
// A main window opened for a widget test: a fixed size, shown, and on screen.
#include <QtTest>
#include <memory>

#include "qt/mainwindow/arketvindu.h"

inline std::unique_ptr<balvo::ArketVindu> aapne_vindu() {
    auto vindu = std::make_unique<balvo::ArketVindu>();
    vindu->resize(1000, 700);
    vindu->show();
    if (!QTest::qWaitForWindowExposed(vindu.get())) return nullptr;
    return vindu;
}
