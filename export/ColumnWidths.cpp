#include "ColumnWidths.h"

#include "ListSnapshot.h"
#include "RowYield.h"

#include <algorithm>

namespace exporting {

std::vector<qsizetype> cellWidths(const results_list::ListSnapshot& list, int columns)
{
    std::vector<qsizetype> widths;
    for (int c = 1; c <= columns; ++c) {
        qsizetype width = 0;
        for (qsizetype r = 1; r <= list.rowCount(); ++r) {
            yieldBeforeRow(r);
            width = std::max(width, list.cellLength(r, c));
        }
        widths.push_back(width);
    }
    return widths;
}

}  // namespace exporting
