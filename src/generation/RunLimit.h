#pragma once

#include <QString>

#include <cstdint>

namespace generation {

// The most numbers one pick may hold: a pick is drawn, checked and written whole, at
// about 180 bytes a number at its peak.
inline constexpr std::int64_t kPickNumberLimit = 2'000'000;

// The shape of a run as its fields give it.
struct RunShape {
    std::int64_t picks = 1;           // at least 1: a run makes at least one pick
    std::int64_t numbersPerPick = 1;  // as it will be rounded
    int numberWidth = 1;              // characters of the widest number of the range, sign included
    std::int64_t prefixBytes = 0;     // the prefix as UTF-8
};

// The characters of the widest number from `lowest` to `highest` (values as typed).
int numberWidth(double lowest, double highest);

// The memory the run's rows will take in the list: both texts of every pick, prefix
// included, and each row's overhead.
std::int64_t runBytes(const RunShape& shape);
// The bytes of those texts alone.
std::int64_t runTextBytes(const RunShape& shape);

// Why the run cannot be held, as the message that refuses it, or empty when it can: too
// many numbers for one pick, too many for the run's memory, or (when even one number a
// pick is too much, as behind a long prefix) too many picks.
QString runSizeProblem(const RunShape& shape);

}  // namespace generation
