#pragma once

#include "RowId.h"

#include <QtGlobal>

#include <algorithm>
#include <ranges>
#include <span>
#include <vector>

namespace results_list {

// The display order as row ids. Leading rows in id order (0, 1, 2 ...) are kept as a count,
// "in place", and written out as ids once something changes among them.
class RowOrder {
public:
    qsizetype size() const { return inPlace_ + qsizetype(ids_.size()); }
    RowId at(qsizetype position) const
    {
        return position < inPlace_ ? RowId(position) : ids_[std::size_t(position - inPlace_)];
    }

    void insert(qsizetype position, std::span<const RowId> ids);
    void appendRange(RowId first, qsizetype count);
    void removeAt(qsizetype position);

    std::vector<RowId> toVector() const;
    // Whether every row's id is its position.
    bool inIdOrder() const;
    void assign(std::span<const RowId> ids);
    // Follows a compaction of the storage: every id becomes newIdOf[id].
    void renumber(const std::vector<RowId>& newIdOf);
    // Follows the storage laid out again in list order: every id becomes its position.
    void numberInOrder();
    template <class Visit>
    void forEach(Visit visit) const;

    // In an order sorted by `less`, the position after the last row not greater than `probe`.
    template <class Less>
    qsizetype upperBound(RowId probe, Less less) const;
    // Inserts ids sorted by `less` (ties in the order they are to stand), each at its upper bound.
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
    // From the back, each row moves once in place: a second vector's fresh pages cost more.
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
