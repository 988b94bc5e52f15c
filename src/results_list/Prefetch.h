#pragma once

#include <QtGlobal>

namespace results_list {

// Rows ahead a scattered pass asks for a record; it asks for the text half as far ahead.
inline constexpr qsizetype kRowsAhead = 16;

// A cache hint, so scattered reads overlap. GCC drops a call to a function that only hints
// unless it was inlined first; the empty volatile asm counts as an effect and keeps it.
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
