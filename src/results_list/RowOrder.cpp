#include "RowOrder.h"

#include <numeric>

namespace results_list {

void RowOrder::insert(qsizetype position, std::span<const RowId> ids)
{
    // Ids that continue the rows in place, onto an order of rows in place only, stay a count.
    while (ids_.empty() && position == inPlace_ && !ids.empty() && ids.front() == RowId(inPlace_)) {
        ++inPlace_;
        ++position;
        ids = ids.subspan(1);
    }
    spellOutFrom(position);
    ids_.insert(ids_.begin() + (position - inPlace_), ids.begin(), ids.end());
}

void RowOrder::appendRange(RowId first, qsizetype count)
{
    if (ids_.empty() && first == RowId(inPlace_)) {
        inPlace_ += count;
        return;
    }
    const std::size_t from = ids_.size();
    ids_.resize(from + std::size_t(count));
    std::iota(ids_.begin() + qsizetype(from), ids_.end(), first);
}

void RowOrder::removeAt(qsizetype position)
{
    spellOutFrom(position);
    ids_.erase(ids_.begin() + (position - inPlace_));
}

// Writes the rows in place from `position` on as ids, so that a change there can move them.
void RowOrder::spellOutFrom(qsizetype position)
{
    if (position >= inPlace_)
        return;
    std::vector<RowId> spelled(static_cast<std::size_t>(inPlace_ - position));
    std::iota(spelled.begin(), spelled.end(), RowId(position));
    ids_.insert(ids_.begin(), spelled.begin(), spelled.end());
    inPlace_ = position;
}

std::vector<RowId> RowOrder::toVector() const
{
    std::vector<RowId> ids(static_cast<std::size_t>(inPlace_));
    std::iota(ids.begin(), ids.end(), RowId(0));
    ids.insert(ids.end(), ids_.begin(), ids_.end());
    return ids;
}

bool RowOrder::inIdOrder() const
{
    for (std::size_t i = 0; i < ids_.size(); ++i) {
        if (ids_[i] != RowId(inPlace_) + i)
            return false;
    }
    return true;
}

void RowOrder::assign(std::span<const RowId> ids)
{
    inPlace_ = 0;
    ids_.assign(ids.begin(), ids.end());
}

void RowOrder::numberInOrder()
{
    inPlace_ = size();
    ids_ = {};
}

// The rows in place all hold rows, so a compaction keeps their ids.
void RowOrder::renumber(const std::vector<RowId>& newIdOf)
{
    for (RowId& id : ids_)
        id = newIdOf[id];
}

}  // namespace results_list
