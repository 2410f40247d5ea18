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

class Klokketilfeldig final : public Tilfeldig {
public:
    void seed_fra_klokka() override {
        motor_.seed(static_cast<std::uint64_t>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    }
    double neste() override {
        const double r = fordeling_(motor_);
        return r < 1.0 ? r : 0.0;  // the distribution may round up to 1 itself
    }

private:
    std::mt19937_64 motor_{std::random_device{}()};
    std::uniform_real_distribution<double> fordeling_{0.0, 1.0};
};

}  // namespace balvo
