#pragma once

#include <QString>

namespace forms {
class ResultsList;
}  // namespace forms

// The clipboard export of the "Main" module.
namespace exporting {

// Empties the clipboard, asking up to 1000 times while another program holds it; gives
// up silently.
void ClearClipboard();

// Places plain text on the clipboard, asking up to 1000 times; whether it was placed.
// Format 0 is plain text, the only format the program uses.
bool SetClipboardText(const QString& text, int format);

// Copies the checked rows of the list to the clipboard as it stands when the copy starts,
// one line per row ending in CR LF: the first column only, or every column, each padded
// with spaces to the width of its longest cell (headers do not count) and separated by a
// tab, with the spaces at the end of each line removed. A list without rows leaves the
// clipboard as it was. Has its own error report; false when the text could not be made
// (reported) or the clipboard refused it at every attempt, so that the caller does not
// claim a copy that did not happen.
bool CopyListViewToClipboardTab(const forms::ResultsList& list, bool firstColumnOnly);

}  // namespace exporting
