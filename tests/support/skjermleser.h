// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader hears of the desktop's worksheet in a widget test: every element of
// the list, and the line editor of "Regn selv", that gets the focus, once `lytt` is installed as
// the accessibility update handler and while `hoert` points at a list.
#include <QAccessible>
#include <QObject>
#include <QRegularExpression>
#include <QStringList>

// The elements that got the focus, as "name | description".
inline QStringList* hoert = nullptr;

inline void lytt(QAccessibleEvent* hendelse) {
    if (!hoert || hendelse->type() != QAccessible::Focus) return;
    QAccessibleInterface* e = hendelse->accessibleInterface();
    const bool skrivfelt = e && e->object() && e->object()->objectName() == "Skrivfelt";
    if (!e || (e->role() != QAccessible::ListItem && !skrivfelt)) return;
    *hoert << e->text(QAccessible::Name) + " | " + e->text(QAccessible::Description);
}

// One of them as the web edition's live region says it (Opplesning::setning): "name" or
// "name. description".
inline QString setning(QString hoert) {
    return hoert.replace(" | ", ". ").remove(QRegularExpression("\\. $"));
}
