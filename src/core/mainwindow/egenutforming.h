// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialog "Skriv egen likning" as designed: six coefficient boxes, each in a drawn outline,
// the pictures between them and the two buttons, in twips of the dialog's client area. Both
// shells build the dialog from it.
#include <array>

#include "core/mainwindow/utforming.h"
#include "core/tekst/katalog.h"

namespace balvo {

inline constexpr Tekst egentittel = BALVO_TR("egenlikning", "Skriv egen likning");
inline constexpr Tekst glemtekst = BALVO_TR("egenlikning", "Glem det");
inline constexpr Tekst egenok = BALVO_TR("egenlikning", "OK");

inline constexpr Twips egenflate{0, 0, 7275, 1845};

struct Koeffplass {
    Twips boks;
    Twips ramme;  // the outline around the box
};

// koeff(0..5): a x² + b x + c = d x² + e x + f.
inline constexpr std::array<Koeffplass, 6> koeffplasser{{
    {{180, 510, 675, 315}, {120, 390, 795, 525}},
    {{1440, 510, 675, 315}, {1380, 390, 795, 525}},
    {{2580, 480, 675, 345}, {2520, 390, 795, 525}},
    {{3690, 480, 735, 345}, {3630, 390, 855, 525}},
    {{5010, 480, 675, 345}, {4950, 390, 795, 525}},
    {{6120, 480, 705, 345}, {6075, 390, 795, 525}},
}};

// The pictures between the boxes: an italic x squared and a plus, an italic x, the equals
// sign; there is no plus after x, the pupil types the sign of the next coefficient.
enum class Egenbilde { x2_pluss, x, er_lik };

struct Egenbildeplass {
    Egenbilde bilde;
    Twips plass;
};

inline constexpr std::array<Egenbildeplass, 5> egenbilder{{
    {Egenbilde::x2_pluss, {930, 300, 405, 570}},
    {Egenbilde::x, {2190, 300, 285, 585}},
    {Egenbilde::er_lik, {3300, 330, 270, 570}},
    {Egenbilde::x2_pluss, {4470, 270, 435, 570}},
    {Egenbilde::x, {5760, 270, 285, 585}},
}};

// The pictures' type: the worksheet's serif, 15 points, the exponent 9.75, on one baseline 29
// pixels from the picture's top.
inline constexpr double egenbildepunkter = 15;
inline constexpr double egeneksponentpunkter = 9.75;
inline constexpr double egengrunnlinje = 29;

inline constexpr Twips glemplass{4950, 1260, 1155, 435};
inline constexpr Twips okplass{6180, 1260, 645, 435};
inline constexpr double egenknappunkter = 12;  // Arial

}  // namespace balvo
