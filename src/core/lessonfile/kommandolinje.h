// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's command line: `balvo --oversikt FIL...` writes the class overview's pupil
// table as CSV, `--help` and `--version`, all without a window.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace balvo {

// The exit status when the arguments asked for one of these; none when the window is to open.
// 0 done; 2 no file could be read, or the arguments were wrong.
std::optional<int> kommandolinje(const std::vector<std::string>& argumenter, std::ostream& ut,
                                 std::ostream& feil);

}  // namespace balvo
