// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the main window's logic needs from the window around it. The Qt window implements
// it; tests implement it with recording surfaces and scripted answers.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/coach/veileder.h"
#include "core/display/tegneflate.h"
#include "core/entry/taster.h"
#include "core/mainwindow/meldinger.h"

namespace balvo {

// The two hidden diagnostic boxes: the dump of a line, Linje(7), and the line written after an
// operation, Linje(8).
enum class Diagnoseboks { dump, etter_operasjon };

class Skall : public Meldinger, public Merke {
public:
    virtual Tegneflate& linje(int boks) = 0;  // worksheet rows 0..4
    virtual Tegneflate& opfelt(int k) = 0;    // operand fields 0..4
    virtual void setttaster(const Tastesett& brukbare) = 0;
    // The captions of "Vanskelighetsgrad:", "Poeng:" and "Løste oppgaver:".
    virtual void visverdier(int nivaa, std::int64_t poeng, std::int64_t loeste) = 0;
    virtual void diagnostikk(Diagnoseboks boks, const std::vector<std::string>& linjer) = 0;
    virtual void tilforgrunnen() = 0;  // bring the main window to the front
    // The rows "Steg:" and "Prøve:" under "Poeng:", after a solved line.
    virtual void visvurdering(std::string_view steg, std::string_view proeve) = 0;
    // The row "Avstand:" under "Prøve:", while it is on: the coach's word after the last step.
    virtual void visavstand(std::string_view tekst) = 0;
    // The window "Løsningsforslag": the way from the current line, or why there is none.
    virtual void visforslag(const Veiledning& veiledning) = 0;
};

}  // namespace balvo
