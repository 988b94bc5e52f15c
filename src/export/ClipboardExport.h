#pragma once

namespace forms {
class ResultsList;
}  // namespace forms

// The clipboard export of the "Main" module.
namespace exporting {

// Copies the checked rows as they stand, a line each ending in CR LF: the first column, or
// all padded to their longest cell (not header) and tab-separated, trailing spaces removed.
// An empty list leaves the clipboard; reports its own errors; false when nothing was placed.
bool CopyListViewToClipboardTab(const forms::ResultsList& list, bool firstColumnOnly);

}  // namespace exporting
