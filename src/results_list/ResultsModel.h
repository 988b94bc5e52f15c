#pragma once

#include "ListLayout.h"
#include "ListSnapshot.h"
#include "MergeSchedule.h"
#include "PickIndex.h"
#include "RowStore.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <optional>
#include <vector>

namespace results_list {

// Whether a list keeps the duplicate index; without it appends cost less time and memory.
enum class DuplicateIndex { Kept, None };

// A results list as a table model (rows and columns from 0). Appended rows wait in a pending
// list and join the display order in batches, one notification each, when MergeSchedule says
// or when the program reads a position (mergePending()); rowCount() counts merged rows only.
class ResultsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ResultsModel(DuplicateIndex index, QObject* parent = nullptr);

    void addColumn(const QString& header);

    void appendRow(const QString& itemText, const QString& subItemText);
    void reserveTextBytes(qint64 bytes) { store_.reserveTextBytes(bytes); }
    // Appends the item texts of the holder's rows numbered `rows` (from 1), shared if it can.
    void appendItems(const ListSnapshot& holder, RowIds rows);
    qsizetype totalRowCount() const;
    qint64 textBytes() const { return store_.textBytes(); }
    void mergePending();

    // Column 0 is the item text, 1 its sub-item; others are empty.
    QString text(int row, int column) const;
    void removeRowAt(int row);
    void clearRows();

    // Sorted: ascending folded order of the sort column, ties as they came; sorts at once.
    void setSortColumn(int column);
    void setSorted(bool sorted);
    bool isSorted() const { return sorted_; }
    // Sorting on in two steps, for a caller sorting on another thread while the list cannot
    // change: sortedIds() (const; pending rows merged first), then setSortedAs().
    std::vector<RowId> sortedIds() const;
    void setSortedAs(std::vector<RowId> ids);

    // Laying out in list order the same way: worthLayingOut(), laidOutInListOrder(), takeLayout().
    bool worthLayingOut() const;
    ListLayout laidOutInListOrder() const { return laidOutInOrder(store_, order_, bool(index_)); }
    void takeLayout(ListLayout layout);

    // Merges pending rows first.
    ListSnapshot snapshot();

    // Whether a row, pending ones too, has exactly this item text; needs the duplicate index.
    bool containsItemText(const QString& text) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QByteArrayView sortKey(RowId id) const { return store_.columnText(id, sortColumn_); }
    auto keyLess() const;
    std::vector<RowId> sortedByKey(const std::vector<RowId>& ids) const;

    void mergeBatch();
    void appendRangeAtOnce(RowId first, qsizetype count);
    void insertBatchAt(qsizetype position, const std::vector<RowId>& batch);
    void insertSortedBatch(std::vector<RowId> batch);
    void scatterSortedBatch(const std::vector<RowId>& batch);
    void sortAllRows(std::vector<RowId> ids);
    void compactIfMostlyGarbage();

    QStringList headers_;
    RowStore store_;
    std::optional<PickIndex> index_;
    std::vector<RowId> order_;  // the display order as row ids
    std::vector<RowId> pending_;
    int sortColumn_ = 0;
    bool sorted_ = false;
    // Rows placed away from the end since the last layout: bounds the rows out of place.
    qsizetype rowsOutOfPlace_ = 0;

    MergeSchedule merges_{[this] { mergeBatch(); }};
};

}  // namespace results_list
