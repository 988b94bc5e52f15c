#pragma once

#include "Services.h"

namespace exporting {

// The exports' loops over rows yield to the event queue before every 256th row, starting
// with the first. The pump itself runs only once per time slice; yielding every few
// hundred rows reaches it well within a slice and costs nothing at a million rows, where
// a yield per cell would cost a clock read each.
constexpr qsizetype kRowsPerYield = 256;

inline void yieldBeforeRow(qsizetype row)
{
    if ((row - 1) % kRowsPerYield == 0)
        platform::yieldEvents();
}

}  // namespace exporting
