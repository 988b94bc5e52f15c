#pragma once

#include <QString>

namespace forms {
class ProgressBar;
class ResultsList;
}  // namespace forms

namespace exporting {

class ExportWindow;

// "Save Results As Text File" (Form1.PushButton6_Click): asks for a file and whether to
// replace it, writes the table under the hourglass, says "Done."; a failure ends it.
void saveMainWindowList(ExportWindow& window, forms::ProgressBar& progressBar);

// The search window's save (Form2.PushButton4_Click): the same questions, then one line
// per row holding its item text, no message.
void saveSearchWindowList(ExportWindow& window);

// "Copy Results To Clipboard" (Form1.PushButton1_Click, Form2.PushButton5_Click): copies
// the first column and says how to paste it; a failed copy is only reported.
void copyWindowList(const QString& module, const QString& procedure,
                    const forms::ResultsList& list);

}  // namespace exporting
