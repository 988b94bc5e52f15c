#include "TimeSlicedPump.h"

#include "ArrivedEvents.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#if defined(Q_OS_WIN)
#include <windows.h>
#elif defined(Q_OS_LINUX)
#include <time.h>
#endif

namespace platform {

namespace {

// Milliseconds on a monotonic clock as coarse as the system's tick but far cheaper to read
// than QElapsedTimer: the generator yields before every draw, tens of millions of times.
qint64 coarseClockMs()
{
#if defined(Q_OS_WIN)
    return qint64(GetTickCount64());
#elif defined(Q_OS_LINUX)
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
#else
    QElapsedTimer now;
    now.start();
    return now.msecsSinceReference();
#endif
}

}  // namespace

TimeSlicedPump::TimeSlicedPump() : lastPumpMs_(coarseClockMs()) {}

void TimeSlicedPump::yield()
{
    if (coarseClockMs() - lastPumpMs_ >= kSliceMs) {
        pump(Input::Deliver);
        lastPumpMs_ = coarseClockMs();
    }
}

void TimeSlicedPump::catchUp()
{
    pump(Input::Drop);
    lastPumpMs_ = coarseClockMs();
}

void TimeSlicedPump::pump(Input input)
{
    if (input == Input::Drop)
        runArrivedEventsDroppingInput();
    else
        QCoreApplication::processEvents();
}

}  // namespace platform
