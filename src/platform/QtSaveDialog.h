#pragma once

#include "Services.h"

namespace platform {

// The save dialog through QFileDialog, off Windows: empty start name, no overwrite prompt,
// no extension added. Empties Qt's pixmap cache, of the icons it drew, when it closes.
class QtSaveDialog : public SaveDialogService {
public:
    QString askSaveFileName(const QString& title, const QString& filter) override;
};

}  // namespace platform
