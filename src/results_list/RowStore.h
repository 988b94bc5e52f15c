#pragma once

#include "RowId.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <functional>
#include <vector>

namespace results_list {

using RowIds = std::vector<RowId>;

// All rows' texts packed in one UTF-8 buffer (item text, then sort text), a 12-byte record per
// row. Released rows stay as garbage until compact(). The buffer is shared with copies and with
// stores given its rows (addItemsOf()) until either side changes it.
class RowStore {
public:
    RowId add(QByteArrayView itemText, QByteArrayView subItemText);
    // Room for `bytes` more, so a run never moves (copies) the packed texts; only a hint.
    void reserveTextBytes(qint64 bytes);
    // Appends the holder's rows `ids` as item texts, shared where it can; returns the first id.
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
    // Column 0 is the item text, 1 its sub-item; others are empty.
    QByteArrayView columnText(RowId id, int column) const
    {
        if (column == 0)
            return itemText(id);
        if (column == 1)
            return subItemText(id);
        return {};
    }
    // Bytes of every id's texts, released ones included: a bound on any of its rows' texts.
    qint64 textBytes() const { return textBytes_; }
    // Every text given since the store was made or compacted is ASCII: no decoding needed.
    bool allAscii() const { return allAscii_; }

    // Just these rows, texts packed in that order (sub-items if asked); pause() between stretches.
    RowStore gathered(const std::vector<RowId>& ids, bool withSubItems,
                      const std::function<void()>& pause) const;

    void release(RowId id);
    bool mostlyGarbage() const;
    // Keeps the live rows in id order; returns each old id's new id (kNoRow if dropped).
    std::vector<RowId> compact(const std::vector<bool>& live);

    // Ids run from 0 to idCount() - 1, released ones included.
    qsizetype idCount() const { return records_.size(); }

private:
    // A 36-bit offset, a 28-bit item length (the longest pick's text is about 24 MB) and a
    // 32-bit sort text length; beyond them the constructor throws std::bad_alloc.
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
