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
    if (position < inPlace_)
        return RowId(position);
    const Location location = locate(position - inPlace_);
    return blocks_[location.block][location.offset];
}

void RowOrder::insert(qsizetype position, std::span<const RowId> ids)
{
    if (position == size_) {
        appendAll(ids);
        return;
    }
    spellOutFrom(position);
    const Location location = locate(position - inPlace_);
    Block& block = blocks_[location.block];
    block.insert(block.begin() + location.offset, ids.begin(), ids.end());
    size_ += qsizetype(ids.size());
    invalidateStartsFrom(location.block + 1);
    splitIfOversized(location.block);
}

// Fills the last block up and adds full ones, a block's worth of ids at a time.
void RowOrder::appendAll(std::span<const RowId> ids)
{
    ids = extendInPlace(ids);
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

// While no block follows the rows in place, takes the leading ids that continue them (the
// next ids in turn) as rows in place; returns the ids left.
std::span<const RowId> RowOrder::extendInPlace(std::span<const RowId> ids)
{
    if (!blocks_.empty())
        return ids;
    std::size_t continuing = 0;
    while (continuing < ids.size() && ids[continuing] == RowId(inPlace_) + continuing)
        ++continuing;
    inPlace_ += qsizetype(continuing);
    size_ += qsizetype(continuing);
    return ids.subspan(continuing);
}

// Writes the rows in place from `position` on as ids, in blocks before the others, so that
// a change there can move them.
void RowOrder::spellOutFrom(qsizetype position)
{
    if (position >= inPlace_)
        return;
    std::vector<Block> spelled;
    for (qsizetype from = position; from < inPlace_; from += kBlockRows) {
        Block& block = spelled.emplace_back(std::size_t(std::min(kBlockRows, inPlace_ - from)));
        std::iota(block.begin(), block.end(), RowId(from));
    }
    blocks_.insert(blocks_.begin(), std::make_move_iterator(spelled.begin()),
                   std::make_move_iterator(spelled.end()));
    inPlace_ = position;
    invalidateStartsFrom(0);
}

void RowOrder::appendRange(RowId first, qsizetype count)
{
    if (blocks_.empty() && first == RowId(inPlace_)) {
        inPlace_ += count;
        size_ += count;
        return;
    }
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
    spellOutFrom(position);
    const Location location = locate(position - inPlace_);
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
    inPlace_ = 0;
    size_ = 0;
}

std::vector<RowId> RowOrder::toVector() const
{
    std::vector<RowId> ids;
    ids.reserve(std::size_t(size_));
    ids.resize(std::size_t(inPlace_));
    std::iota(ids.begin(), ids.end(), RowId(0));
    for (const Block& block : blocks_)
        ids.insert(ids.end(), block.begin(), block.end());
    return ids;
}

bool RowOrder::inIdOrder() const
{
    auto position = RowId(inPlace_);
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
    const qsizetype size = size_;
    clear();
    inPlace_ = size_ = size;
}

void RowOrder::renumber(const std::vector<RowId>& newIdOf)
{
    spellOutFrom(0);
    for (Block& block : blocks_) {
        for (RowId& id : block)
            id = newIdOf[id];
    }
}

// Where the row at `position` among the blocks' rows (after those in place) lies.
RowOrder::Location RowOrder::locate(qsizetype position) const
{
    Q_ASSERT(position >= 0 && position < size_ - inPlace_);
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
