#pragma once

#include <QString>

#include <cstdint>

namespace generation {

// The most numbers one run may make, its picks together. Every pick of a run is held
// whole while it is drawn and written, and every row stays in the list, so a run is
// bounded before it starts rather than left to exhaust the machine's memory.
inline constexpr std::int64_t kRunNumberLimit = 2'000'000;

// The count per pick that a run of `picksTyped` picks (the value as typed; a run makes at
// least one pick) must stay below.
std::int64_t numbersPerPickLimit(double picksTyped);

// "Number Of Numbers - Please keep to less than 2,000,000." for a limit of 2,000,000.
QString tooManyNumbersMessage(std::int64_t limit);

}  // namespace generation
