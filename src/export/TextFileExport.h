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

// The file's own name as this system reads the path: on Windows, where "/" separates as
// well as "\", what GetFileNameFromPath gives once the separators are native; elsewhere
// what follows the last "/", since "\" is an ordinary character of a name there.
QString ownFileName(const QString& path);

// Writes the list as a table of padded columns: a header line, then one line per checked
// row. Each column is as wide as its longest text, header included; every text is padded
// with spaces to that width and followed by a tab; every line ends with CR LF. The file
// is in the system's 8-bit code page and replaces an existing file only once complete.
// While it writes, the progress bar (when given) counts up with "Writing file: " and the
// file's name, says "Done." at the end and is back at 0 and "Progress Bar" once the file is
// written; a failure leaves it as it stood. Throws RuntimeFailure when the file cannot be written;
// yields to the event queue throughout.
void SaveListViewToTextFile(const results_list::ListSnapshot& list, const QString& fileName,
                            forms::ProgressBar* progressBar);

// The search window's format: each row's item text on a line of its own, ended by CR LF.
// Throws RuntimeFailure when a write fails; yields to the event queue throughout. Returns
// once the full buffers are written; the last, part-filled one goes at the commit.
void writeItemTexts(TextFileWriter& file, const results_list::ListSnapshot& list);

}  // namespace exporting
