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

// Milliseconds on a monotonic clock that is only as fine as the system's timer tick (a few
// milliseconds on Linux, 10 to 16 on Windows) and costs a few nanoseconds to read, where
// QElapsedTimer's precise reading costs tens. The generator yields before every draw, tens
// of millions of times in the largest run the field help advises, which misses its time
// goal with the precise clock (docs/PERFORMANCE.md).
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
