#pragma once

#include "RowId.h"

#include <QByteArrayView>

#include <unordered_map>
#include <vector>

namespace results_list {

class RowStore;

// The set of item texts of a list's rows, answering "is this text some row's item text"
// in constant time. Open addressing with linear probing; each slot holds one distinct
// text, named by the id of a row that has it, with 32 bits of the text's hash beside the
// id, so most probes never touch the text buffer and growing or removing never rehashes a
// text. Rows with the same text share their slot and are counted, so a list of thousands
// of equal picks does not pile them into one long probe chain. Removal shifts later
// entries back instead of leaving tombstones.
//
// A slot may keep naming a removed row while other rows share its text: the store keeps a
// removed row's text until it is compacted, and the index is rebuilt then.
class PickIndex {
public:
    explicit PickIndex(const RowStore& store);
    // Takes over an index built over a store whose contents have since moved into `store`.
    PickIndex(PickIndex&& built, const RowStore& store);

    void insert(RowId id);
    void remove(RowId id);
    bool contains(QByteArrayView itemText) const;
    void clear();
    // Indexes anew the rows 0 to rows - 1, after the store's texts were laid out again,
    // with room made once for that many distinct texts.
    void rebuild(RowId rows);

private:
    struct Slot {
        RowId id = kNoRow;
        quint32 hash = 0;
    };

public:
    static constexpr qint64 kSlotBytes = sizeof(Slot);

private:
    static constexpr size_t kNotFound = ~size_t(0);

    static quint32 hashOf(QByteArrayView text);
    size_t homeOf(quint32 hash) const { return hash & mask_; }
    size_t next(size_t slot) const { return (slot + 1) & mask_; }
    static size_t capacityFor(size_t entries);
    void growIfFull();
    void rehash(size_t capacity);
    void place(Slot entry);
    // The slot holding this text, or kNotFound.
    size_t find(QByteArrayView itemText, quint32 hash) const;
    void shiftBackFrom(size_t hole);

    const RowStore& store_;
    std::vector<Slot> slots_;
    // How many rows beyond the first share a slot's text, by the slot's row id; only
    // texts that more than one row holds have an entry.
    std::unordered_map<RowId, quint32> sharers_;
    size_t mask_ = 0;
    size_t size_ = 0;
};

}  // namespace results_list
