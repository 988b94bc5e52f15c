#pragma once

#include <QString>
#include <QtGlobal>

namespace forms {
class ResultsList;
}  // namespace forms

namespace exporting {

// The most memory a copy may take beside the list: the copy's text. A copy that could need
// more says so before it starts, rather than exhausting the machine's memory half-way. Any
// one run the program makes fits; lists that many large runs have built may not. (A save
// needs no more than its two buffers, whatever the list.)
constexpr qint64 kMostExportBytes = qint64(1) << 30;

// Whether the first-column copy of the list fits: its text, two bytes a character, with
// CR LF ending each line.
bool copyFits(const forms::ResultsList& list);

QString tooLargeToCopyMessage();

}  // namespace exporting
