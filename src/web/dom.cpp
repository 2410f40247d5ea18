// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/dom.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <cstdio>

#include "web/lerretsflate.h"

namespace balvo::nett::dom {

std::string hent(const char* nokkel) {
    // The page's own helper (oppstart.js) catches what the browser throws.
    val v = val::module_property("hent")(val(nokkel));
    return v.isString() ? v.as<std::string>() : std::string();
}

void behold(const char* nokkel, std::string_view verdi) {
    val::module_property("behold")(val(nokkel), val(std::string(verdi)));
}

val dokument() {
    return val::global("document");
}

namespace {

// Each helper is one call into the page, with its strings read there: building the page
// takes thousands of them, and through embind each would be several.
// clang-format off
EM_JS(emscripten::EM_VAL, js_finn, (const char* id),
      { return Emval.toHandle(document.getElementById(UTF8ToString(id))); });
EM_JS(emscripten::EM_VAL, js_lag,
      (const char* tag, emscripten::EM_VAL forelder, const char* id, int idlengde,
       const char* klasse, int klasselengde),
      {
          const e = document.createElement(UTF8ToString(tag));
          if (idlengde) e.id = UTF8ToString(id, idlengde);
          if (klasselengde) e.className = UTF8ToString(klasse, klasselengde);
          const f = Emval.toValue(forelder);
          if (f !== undefined && f !== null) f.appendChild(e);
          return Emval.toHandle(e);
      });
EM_JS(void, js_attr, (emscripten::EM_VAL e, const char* navn, const char* verdi, int lengde),
      { Emval.toValue(e).setAttribute(UTF8ToString(navn), UTF8ToString(verdi, lengde)); });
EM_JS(void, js_stil, (emscripten::EM_VAL e, const char* navn, const char* verdi, int lengde),
      { Emval.toValue(e).style.setProperty(UTF8ToString(navn), UTF8ToString(verdi, lengde)); });
EM_JS(void, js_tekst, (emscripten::EM_VAL e, const char* t, int lengde),
      { Emval.toValue(e).textContent = UTF8ToString(t, lengde); });
EM_JS(void, js_skjul, (emscripten::EM_VAL e, int skjult), { Emval.toValue(e).hidden = !!skjult; });
EM_JS(void, js_plasser,
      (emscripten::EM_VAL e, const char* venstre, const char* topp, const char* bredde,
       const char* hoeyde),
      {
          const s = Emval.toValue(e).style;
          s.setProperty('left', UTF8ToString(venstre));
          s.setProperty('top', UTF8ToString(topp));
          s.setProperty('width', UTF8ToString(bredde));
          s.setProperty('height', UTF8ToString(hoeyde));
      });
// clang-format on

int lengde(std::string_view s) {
    return static_cast<int>(s.size());
}

}  // namespace

val finn(const char* id) {
    return val::take_ownership(js_finn(id));
}

val lag(const char* tag, val forelder, std::string_view id, std::string_view klasse) {
    return val::take_ownership(
        js_lag(tag, forelder.as_handle(), id.data(), lengde(id), klasse.data(), lengde(klasse)));
}

void attr(val e, const char* navn, std::string_view verdi) {
    js_attr(e.as_handle(), navn, verdi.data(), lengde(verdi));
}

void stil(val e, const char* egenskap, std::string_view verdi) {
    js_stil(e.as_handle(), egenskap, verdi.data(), lengde(verdi));
}

void tekst(val e, std::string_view t) {
    js_tekst(e.as_handle(), t.data(), lengde(t));
}

void skjul(val e, bool skjult) {
    js_skjul(e.as_handle(), skjult ? 1 : 0);
}

std::string px(double piksler) {
    char t[64];
    std::snprintf(t, sizeof t, "calc(var(--s) * %.4gpx)", piksler);
    return t;
}

void plasser(val e, const Twips& t) {
    constexpr double p = twips_per_piksel;
    js_plasser(e.as_handle(), px(t.venstre / p).c_str(), px(t.topp / p).c_str(),
               px(t.bredde / p).c_str(), px(t.hoeyde / p).c_str());
}

void skrift(val e, const Skrift& s, bool kursiv) {
    stil(e, "font-family",
         "\"" + std::string(erstatning(familienavn(s.familie))) + "\", sans-serif");
    stil(e, "font-size", px(s.punkter * piksler_per_punkt));
    stil(e, "font-weight", s.fet ? "bold" : "normal");
    stil(e, "font-style", kursiv ? "italic" : "normal");
}

}  // namespace balvo::nett::dom
