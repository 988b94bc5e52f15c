#pragma once

#include "PickSearch.h"

#include <QString>
#include <QtGlobal>

namespace search {

// What the search window's list would hold after a search: the rows it holds already,
// with the bytes of their texts, and the search's finds.
struct SearchSize {
    qint64 heldRows = 0;
    qint64 heldTextBytes = 0;
    FindCount found;
};

// The memory the results list would take once the search has run, each row at what a
// result row costs (results_list/RowCost.h) plus its text.
qint64 resultBytes(const SearchSize& size);

// Whether that memory is within what a list may take.
bool findsFit(const SearchSize& size);

// The message that refuses a search whose finds would not fit, naming their count.
QString tooManyFindsMessage(const SearchSize& size);

}  // namespace search
