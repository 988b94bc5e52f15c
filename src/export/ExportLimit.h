#pragma once

#include <QString>

namespace forms {
class ResultsList;
}  // namespace forms

namespace exporting {

// Whether the first-column copy fits in what a list may take (results_list/RowCost.h), so a
// larger one is refused before it starts rather than exhausting memory half-way.
bool copyFits(const forms::ResultsList& list);

QString tooLargeToCopyMessage();

}  // namespace exporting
