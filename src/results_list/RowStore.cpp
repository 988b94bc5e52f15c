#include "RowStore.h"

#include "AsciiText.h"

#include <algorithm>
#include <limits>
#include <new>
#include <numeric>

namespace results_list {

namespace {

// Below this many released rows a compaction saves too little to be worth a pass.
constexpr qsizetype kMinGarbageRows = 1024;

}  // namespace

RowStore::Record::Record(qint64 offset, qsizetype itemLength, qsizetype subItemLength)
    : offsetLow_(quint32(offset)),
      highBits_(quint32(offset >> 32) | (quint32(itemLength) << 4)),
      subItemLength_(quint32(subItemLength))
{
    if (offset >= (qint64(1) << 36) || itemLength >= (qsizetype(1) << 28)
        || subItemLength > qsizetype(std::numeric_limits<quint32>::max()))
        throw std::bad_alloc();
}

void RowStore::addRecord(const Record& record)
{
    records_.push_back(record);
    textBytes_ += qint64(record.itemLength()) + record.subItemLength();
}

void RowStore::reserveTextBytes(qint64 bytes)
{
    try {
        bytes_.reserve(bytes_.size() + qsizetype(bytes));
    } catch (const std::bad_alloc&) {
    }
}

// resize() lets the allocator grow the block in place, where append() moves and copies it.
RowId RowStore::add(QByteArrayView itemText, QByteArrayView subItemText)
{
    const Record record(bytes_.size(), itemText.size(), subItemText.size());
    bytes_.resize(record.offset() + itemText.size() + subItemText.size());
    char* const out = bytes_.data() + record.offset();
    // An empty view may have no data at all, which memcpy must not be given.
    std::copy_n(itemText.data(), itemText.size(), out);
    std::copy_n(subItemText.data(), subItemText.size(), out + itemText.size());
    allAscii_ = allAscii_ && core::isAscii(itemText) && core::isAscii(subItemText);
    addRecord(record);
    return RowId(records_.size() - 1);
}

RowId RowStore::addItemsOf(const RowStore& holder, const RowIds& ids)
{
    const auto first = RowId(idCount());
    const bool sharesTexts =
        bytes_.constData() == holder.bytes_.constData() && bytes_.size() == holder.bytes_.size();
    if (bytes_.isEmpty() || sharesTexts)
        addSharedItemsOf(holder, ids);
    else
        addCopiedItemsOf(holder, ids);
    allAscii_ = allAscii_ && holder.allAscii_;
    return first;
}

void RowStore::addSharedItemsOf(const RowStore& holder, const RowIds& ids)
{
    bytes_ = holder.bytes_;
    records_.reserve(records_.size() + qsizetype(ids.size()));
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const Record from = holder.recordOf(ids[i]);
        addRecord(Record(from.offset(), from.itemLength(), 0));
    }
}

qint64 RowStore::itemBytesOf(const RowIds& ids) const
{
    return std::accumulate(ids.begin(), ids.end(), qint64(0), [this](qint64 bytes, RowId id) {
        return bytes + recordOf(id).itemLength();
    });
}

void RowStore::addCopiedItemsOf(const RowStore& holder, const RowIds& ids)
{
    records_.reserve(records_.size() + qsizetype(ids.size()));  // not moved as it grows
    qsizetype offset = bytes_.size();
    bytes_.resize(offset + qsizetype(holder.itemBytesOf(ids)));
    char* const out = bytes_.data();
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const QByteArrayView text = holder.itemText(ids[i]);
        std::copy_n(text.data(), text.size(), out + offset);
        addRecord(Record(offset, text.size(), 0));
        offset += text.size();
    }
}

// Room for all texts first: the rows cannot take more.
RowStore RowStore::gathered(const std::vector<RowId>& ids, bool withSubItems,
                            const std::function<void()>& pause) const
{
    constexpr std::size_t kRowsBetweenPauses = 1 << 15;
    RowStore out;
    out.records_.resize(qsizetype(ids.size()));
    out.bytes_.resize(textBytes_);
    char* const to = out.bytes_.data();
    Record* const records = out.records_.data();
    qint64 offset = 0;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (i % kRowsBetweenPauses == 0)
            pause();
        const Record from = recordOf(ids[i]);
        const qsizetype subItemLength = withSubItems ? from.subItemLength() : 0;
        const qsizetype length = from.itemLength() + subItemLength;
        std::copy_n(bytes_.constData() + from.offset(), length, to + offset);
        records[i] = Record(offset, from.itemLength(), subItemLength);
        offset += length;
    }
    out.bytes_.truncate(offset);
    out.textBytes_ = offset;
    out.allAscii_ = allAscii_;
    return out;
}

void RowStore::release(RowId id)
{
    Q_ASSERT(qsizetype(id) < idCount());
    ++releasedRows_;
}

bool RowStore::mostlyGarbage() const
{
    return releasedRows_ >= kMinGarbageRows && releasedRows_ > idCount() - releasedRows_;
}

std::vector<RowId> RowStore::compact(const std::vector<bool>& live)
{
    RowStore packed;
    std::vector<RowId> newIdOf(std::size_t(idCount()), kNoRow);
    for (RowId id = 0; id < RowId(idCount()); ++id) {
        if (live[id])
            newIdOf[id] = packed.add(itemText(id), subItemText(id));
    }
    bytes_ = std::move(packed.bytes_);
    bytes_.squeeze();
    records_ = std::move(packed.records_);
    records_.squeeze();
    releasedRows_ = 0;
    textBytes_ = packed.textBytes_;
    allAscii_ = packed.allAscii_;
    return newIdOf;
}

}  // namespace results_list
