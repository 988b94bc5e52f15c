#pragma once

#include "PickIndex.h"
#include "RowId.h"
#include "RowStore.h"

#include <QtGlobal>

namespace results_list {

// The most a list's rows, or one copy's text, may take: a search or copy cannot be stopped and
// rows stay, so more is refused before it starts.
inline constexpr qint64 kMostListBytes = qint64(1) << 30;

// Qt's view per row, with room for the packed texts' growth: measured (docs/PERFORMANCE.md).
inline constexpr qint64 kViewBytesPerRow = 32;

// A main list row besides its texts: record, order id, two index slots (grows at 7/10), view.
inline constexpr qint64 kListRowBytes =
    RowStore::kRecordBytes + qint64(sizeof(RowId)) + 2 * PickIndex::kSlotBytes + kViewBytesPerRow;

// A search list row besides its item text: record, order id, its find's id, view.
inline constexpr qint64 kResultRowBytes =
    RowStore::kRecordBytes + 2 * qint64(sizeof(RowId)) + kViewBytesPerRow;

}  // namespace results_list
