#pragma once

#include <QtGlobal>

namespace results_list {

// A row's identity in the results storage. It stays the same while the row moves in the
// display order, and changes only when the storage is compacted.
using RowId = quint32;
constexpr RowId kNoRow = 0xFFFFFFFFu;

}  // namespace results_list
