#pragma once

#include "ParallelWork.h"
#include "RowId.h"
#include "RowStore.h"

#include <QByteArrayView>
#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

namespace results_list {

// A results list frozen when taken, for commands that read it whole while they yield (save,
// copy, search); cheap, as the packed texts are shared. Rows and columns count from 1.
class ListSnapshot {
public:
    ListSnapshot(QStringList headers, RowStore rows, std::vector<RowId> order);
    // The first `rowCount` slots in storage order: a list in id order needs no copied order.
    ListSnapshot(QStringList headers, RowStore rows, qsizetype rowCount);

    int columnCount() const { return int(headers_.size()); }
    QString columnHeader(int column) const { return headers_.value(column - 1); }
    qsizetype rowCount() const { return rowCount_; }

    // Column 1 is the row's item text, column 2 its first sub-item; others are empty.
    QByteArrayView cellUtf8(qsizetype row, int column) const
    {
        return cellOf(idOfRow(row), column);
    }
    QString cell(qsizetype row, int column) const
    {
        return QString::fromUtf8(cellUtf8(row, column));
    }
    // Length in UTF-16 code units, as the program counts characters, without decoding.
    qsizetype cellLength(qsizetype row, int column) const
    {
        return lengthOf(cellUtf8(row, column));
    }
    // The longest cellLength() of the column (0 if none); `pause` runs before every 256th row.
    qsizetype longestCell(int column, const std::function<void()>& pause) const;
    // Copies of `visitor`, one for each stretch of rows, in stretch order; each is given its
    // stretch's rows in list order as visitor(row, item text), stretches on several threads.
    template <class Visitor>
    std::vector<Visitor> visitItems(const Visitor& visitor) const
    {
        std::vector<Visitor> visitors(std::size_t(core::stretchCount(rowCount())), visitor);
        core::forEachStretch(rowCount(), [&](qsizetype stretch, qsizetype begin, qsizetype end) {
            Visitor visit = visitor;  // its own copy: the others' may share its cache line
            for (qsizetype row = begin + 1; row <= end; ++row)
                visit(row, rows_.itemText(idOfRow(row)));
            visitors[std::size_t(stretch)] = std::move(visit);
        });
        return visitors;
    }
    bool storedInListOrder() const { return order_.empty() && rows_.idCount() == rowCount(); }
    // Bytes of all stored texts, removed rows' included: a free bound on any rows' texts.
    qint64 textBytes() const { return rows_.textBytes(); }
    bool allAscii() const { return rows_.allAscii(); }
    qint64 itemTextBytes() const;

    // The rows with their first `columns` columns' texts in list order (others empty).
    ListSnapshot inListOrder(const std::function<void()>& pause, int columns = 2) const;

    // The lists show no check boxes, so every row reads as checked.
    bool checked(qsizetype /*row*/) const { return true; }

private:
    // A results list appends rows of a snapshot by sharing its storage.
    friend class ResultsModel;

    // The storage ids of rows given by number (from 1), in place.
    RowIds idsOfRows(RowIds rows) const;
    // Slots hold texts in storage order; those of rows removed before the snapshot show nowhere.
    qsizetype slotCount() const { return rows_.idCount(); }
    // An empty order stands for the slots in the order they lie.
    RowId idOfRow(qsizetype row) const
    {
        return order_.empty() ? RowId(row - 1) : order_[std::size_t(row - 1)];
    }
    QByteArrayView cellOf(RowId id, int column) const { return rows_.columnText(id, column - 1); }
    // A whole-list pass's id for `row`: storage order when every slot is a row, else list order.
    RowId passId(qsizetype row) const
    {
        return slotCount() == rowCount() ? RowId(row - 1) : idOfRow(row);
    }
    qsizetype lengthOf(QByteArrayView utf8) const
    {
        return allAscii() ? utf8.size() : utf16Length(utf8);
    }
    // One per lead byte (not 10xxxxxx), two for a 4-byte sequence's (a surrogate pair).
    static qsizetype utf16Length(QByteArrayView utf8);

    QStringList headers_;
    RowStore rows_;
    std::vector<RowId> order_;
    qsizetype rowCount_;
};

}  // namespace results_list
