#pragma once

#include "Services.h"

namespace platform {

// Windows' own save dialog (GetSaveFileNameW): no default extension, no start folder (so the
// last folder saved in, else Documents), no overwrite prompt of its own.
class WindowsSaveDialog : public SaveDialogService {
public:
    QString askSaveFileName(const QString& title, const QString& filter) override;
};

}  // namespace platform
