#pragma once

#include <QtGlobal>

#include <functional>
#include <vector>

namespace core {

// Items `begin` to `end` (not included) of a piece of work.
struct ItemRange {
    qsizetype begin = 0;
    qsizetype end = 0;
};

// Below this many items of light work (a row's text tested, a record made), a stretch is
// not worth handing to another thread: the hand-over costs more.
constexpr qsizetype kShortestStretch = 1 << 16;

// Items 0 to count - 1 cut into one range per processor core, in order, none shorter than
// `shortest` items: a single range when there are fewer, since handing a stretch to another
// thread costs more than a short stretch of work.
std::vector<ItemRange> rangesForCores(qsizetype count, qsizetype shortest);

// Runs work(0) to work(jobs - 1) at the same time, the first on the calling thread and the
// others on a pool of threads kept for the purpose, and returns once all are done. A job
// that throws does not stop the others; the first job's failure, in job order, is rethrown.
void runTogether(qsizetype jobs, const std::function<void(qsizetype job)>& work);

}  // namespace core
