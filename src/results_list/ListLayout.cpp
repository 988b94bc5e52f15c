#include "ListLayout.h"

namespace results_list {

namespace {

constexpr qsizetype kMinRowsToLayOut = qsizetype(1) << 18;
constexpr qsizetype kOutOfPlaceShare = 4;

}  // namespace

bool worthLayingOut(qsizetype rows, qsizetype rowsOutOfPlace)
{
    return rows >= kMinRowsToLayOut && rowsOutOfPlace * kOutOfPlaceShare >= rows;
}

ListLayout laidOutInOrder(const RowStore& store, const std::vector<RowId>& order, bool withIndex)
{
    ListLayout layout;
    layout.store = store.gathered(order, true, [] {});
    if (withIndex) {
        layout.index.emplace(layout.store);
        layout.index->rebuild(RowId(order.size()));
    }
    return layout;
}

}  // namespace results_list
