#include "Utf8Buffer.h"

#include <QByteArray>

#include <algorithm>

namespace core {

Utf8Buffer::Utf8Buffer(QStringView text) : bytes_(text.size())
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x80) {
            const QByteArray utf8 = text.toUtf8();
            bytes_.resize(utf8.size());
            std::copy(utf8.begin(), utf8.end(), bytes_.begin());
            return;
        }
        bytes_[i] = char(c);
    }
}

}  // namespace core
