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
class RowOrder {
public:
    qsizetype size() const { return size_; }
    RowId at(qsizetype position) const;

    void append(RowId id);
    // Inserts the ids, in the given order, before the row now at that position.
    void insert(qsizetype position, std::span<const RowId> ids);
    void removeAt(qsizetype position);
    void clear();

    std::vector<RowId> toVector() const;
    void assign(std::span<const RowId> ids);
    // Follows a compaction of the storage: every id becomes newIdOf[id].
    void renumber(const std::vector<RowId>& newIdOf);
    template <class Visit>
    void forEach(Visit visit) const;

    // For an order that is sorted by `less` (which compares row ids by their keys): the
    // position after the last row whose key is not greater than the probe's key.
    template <class Less>
    qsizetype upperBound(RowId probe, Less less) const;
    // Inserts the id at its upper bound, keeping the order sorted.
    template <class Less>
    void insertSorted(RowId id, Less less);

private:
    using Block = std::vector<RowId>;
    struct Location {
        qsizetype block;
        qsizetype offset;
    };

    void appendAll(std::span<const RowId> ids);
    template <class Less>
    Location locateUpperBound(RowId probe, Less less) const;
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
    qsizetype size_ = 0;
};

template <class Visit>
void RowOrder::forEach(Visit visit) const
{
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
    const Location location = locateUpperBound(probe, less);
    return blocks_.empty() ? 0 : startOf(location.block) + location.offset;
}

template <class Less>
void RowOrder::insertSorted(RowId id, Less less)
{
    if (blocks_.empty()) {
        append(id);
        return;
    }
    const Location location = locateUpperBound(id, less);
    Block& block = blocks_[location.block];
    block.insert(block.begin() + location.offset, id);
    ++size_;
    invalidateStartsFrom(location.block + 1);
    splitIfOversized(location.block);
}

}  // namespace results_list
