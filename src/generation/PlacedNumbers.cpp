#include "PlacedNumbers.h"

namespace generation {

PlacedNumbers::PlacedNumbers(std::int32_t lowest, std::int64_t span, std::size_t places)
    : lowest_(lowest),
      bits_(span <= kBitsPerPlace * std::int64_t(places) ? std::size_t(span) : 0),
      setPool_(setMemory_.data(), setMemory_.size()),
      set_(&setPool_)
{
}

bool PlacedNumbers::insert(std::int32_t number)
{
    bool added = false;
    if (bits_.empty()) {
        added = set_.insert(number).second;
    } else {
        auto bit = bits_[std::size_t(std::int64_t(number) - lowest_)];
        added = !bit;
        bit = true;
    }
    size_ += added;
    return added;
}

}  // namespace generation
