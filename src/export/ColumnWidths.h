#pragma once

#include <QtGlobal>

#include <vector>

namespace results_list {
class ListSnapshot;
}  // namespace results_list

namespace exporting {

// The length of the longest cell (headers not counted) of each of the first `columns`
// columns over all rows, checked or not, yielding as it goes.
std::vector<qsizetype> cellWidths(const results_list::ListSnapshot& list, int columns);

}  // namespace exporting
