// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's start as the pupil sees it, shared by the program and its start-up benchmark.
namespace balvo {

class ArketVindu;

// Application name, window icon, and the language: the one the pupil chose last time, or on
// the first run the system's (ui/spraak.h), with Qt's own dialogs in it too.
void forberedprogrammet();

// The zoom the pupil chose last time (menu "Vis"), read from the program's settings
// (~/.config/balvo/balvo.conf) and put in force; each new choice is remembered there for the
// next run. A value the program cannot use gives 100 %.
void huskzoom(ArketVindu& vindu);

// Shows the main window maximized, filling the screen's free area even where no window
// manager maximizes it.
void vismaksimert(ArketVindu& vindu);

}  // namespace balvo
