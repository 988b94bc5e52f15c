#pragma once

#include "Services.h"

#include <cstdint>

namespace platform {

// A 64-bit splitmix sequence, cheap to reseed before every pick. Reseeding mixes a clock
// reading into the state, so picks reseeded within one clock tick still differ.
class ClockRandom : public RandomSource {
public:
    explicit ClockRandom(std::uint64_t state = 0x853C49E6748FEA9BULL) : state_(state) {}
    void reseedFromClock() override;
    // Mixes a given clock reading into the state (reseedFromClock passes the real clock).
    void reseed(std::uint64_t clockReading);
    double next() override;

private:
    std::uint64_t state_;
};

}  // namespace platform
