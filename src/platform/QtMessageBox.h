#pragma once

#include "Services.h"

namespace platform {

// Modal boxes through QMessageBox; the text is shown as plain text, with every CR and
// CR LF of the program's messages shown as a line break.
class QtMessageBox : public MessageBoxService {
public:
    MsgAnswer show(const QString& text, const QString& title, MsgButtons buttons,
                   MsgIcon icon) override;
};

// The text as a message box shows it: CR LF and lone CR become line feeds.
QString displayedLines(QString text);

}  // namespace platform
