#pragma once

#include "RowId.h"

#include <QtGlobal>

#include <algorithm>
#include <span>
#include <vector>

namespace results_list {

// The display order of the rows: row ids in blocks of one to two thousand, with the
// position where each block starts. Inserting in the middle moves at most one block's ids,
// so a sorted list of a million rows takes a new row in microseconds where one flat
// vector would move megabytes. The block starts are brought up to date lazily, on the
// first lookup by position after a change.
//
// The rows that stand first in the order of their ids (0, 1, 2 ...), as in a list only
// appended to, are kept as a count, "in place", rather than as ids: such a list needs no
// ids at all. Rows are spelled out as ids only once something changes among them.
class RowOrder {
public:
    qsizetype size() const { return size_; }
    RowId at(qsizetype position) const;

    // Inserts the ids, in the given order, before the row now at that position.
    void insert(qsizetype position, std::span<const RowId> ids);
    // Appends `count` ids counted up from `first`.
    void appendRange(RowId first, qsizetype count);
    void removeAt(qsizetype position);
    void clear();

    std::vector<RowId> toVector() const;
    // Whether every row's id is its position, as in a list only ever appended to or one
    // laid out again in list order: a pass that stops at the first row out of place.
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
    // each at its upper bound, keeping the order sorted. The ids go through the blocks in
    // one pass, and each block is rebuilt once with all the ids it takes, so a batch costs
    // a search within its block per id rather than a search of the whole order and a move
    // of a block's ids.
    template <class Less>
    void insertSortedRun(std::span<const RowId> sortedIds, Less less);

private:
    using Block = std::vector<RowId>;
    struct Location {
        qsizetype block;
        qsizetype offset;
    };

    void appendAll(std::span<const RowId> ids);
    std::span<const RowId> extendInPlace(std::span<const RowId> ids);
    void spellOutFrom(qsizetype position);
    template <class Less>
    Location locateUpperBound(RowId probe, Less less) const;
    template <class Less>
    qsizetype blockTaking(RowId id, qsizetype from, Less less) const;
    template <class Less>
    void mergeIntoBlock(qsizetype block, std::span<const RowId> sortedIds, Less less);
    Location locate(qsizetype position) const;
    qsizetype startOf(qsizetype block) const;
    void updateStarts() const;
    void invalidateStartsFrom(qsizetype block);
    void splitIfOversized(qsizetype block);
    void mergeIfUndersized(qsizetype block);

    std::vector<Block> blocks_;
    // starts_[b] is the position of block b's first row; valid for b < validStarts_. A
    // block added at the end needs no invalidation: it lies beyond validStarts_ anyway.
    mutable std::vector<qsizetype> starts_;
    mutable qsizetype validStarts_ = 0;
    // Positions 0 to inPlace_ - 1 hold ids 0 to inPlace_ - 1; the blocks hold the rows
    // after them.
    qsizetype inPlace_ = 0;
    qsizetype size_ = 0;
};

template <class Visit>
void RowOrder::forEach(Visit visit) const
{
    for (RowId id = 0; id < RowId(inPlace_); ++id)
        visit(id);
    for (const Block& block : blocks_) {
        for (const RowId id : block)
            visit(id);
    }
}

template <class Less>
RowOrder::Location RowOrder::locateUpperBound(RowId probe, Less less) const
{
    // The first block whose last row sorts after the probe holds the insertion point;
    // when there is none, it is the end of the last block.
    const auto block = std::partition_point(blocks_.begin(), blocks_.end(),
                                            [&](const Block& b) { return !less(probe, b.back()); });
    if (block == blocks_.end()) {
        if (blocks_.empty())
            return Location{0, 0};
        return Location{qsizetype(blocks_.size()) - 1, qsizetype(blocks_.back().size())};
    }
    const auto offset = std::upper_bound(block->begin(), block->end(), probe, less);
    return Location{block - blocks_.begin(), offset - block->begin()};
}

template <class Less>
qsizetype RowOrder::upperBound(RowId probe, Less less) const
{
    // The rows in place, sorted too, come first: the bound lies among them when the probe
    // sorts before the last of them, and a binary search finds it with each position as
    // its own id.
    if (inPlace_ > 0 && less(probe, RowId(inPlace_ - 1))) {
        qsizetype first = 0;
        for (qsizetype count = inPlace_; count > 0;) {
            const qsizetype half = count / 2;
            if (less(probe, RowId(first + half))) {
                count = half;
            } else {
                first += half + 1;
                count -= half + 1;
            }
        }
        return first;
    }
    const Location location = locateUpperBound(probe, less);
    return inPlace_ + (blocks_.empty() ? 0 : startOf(location.block) + location.offset);
}

template <class Less>
void RowOrder::insertSortedRun(std::span<const RowId> sortedIds, Less less)
{
    if (sortedIds.empty())
        return;
    // The rows in place that sort before every new id stay in place.
    spellOutFrom(upperBound(sortedIds.front(), less));
    if (blocks_.empty()) {
        appendAll(sortedIds);
        return;
    }
    qsizetype block = blockTaking(sortedIds.front(), 0, less);
    invalidateStartsFrom(block + 1);
    for (auto next = sortedIds.begin(); next != sortedIds.end();) {
        // The ids that sort before the block's last row go into it; the last block takes
        // all that remain.
        const bool last = block + 1 == qsizetype(blocks_.size());
        const RowId back = blocks_[block].back();
        const auto end = last ? sortedIds.end()
                              : std::partition_point(next, sortedIds.end(),
                                                     [&](RowId id) { return less(id, back); });
        const auto blocksBefore = qsizetype(blocks_.size());
        mergeIntoBlock(block, {next, end}, less);
        size_ += end - next;
        splitIfOversized(block);
        next = end;
        if (next != sortedIds.end())
            block = blockTaking(*next, block + qsizetype(blocks_.size()) - blocksBefore + 1, less);
    }
}

// The first block from `from` on whose last row sorts after the id; the last block when
// there is none.
template <class Less>
qsizetype RowOrder::blockTaking(RowId id, qsizetype from, Less less) const
{
    const auto block = std::partition_point(blocks_.begin() + from, blocks_.end() - 1,
                                            [&](const Block& b) { return !less(id, b.back()); });
    return block - blocks_.begin();
}

// Each id goes after the rows that do not sort after it; the ids are sorted, so each
// search starts where the one before ended.
template <class Less>
void RowOrder::mergeIntoBlock(qsizetype block, std::span<const RowId> sortedIds, Less less)
{
    Block& rows = blocks_[block];
    Block merged;
    merged.reserve(rows.size() + sortedIds.size());
    auto from = rows.cbegin();
    for (const RowId id : sortedIds) {
        const auto bound = std::upper_bound(from, rows.cend(), id, less);
        merged.insert(merged.end(), from, bound);
        merged.push_back(id);
        from = bound;
    }
    merged.insert(merged.end(), from, rows.cend());
    rows = std::move(merged);
}

}  // namespace results_list
