#pragma once

#include "RowId.h"

#include <QByteArrayView>

#include <unordered_map>
#include <vector>

namespace results_list {

class RowStore;

// A list's item texts: linear probing, a slot per distinct text (a row id and 32 hash bits, so
// probes and regrowth skip the texts), rows sharing it counted so equal picks make no long chains.
// A slot may name a removed row whose text others share: the store keeps it until compaction.
class PickIndex {
public:
    explicit PickIndex(const RowStore& store) : store_(store) {}
    // Takes over an index built over a store whose contents have moved into `store`.
    PickIndex(PickIndex&& built, const RowStore& store);

    void insert(RowId id);
    void remove(RowId id);
    bool contains(QByteArrayView itemText) const;
    void clear();
    // Indexes rows 0 to rows - 1 anew, room made once, after the store's texts moved.
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
    void growIfFull();
    void rehash(size_t capacity);
    void place(Slot entry);
    size_t find(QByteArrayView itemText, quint32 hash) const;
    void shiftBackFrom(size_t hole);

    const RowStore& store_;
    std::vector<Slot> slots_;
    // Rows beyond the first sharing a slot's text, by the slot's id; shared texts only.
    std::unordered_map<RowId, quint32> sharers_;
    size_t mask_ = 0;
    size_t size_ = 0;
};

}  // namespace results_list
