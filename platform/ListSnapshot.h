#pragma once

#include "RowId.h"
#include "RowStore.h"

#include <QByteArrayView>
#include <QStringList>

#include <vector>

namespace platform {

// A results list frozen at one moment, for commands that read the whole list while they
// yield (saving, copying, searching): whatever happens to the list meanwhile, they see it
// as it was when they started. Taking one is cheap: the packed texts are shared, not
// copied. Rows and columns are numbered from 1, as in the list.
class ListSnapshot {
public:
    ListSnapshot(QStringList headers, RowStore rows, std::vector<RowId> order);

    int columnCount() const { return int(headers_.size()); }
    QString columnHeader(int column) const { return headers_.value(column - 1); }
    qsizetype rowCount() const { return qsizetype(order_.size()); }

    // Column 1 is the row's item text, column 2 its first sub-item; others are empty.
    QByteArrayView cellUtf8(qsizetype row, int column) const;
    QString cell(qsizetype row, int column) const { return QString::fromUtf8(cellUtf8(row, column)); }
    // The lists show no check boxes, so every row reads as checked.
    bool checked(qsizetype /*row*/) const { return true; }

private:
    QStringList headers_;
    RowStore rows_;
    std::vector<RowId> order_;
};

}  // namespace platform
