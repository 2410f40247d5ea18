// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small helpers for building the page from C++: elements, attributes, styles, and places and
// fonts of the design in the page's scale (the CSS variable --s, set from the window's size).
#include <emscripten/val.h>

#include <string>
#include <string_view>

#include "core/mainwindow/utforming.h"
#include "core/model/farge.h"

namespace balvo::nett::dom {

using emscripten::val;

val dokument();
val finn(const char* id);
// A new element under `forelder` (or loose when forelder is undefined).
val lag(const char* tag, val forelder, std::string_view id = {}, std::string_view klasse = {});
void attr(val e, const char* navn, std::string_view verdi);
void stil(val e, const char* egenskap, std::string_view verdi);
void tekst(val e, std::string_view t);
void skjul(val e, bool skjult);

// A length of the design in the page's scale: "calc(var(--s) * 8px)".
std::string px(double piksler);
// A place of the design in twips as left, top, width and height in the page's scale.
void plasser(val e, const Twips& t);
// A font of the design (family, size in points, bold) in the page's scale.
void skrift(val e, const Skrift& s, bool kursiv = false);

}  // namespace balvo::nett::dom
