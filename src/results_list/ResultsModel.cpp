#include "ResultsModel.h"

#include "FoldedOrder.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>
#include <utility>

namespace results_list {

namespace {

// The view lays out a cell's whole text to paint it, which for tens of millions of characters
// takes seconds and overflows the text engine: longer texts are shown cut, with an ellipsis.
constexpr qsizetype kShownBytes = 8192;

QString shownText(QByteArrayView utf8)
{
    if (utf8.size() <= kShownBytes)
        return QString::fromUtf8(utf8);
    qsizetype end = kShownBytes;
    while (end > 0 && (quint8(utf8[end]) & 0xC0) == 0x80)  // not inside a character
        --end;
    return QString::fromUtf8(utf8.first(end)) + QChar(0x2026);
}

bool inIdOrder(const std::vector<RowId>& order)
{
    RowId expected = 0;
    return std::ranges::all_of(order, [&expected](RowId id) { return id == expected++; });
}

using OrderIt = std::vector<RowId>::const_iterator;

// The first row of [from, end) greater than `id`, sought in doubling steps from `from`: the
// rows of a sorted run land close together, so each search stays among rows just read.
template <class Less>
OrderIt upperBoundNear(OrderIt from, OrderIt end, RowId id, Less less)
{
    std::ptrdiff_t step = 1;
    for (; end - from > step && !less(id, from[step]); step *= 2)
        from += step;
    return std::upper_bound(from, from + std::min(step, end - from), id, less);
}

// Inserts ids sorted by `less` (ties in the order they are to stand) into an order sorted by
// it, each after the rows not greater. From the back, each row moves once in place: a second
// vector's fresh pages cost more.
template <class Less>
void insertSortedRun(std::vector<RowId>& order, const std::vector<RowId>& sortedIds, Less less)
{
    std::vector<std::size_t> bounds(sortedIds.size());
    auto from = order.cbegin();
    for (std::size_t i = 0; i < sortedIds.size(); ++i) {
        from = upperBoundNear(from, order.cend(), sortedIds[i], less);
        bounds[i] = std::size_t(from - order.cbegin());
    }
    std::size_t unmoved = order.size();
    order.resize(order.size() + sortedIds.size());
    auto end = order.end();
    for (std::size_t i = sortedIds.size(); i-- > 0;) {
        end = std::copy_backward(order.begin() + qsizetype(bounds[i]),
                                 order.begin() + qsizetype(unmoved), end);
        *--end = sortedIds[i];
        unmoved = bounds[i];
    }
}

}  // namespace

ResultsModel::ResultsModel(DuplicateIndex index, QObject* parent) : QAbstractTableModel(parent)
{
    if (index == DuplicateIndex::Kept)
        index_.emplace(store_);
}

void ResultsModel::addColumn(const QString& header)
{
    const auto column = int(headers_.size());
    beginInsertColumns(QModelIndex(), column, column);
    headers_.append(header);
    endInsertColumns();
}

void ResultsModel::appendRow(const QString& itemText, const QString& subItemText)
{
    const RowId id = store_.add(itemText.toUtf8(), subItemText.toUtf8());
    if (index_)
        index_->insert(id);
    pending_.push_back(id);
    merges_.request();
}

void ResultsModel::appendItems(const ListSnapshot& holder, RowIds rows)
{
    const RowId first = store_.addItemsOf(holder.rows_, holder.idsOfRows(std::move(rows)));
    const RowId end = RowId(store_.idCount());
    if (first == end)
        return;
    if (index_) {
        for (RowId id = first; id < end; ++id)
            index_->insert(id);
    }
    // Onto an unsorted list the batch is one notification either way: it joins at once.
    if (!sorted_ && pending_.empty()) {
        appendRangeAtOnce(first, end - first);
        return;
    }
    for (RowId id = first; id < end; ++id)
        pending_.push_back(id);
    merges_.request();
}

// Onto an empty list, a reset: faster for the view, and nothing to lose (selection, scroll).
void ResultsModel::appendRangeAtOnce(RowId first, qsizetype count)
{
    const qsizetype position = order_.size();
    if (position == 0)
        beginResetModel();
    else
        beginInsertRows(QModelIndex(), int(position), int(position + count) - 1);
    order_.resize(std::size_t(position + count));
    std::iota(order_.begin() + position, order_.end(), first);
    if (position == 0)
        endResetModel();
    else
        endInsertRows();
}

ListSnapshot ResultsModel::snapshot()
{
    mergePending();
    if (inIdOrder(order_))
        return ListSnapshot(headers_, store_, qsizetype(order_.size()));
    return ListSnapshot(headers_, store_, order_);
}

qsizetype ResultsModel::totalRowCount() const { return qsizetype(order_.size() + pending_.size()); }

void ResultsModel::mergePending()
{
    if (!pending_.empty())
        merges_.mergeNow();
}

void ResultsModel::mergeBatch()
{
    if (pending_.empty())
        return;
    std::vector<RowId> batch = std::exchange(pending_, {});
    if (sorted_)
        insertSortedBatch(std::move(batch));
    else
        insertBatchAt(qsizetype(order_.size()), batch);
}

void ResultsModel::insertBatchAt(qsizetype position, const std::vector<RowId>& batch)
{
    beginInsertRows(QModelIndex(), int(position), int(position + qsizetype(batch.size())) - 1);
    order_.insert(order_.begin() + position, batch.begin(), batch.end());
    endInsertRows();
}

auto ResultsModel::keyLess() const
{
    return [this](RowId a, RowId b) { return compareFolded(sortKey(a), sortKey(b)) < 0; };
}

// One plain insertion when all rows fall between the same two rows, as a single row does.
void ResultsModel::insertSortedBatch(std::vector<RowId> batch)
{
    const auto less = keyLess();
    batch = sortedByKey(batch);
    const auto upperBound = [&](RowId probe) {
        return std::upper_bound(order_.begin(), order_.end(), probe, less) - order_.begin();
    };
    const qsizetype first = upperBound(batch.front());
    if (first != qsizetype(order_.size()))
        rowsOutOfPlace_ += qsizetype(batch.size());
    if (first == upperBound(batch.back()))
        insertBatchAt(first, batch);
    else
        scatterSortedBatch(batch);
}

// Each persistent index moves down by the new rows sorting before it (new rows after ties).
void ResultsModel::scatterSortedBatch(const std::vector<RowId>& sortedBatch)
{
    const auto less = keyLess();
    Q_EMIT layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before) {
        const RowId id = order_[std::size_t(index.row())];
        const auto newBefore = std::lower_bound(sortedBatch.begin(), sortedBatch.end(), id, less)
                               - sortedBatch.begin();
        after.append(createIndex(index.row() + int(newBefore), index.column()));
    }
    insertSortedRun(order_, sortedBatch, less);
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged();
}

void ResultsModel::sortAllRows(std::vector<RowId> ids)
{
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    // Each persistent index follows its row; with none, the new order needs no pass.
    std::unordered_map<RowId, int> newRowOf;
    for (const QModelIndex& index : before)
        newRowOf.emplace(order_[std::size_t(index.row())], -1);
    for (size_t row = 0; !newRowOf.empty() && row < ids.size(); ++row) {
        if (const auto found = newRowOf.find(ids[row]); found != newRowOf.end())
            found->second = int(row);
    }
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before)
        after.append(createIndex(newRowOf.at(order_[std::size_t(index.row())]), index.column()));

    order_ = std::move(ids);
    rowsOutOfPlace_ = qsizetype(order_.size());
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

std::vector<RowId> ResultsModel::sortedByKey(const std::vector<RowId>& ids) const
{
    return sortedByFoldedKey(ids, [this](RowId id) { return sortKey(id); });
}

std::vector<RowId> ResultsModel::sortedIds() const { return sortedByKey(order_); }

// A sorted list's pending rows count as out of place unmerged: merging would hold the window.
bool ResultsModel::worthLayingOut() const
{
    return results_list::worthLayingOut(
        totalRowCount(), rowsOutOfPlace_ + (sorted_ ? qsizetype(pending_.size()) : 0));
}

void ResultsModel::takeLayout(ListLayout layout)
{
    Q_ASSERT(pending_.empty() && layout.store.idCount() == qsizetype(order_.size()));
    store_ = std::move(layout.store);
    std::iota(order_.begin(), order_.end(), RowId(0));
    if (index_)
        index_.emplace(std::move(*layout.index), store_);
    rowsOutOfPlace_ = 0;
}

QString ResultsModel::text(int row, int column) const
{
    return QString::fromUtf8(store_.columnText(order_[std::size_t(row)], column));
}

void ResultsModel::removeRowAt(int row)
{
    beginRemoveRows(QModelIndex(), row, row);
    const RowId id = order_[std::size_t(row)];
    order_.erase(order_.begin() + row);
    if (index_)
        index_->remove(id);
    store_.release(id);
    endRemoveRows();
    compactIfMostlyGarbage();
}

void ResultsModel::compactIfMostlyGarbage()
{
    if (!store_.mostlyGarbage())
        return;
    std::vector<bool> live(store_.idCount());
    for (const std::vector<RowId>* ids : {&order_, &pending_}) {
        for (const RowId id : *ids)
            live[id] = true;
    }
    const std::vector<RowId> newIdOf = store_.compact(live);
    for (std::vector<RowId>* ids : {&order_, &pending_}) {
        for (RowId& id : *ids)
            id = newIdOf[id];
    }
    if (index_)
        index_->rebuild(RowId(store_.idCount()));
}

void ResultsModel::clearRows()
{
    merges_.cancel();
    beginResetModel();
    pending_ = {};
    order_ = {};
    store_ = {};
    if (index_)
        index_->clear();
    rowsOutOfPlace_ = 0;
    endResetModel();
}

void ResultsModel::setSortColumn(int column)
{
    if (column == sortColumn_)
        return;
    mergePending();
    sortColumn_ = column;
    if (sorted_)
        sortAllRows(sortedIds());
}

void ResultsModel::setSorted(bool sorted)
{
    if (sorted == sorted_)
        return;
    mergePending();
    sorted_ = sorted;
    if (sorted_)
        sortAllRows(sortedIds());
}

void ResultsModel::setSortedAs(std::vector<RowId> ids)
{
    Q_ASSERT(pending_.empty() && ids.size() == order_.size());
    sorted_ = true;
    sortAllRows(std::move(ids));
}

bool ResultsModel::containsItemText(const QString& text) const
{
    Q_ASSERT(index_);
    return index_ && index_->contains(text.toUtf8());
}

int ResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(order_.size());
}

int ResultsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(headers_.size());
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return QVariant();
    return shownText(store_.columnText(order_[std::size_t(index.row())], index.column()));
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    return headers_.value(section);
}

Qt::ItemFlags ResultsModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

}  // namespace results_list
