// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The coach's table of coarse distances, computed at build time (balvo_grovtabell) so that the
// page never builds it on its main thread. Packed, it is the places that have a way, each as
// index × 256 + distance; every other place has none (ingen_vei).
#include <cstdint>
#include <span>
#include <vector>

namespace balvo::nett {

std::vector<std::uint32_t> pakk_grovtabell(const std::vector<std::uint8_t>& tabell);
std::vector<std::uint8_t> pakk_ut_grovtabell(std::span<const std::uint32_t> par);

// The packed table of this build (the web edition's generated source).
extern const std::uint32_t grovtabell_par[];
extern const std::size_t grovtabell_antall;

}  // namespace balvo::nett
