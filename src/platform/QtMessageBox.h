#pragma once

#include "Services.h"

namespace platform {

// Modal boxes through QMessageBox, as plain text shown by displayedLines().
class QtMessageBox : public MessageBoxService {
public:
    MsgAnswer show(const QString& text, const QString& title, MsgButtons buttons,
                   MsgIcon icon) override;
};

// The text as a message box shows it: CR LF and lone CR become line feeds.
QString displayedLines(QString text);

}  // namespace platform
