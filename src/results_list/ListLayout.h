#pragma once

#include "PickIndex.h"
#include "RowOrder.h"
#include "RowStore.h"

#include <optional>

namespace results_list {

// A list's texts laid out again in list order, for a pass in list order over a sorted list
// to read memory from start to end instead of jumping about it: a long list's cache misses,
// not its bytes, are what such a pass costs (the three-term search of a sorted million rows
// needs it). The new store's ids are the rows' positions; rows and texts stay as they are.
struct ListLayout {
    RowStore store;
    std::optional<PickIndex> index;
};

// Whether enough of a list's rows stand away from their storage order to be worth it:
// shorter lists sit in the cache whatever their order, and a longer one is laid out again
// once a quarter of its rows stand out of place.
bool worthLayingOut(qsizetype rows, qsizetype rowsOutOfPlace);

// The texts of `store` in the order of `order`, with a duplicate index over them if asked.
ListLayout laidOutInOrder(const RowStore& store, const RowOrder& order, bool withIndex);

}  // namespace results_list
