// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/kontekst2d.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <string>

namespace balvo::nett {

using emscripten::val;

namespace {

// A context for measuring text when a canvas has none of its own.
val maalekontekst() {
    static val ctx = val::global("document")
                         .call<val>("createElement", val("canvas"))
                         .call<val>("getContext", val("2d"));
    return ctx;
}

// The backing store's size, and the box's on the page where given: one call into the page.
// clang-format off
EM_JS(void, settstoerrelse,
      (emscripten::EM_VAL lerret, int bredde, int hoeyde, const char* boksbredde,
       const char* bokshoeyde),
      {
          const l = Emval.toValue(lerret);
          l.width = bredde;
          l.height = hoeyde;
          const b = UTF8ToString(boksbredde);
          if (b) {
              l.style.setProperty('width', b);
              l.style.setProperty('height', UTF8ToString(bokshoeyde));
          }
      });
// clang-format on

bool finnes(const val& v) {
    return !v.isNull() && !v.isUndefined();
}

}  // namespace

Kontekst2d::Kontekst2d(val lerret) : lerret_(lerret), ctx_(val::undefined()) {}

bool Kontekst2d::klar() {
    if (!hentet_) {
        hentet_ = true;
        ctx_ = lerret_.call<val>("getContext", val("2d"));
        har_ = finnes(ctx_);
    }
    return har_;
}

void Kontekst2d::stoerrelse(int bredde, int hoeyde, double tetthet) {
    // A new size resets the context's state too.
    settstoerrelse(lerret_.as_handle(), bredde, hoeyde,
                   tetthet > 0 ? (std::to_string(bredde / tetthet) + "px").c_str() : "",
                   tetthet > 0 ? (std::to_string(hoeyde / tetthet) + "px").c_str() : "");
    font_.clear();
    fyllfarge_.clear();
    strekfarge_.clear();
}

void Kontekst2d::toem() {
    // A canvas never drawn on (no context asked for yet) is blank already.
    if (!har_) return;
    ctx_.call<void>("clearRect", 0, 0, lerret_["width"], lerret_["height"]);
}

void Kontekst2d::font(const std::string& f) {
    if (f == font_ || !har_) return;
    ctx_.set("font", f);
    font_ = f;
}

void Kontekst2d::farge(const char* egenskap, const std::string& f) {
    std::string& har = egenskap[0] == 'f' ? fyllfarge_ : strekfarge_;
    if (f == har || !har_) return;
    ctx_.set(egenskap, f);
    har = f;
}

val Kontekst2d::maal(const std::string& f) {
    if (har_) {
        font(f);
        return ctx_;
    }
    val ctx = maalekontekst();
    if (finnes(ctx)) ctx.set("font", f);
    return ctx;
}

double Kontekst2d::bredde(const std::string& f, std::string_view tekst) {
    val ctx = maal(f);
    if (!finnes(ctx)) return 0;
    return ctx.call<val>("measureText", std::string(tekst))["width"].as<double>();
}

double Kontekst2d::stigning(const std::string& f) {
    val ctx = maal(f);
    if (!finnes(ctx)) return 0;
    return ctx.call<val>("measureText", std::string("x"))["fontBoundingBoxAscent"].as<double>();
}

void Kontekst2d::tekst(const std::string& f, std::string_view tekst, double x, double grunnlinje,
                       const std::string& c) {
    if (!klar()) return;
    font(f);
    farge("fillStyle", c);
    ctx_.call<void>("fillText", std::string(tekst), x, grunnlinje);
}

void Kontekst2d::strek(double x1, double y1, double x2, double y2, double bredde,
                       const std::string& c) {
    if (!klar()) return;
    farge("strokeStyle", c);
    ctx_.set("lineWidth", bredde);
    ctx_.set("lineCap", "butt");
    ctx_.call<void>("beginPath");
    ctx_.call<void>("moveTo", x1, y1);
    ctx_.call<void>("lineTo", x2, y2);
    ctx_.call<void>("stroke");
}

void Kontekst2d::fyll(double x, double y, double bredde, double hoeyde, const std::string& c) {
    if (!klar()) return;
    farge("fillStyle", c);
    ctx_.call<void>("fillRect", x, y, bredde, hoeyde);
}

}  // namespace balvo::nett
