#pragma once

#include "RowId.h"

#include <QtGlobal>

#include <algorithm>
#include <ranges>
#include <span>
#include <vector>

namespace results_list {

// The display order of the rows: one vector of row ids. The rows that stand first in the
// order of their ids (0, 1, 2 ...), as in a list only appended to, are kept as a count,
// "in place", rather than as ids, so such a list needs no ids at all; they are written out
// as ids once something changes among them.
class RowOrder {
public:
    qsizetype size() const { return inPlace_ + qsizetype(ids_.size()); }
    RowId at(qsizetype position) const
    {
        return position < inPlace_ ? RowId(position) : ids_[std::size_t(position - inPlace_)];
    }

    // Inserts the ids, in the given order, before the row now at that position.
    void insert(qsizetype position, std::span<const RowId> ids);
    // Appends `count` ids counted up from `first`.
    void appendRange(RowId first, qsizetype count);
    void removeAt(qsizetype position);

    std::vector<RowId> toVector() const;
    // Whether every row's id is its position, as in a list only ever appended to or one
    // laid out again in list order.
    bool inIdOrder() const;
    void assign(std::span<const RowId> ids);
    // Follows a compaction of the storage: every id becomes newIdOf[id].
    void renumber(const std::vector<RowId>& newIdOf);
    // Follows the storage laid out again in list order: every id becomes its position.
    void numberInOrder();
    template <class Visit>
    void forEach(Visit visit) const;

    // For an order that is sorted by `less` (which compares row ids by their keys): the
    // position after the last row whose key is not greater than the probe's key.
    template <class Less>
    qsizetype upperBound(RowId probe, Less less) const;
    // Inserts ids that are sorted by `less` (equal keys in the order they are to stand),
    // each at its upper bound, keeping the order sorted: a binary search per id, each
    // starting where the one before ended, then one pass from the back that moves the rows
    // after them.
    template <class Less>
    void insertSortedRun(std::span<const RowId> sortedIds, Less less);

private:
    void spellOutFrom(qsizetype position);

    // Positions 0 to inPlace_ - 1 hold ids 0 to inPlace_ - 1; ids_ holds the rows after them.
    qsizetype inPlace_ = 0;
    std::vector<RowId> ids_;
};

template <class Visit>
void RowOrder::forEach(Visit visit) const
{
    for (RowId id = 0; id < RowId(inPlace_); ++id)
        visit(id);
    for (const RowId id : ids_)
        visit(id);
}

template <class Less>
qsizetype RowOrder::upperBound(RowId probe, Less less) const
{
    return *std::ranges::partition_point(std::views::iota(qsizetype(0), size()),
                                         [&](qsizetype p) { return !less(probe, at(p)); });
}

template <class Less>
void RowOrder::insertSortedRun(std::span<const RowId> sortedIds, Less less)
{
    if (sortedIds.empty())
        return;
    // The rows in place that sort before every new id stay in place.
    spellOutFrom(upperBound(sortedIds.front(), less));
    std::vector<std::size_t> bounds(sortedIds.size());
    auto from = ids_.cbegin();
    for (std::size_t i = 0; i < sortedIds.size(); ++i) {
        from = std::upper_bound(from, ids_.cend(), sortedIds[i], less);
        bounds[i] = std::size_t(from - ids_.cbegin());
    }
    // From the back, each row moves once, within the vector: no second vector of the whole
    // order is made, whose fresh pages would cost more than the moves.
    std::size_t unmoved = ids_.size();
    ids_.resize(ids_.size() + sortedIds.size());
    auto end = ids_.end();
    for (std::size_t i = sortedIds.size(); i-- > 0;) {
        end = std::copy_backward(ids_.begin() + qsizetype(bounds[i]),
                                 ids_.begin() + qsizetype(unmoved), end);
        *--end = sortedIds[i];
        unmoved = bounds[i];
    }
}

}  // namespace results_list
