#include "TimeSlicedPump.h"

#include "CoarseClock.h"

#include <QCoreApplication>

namespace platform {

TimeSlicedPump::TimeSlicedPump() : lastPumpMs_(coarseClockMs()) {}

void TimeSlicedPump::yield()
{
    if (coarseClockMs() - lastPumpMs_ >= kSliceMs)
        catchUp();
}

void TimeSlicedPump::catchUp()
{
    pump();
    lastPumpMs_ = coarseClockMs();
}

void TimeSlicedPump::pump() { QCoreApplication::processEvents(); }

}  // namespace platform
