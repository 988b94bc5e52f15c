#pragma once

#include <QtGlobal>

#include <algorithm>
#include <cstring>

namespace core {

// A short text is copied as one block of this many bytes: a copy with no call and no
// branch on its length to mispredict, which, one short text after another, costs far
// less than a library call each. The destination needs room for a whole block; what is
// written next overwrites the excess.
constexpr qsizetype kCopyBlock = 32;

// Copies `size` bytes from `from` to `to` and returns the end of the copy; `readable`
// bytes may be read from `from`, so a short text is read as a whole block only where the
// block lies in memory the caller owns.
inline char* copyText(char* to, const char* from, qsizetype size, qsizetype readable)
{
    if (size <= kCopyBlock && readable >= kCopyBlock) {
        std::memcpy(to, from, kCopyBlock);
        return to + size;
    }
    return std::copy_n(from, size, to);
}

}  // namespace core
