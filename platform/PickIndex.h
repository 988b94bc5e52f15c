#pragma once

#include "RowId.h"

#include <QByteArrayView>

#include <vector>

namespace platform {

class RowStore;

// The set of row ids keyed by item text, answering "is this text some row's item text"
// in constant time. Open addressing with linear probing; each slot keeps 32 bits of the
// text's hash beside the id, so most probes never touch the text buffer and growing or
// removing never rehashes a text. Removal shifts later entries back instead of leaving
// tombstones. Equal texts may appear more than once (one entry per row).
class PickIndex {
public:
    explicit PickIndex(const RowStore& store);

    void insert(RowId id);
    void remove(RowId id);
    bool contains(QByteArrayView itemText) const;
    void clear();
    // Follows a compaction of the store: every id becomes newIdOf[id].
    void renumber(const std::vector<RowId>& newIdOf);

private:
    struct Slot {
        RowId id = kNoRow;
        quint32 hash = 0;
    };

    static quint32 hashOf(QByteArrayView text);
    size_t homeOf(quint32 hash) const { return hash & mask_; }
    size_t next(size_t slot) const { return (slot + 1) & mask_; }
    void growIfFull();
    void rehash(size_t capacity);
    void place(Slot entry);
    void shiftBackFrom(size_t hole);

    const RowStore& store_;
    std::vector<Slot> slots_;
    size_t mask_ = 0;
    size_t size_ = 0;
};

}  // namespace platform
