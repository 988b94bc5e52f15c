#pragma once

#include <QtGlobal>

namespace platform {

// Milliseconds on a monotonic clock that is only as fine as the system's timer tick (a
// few milliseconds on Linux, 10 to 16 on Windows) and costs a few nanoseconds to read:
// for a loop that asks the time on every step and only needs to notice when tens of
// milliseconds have passed. A reading means nothing on its own; subtract two.
qint64 coarseClockMs();

}  // namespace platform
