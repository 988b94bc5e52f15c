#include "ListSnapshot.h"

#include "AsciiText.h"

#include <cstring>
#include <numeric>
#include <utility>

namespace results_list {

namespace {

// Every UTF-8 sequence has one lead byte (any byte but 10xxxxxx); a four-byte sequence,
// led by 11110xxx, stands for a surrogate pair, two UTF-16 code units. ASCII text, the
// usual case, is one unit per byte.
qsizetype utf16Length(QByteArrayView utf8)
{
    if (core::isAscii(utf8))
        return utf8.size();
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

qint64 ListSnapshot::itemTextBytes() const
{
    qint64 bytes = 0;
    for (qsizetype row = 1; row <= rowCount(); ++row)
        bytes += cellUtf8(row, 1).size();
    return bytes;
}

ListSnapshot ListSnapshot::inListOrder(const std::function<void()>& pause, int columns) const
{
    std::vector<RowId> identity(order_.size());
    std::iota(identity.begin(), identity.end(), RowId(0));
    if (order_ == identity && rows_.idCount() == rowCount())
        return *this;
    return ListSnapshot(headers_, rows_.gathered(order_, columns > 1, pause), std::move(identity));
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

}  // namespace results_list
