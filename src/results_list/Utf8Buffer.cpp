#include "Utf8Buffer.h"

#include <QByteArray>

#include <algorithm>

namespace results_list {

// Every character is narrowed, and whether one was not ASCII is told only at the end: a
// loop without an early exit, which the compiler does many characters at a time.
Utf8Buffer::Utf8Buffer(QStringView text) : bytes_(text.size())
{
    // Through plain pointers and a count held apart: the bytes written could otherwise
    // alias the text's own members, which would then be read again at every character.
    const char16_t* const in = text.utf16();
    char* const out = bytes_.data();
    const qsizetype count = text.size();
    char16_t allBits = 0;
    for (qsizetype i = 0; i < count; ++i) {
        allBits |= in[i];
        out[i] = char(in[i]);
    }
    if (allBits >= 0x80) {
        const QByteArray utf8 = text.toUtf8();
        bytes_.resize(utf8.size());
        std::copy(utf8.begin(), utf8.end(), bytes_.begin());
    }
}

}  // namespace results_list
