// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's modal message boxes: no icon, Norwegian buttons, the program's name as the
// title when none is given.
#include <QString>
#include <memory>

#include "qt/ui/felles.h"

class QMessageBox;
class QWidget;

namespace balvo::ui {

enum class Knapper { ok, ja_nei };

// The box ready to be shown, for callers (and tests) that want to look at it first.
std::unique_ptr<QMessageBox> lagmeldingsboks(QWidget* eier, const QString& tittel,
                                             const QString& tekst, Knapper knapper);

// A text with an OK button.
void meldingsboks(QWidget* eier, const QString& tittel, const QString& tekst);
// A Yes/No question ("Ja"/"Nei"); true for Yes. Closing the box counts as No.
bool spoersmaalsboks(QWidget* eier, const QString& tittel, const QString& tekst);

}  // namespace balvo::ui
