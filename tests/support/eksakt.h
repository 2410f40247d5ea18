// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Exact checks on worksheet lines for the randomized sessions and the fuzz targets: the normal
// form of a line, and exact rational values of its sides at chosen points, in 128 bits with
// every step checked, so that a check never passes on a wrapped number.
#include <optional>
#include <string>
#include <vector>

#include "core/coach/verdi.h"
#include "core/model/ark.h"

namespace balvo::test {

// The coach's exact fraction: in lowest terms with a positive denominator, 128 bits, every
// step checked.
using veileder::Broek;
using veileder::broek;
using veileder::Stort;

// Each gives nothing when a step would overflow 128 bits or divide by zero.
std::optional<Broek> operator+(Broek a, Broek b);
std::optional<Broek> operator-(Broek a, Broek b);
std::optional<Broek> operator*(Broek a, Broek b);
std::optional<Broek> operator/(Broek a, Broek b);
std::string tekst(Broek b);

// Whether a side (o = 0 left, 3 right) or the line has a root part.
bool har_rot(const Ark& ark, int n, int o);
bool har_rot(const Ark& ark, int n);

// The polynomial part of one side at x.
std::optional<Broek> polynom(const Ark& ark, int n, int o, Broek x);
// Left minus right at x, for a line without root parts.
std::optional<Broek> differanse(const Ark& ark, int n, Broek x);
// The square of one side at x where it can be had without a square root: the polynomial
// squared when there is no root part, coefficient² · radicand when there is nothing else.
std::optional<Broek> sidekvadrat(const Ark& ark, int n, int o, Broek x);

// Points worth testing on a line without root parts: its rational solutions and a few small
// rationals.
std::vector<Broek> kandidater(const Ark& ark, int n);

// The first fault in the normal form of line n (a denominator that is not positive, a fraction
// not in lowest terms, a cell outside ±2^53); empty when there is none.
std::string normalformfeil(const Ark& ark, int n);

}  // namespace balvo::test
