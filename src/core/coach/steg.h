// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One step of the keypad as the coach takes it, the steps it tries from a line, and a scratch
// worksheet on which a step is carried out by the engine exactly as "Utfør" does.
#include <memory>
#include <optional>
#include <vector>

#include "core/coach/tilstand.h"

namespace balvo {

// An operation with its operand as the pupil would type it: the sign in the numerator, the
// denominator positive, both at most 32767; potens 1 for x, 2 for x².
struct Steg {
    Operasjon operasjon = Operasjon::ingen;
    Celle teller = 1;
    Celle nevner = 1;
    int potens = 0;
    bool operator==(const Steg&) const = default;
};

// The largest number an operand may have above or below its bar.
inline constexpr Celle stoerste_operand = 32767;

class Kladd {
public:
    Kladd();
    ~Kladd();
    Kladd(const Kladd&) = delete;
    Kladd& operator=(const Kladd&) = delete;

    // The steps the keypad leaves usable on line s that the coach tries, most natural first:
    // cancelling each term (right x², right x, left constant, left x², left x, right
    // constant), completing the square on either side, changing signs, multiplying or dividing
    // by a coefficient, by −1 or by the denominators' least common multiple, swapping sides,
    // the square root, squaring, and multiplying or dividing by x.
    void kandidater(const Tilstand& s, std::vector<Steg>& ut);

    // Line s after the step, reduced, or nothing when the engine refuses the result.
    std::optional<Tilstand> utfoer(const Tilstand& s, const Steg& steg);
    // Whether the line that utfoer wrote last reads x = number.
    bool loest() const;
    // The scratch worksheet: line 1 is the line that utfoer wrote last.
    const Ark& ark() const { return *ark_; }

private:
    std::unique_ptr<Ark> ark_;
};

}  // namespace balvo
