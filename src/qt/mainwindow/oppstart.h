#pragma once
// The program's start as the pupil sees it, shared by the program and its start-up benchmark.
namespace balvo {

class ArketVindu;

// Application name, window icon, and the language: the one the pupil chose last time, or on
// the first run the system's (ui/spraak.h), with Qt's own dialogs in it too.
void forbered_programmet();

// Shows the main window maximized, filling the screen's free area even where no window
// manager maximizes it.
void vis_maksimert(ArketVindu& vindu);

}  // namespace balvo
