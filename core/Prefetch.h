#pragma once

namespace core {

// Asks for the memory at the address to be brought into the cache ahead of its use, so
// that a loop over scattered rows overlaps its reads; where the compiler offers no way,
// does nothing.
inline void prefetch(const void* address)
{
#if defined(__GNUC__)
    __builtin_prefetch(address);
#else
    static_cast<void>(address);
#endif
}

}  // namespace core
