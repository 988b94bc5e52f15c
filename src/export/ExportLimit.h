#pragma once

#include <QString>
#include <QtGlobal>

namespace forms {
class ResultsList;
}  // namespace forms

namespace exporting {

// Whether the first-column copy of the list fits in what a list may take
// (results_list/RowCost.h): its text, two bytes a character, with CR LF ending each line.
// A copy that could need more says so before it starts, rather than exhausting the
// machine's memory half-way. Any one run the program makes fits; lists that many large
// runs have built may not. (A save needs no more than its two buffers, whatever the list.)
bool copyFits(const forms::ResultsList& list);

QString tooLargeToCopyMessage();

}  // namespace exporting
