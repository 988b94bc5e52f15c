#include "AsciiText.h"

#include <cstring>

namespace core {

bool isAscii(QByteArrayView text)
{
    const char* byte = text.data();
    qsizetype left = text.size();
    quint64 highBits = 0;
    for (; left >= 8; byte += 8, left -= 8) {
        quint64 word;
        std::memcpy(&word, byte, sizeof word);
        highBits |= word;
    }
    for (; left > 0; ++byte, --left)
        highBits |= static_cast<unsigned char>(*byte);
    return (highBits & 0x8080808080808080ULL) == 0;
}

}  // namespace core
