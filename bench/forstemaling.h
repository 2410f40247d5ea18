// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ends the program once a window has been painted for the first time: the moment start-up
// is over for the pupil. Shared by the start-up program and its bare-window floor.
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QTimer>

class Forstemaling : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* mottaker, QEvent* hendelse) override {
        if (hendelse->type() == QEvent::Paint && !malt_) {
            malt_ = true;
            // Quit once this paint has been flushed to the screen.
            QTimer::singleShot(0, QCoreApplication::instance(), [] {
                // BALVO_SMAPS=file keeps the memory map at that moment, to see where it goes.
                const QString ut = qEnvironmentVariable("BALVO_SMAPS");
                if (!ut.isEmpty()) {
                    QFile inn(QStringLiteral("/proc/self/smaps")), fil(ut);
                    if (inn.open(QIODevice::ReadOnly) && fil.open(QIODevice::WriteOnly))
                        fil.write(inn.readAll());
                }
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(mottaker, hendelse);
    }

private:
    bool malt_ = false;
};
