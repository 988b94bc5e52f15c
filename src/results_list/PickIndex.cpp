#include "PickIndex.h"

#include "RowStore.h"

#include <QHash>

#include <utility>

namespace results_list {

namespace {

constexpr size_t kMinCapacity = 64;

// Grows before the table is seven tenths full; linear probing slows down sharply beyond.
bool overLoaded(size_t size, size_t capacity) { return size * 10 >= capacity * 7; }

}  // namespace

PickIndex::PickIndex(PickIndex&& built, const RowStore& store)
    : store_(store),
      slots_(std::move(built.slots_)),
      sharers_(std::move(built.sharers_)),
      mask_(built.mask_),
      size_(built.size_)
{
}

quint32 PickIndex::hashOf(QByteArrayView text)
{
    // Folds the high half in, so the kept 32 bits depend on the whole hash.
    const auto hash = quint64(qHash(text, 0));
    return quint32(hash ^ (hash >> 32));
}

void PickIndex::insert(RowId id)
{
    const QByteArrayView text = store_.itemText(id);
    const quint32 hash = hashOf(text);
    const size_t existing = find(text, hash);
    if (existing != kNotFound) {
        ++sharers_[slots_[existing].id];
        return;
    }
    growIfFull();
    place(Slot{id, hash});
    ++size_;
}

void PickIndex::place(Slot entry)
{
    size_t slot = homeOf(entry.hash);
    while (slots_[slot].id != kNoRow)
        slot = next(slot);
    slots_[slot] = entry;
}

size_t PickIndex::find(QByteArrayView itemText, quint32 hash) const
{
    if (size_ == 0)
        return kNotFound;
    for (size_t slot = homeOf(hash); slots_[slot].id != kNoRow; slot = next(slot)) {
        if (slots_[slot].hash == hash && store_.itemText(slots_[slot].id) == itemText)
            return slot;
    }
    return kNotFound;
}

bool PickIndex::contains(QByteArrayView itemText) const
{
    return find(itemText, hashOf(itemText)) != kNotFound;
}

// The row leaves its text's slot; the slot goes with the last row that has the text.
void PickIndex::remove(RowId id)
{
    const QByteArrayView text = store_.itemText(id);
    const size_t slot = find(text, hashOf(text));
    if (slot == kNotFound)
        return;
    const auto shared = sharers_.find(slots_[slot].id);
    if (shared != sharers_.end()) {
        if (--shared->second == 0)
            sharers_.erase(shared);
        return;
    }
    shiftBackFrom(slot);
    --size_;
}

// Backward shift: later cluster entries whose home is not after the hole move back into it.
void PickIndex::shiftBackFrom(size_t hole)
{
    for (size_t slot = next(hole); slots_[slot].id != kNoRow; slot = next(slot)) {
        const size_t home = homeOf(slots_[slot].hash);
        const bool homeAfterHole = ((slot - home) & mask_) < ((slot - hole) & mask_);
        if (homeAfterHole)
            continue;
        slots_[hole] = slots_[slot];
        hole = slot;
    }
    slots_[hole] = Slot{};
}

void PickIndex::growIfFull()
{
    if (slots_.empty() || overLoaded(size_ + 1, slots_.size()))
        rehash(slots_.empty() ? kMinCapacity : slots_.size() * 2);
}

void PickIndex::rehash(size_t capacity)
{
    const std::vector<Slot> old = std::exchange(slots_, std::vector<Slot>(capacity));
    mask_ = capacity - 1;
    for (const Slot& entry : old) {
        if (entry.id != kNoRow)
            place(entry);
    }
}

void PickIndex::clear()
{
    slots_ = std::vector<Slot>();
    sharers_.clear();
    mask_ = 0;
    size_ = 0;
}

void PickIndex::rebuild(RowId rows)
{
    clear();
    size_t capacity = kMinCapacity;
    while (overLoaded(size_t(rows) + 1, capacity))
        capacity *= 2;
    rehash(capacity);
    for (RowId id = 0; id < rows; ++id)
        insert(id);
}

}  // namespace results_list
