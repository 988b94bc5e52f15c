#include "ColumnWidths.h"

#include "ListSnapshot.h"
#include "Services.h"

namespace exporting {

std::vector<qsizetype> cellWidths(const results_list::ListSnapshot& list, int columns)
{
    std::vector<qsizetype> widths;
    for (int c = 1; c <= columns; ++c)
        widths.push_back(list.longestCell(c, platform::yieldEvents));
    return widths;
}

}  // namespace exporting
