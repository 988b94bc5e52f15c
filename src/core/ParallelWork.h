#pragma once

#include <QtGlobal>

#include <functional>

namespace core {

// How many stretches forEachStretch() cuts `count` items into: one per core, none shorter than
// light work is worth handing to another thread.
qsizetype stretchCount(qsizetype count);

// Calls work(stretch, begin, end) for each stretch of items 0 to count - 1, stretches numbered
// from 0 in item order; the first runs on the calling thread. Returns when all are done; a
// failure does not stop the others, and the first in item order is rethrown.
void forEachStretch(
    qsizetype count,
    const std::function<void(qsizetype stretch, qsizetype begin, qsizetype end)>& work);

}  // namespace core
