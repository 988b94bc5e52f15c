#pragma once

#include <QString>

namespace results_list {
class ListSnapshot;
}
namespace forms {
class ProgressBar;
}

// The text file export of the "Main" module. (`export` is a C++ keyword.)
namespace exporting {

class TextFileWriter;

// What follows the last backslash of a path, or the whole path when it has none.
QString GetFileNameFromPath(const QString& path);

// The file's own name as this system reads the path: on Windows "/" separates as well as
// "\"; elsewhere "\" is an ordinary character of a name.
QString ownFileName(const QString& path);

// Writes the list as a table in the system's 8-bit code page: a header line, then a line per
// checked row, each text padded with spaces to its column's longest (header included) and
// followed by a tab, each line ended by CR LF. The bar, when given, counts up with "Writing
// file: " and the name, says "Done.", then shows 0 and "Progress Bar"; a failure leaves it.
// Replaces an existing file only once complete; throws RuntimeFailure; yields throughout.
void SaveListViewToTextFile(const results_list::ListSnapshot& list, const QString& fileName,
                            forms::ProgressBar* progressBar);

// The search window's format: each row's item text on a line ended by CR LF. Throws
// RuntimeFailure; yields throughout. The last, part-filled buffer goes at the commit.
void writeItemTexts(TextFileWriter& file, const results_list::ListSnapshot& list);

}  // namespace exporting
