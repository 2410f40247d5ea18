// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lesson file: a lesson as the pupil hands it in, UTF-8 JSON with every exercise's line 0
// and every action in it, and no results: whoever reads it works the figures out again by
// replaying the actions (avspilling.h). docs/oektfil.md describes it field by field.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/mainwindow/oektlogg.h"

namespace balvo {

inline constexpr int oektfil_versjon = 1;
inline constexpr char oektfil_format[] = "balvo-okt";
// What a file may hold: beyond these it is refused before anything is replayed.
inline constexpr std::size_t oektfil_maks_bytes = 5u * 1024u * 1024u;
inline constexpr std::size_t oektfil_maks_oppgaver = 500;
inline constexpr std::size_t oektfil_maks_handlinger = 2000;  // in one exercise
inline constexpr std::size_t oektfil_maks_handlinger_i_alt = 20000;
inline constexpr std::size_t oektfil_maks_navn = 100;  // characters of the name
inline constexpr double oektfil_maks_sekunder = 7 * 24 * 3600.0;

struct Filoppgave {
    std::array<std::int64_t, 6> teller{}, nevner{};  // line 0, columns 1..6: ax²+bx+c = dx²+ex+f
    int nivaa = 1;
    bool broeker = false;
    bool egen = false;
    std::vector<Handling> handlinger;
    bool operator==(const Filoppgave&) const = default;
};

struct Oektfil {
    std::string program;    // the program that wrote it, with its version
    std::string navn;       // the pupil's name as typed; may be empty
    std::string tidspunkt;  // when it was saved, "2026-12-08T13:05:00"
    std::vector<Filoppgave> oppgaver;
    bool operator==(const Oektfil&) const = default;
};

// The program's name and version as a file and --version give them.
std::string programversjon();

// The lesson record as a file: every exercise of it, with line 0 as it stands on the sheet.
Oektfil lagoektfil(const std::vector<Loggpost>& logg, std::string navn, std::string tidspunkt);
std::string skrivoektfil(const Oektfil& fil);

struct Oektlesning {
    bool ok = false;
    Oektfil fil;
    std::string feil;          // why it could not be read, in the pupil's language
    bool navn_renset = false;  // control characters or direction marks were taken out of the name
};
// Reads a file's bytes; never throws, whatever they are.
Oektlesning lesoektfil(std::string_view tekst);

}  // namespace balvo
