// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The generator's source of chance, passed in so that tests can hand it exact draws.
#include <chrono>
#include <cstdint>
#include <random>

namespace balvo {

class Tilfeldig {
public:
    virtual ~Tilfeldig() = default;
    virtual void seed_fra_klokka() = 0;
    virtual double neste() = 0;  // uniform in [0, 1)
};

class Klokketilfeldig : public Tilfeldig {
public:
    void seed_fra_klokka() override {
        if (fast_) return;
        motor_.seed(static_cast<std::uint64_t>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    }
    // The top 53 bits of a draw: the same numbers from the same seed with any standard library.
    double neste() override { return static_cast<double>(motor_() >> 11) * 0x1p-53; }
    // A fixed seed for a scripted session: the clock seeds no more, so that every shell given
    // the same seed draws the same exercises.
    void settfroe(std::uint64_t froe) {
        motor_.seed(froe);
        fast_ = true;
    }

private:
    std::mt19937_64 motor_{std::random_device{}()};
    bool fast_ = false;
};

}  // namespace balvo
