#include "RowOrder.h"

#include <array>
#include <numeric>

namespace results_list {

namespace {

// Blocks are cut to this many rows and split once they grow past twice as many; a block
// that shrinks below a quarter of it joins a neighbour.
constexpr qsizetype kBlockRows = 1024;
constexpr qsizetype kMaxBlockRows = 2 * kBlockRows;
constexpr qsizetype kMinBlockRows = kBlockRows / 4;

}  // namespace

RowId RowOrder::at(qsizetype position) const
{
    const Location location = locate(position);
    return blocks_[location.block][location.offset];
}

void RowOrder::insert(qsizetype position, std::span<const RowId> ids)
{
    if (position == size_) {
        appendAll(ids);
        return;
    }
    const Location location = locate(position);
    Block& block = blocks_[location.block];
    block.insert(block.begin() + location.offset, ids.begin(), ids.end());
    size_ += qsizetype(ids.size());
    invalidateStartsFrom(location.block + 1);
    splitIfOversized(location.block);
}

// Fills the last block up and adds full ones, a block's worth of ids at a time.
void RowOrder::appendAll(std::span<const RowId> ids)
{
    while (!ids.empty()) {
        if (blocks_.empty() || qsizetype(blocks_.back().size()) >= kMaxBlockRows)
            blocks_.emplace_back().reserve(kMaxBlockRows);
        Block& last = blocks_.back();
        const auto piece = ids.first(std::min(ids.size(), size_t(kMaxBlockRows) - last.size()));
        last.insert(last.end(), piece.begin(), piece.end());
        size_ += qsizetype(piece.size());
        ids = ids.subspan(piece.size());
    }
}

void RowOrder::appendRange(RowId first, qsizetype count)
{
    std::array<RowId, kBlockRows> piece;
    while (count > 0) {
        const qsizetype size = std::min(count, kBlockRows);
        std::iota(piece.begin(), piece.begin() + size, first);
        appendAll(std::span(piece).first(std::size_t(size)));
        first += RowId(size);
        count -= size;
    }
}

void RowOrder::removeAt(qsizetype position)
{
    const Location location = locate(position);
    Block& block = blocks_[location.block];
    block.erase(block.begin() + location.offset);
    --size_;
    invalidateStartsFrom(location.block);
    if (block.empty())
        blocks_.erase(blocks_.begin() + location.block);
    else
        mergeIfUndersized(location.block);
}

void RowOrder::clear()
{
    blocks_ = std::vector<Block>();
    starts_ = std::vector<qsizetype>();
    validStarts_ = 0;
    size_ = 0;
}

std::vector<RowId> RowOrder::toVector() const
{
    std::vector<RowId> ids;
    ids.reserve(size_);
    for (const Block& block : blocks_)
        ids.insert(ids.end(), block.begin(), block.end());
    return ids;
}

bool RowOrder::inIdOrder() const
{
    RowId position = 0;
    for (const Block& block : blocks_) {
        for (const RowId id : block) {
            if (id != position++)
                return false;
        }
    }
    return true;
}

void RowOrder::assign(std::span<const RowId> ids)
{
    clear();
    for (size_t from = 0; from < ids.size(); from += kBlockRows) {
        const auto piece = ids.subspan(from, std::min(ids.size() - from, size_t(kBlockRows)));
        blocks_.emplace_back(piece.begin(), piece.end());
    }
    size_ = qsizetype(ids.size());
}

void RowOrder::numberInOrder()
{
    RowId position = 0;
    for (Block& block : blocks_) {
        for (RowId& id : block)
            id = position++;
    }
}

void RowOrder::renumber(const std::vector<RowId>& newIdOf)
{
    for (Block& block : blocks_) {
        for (RowId& id : block)
            id = newIdOf[id];
    }
}

RowOrder::Location RowOrder::locate(qsizetype position) const
{
    Q_ASSERT(position >= 0 && position < size_);
    updateStarts();
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), position);
    const qsizetype block = (after - starts_.begin()) - 1;
    return Location{block, position - starts_[block]};
}

qsizetype RowOrder::startOf(qsizetype block) const
{
    updateStarts();
    return starts_[block];
}

void RowOrder::updateStarts() const
{
    const auto count = qsizetype(blocks_.size());
    // Sized on every update: a block removed, or joined to the one before it, leaves its
    // start behind, which a lookup past it would take for a block of its own.
    starts_.resize(std::size_t(count));
    for (qsizetype b = validStarts_; b < count; ++b)
        starts_[b] = b == 0 ? 0 : starts_[b - 1] + qsizetype(blocks_[b - 1].size());
    validStarts_ = count;
}

void RowOrder::invalidateStartsFrom(qsizetype block)
{
    validStarts_ = std::min(validStarts_, block);
}

// Cuts an oversized block into even pieces of about kBlockRows, so the next inserts into
// either piece find room without another split. Like mergeIfUndersized(), it leaves the
// block starts to its caller, which has invalidated them from the changed block on.
void RowOrder::splitIfOversized(qsizetype block)
{
    const auto rows = qsizetype(blocks_[block].size());
    if (rows <= kMaxBlockRows)
        return;
    const qsizetype pieces = (rows + kBlockRows - 1) / kBlockRows;
    std::vector<Block> tail;
    for (qsizetype piece = 1; piece < pieces; ++piece) {
        const auto from = blocks_[block].begin() + rows * piece / pieces;
        const auto to = blocks_[block].begin() + rows * (piece + 1) / pieces;
        tail.emplace_back(from, to);
    }
    blocks_[block].resize(rows / pieces);
    blocks_[block].shrink_to_fit();  // the room of the rows moved out is not kept
    blocks_.insert(blocks_.begin() + block + 1, std::make_move_iterator(tail.begin()),
                   std::make_move_iterator(tail.end()));
}

// Joins a block that removals left small to a neighbour, so the number of blocks (and
// the cost of finding a position) stays proportional to the rows.
void RowOrder::mergeIfUndersized(qsizetype block)
{
    const auto count = qsizetype(blocks_.size());
    if (qsizetype(blocks_[block].size()) >= kMinBlockRows || count < 2)
        return;
    const qsizetype first = block + 1 < count ? block : block - 1;
    Block& into = blocks_[first];
    Block& from = blocks_[first + 1];
    if (qsizetype(into.size() + from.size()) > kMaxBlockRows)
        return;
    into.insert(into.end(), from.begin(), from.end());
    blocks_.erase(blocks_.begin() + first + 1);
}

}  // namespace results_list
