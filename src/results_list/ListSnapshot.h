#pragma once

#include "ParallelWork.h"
#include "RowId.h"
#include "RowStore.h"

#include <QByteArrayView>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <vector>

namespace results_list {

// A results list frozen at one moment, for commands that read the whole list while they
// yield (saving, copying, searching): whatever happens to the list meanwhile, they see it
// as it was when they started. Taking one is cheap: the packed texts are shared, not
// copied. Rows and columns are numbered from 1, as in the list.
class ListSnapshot {
public:
    ListSnapshot(QStringList headers, RowStore rows, std::vector<RowId> order);
    // The first `rowCount` slots, in the order they lie: a list in id order needs no copy
    // of its order.
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
    // The cell's length in characters as the program counts them (UTF-16 code units, so a
    // character beyond the Basic Multilingual Plane counts two), without decoding the text.
    qsizetype cellLength(qsizetype row, int column) const
    {
        return lengthOf(cellUtf8(row, column));
    }
    // The length of the column's longest cell, as cellLength() counts it (0 when all are
    // empty), in a pass that reads the slots in storage order when every slot holds a row;
    // `pause` runs before every 256th row.
    qsizetype longestCell(int column, const std::function<void()>& pause) const;
    // Calls visit(row) for rows `first` to `last` in list order. A sorted list's texts lie
    // scattered about memory; the pass asks for the texts of rows a few steps ahead, so that
    // their reads overlap instead of waiting for each in turn.
    template <class Visit>
    void forEachRow(qsizetype first, qsizetype last, const Visit& visit) const
    {
        for (qsizetype row = first; row <= last; ++row) {
            prefetchAhead(row, last);
            visit(row);
        }
    }
    // itemValue(text) of every row's item text, row r's at r - 1. The texts are read in the
    // order they lie in memory, a stretch per core, where list order would jump about a
    // sorted list's storage; itemValue is called from several threads at once. A template,
    // so that the call per row is inlined.
    template <class ItemValue>
    auto itemValues(const ItemValue& itemValue) const
    {
        using Value = decltype(itemValue(QByteArrayView()));
        std::vector<Value> values(static_cast<std::size_t>(slotCount()));
        const std::vector<core::ItemRange> slots =
            core::rangesForCores(slotCount(), core::kShortestStretch);
        core::runTogether(qsizetype(slots.size()), [&](qsizetype part) {
            for (qsizetype slot = slots[part].begin; slot < slots[part].end; ++slot)
                values[std::size_t(slot)] = itemValue(rows_.itemText(RowId(slot)));
        });
        return valuesOfRows(std::move(values));
    }
    // Whether the rows' texts lie in memory in list order, with no others among them (a
    // list only ever appended to, or laid out again).
    bool storedInListOrder() const { return order_.empty() && rows_.idCount() == rowCount(); }
    // The bytes of all the texts in its storage, removed rows' included: a bound on the
    // texts of any of its rows, at no cost.
    qint64 textBytes() const { return rows_.textBytes(); }
    // Whether every text is ASCII: each cell's length is then its size in bytes.
    bool allAscii() const { return rows_.allAscii(); }
    // The bytes of the rows' item texts, counted in a pass over the rows (in the order they
    // lie in memory when that meets every row, as longestCell() reads them).
    qint64 itemTextBytes() const;

    // The same rows with the texts of their first `columns` columns laid out in list order
    // (the other cells read empty), so that a pass over the rows reads memory from start
    // to end. Worth it before several passes over a list whose order jumps about its
    // storage (a sorted list); a list already stored in its order is returned as it is.
    // `pause` runs every so often while the texts are laid out (the caller's yield).
    ListSnapshot inListOrder(const std::function<void()>& pause, int columns = 2) const;

    // The lists show no check boxes, so every row reads as checked.
    bool checked(qsizetype /*row*/) const { return true; }

private:
    // A results list appends rows of a snapshot by sharing its storage.
    friend class ResultsModel;

    // Each row's value from its slot's.
    template <class Value>
    std::vector<Value> valuesOfRows(std::vector<Value> ofSlots) const
    {
        if (order_.empty()) {
            ofSlots.resize(std::size_t(rowCount()));
            return ofSlots;
        }
        std::vector<Value> ofRows(static_cast<std::size_t>(rowCount()));
        std::transform(order_.begin(), order_.end(), ofRows.begin(),
                       [&](RowId id) { return ofSlots[id]; });
        return ofRows;
    }
    // The storage ids of rows given by number (from 1), in place.
    RowIds idsOfRows(RowIds rows) const;
    // Storage slots hold the texts in the order they lie in memory. Slots of rows removed
    // before the snapshot was taken hold texts that no row shows.
    qsizetype slotCount() const { return rows_.idCount(); }
    // Called at each row of a pass in list order that ends at row `last`.
    void prefetchAhead(qsizetype row, qsizetype last) const
    {
        rows_.readAhead(row, last + 1, [this](qsizetype at) { return idOfRow(at); });
    }
    // An empty order stands for the slots in the order they lie.
    RowId idOfRow(qsizetype row) const
    {
        return order_.empty() ? RowId(row - 1) : order_[std::size_t(row - 1)];
    }
    QByteArrayView cellOf(RowId id, int column) const
    {
        if (column == 1)
            return rows_.itemText(id);
        if (column == 2)
            return rows_.subItemText(id);
        return {};
    }
    // The id of a whole-list pass's `row`th row: when every storage slot holds a row, the
    // slots in the order they lie in memory, which meets the same rows; else list order.
    RowId passId(qsizetype row) const
    {
        return slotCount() == rowCount() ? RowId(row - 1) : idOfRow(row);
    }
    qsizetype lengthOf(QByteArrayView utf8) const
    {
        return allAscii() ? utf8.size() : utf16Length(utf8);
    }
    // Every UTF-8 sequence has one lead byte (any byte but 10xxxxxx); a four-byte
    // sequence, led by 11110xxx, stands for a surrogate pair, two UTF-16 code units.
    static qsizetype utf16Length(QByteArrayView utf8);

    QStringList headers_;
    RowStore rows_;
    std::vector<RowId> order_;
    qsizetype rowCount_;
};

}  // namespace results_list
