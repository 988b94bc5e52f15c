// The floors: for each command, the simplest fast code that makes the same output from the
// same list without the window, timed beside the command; and the machine's memory
// bandwidth, by which the bytes a command must read and write give a floor of their own.

#pragma once

#include "PickText.h"

#include <QStringList>

#include <string>
#include <vector>

class QByteArray;

namespace forms {
class ResultsList;
}
namespace platform {
class ClockRandom;
}
namespace results_list {
class ListSnapshot;
}

namespace bench {

// The generate command's run: kPicksPerRun picks of 6 numbers from 1 to kGenerateHighest.
inline constexpr int kPicksPerRun = 31999;
inline constexpr int kGenerateHighest = 42;

// One pick of 6 numbers from 1 to `highest`, numbers ascending, as the generator writes it.
generation::PickTexts randomPick(platform::ClockRandom& random, int highest,
                                 const QString& prefix = QString());

// The machine's memory bandwidth in bytes per second: the best of three copies of 256 MB
// from one buffer into another, counting the bytes read and the bytes written. Both
// buffers are written before the timing, so that no copy pays for a page's first touch.
double memoryBandwidth();

// What a floor measured: its time, and the bytes the command must read and write, which
// the memory moves in no less than bytes / bandwidth.
struct Floor {
    double seconds;
    qint64 bytes;
};

// Prints the floor's time, and the time its bytes take at the bandwidth.
void printFloors(const std::string& name, qint64 rows, const Floor& floor, double bandwidth);

// A floor is worth its name only when it makes the command's output.
void checkSameOutput(bool same, const std::string& name);

// The bytes of the UTF-8 texts of a column, over all rows.
qint64 columnBytes(const results_list::ListSnapshot& list, int column);

// The same picks made by the pick-text code into a vector with a hash set, no window. As
// the command checks every pick against the whole list, the set starts with the list's
// picks (filled before the timing starts).
double generateFloor(const forms::ResultsList& list);

// The search floor. Before the timing, as a list kept for searching could hold them: the
// item texts in list order packed into one buffer with their rows' starts, and the terms
// as bytes (they hold no letters, so comparing bytes is comparing without case). Timed:
// for each term one memmem pass over the buffer, each find mapped to its row by walking
// the starts on from the last find's row (where a binary search per find would miss the
// cache on its way through the starts), then the terms' rows merged into the command's
// order. Not included: cutting the search text into terms, the search window and its
// results list.
double searchFloor(const results_list::ListSnapshot& list, const QStringList& searchTerms,
                   std::vector<qsizetype>& finds);

// Whether the search window's results are the item texts of the floor's rows, in order.
bool sameFinds(const std::vector<qsizetype>& finds, const results_list::ListSnapshot& listed,
               const results_list::ListSnapshot& results);

// Reading the same texts once from start to end, as any search must (memchr for a byte
// none of them holds).
double readFloor(const forms::ResultsList& list);

// The copy floor. Before the timing: the text's length in UTF-16 units (a list could keep
// its texts' lengths). Timed: a string of that length, then for each row in list order
// its item text decoded from UTF-8 into the string, and CR LF. A sorted list's texts are
// read where they lie, scattered about the storage, as the command must read them too,
// in the snapshot's pass over its rows, which reads a few rows ahead so that the reads
// overlap. Not included: the clipboard and the message box.
double copyFloor(const results_list::ListSnapshot& list, QString& text);

// The save floor. Timed, from the snapshot: the columns' widths, the whole file built in
// one buffer in list order, and the buffer written through a QSaveFile, which syncs it to
// the disk and puts it in the target's place. Both passes over the rows read the texts
// where they lie, in the snapshot's pass over its rows, which reads a few rows ahead. Not
// included: the file dialog, the progress bar and the hourglass.
double saveFloor(const results_list::ListSnapshot& list, const QString& path, QByteArray& bytes);

}  // namespace bench
