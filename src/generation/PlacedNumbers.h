#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory_resource>
#include <unordered_set>
#include <vector>

namespace generation {

// The numbers already placed in one pick. While the range is narrow for the pick (at most
// kBitsPerPlace numbers for each of its places), a bit per number of the range: a look-up
// is then an index, where a hash set divides and follows a pointer, and the bits take no
// more memory than the pick's own numbers. Otherwise a hash set, whose nodes come from a
// buffer inside the object while the pick is short (a handful of numbers from a wide
// range), so such a pick costs no allocation for them; a long pick goes on to the heap.
class PlacedNumbers {
public:
    // For a pick of `places` numbers from the `span` numbers that start at `lowest`.
    PlacedNumbers(std::int32_t lowest, std::int64_t span, std::size_t places);
    PlacedNumbers(const PlacedNumbers&) = delete;
    PlacedNumbers& operator=(const PlacedNumbers&) = delete;

    // Adds a number of the range; false when it was placed already.
    bool insert(std::int32_t number);
    std::size_t size() const { return size_; }

private:
    static constexpr std::int64_t kBitsPerPlace = 32;

    std::int32_t lowest_;
    std::vector<bool> bits_;  // empty when the hash set holds the numbers
    std::array<std::byte, 1024> setMemory_;
    std::pmr::monotonic_buffer_resource setPool_;
    std::pmr::unordered_set<std::int32_t> set_;
    std::size_t size_ = 0;
};

}  // namespace generation
