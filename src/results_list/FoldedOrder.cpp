#include "FoldedOrder.h"

#include "AsciiText.h"

#include <algorithm>

namespace results_list {

namespace {

unsigned char folded(char c) { return static_cast<unsigned char>(core::foldAscii(c)); }

}  // namespace

int compareFolded(QByteArrayView a, QByteArrayView b)
{
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const unsigned char x = folded(a[i]);
        const unsigned char y = folded(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

quint64 foldedHead(QByteArrayView text, qsizetype from)
{
    quint64 head = 0;
    for (qsizetype i = from; i < from + 8; ++i)
        head = (head << 8) | (i < text.size() ? folded(text[i]) : 0);
    return head;
}

}  // namespace results_list
