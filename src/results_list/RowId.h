#pragma once

#include <QtGlobal>

namespace results_list {

// A row's id in the storage: it stays while the row moves and changes only on compaction.
using RowId = quint32;
constexpr RowId kNoRow = 0xFFFFFFFFu;

}  // namespace results_list
