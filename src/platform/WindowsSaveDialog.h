#pragma once

#include "Services.h"

namespace platform {

// Windows' own save dialog (GetSaveFileNameW): the title and file types asked for, no
// default extension (a name typed without one comes back as typed), no start folder (the
// folder the program last saved in, else Documents), no overwrite prompt of its own.
class WindowsSaveDialog : public SaveDialogService {
public:
    QString askSaveFileName(const QString& title, const QString& filter) override;
};

}  // namespace platform
