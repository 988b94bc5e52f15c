#pragma once

#include <QtGlobal>

namespace results_list {

// How many rows ahead a pass over scattered rows asks for a row's record; it asks for the
// row's text half as far ahead, once the record is in the cache.
inline constexpr qsizetype kRowsAhead = 16;

// Asks for the memory at the address to be brought into the cache ahead of its use, so
// that a loop over scattered rows overlaps its reads; where the compiler offers no way,
// does nothing. GCC takes the hint for no effect at all and drops a call to a function
// that only gives hints, unless the call was inlined first; the empty volatile statement
// after the hint counts as an effect and keeps such calls.
inline void prefetch(const void* address)
{
#if defined(__GNUC__)
    __builtin_prefetch(address);
    asm volatile("" : : "r"(address));
#else
    static_cast<void>(address);
#endif
}

}  // namespace results_list
