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
    constexpr double p = twips_per_piksel;
    stil(e, "left", px(t.venstre / p));
    stil(e, "top", px(t.topp / p));
    stil(e, "width", px(t.bredde / p));
    stil(e, "height", px(t.hoeyde / p));
}

void skrift(val e, const Skrift& s, bool kursiv) {
    stil(e, "font-family",
         "\"" + std::string(erstatning(familienavn(s.familie))) + "\", sans-serif");
    stil(e, "font-size", px(s.punkter * piksler_per_punkt));
    stil(e, "font-weight", s.fet ? "bold" : "normal");
    stil(e, "font-style", kursiv ? "italic" : "normal");
}

}  // namespace balvo::nett::dom
