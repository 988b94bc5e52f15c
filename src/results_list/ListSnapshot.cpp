#include "ListSnapshot.h"

#include "AsciiText.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace results_list {

ListSnapshot::ListSnapshot(QStringList headers, RowStore rows, std::vector<RowId> order)
    : headers_(std::move(headers)),
      rows_(std::move(rows)),
      order_(std::move(order)),
      rowCount_(qsizetype(order_.size()))
{
}

ListSnapshot::ListSnapshot(QStringList headers, RowStore rows, qsizetype rowCount)
    : headers_(std::move(headers)), rows_(std::move(rows)), rowCount_(rowCount)
{
}

qint64 ListSnapshot::itemTextBytes() const
{
    qint64 bytes = 0;
    for (qsizetype row = 1; row <= rowCount(); ++row)
        bytes += rows_.itemText(passId(row)).size();
    return bytes;
}

RowIds ListSnapshot::idsOfRows(RowIds rows) const
{
    for (RowId& row : rows)
        row = idOfRow(qsizetype(row));
    return rows;
}

ListSnapshot ListSnapshot::inListOrder(const std::function<void()>& pause, int columns) const
{
    if (storedInListOrder())
        return *this;
    // Rows in slot order, removed rows' slots after them: gather the first rowCount().
    std::vector<RowId> firstSlots;
    if (order_.empty()) {
        firstSlots.resize(std::size_t(rowCount()));
        std::iota(firstSlots.begin(), firstSlots.end(), RowId(0));
    }
    const std::vector<RowId>& order = order_.empty() ? firstSlots : order_;
    return ListSnapshot(headers_, rows_.gathered(order, columns > 1, pause), rowCount());
}

qsizetype ListSnapshot::longestCell(int column, const std::function<void()>& pause) const
{
    constexpr qsizetype kRowsPerPause = 256;
    qsizetype longest = 0;
    for (qsizetype row = 1; row <= rowCount(); ++row) {
        if ((row - 1) % kRowsPerPause == 0)
            pause();
        longest = std::max(longest, lengthOf(cellOf(passId(row), column)));
    }
    return longest;
}

qsizetype ListSnapshot::utf16Length(QByteArrayView utf8)
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

}  // namespace results_list
