#pragma once

#include <QString>

#include <cstdint>

namespace generation {

// The most numbers one pick may hold: a pick is drawn, checked and written whole in memory.
inline constexpr std::int64_t kPickNumberLimit = 2'000'000;

struct RunShape {
    std::int64_t picks = 1;           // at least 1: a run makes at least one pick
    std::int64_t numbersPerPick = 1;  // as it will be rounded
    int numberWidth = 1;              // characters of the widest number of the range, sign included
    std::int64_t prefixBytes = 0;     // the prefix as UTF-8
};

// The characters of the widest number from `lowest` to `highest` (values as typed).
int numberWidth(double lowest, double highest);

// The memory the run's rows take in the list: both texts of every pick and each row's overhead.
std::int64_t runBytes(const RunShape& shape);
// The bytes of those texts alone.
std::int64_t runTextBytes(const RunShape& shape);

// The message refusing a run that cannot be held, or empty: too many numbers for a pick or
// for memory, or too many picks when even one number a pick is too much.
QString runSizeProblem(const RunShape& shape);

}  // namespace generation
