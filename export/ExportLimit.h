#pragma once

#include <QString>
#include <QtGlobal>

namespace results_list {
class ListSnapshot;
}  // namespace results_list

namespace exporting {

// The most memory a copy or a save may take beside the list: the copy's text, or the
// save's texts laid out in list order. An export that could need more says so before it
// starts, rather than exhausting the machine's memory half-way. Any one run the program
// makes fits; lists that many large runs have built may not.
constexpr qint64 kMostExportBytes = qint64(1) << 30;

// Whether the first-column copy of the list fits: its text, two bytes a character, with
// CR LF ending each line.
bool copyFits(const results_list::ListSnapshot& list);

// Whether a save of the list fits: all of its texts, laid out again in list order.
bool saveFits(const results_list::ListSnapshot& list);

QString tooLargeToCopyMessage();
QString tooLargeToSaveMessage();

}  // namespace exporting
