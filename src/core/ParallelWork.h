#pragma once

#include <QtGlobal>

#include <functional>

namespace core {

// Calls work(begin, end) over items 0 to count - 1 cut into one stretch per core, none shorter
// than light work is worth handing to another thread; the first stretch runs on the calling
// thread. Returns when all are done; a failure does not stop the others, and the first in
// item order is rethrown.
void forEachStretch(qsizetype count,
                    const std::function<void(qsizetype begin, qsizetype end)>& work);

}  // namespace core
