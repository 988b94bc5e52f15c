#pragma once

#include "Services.h"

namespace platform {

// The save dialog through QFileDialog: empty start name, no overwrite prompt of its
// own, no extension added (Qt's own dialog on Windows, where the native one adds it).
// Qt's pixmap cache is emptied when it closes, of the icons it drew.
class QtSaveDialog : public SaveDialogService {
public:
    QString askSaveFileName(const QString& title, const QString& filter) override;
};

// Turns a filter list of the form "Text Files (*.txt)|*.txt|All Files (*.*)|*.*|"
// (description and pattern pairs) into Qt's "Text Files (*.txt);;All Files (*.*)".
QString qtFilterFromPairs(const QString& pairs);

}  // namespace platform
