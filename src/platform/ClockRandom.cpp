#include "ClockRandom.h"

#include <chrono>

namespace platform {

namespace {

std::uint64_t mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

}  // namespace

void ClockRandom::reseedFromClock()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch();
    reseed(static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

void ClockRandom::reseed(std::uint64_t clockReading) { state_ = mix(state_ ^ mix(clockReading)); }

double ClockRandom::next()
{
    state_ += 0x9E3779B97F4A7C15ULL;
    return double(mix(state_) >> 11) * 0x1.0p-53;
}

}  // namespace platform
