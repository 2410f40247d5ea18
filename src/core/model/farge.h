// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A colour as red, green and blue, 0..255 each.

namespace balvo {

struct Farge {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const Farge&, const Farge&) = default;
};

inline constexpr Farge svart{0, 0, 0};
inline constexpr Farge moerkeblaa{0, 0, 192};  // &H00C00000: the worksheet rows below the exercise
inline constexpr Farge moerkeroed{192, 0, 0};  // &H000000C0: the level

}  // namespace balvo
