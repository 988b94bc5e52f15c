#pragma once

#include "Services.h"

namespace platform {

// The save dialog through QFileDialog (on systems other than Windows): empty start name,
// no overwrite prompt of its own, no extension added. Qt's pixmap cache is emptied when it
// closes, of the icons it drew.
class QtSaveDialog : public SaveDialogService {
public:
    QString askSaveFileName(const QString& title, const QString& filter) override;
};

}  // namespace platform
