#include "Utf8Buffer.h"

#include <QByteArray>

#include <algorithm>

namespace results_list {

// Narrows every character with no early exit, so the compiler vectorizes the loop; through
// plain pointers, as writes could otherwise alias the text's members and force re-reads.
Utf8Buffer::Utf8Buffer(QStringView text) : bytes_(text.size())
{
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
