#pragma once

#include "PickSearch.h"

#include <QString>
#include <QtGlobal>

namespace search {

// The memory the search window's list may take: a search whose finds would need more is
// refused before they are listed, since nothing can stop the search once it runs.
constexpr qint64 kMostResultBytes = qint64(1) << 30;

// What a result row costs besides its text while the search that finds it runs: its
// record, its place in the list order, its place in the batch of finds. Measured at about
// 70 bytes per 6-of-42 pick at the peak, of which 17 are the text, when finds copied their
// texts; finds that share the picks' texts and records take about 13, but a list that
// holds texts of its own still copies, so the count stays on the safe side.
constexpr qint64 kBytesPerResultRow = 56;

// What the search window's list would hold after a search: the rows it holds already,
// with the bytes of their texts, and the search's finds.
struct SearchSize {
    qint64 heldRows = 0;
    qint64 heldTextBytes = 0;
    FindCount found;
};

// The memory the results list would take once the search has run.
qint64 resultBytes(const SearchSize& size);

bool findsFit(const SearchSize& size);

// The message that refuses a search whose finds would not fit, naming their count.
QString tooManyFindsMessage(const SearchSize& size);

}  // namespace search
