#pragma once

#include "PickIndex.h"
#include "RowId.h"
#include "RowStore.h"

#include <QtGlobal>

namespace results_list {

// What rows cost in memory, stated once for every bound on a list: the rows a run makes,
// the finds a search lists and the text a copy makes beside the list.

// The most memory a list's rows, or the text of one copy of a list, may take. Rows stay
// in the list, and a search or a copy cannot be stopped once it runs, so what would take
// more is refused before it starts rather than left to exhaust the machine's memory.
inline constexpr qint64 kMostListBytes = qint64(1) << 30;

// What Qt's view keeps for a row, with room for the growth of the packed texts: the one
// measured figure (docs/PERFORMANCE.md); the rest follows from the types.
inline constexpr qint64 kViewBytesPerRow = 32;

// A row of the main list besides its two texts: its record, its id in the order, two
// slots of the duplicate index (which doubles when seven tenths full) and the view's share.
inline constexpr qint64 kListRowBytes =
    RowStore::kRecordBytes + qint64(sizeof(RowId)) + 2 * PickIndex::kSlotBytes + kViewBytesPerRow;

// A row of the search window's list besides its item text: its record, its id in the
// order, its place among the search's finds, and the view's share.
inline constexpr qint64 kResultRowBytes =
    RowStore::kRecordBytes + 2 * qint64(sizeof(RowId)) + kViewBytesPerRow;

}  // namespace results_list
