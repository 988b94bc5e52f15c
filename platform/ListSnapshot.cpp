#include "ListSnapshot.h"

#include <utility>

namespace platform {

namespace {

// Every UTF-8 sequence has one lead byte (any byte but 10xxxxxx); a four-byte sequence,
// led by 11110xxx, stands for a surrogate pair, two UTF-16 code units.
qsizetype utf16Length(QByteArrayView utf8)
{
    qsizetype length = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        length += (byte & 0xC0) != 0x80;
        length += byte >= 0xF0;
    }
    return length;
}

}  // namespace

ListSnapshot::ListSnapshot(QStringList headers, RowStore rows, std::vector<RowId> order)
    : headers_(std::move(headers)), rows_(std::move(rows)), order_(std::move(order))
{
}

QByteArrayView ListSnapshot::cellUtf8(qsizetype row, int column) const
{
    const RowId id = order_[std::size_t(row - 1)];
    if (column == 1)
        return rows_.itemText(id);
    if (column == 2)
        return rows_.subItemText(id);
    return {};
}

qsizetype ListSnapshot::cellLength(qsizetype row, int column) const
{
    return utf16Length(cellUtf8(row, column));
}

}  // namespace platform
