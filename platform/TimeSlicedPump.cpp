#include "TimeSlicedPump.h"

#include "ArrivedEvents.h"
#include "CoarseClock.h"

#include <QCoreApplication>

namespace platform {

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
