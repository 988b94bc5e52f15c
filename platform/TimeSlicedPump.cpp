#include "TimeSlicedPump.h"

#include "ArrivedEvents.h"
#include "CoarseClock.h"

#include <QCoreApplication>

namespace platform {

TimeSlicedPump::TimeSlicedPump() : lastPumpMs_(coarseClockMs()) {}

void TimeSlicedPump::yield()
{
    if (coarseClockMs() - lastPumpMs_ >= kSliceMs) {
        pump();
        lastPumpMs_ = coarseClockMs();
    }
}

void TimeSlicedPump::catchUp()
{
    runArrivedEventsDroppingInput();
    lastPumpMs_ = coarseClockMs();
}

void TimeSlicedPump::pump() { QCoreApplication::processEvents(); }

}  // namespace platform
