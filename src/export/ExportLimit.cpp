#include "ExportLimit.h"

#include "ListSnapshot.h"
#include "ResultsList.h"
#include "RowCost.h"

namespace exporting {

namespace {

// A character of the copy's text takes two bytes, and a UTF-8 byte makes at most one.
qint64 copyBytes(qint64 rows, qint64 itemTextBytes) { return 2 * (itemTextBytes + 2 * rows); }

}  // namespace

// All the texts bound the item texts from above at no cost; the item texts are counted,
// in a pass over a snapshot of the rows, only when that bound is too high.
bool copyFits(const forms::ResultsList& list)
{
    return copyBytes(list.rowCount(), list.textBytes()) <= results_list::kMostListBytes
           || copyBytes(list.rowCount(), list.snapshot().itemTextBytes())
                  <= results_list::kMostListBytes;
}

QString tooLargeToCopyMessage()
{
    return QStringLiteral(
        "The list is too large to copy to the clipboard. Please save it as a text file "
        "instead, or remove some picks first.");
}

}  // namespace exporting
