#pragma once

#include "RowId.h"
#include "RowStore.h"

#include <QByteArrayView>
#include <QStringList>

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
    // Storage slots hold the rows' texts in the order they lie in memory, so a pass over
    // the slots reads the packed texts from start to end, where a pass in list order may
    // jump about (a sorted list). Slots of rows removed before the snapshot was taken
    // hold texts that no row shows.
    qsizetype slotCount() const { return rows_.idCount(); }
    QByteArrayView slotItemUtf8(qsizetype slot) const { return rows_.itemText(RowId(slot)); }
    qsizetype slotOfRow(qsizetype row) const { return qsizetype(idOfRow(row)); }
    // For a pass in list order that reads the item texts where they lie, called at each
    // row: asks for the record of the row kAhead rows on and for the item text of the row
    // half as far on (whose record the call kAhead / 2 rows before asked for), so that the
    // scattered reads of a sorted list overlap instead of waiting for each in turn.
    void prefetchAhead(qsizetype row) const
    {
        constexpr qsizetype kAhead = 16;
        if (row + kAhead <= rowCount())
            rows_.prefetchRecord(idOfRow(row + kAhead));
        if (row + kAhead / 2 <= rowCount())
            rows_.prefetchItemText(idOfRow(row + kAhead / 2));
    }
    // How many bytes may be read from the start of one of its texts: the rest of the
    // packed texts the text lies in (none for a cell without a text of its own), so that
    // a short text can be read a step or a block at a time.
    qsizetype readableFrom(QByteArrayView text) const;
    // The slots' texts as they lie in memory: slots in order, each one's item text then
    // its sort text, so one pass can search them all.
    QByteArrayView packedSlotTexts() const { return rows_.packedTexts(); }
    // The bytes of all the slots' texts, each slot counted once: a bound on the texts of
    // any of its rows, at no cost.
    qint64 textBytes() const { return rows_.textBytes(); }
    // Whether every text is ASCII: each cell's length is then its size in bytes.
    bool allAscii() const { return rows_.allAscii(); }
    // The bytes of the rows' item texts, counted in a pass over the rows (in storage order
    // when every slot holds a row, as longestCell() reads them).
    qint64 itemTextBytes() const;
    // The storage behind the snapshot, whose texts a list may share.
    const RowStore& storage() const { return rows_; }

    // The same rows with the texts of their first `columns` columns laid out in list order
    // (the other cells read empty), so that a pass over the rows reads memory from start
    // to end. Worth it before several passes over a list whose order jumps about its
    // storage (a sorted list); a list already stored in its order is returned as it is.
    // `pause` runs every so often while the texts are laid out (the caller's yield).
    ListSnapshot inListOrder(const std::function<void()>& pause, int columns = 2) const;

    // The lists show no check boxes, so every row reads as checked.
    bool checked(qsizetype /*row*/) const { return true; }

private:
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
