// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyboard's ways through the main window that both shells take: the order Tab visits the
// controls in, and the shortcuts a browser keeps for itself, which the browser edition answers
// with Alt instead of Ctrl.
#include <string>
#include <vector>

#include "core/mainwindow/tastekart.h"
#include "core/mainwindow/utforming.h"

namespace balvo {

// The controls Tab visits after the worksheet: "Ny oppgave", the equation types from the top
// (one stop; the arrow keys choose among them), "Brøker", then the keypad as it reads, row by
// row, each row from the left. The worksheet's scroll keys are no stop: Page Up and Page Down
// and the worksheet's own arrow keys scroll it.
std::vector<const Kontroll*> tabrekke();

// A Ctrl shortcut the browsers never hand to a page (a new tab, a new window, a private
// window): Ctrl+N, Ctrl+T and, with Shift, N, T and P.
bool nettleseren_beholder(Tastenavn tast, unsigned endring);

// The modifiers of a shortcut in the browser: Alt in place of Ctrl for one the browser keeps,
// otherwise as it is.
unsigned nettendring(Tastenavn tast, unsigned endring);

// A shortcut's text as a menu shows it: "Ctrl+S", "Ctrl+Shift+P", "Alt+T"; and as
// aria-keyshortcuts wants it: "Control+S", "Control+Shift+P", "Alt+T". Empty for no key.
std::string snarveitekst(Tastenavn tast, unsigned endring);
std::string snarveinavn(Tastenavn tast, unsigned endring);

}  // namespace balvo
