#include "ListSnapshot.h"

#include <utility>

namespace platform {

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

}  // namespace platform
