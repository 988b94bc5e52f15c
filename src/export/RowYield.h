#pragma once

#include "Services.h"

namespace exporting {

// The exports yield before every 256th row, from the first: often enough for the pump, which
// runs once a time slice, without the clock read a yield per cell would cost.
constexpr qsizetype kRowsPerYield = 256;

inline void yieldBeforeRow(qsizetype row)
{
    if ((row - 1) % kRowsPerYield == 0)
        platform::yieldEvents();
}

}  // namespace exporting
