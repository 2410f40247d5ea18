// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/dom.h"

#include <cstdio>

#include "web/lerretsflate.h"

namespace balvo::nett::dom {

val dokument() {
    return val::global("document");
}

val finn(const char* id) {
    return dokument().call<val>("getElementById", val(id));
}

val lag(const char* tag, val forelder, std::string_view id, std::string_view klasse) {
    val e = dokument().call<val>("createElement", val(tag));
    if (!id.empty()) e.set("id", val(std::string(id)));
    if (!klasse.empty()) e.set("className", val(std::string(klasse)));
    if (!forelder.isUndefined() && !forelder.isNull()) forelder.call<void>("appendChild", e);
    return e;
}

void attr(val e, const char* navn, std::string_view verdi) {
    e.call<void>("setAttribute", val(navn), val(std::string(verdi)));
}

void stil(val e, const char* egenskap, std::string_view verdi) {
    e["style"].call<void>("setProperty", val(egenskap), val(std::string(verdi)));
}

void tekst(val e, std::string_view t) {
    e.set("textContent", val(std::string(t)));
}

void skjul(val e, bool skjult) {
    e.set("hidden", val(skjult));
}

std::string px(double piksler) {
    char t[64];
    std::snprintf(t, sizeof t, "calc(var(--s) * %.4gpx)", piksler);
    return t;
}

void plasser(val e, const Twips& t) {
    // 15 twips to a pixel at 96 dpi.
    stil(e, "left", px(t.venstre / 15.0));
    stil(e, "top", px(t.topp / 15.0));
    stil(e, "width", px(t.bredde / 15.0));
    stil(e, "height", px(t.hoeyde / 15.0));
}

void skrift(val e, const Skrift& s, bool kursiv) {
    static constexpr std::string_view navn[] = {"MS Sans Serif", "Arial", "Times New Roman"};
    stil(e, "font-family",
         "\"" + std::string(nettfont(navn[static_cast<int>(s.familie)])) + "\", sans-serif");
    stil(e, "font-size", px(s.punkter * piksler_per_punkt));
    stil(e, "font-weight", s.fet ? "bold" : "normal");
    stil(e, "font-style", kursiv ? "italic" : "normal");
}

}  // namespace balvo::nett::dom
