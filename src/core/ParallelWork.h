#pragma once

#include <QtGlobal>

#include <functional>
#include <vector>

namespace core {

struct ItemRange {
    qsizetype begin = 0;
    qsizetype end = 0;
};

// Below this many items of light work, handing a stretch to another thread costs more.
constexpr qsizetype kShortestStretch = 1 << 16;

// Items 0 to count - 1 in order, a range per core, none shorter than `shortest` (at least one).
std::vector<ItemRange> rangesForCores(qsizetype count, qsizetype shortest);

// Runs work(0) to work(jobs - 1) at once, the first on the calling thread, and returns when all
// are done; a failure does not stop the others, and the first in job order is rethrown.
void runTogether(qsizetype jobs, const std::function<void(qsizetype job)>& work);

}  // namespace core
