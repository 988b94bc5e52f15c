#pragma once

#include <QtGlobal>

#include <vector>

namespace results_list {
class ListSnapshot;
}  // namespace results_list

namespace exporting {

// The length of the longest cell of each of the first `columns` columns over all rows,
// checked or not (0 for a column whose cells are all empty), yielding as it goes. Column
// headers do not count.
std::vector<qsizetype> cellWidths(const results_list::ListSnapshot& list, int columns);

}  // namespace exporting
