#pragma once
// The worksheet: four tables of equation lines, the operation record of each line, the
// position counters, the operand being typed and the drawing pen. Plain data.
#include <array>
#include <string>
#include <string_view>

#include "core/model/heltall.h"

namespace balvo {

inline constexpr int antall_linjer = 100;
inline constexpr int antall_kolonner = 8;
inline constexpr int siste_linje = antall_linjer - 1;

using Linjetabell = std::array<std::array<Celle, antall_kolonner>, antall_linjer>;

// Operation symbols: the chosen operation, the per-line record and the cases of regnut.
namespace symbol {
inline constexpr std::string_view legg_til = "+";
inline constexpr std::string_view trekk_fra = "-";
inline constexpr std::string_view gang = "*";
inline constexpr std::string_view del = ":";
inline constexpr std::string_view rot = "r";
inline constexpr std::string_view kvadrer = "k";
inline constexpr std::string_view snu = "+/-";
inline constexpr std::string_view bytt = "bytt";
}  // namespace symbol

struct Ark {
    // Line n, column j. teller/nevner: columns 1..3 left x², x, constant; 4..6 right.
    // rotteller/rotnevner: 0 left root coefficient, 1..3 left radicand, 4..6 right radicand,
    // 7 the right side's ± root coefficient. A never-written cell reads as 0.
    Linjetabell teller{};
    Linjetabell nevner{};
    Linjetabell rotteller{};
    Linjetabell rotnevner{};

    // The operation applied to line n to get line n+1.
    std::array<std::string, antall_linjer> linjeopr{};
    std::array<Celle, antall_linjer> linjeteller{};
    std::array<Celle, antall_linjer> linjenevner{};
    std::array<int, antall_linjer> linjepotens{};  // 0 none, 1 x, 2 x²

    int linjenr = 0;     // current line: the one the next operation applies to
    int sistelinje = 0;  // last line that exists
    int rad = 0;         // visible row 0..4 of the current line

    // The operand being built on the keypad.
    std::string regneart;
    std::string tellertekst;
    std::string nevnertekst;
    bool minus = false;
    bool nevnermodus = false;
    bool medx = false;
    bool medx2 = false;

    double xpos = 0;  // pen position in points while a line or operand field is drawn
};

// Writes the cleared state into line i: 0 = 0, radicands the constant 1, no operation.
void toemlinje(Ark& ark, int i);

// Whether line n reads x = number (left exactly 1/1·x, no x on the right).
bool loest(const Ark& ark, int n);

}  // namespace balvo
