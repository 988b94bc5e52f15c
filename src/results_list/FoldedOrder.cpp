#include "FoldedOrder.h"

#include "AsciiText.h"

#include <algorithm>
#include <array>

namespace results_list {

namespace {

unsigned char folded(char c) { return static_cast<unsigned char>(core::foldAscii(c)); }

// Eight folded bytes from `from`, big-endian, zero-padded: unequal heads order as the texts.
quint64 foldedHead(QByteArrayView text, qsizetype from)
{
    quint64 head = 0;
    for (qsizetype i = from; i < from + 8; ++i)
        head = (head << 8) | (i < text.size() ? folded(text[i]) : 0);
    return head;
}

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

// Sorts on 24 folded key bytes kept by each id (a pick's sort text has 17): keys read on ties.
std::vector<RowId> sortedByFoldedKey(const std::vector<RowId>& order,
                                     const std::function<QByteArrayView(RowId)>& keyOf)
{
    constexpr int kHeadWords = 3;
    struct Keyed {
        std::array<quint64, kHeadWords> head;
        quint32 position;
        RowId id;
    };
    std::vector<Keyed> rows;
    rows.reserve(order.size());
    for (const RowId id : order) {
        const QByteArrayView key = keyOf(id);
        Keyed row{{}, quint32(rows.size()), id};
        for (int word = 0; word < kHeadWords; ++word)
            row.head[std::size_t(word)] = foldedHead(key, 8 * word);
        rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end(), [&](const Keyed& a, const Keyed& b) {
        if (a.head != b.head)
            return a.head < b.head;
        const int byKey = compareFolded(keyOf(a.id), keyOf(b.id));
        return byKey != 0 ? byKey < 0 : a.position < b.position;
    });
    std::vector<RowId> ids(rows.size());
    std::ranges::transform(rows, ids.begin(), &Keyed::id);
    return ids;
}

}  // namespace results_list
