#pragma once

#include "Prefetch.h"
#include "RowId.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <functional>
#include <vector>

namespace results_list {

// Ids handed over whole.
using RowIds = std::vector<RowId>;

// The texts of all rows, packed: one UTF-8 byte buffer holds each row's item text followed
// by its sort text, and a 12-byte record per row says where they lie. A million rows
// cost a few tens of bytes each and go in one deallocation. Released rows leave garbage
// behind until compact() packs the buffer again. The buffer is shared, not copied, with a
// copy of the store and with a store given another's rows (addItemsOf()), until either
// side changes it: a snapshot of a million rows, or the search window's finds, cost no
// copy of the texts.
class RowStore {
public:
    RowId add(QByteArrayView itemText, QByteArrayView subItemText);
    // Makes room for `bytes` more of texts at once, so that adding them never moves the
    // packed texts: a move of a large buffer part-way through a run would copy it all.
    // Only a hint: without the memory, nothing changes.
    void reserveTextBytes(qint64 bytes);
    // Adds rows of item texts only, in one go: the item texts of the holder's rows `ids`,
    // in that order. Returns the id of the first (the others follow in order). A store
    // with no texts of its own, or one that shares the holder's texts as they are, shares
    // them and adds only records; any other copies the texts.
    RowId addItemsOf(const RowStore& holder, const RowIds& ids);
    QByteArrayView itemText(RowId id) const
    {
        const Record record = recordOf(id);
        return QByteArrayView(bytes_.constData() + record.offset(), record.itemLength());
    }
    QByteArrayView subItemText(RowId id) const
    {
        const Record record = recordOf(id);
        return QByteArrayView(bytes_.constData() + record.offset() + record.itemLength(),
                              record.subItemLength());
    }
    // Asks for the id's record to be brought into the cache, ahead of reading its texts.
    // A record may straddle two cache lines, so both of its ends are asked for.
    void prefetchRecord(RowId id) const
    {
        const auto* record = reinterpret_cast<const char*>(&records_[id]);
        prefetch(record);
        prefetch(record + sizeof(Record) - 1);
    }
    // Asks for the start of the id's item text, best once its record is in the cache.
    void prefetchItemText(RowId id) const { prefetch(itemText(id).data()); }
    // Called at each position of a pass over scattered rows that ends before `end`, where
    // idAt(i) is the id at position i: asks for the record kRowsAhead positions on and for
    // the item text half as far on, whose record the call kRowsAhead / 2 positions before
    // asked for.
    template <class IdAt>
    void readAhead(qsizetype position, qsizetype end, const IdAt& idAt) const
    {
        if (position + kRowsAhead < end)
            prefetchRecord(idAt(position + kRowsAhead));
        if (position + kRowsAhead / 2 < end)
            prefetchItemText(idAt(position + kRowsAhead / 2));
    }
    // The bytes of every id's texts, released ones included, counted once per id: a bound
    // on the texts of any set of its rows.
    qint64 textBytes() const { return textBytes_; }
    // Whether every text the store was given is ASCII, so that a text's length in bytes is
    // its length in characters and no text needs decoding. Once a text of other
    // characters comes in, it stays false until the list is cleared or the store compacted.
    bool allAscii() const { return allAscii_; }

    // A store of just the given rows, in the given order, their texts packed in that order;
    // without sub-items, the rows keep only their item texts. Calls pause() between
    // stretches of rows, so a caller can let events in.
    RowStore gathered(const std::vector<RowId>& ids, bool withSubItems,
                      const std::function<void()>& pause) const;

    // The row's texts are no longer used; their space counts as garbage.
    void release(RowId id);
    // True when released rows outnumber live ones by enough to be worth a compaction.
    bool mostlyGarbage() const;
    // Keeps the rows marked live, in their id order, and drops the rest. Returns the new id
    // of every old id (kNoRow for dropped rows).
    std::vector<RowId> compact(const std::vector<bool>& live);

    // Ids run from 0 to idCount() - 1, released ones included.
    qsizetype idCount() const { return records_.size(); }

private:
    // Where a row's texts lie, in 12 bytes: a 36-bit offset (texts up to 64 GB), a 28-bit
    // item text length (up to 256 MB; the longest item text the program makes, a pick of
    // two million numbers behind the longest prefix, is about 24 MB) and a 32-bit sort
    // text length. Beyond those, a row counts as not fitting in memory.
    class Record {
    public:
        Record() = default;
        Record(qint64 offset, qsizetype itemLength, qsizetype subItemLength);
        qint64 offset() const { return qint64(offsetLow_) | (qint64(highBits_ & 0xF) << 32); }
        qsizetype itemLength() const { return qsizetype(highBits_ >> 4); }
        qsizetype subItemLength() const { return qsizetype(subItemLength_); }

    private:
        quint32 offsetLow_ = 0;
        quint32 highBits_ = 0;  // the offset's top four bits, then the item text length
        quint32 subItemLength_ = 0;
    };

public:
    static constexpr qint64 kRecordBytes = sizeof(Record);

private:
    Record recordOf(RowId id) const { return records_[id]; }
    bool sharesTextsOf(const RowStore& holder) const;
    void addSharedItemsOf(const RowStore& holder, const RowIds& ids);
    void addCopiedItemsOf(const RowStore& holder, const RowIds& ids);
    void addRecord(const Record& record);
    qint64 itemBytesOf(const RowIds& ids) const;

    QByteArray bytes_;
    QList<Record> records_;
    qsizetype releasedRows_ = 0;
    qint64 textBytes_ = 0;
    bool allAscii_ = true;
};

}  // namespace results_list
