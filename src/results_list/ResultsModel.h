#pragma once

#include "ListLayout.h"
#include "ListSnapshot.h"
#include "MergeSchedule.h"
#include "PickIndex.h"
#include "RowOrder.h"
#include "RowStore.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <optional>
#include <vector>

namespace results_list {

// Whether a list keeps the hash index that answers duplicate questions. Only a list whose
// owner asks them needs it; without it, appends cost less time and memory.
enum class DuplicateIndex { Kept, None };

// The rows of a results list as a table model: texts packed in a RowStore, the display
// order in a RowOrder, and a PickIndex answering duplicate questions. Rows and columns
// are counted from 0 here.
//
// Appended rows enter the store and the index at once but wait in a pending list before
// they join the display order, in batches of one model notification each: when the
// MergeSchedule says, or at once when the program reads a position (mergePending()). The
// model's rowCount() counts merged rows only, as the view must; totalRowCount() includes
// the pending ones.
class ResultsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ResultsModel(DuplicateIndex index, QObject* parent = nullptr);

    void addColumn(const QString& header);
    QString columnHeader(int column) const;

    void appendRow(const QString& itemText, const QString& subItemText);
    // Room for `bytes` more of row texts, made once (RowStore::reserveTextBytes()).
    void reserveTextBytes(qint64 bytes) { store_.reserveTextBytes(bytes); }
    // Appends rows of item texts only, in one go: those of the holder's rows numbered
    // `rows` (from 1), shared rather than copied where the list can (RowStore::addItemsOf()).
    void appendItems(const ListSnapshot& holder, RowIds rows);
    qsizetype totalRowCount() const;
    // The bytes of every text the list holds or held since it was last compacted: a bound
    // on its rows' texts, at no cost (RowStore::textBytes()).
    qint64 textBytes() const { return store_.textBytes(); }
    // Brings every pending row into the display order now.
    void mergePending();

    // The text of a merged row: column 0 is the item text, column 1 its sub-item; other
    // columns hold nothing.
    QString text(int row, int column) const;
    void removeRowAt(int row);
    void clearRows();

    // While sorted, rows stand in ascending folded text order of the sort column (ties
    // in the order they came); switching sorting on, or changing the column while on,
    // sorts the existing rows at once.
    void setSortColumn(int column);
    int sortColumn() const { return sortColumn_; }
    void setSorted(bool sorted);
    bool isSorted() const { return sorted_; }
    // Sorting turned on in two steps, for a caller that sorts on another thread while the
    // list cannot change: the rows' ids in the order sorting gives them (a const pass, once
    // pending rows are merged), then sorting turned on with that order.
    std::vector<RowId> sortedIds() const;
    void setSortedAs(const std::vector<RowId>& ids);

    // The rows' texts laid out again in list order (ListLayout), in three steps, for a
    // caller that lays out on another thread while the list cannot change: whether it is
    // worth it, the new layout (a const pass, once pending rows are merged), then the
    // layout put in.
    bool worthLayingOut() const;
    ListLayout laidOutInListOrder() const { return laidOutInOrder(store_, order_, bool(index_)); }
    void takeLayout(ListLayout layout);

    // Every row, pending ones merged first, as the list stands now.
    ListSnapshot snapshot();

    // Whether some row, merged or pending, has exactly this item text. Only for a list
    // that keeps the duplicate index.
    bool containsItemText(const QString& text) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QByteArrayView textOf(RowId id, int column) const;
    bool keyLess(RowId a, RowId b) const;
    auto keyLessFn() const
    {
        return [this](RowId a, RowId b) { return keyLess(a, b); };
    }

    void mergeBatch();
    void appendRangeAtOnce(RowId first, qsizetype count);
    void insertBatchAt(qsizetype position, const std::vector<RowId>& batch);
    void insertSortedBatch(std::vector<RowId> batch);
    void scatterSortedBatch(const std::vector<RowId>& batch);
    void sortAllRows(const std::vector<RowId>& ids);
    void compactIfMostlyGarbage();

    QStringList headers_;
    RowStore store_;
    std::optional<PickIndex> index_;
    RowOrder order_;
    std::vector<RowId> pending_;
    int sortColumn_ = 0;
    bool sorted_ = false;
    // How many rows took a place in the order away from the end of the list since the
    // texts were last laid out in list order; an upper bound on the rows out of place.
    qsizetype rowsOutOfPlace_ = 0;

    MergeSchedule merges_{[this] { mergeBatch(); }};
};

}  // namespace results_list
