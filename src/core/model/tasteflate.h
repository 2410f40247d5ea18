// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The faces of the keys: what each key of the keypad shows, drawn in code by the desktop and
// exported as pictures for the browser.
#include <array>
#include <string_view>

namespace balvo {

enum class Tasteflate {
    pluss,       // a plus
    minus,       // a minus
    prikk,       // a raised dot
    kolon,       // a colon
    rot,         // a square-root sign
    kvadrat,     // empty brackets with a superscript 2
    plussminus,  // a plus over a minus
    bytt,        // two opposed arrows
    siffer,      // the digit of the key
    negativ,     // pm, a minus sign in brackets
    broek,       // broekstrek, small a over b with a slanted bar
    utfoer,      // the word Utfør
    stryk,       // strykut, the letter C
    x,           // variabel 0
    x2,          // variabel 1
    opp,         // scrollopp, an upward triangle
    ned,         // scrollned, a downward triangle
};
inline constexpr int antall_flater = static_cast<int>(Tasteflate::ned) + 1;

// A picture's size in pixels at 96 dpi.
struct Bildemaal {
    int bredde = 0, hoeyde = 0;
};

namespace detalj {
struct Flaterad {
    Tasteflate flate;
    std::string_view navn;  // the pictures' name: "pluss", "siffer", "utfoer" ...
    Bildemaal maal;
};
inline constexpr Bildemaal kvadratisk{16, 16};
inline constexpr std::array<Flaterad, antall_flater> flater{{
    {Tasteflate::pluss, "pluss", kvadratisk},
    {Tasteflate::minus, "minus", kvadratisk},
    {Tasteflate::prikk, "prikk", kvadratisk},
    {Tasteflate::kolon, "kolon", kvadratisk},
    {Tasteflate::rot, "rot", kvadratisk},
    {Tasteflate::kvadrat, "kvadrat", kvadratisk},
    {Tasteflate::plussminus, "plussminus", kvadratisk},
    {Tasteflate::bytt, "bytt", kvadratisk},
    {Tasteflate::siffer, "siffer", kvadratisk},
    {Tasteflate::negativ, "negativ", kvadratisk},
    {Tasteflate::broek, "broek", kvadratisk},
    {Tasteflate::utfoer, "utfoer", {43, 16}},
    {Tasteflate::stryk, "stryk", kvadratisk},
    {Tasteflate::x, "x", kvadratisk},
    {Tasteflate::x2, "x2", kvadratisk},
    {Tasteflate::opp, "opp", {9, 6}},
    {Tasteflate::ned, "ned", {9, 6}},
}};
constexpr bool flater_i_rekkefoelge() {
    for (int i = 0; i < antall_flater; ++i)
        if (flater[static_cast<std::size_t>(i)].flate != static_cast<Tasteflate>(i)) return false;
    return true;
}
static_assert(flater_i_rekkefoelge(), "one row per face, in the enum's order");
}  // namespace detalj

// The face's name, for the pictures of it.
constexpr std::string_view flatenavn(Tasteflate flate) {
    return detalj::flater.at(static_cast<std::size_t>(flate)).navn;
}

// The size of a key's face: 16 × 16, the word Utfør 43 × 16, the scroll triangles 9 × 6.
constexpr Bildemaal flatemaal(Tasteflate flate) {
    return detalj::flater.at(static_cast<std::size_t>(flate)).maal;
}

}  // namespace balvo
