// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fonts of the design and the units both shells draw in: one table, read by the desktop and
// by the browser alike.
#include <array>
#include <string_view>

namespace balvo {

// Pixels to a point at 96 dpi, the unit of the window's layout.
inline constexpr double piksler_per_punkt = 4.0 / 3.0;
// Twips (1/1440 inch) to a pixel at 96 dpi, and to a point.
inline constexpr double twips_per_piksel = 15.0;
inline constexpr double twips_per_punkt = 20.0;

// The font families of the design.
enum class Skriftfamilie { ms_sans_serif, arial, times_new_roman };

struct Skrift {
    Skriftfamilie familie = Skriftfamilie::ms_sans_serif;
    double punkter = 8.25;
    bool fet = false;
};

// Each family by its name, and the free font that stands in for it where it is missing (on
// Debian, in the browser): Liberation Sans for the sans serifs, Liberation Serif for Times.
struct Skriftnavn {
    Skriftfamilie familie;
    std::string_view navn;
    std::string_view erstatning;
};
inline constexpr std::array<Skriftnavn, 3> skriftnavn{{
    {Skriftfamilie::ms_sans_serif, "MS Sans Serif", "Liberation Sans"},
    {Skriftfamilie::arial, "Arial", "Liberation Sans"},
    {Skriftfamilie::times_new_roman, "Times New Roman", "Liberation Serif"},
}};
static_assert(skriftnavn.size() == static_cast<std::size_t>(Skriftfamilie::times_new_roman) + 1);

constexpr std::string_view familienavn(Skriftfamilie familie) {
    return skriftnavn[static_cast<std::size_t>(familie)].navn;
}

// The stand-in for a family named `navn`; an unknown name stands for itself.
constexpr std::string_view erstatning(std::string_view navn) {
    for (const Skriftnavn& s : skriftnavn)
        if (s.navn == navn) return s.erstatning;
    return navn;
}

}  // namespace balvo
