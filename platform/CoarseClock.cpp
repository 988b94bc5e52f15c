#include "CoarseClock.h"

#if defined(Q_OS_WIN)
#include <windows.h>
#elif defined(Q_OS_LINUX)
#include <time.h>
#else
#include <QElapsedTimer>
#endif

namespace platform {

qint64 coarseClockMs()
{
#if defined(Q_OS_WIN)
    return qint64(GetTickCount64());
#elif defined(Q_OS_LINUX)
    // The kernel's last tick, read without asking the hardware timer.
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
#else
    QElapsedTimer now;
    now.start();
    return now.msecsSinceReference();
#endif
}

}  // namespace platform
