#pragma once

#include "PickIndex.h"
#include "RowStore.h"

#include <optional>

namespace results_list {

// A list's texts laid out again in list order, so passes over a sorted list read memory in
// order (kept for the sorted three-term search). The new store's ids are the rows' positions.
struct ListLayout {
    RowStore store;
    std::optional<PickIndex> index;
};

// Worth it once a quarter of a list too long for the cache stands out of place.
bool worthLayingOut(qsizetype rows, qsizetype rowsOutOfPlace);

ListLayout laidOutInOrder(const RowStore& store, const std::vector<RowId>& order, bool withIndex);

}  // namespace results_list
