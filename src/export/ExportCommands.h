#pragma once

#include <QString>

namespace forms {
class ProgressBar;
class ResultsList;
}  // namespace forms

namespace exporting {

class ExportWindow;

// The main window's "Save Results As Text File" (Form1.PushButton6_Click): asks for a
// file name (and whether to replace an existing file), writes the list as a padded table
// with the hourglass showing and the bar counting, then says "Done.". A failure is
// reported once and then the command says nothing more.
void saveMainWindowList(ExportWindow& window, forms::ProgressBar& progressBar);

// The search window's save (Form2.PushButton4_Click): the same questions, then one line
// per row holding its item text, no message.
void saveSearchWindowList(ExportWindow& window);

// "Copy Results To Clipboard" of either window (Form1.PushButton1_Click,
// Form2.PushButton5_Click, named by module and procedure for the error report): copies
// the list's first column and says how to paste it; a copy that failed (reported) says
// nothing more.
void copyWindowList(const QString& module, const QString& procedure,
                    const forms::ResultsList& list);

}  // namespace exporting
