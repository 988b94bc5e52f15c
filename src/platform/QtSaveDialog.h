#pragma once

#include "Services.h"

namespace platform {

// The save dialog through QFileDialog, off Windows: empty start name, no overwrite prompt,
// no extension added. Kept for the window it belongs to; empties Qt's pixmap cache on closing.
class QtSaveDialog : public SaveDialogService {
public:
    QString askSaveFileName(const QString& title, const QString& filter) override;
};

}  // namespace platform
