#pragma once

#include <QString>
#include <QtGlobal>

namespace results_list {
class ListSnapshot;
}  // namespace results_list

namespace search {

// The memory the search window's list may take: a search that could need more is refused
// before it starts, since nothing can stop it once it runs.
constexpr qint64 kMostResultBytes = qint64(1) << 30;

// What a result row costs besides its text while the search that finds it runs: its
// record, its place in the list order, its place in the batch of finds. Measured at about
// 70 bytes per 6-of-42 pick at the peak, of which 17 are the text, when finds copied their
// texts; finds that share the picks' texts and records take about 13, but a list that
// holds texts of its own still copies, so the count stays on the safe side.
constexpr qint64 kBytesPerResultRow = 56;

// A list's rows and the bytes of their texts.
struct ListSize {
    qint64 rows = 0;
    qint64 textBytes = 0;
};

ListSize listSize(const results_list::ListSnapshot& list);

// What a search is about to work on: the rows its list holds already, the source list
// and the number of terms.
struct SearchSize {
    qint64 heldRows = 0;
    ListSize source;
    qint64 terms = 0;
};

// The most rows a search can add: every source row once per term, as when every term is
// empty.
qint64 mostFinds(const SearchSize& size);

// The most memory the results list can take once the search has run. The rows it holds
// already were found in the same source, so their texts count at the source's average.
qint64 mostResultBytes(const SearchSize& size);

bool findsFit(const SearchSize& size);

// The message that refuses a search whose finds might not fit.
QString tooManyFindsMessage(const SearchSize& size);

}  // namespace search
