#pragma once

#include "Services.h"

#include <cstdint>

namespace platform {

// The production random source: a 64-bit splitmix sequence. Reseeding mixes a clock
// reading into the running state rather than replacing it, so picks reseeded within one
// tick of the clock still differ. Cheap enough to reseed before every pick.
class ClockRandom : public RandomSource {
public:
    explicit ClockRandom(std::uint64_t state = 0x853C49E6748FEA9BULL) : state_(state) {}
    void reseedFromClock() override;
    // Mixes a given clock reading into the state (reseedFromClock passes the real clock).
    void reseed(std::uint64_t clockReading);
    double next() override;

private:
    std::uint64_t nextBits();
    std::uint64_t state_;
};

}  // namespace platform
