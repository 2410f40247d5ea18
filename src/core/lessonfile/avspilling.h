// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A lesson file replayed with the program's own worksheet and key rules, so that every figure
// shown of it is what its actions give: a key the pupil could not have pressed, an operand the
// program would refuse, a sheet past its last line or an unknown operation stops the replay
// there, and the file "kan ikke spilles av".
#include <string>
#include <vector>

#include "core/coach/veileder.h"
#include "core/lessonfile/oektfil.h"
#include "core/mainwindow/oektlogg.h"

namespace balvo {

struct Avspilling {
    // The exercises as far as they could be replayed, as the lesson record has them.
    std::vector<Loggpost> poster;
    // Empty when everything replayed; else where and why it stopped.
    std::string feil;
};

Avspilling spillav(const Oektfil& fil, const Grense& grense = {});

}  // namespace balvo
