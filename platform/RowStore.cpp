#include "RowStore.h"

#include <cstring>

namespace platform {

namespace {

// Below this many released rows a compaction saves too little to be worth a pass.
constexpr qsizetype kMinGarbageRows = 1024;

}  // namespace

RowId RowStore::add(QByteArrayView itemText, QByteArrayView subItemText)
{
    const Record record{bytes_.size(), quint32(itemText.size()), quint32(subItemText.size())};
    bytes_.append(itemText);
    bytes_.append(subItemText);
    records_.push_back(record);
    return RowId(records_.size() - 1);
}

RowId RowStore::addItems(const std::vector<QByteArrayView>& itemTexts)
{
    const auto first = RowId(records_.size());
    qsizetype offset = bytes_.size();
    qsizetype total = 0;
    for (const QByteArrayView text : itemTexts)
        total += text.size();
    bytes_.resize(offset + total);
    records_.reserve(records_.size() + itemTexts.size());
    char* const out = bytes_.data();
    for (const QByteArrayView text : itemTexts) {
        std::memcpy(out + offset, text.data(), std::size_t(text.size()));
        records_.push_back(Record{offset, quint32(text.size()), 0});
        offset += text.size();
    }
    return first;
}

QByteArrayView RowStore::itemText(RowId id) const
{
    const Record& record = records_[id];
    return QByteArrayView(bytes_.constData() + record.offset, record.itemLength);
}

QByteArrayView RowStore::subItemText(RowId id) const
{
    const Record& record = records_[id];
    return QByteArrayView(bytes_.constData() + record.offset + record.itemLength,
                          record.subItemLength);
}

void RowStore::release(RowId id)
{
    Q_ASSERT(id < records_.size());
    ++releasedRows_;
}

bool RowStore::mostlyGarbage() const
{
    return releasedRows_ >= kMinGarbageRows && releasedRows_ > idCount() - releasedRows_;
}

std::vector<RowId> RowStore::compact(const std::vector<bool>& live)
{
    RowStore packed;
    std::vector<RowId> newIdOf(records_.size(), kNoRow);
    for (RowId id = 0; id < RowId(records_.size()); ++id) {
        if (live[id])
            newIdOf[id] = packed.add(itemText(id), subItemText(id));
    }
    bytes_ = std::move(packed.bytes_);
    bytes_.squeeze();
    records_ = std::move(packed.records_);
    records_.shrink_to_fit();
    releasedRows_ = 0;
    return newIdOf;
}

void RowStore::clear()
{
    bytes_ = QByteArray();
    records_ = std::vector<Record>();
    releasedRows_ = 0;
}

}  // namespace platform
