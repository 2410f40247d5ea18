#pragma once
// The program's start as the pupil sees it, shared by the program and its start-up benchmark.
#include <QTranslator>

namespace balvo {

class ArketVindu;

// Application name, window icon, and Qt's own standard dialogs in Norwegian: Bokmål if
// installed, else Nynorsk (Debian 12 ships only the latter). The translator must outlive the
// application's event loop.
void forbered_programmet(QTranslator& oversetter);

// The zoom the pupil chose last time (menu "Vis"), read from the program's settings
// (~/.config/balvo/balvo.conf) and put in force; each new choice is remembered there for the
// next run. A value the program cannot use gives 100 %.
void husk_zoom(ArketVindu& vindu);

// Shows the main window maximized, filling the screen's free area even where no window
// manager maximizes it.
void vis_maksimert(ArketVindu& vindu);

}  // namespace balvo
