#include "TimeSlicedPump.h"

#include <QCoreApplication>

namespace platform {

TimeSlicedPump::TimeSlicedPump() { sinceLastPump_.start(); }

void TimeSlicedPump::yield()
{
    if (sinceLastPump_.elapsed() >= kSliceMs)
        catchUp();
}

void TimeSlicedPump::catchUp()
{
    pump();
    sinceLastPump_.restart();
}

void TimeSlicedPump::pump() { QCoreApplication::processEvents(); }

}  // namespace platform
