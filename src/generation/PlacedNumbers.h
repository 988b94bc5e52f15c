#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory_resource>
#include <unordered_set>
#include <vector>

namespace generation {

// The numbers placed in one pick: a bit each in a range of at most kBitsPerPlace a place,
// else a hash set whose nodes start in a buffer inside, so a short pick allocates none.
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
