#pragma once

#include "ClockRandom.h"
#include "QtClipboard.h"
#include "QtMessageBox.h"
#include "TimeSlicedPump.h"

#ifdef Q_OS_WIN
#include "WindowsSaveDialog.h"
#else
#include "QtSaveDialog.h"
#endif

namespace platform {

// Owns the Qt-backed services and installs them in the registry for the program's life.
class ProductionServices {
public:
    ProductionServices();
    ProductionServices(const ProductionServices&) = delete;
    ProductionServices& operator=(const ProductionServices&) = delete;

private:
    QtMessageBox messageBox_;
#ifdef Q_OS_WIN
    WindowsSaveDialog saveDialog_;
#else
    QtSaveDialog saveDialog_;
#endif
    QtClipboard clipboard_;
    TimeSlicedPump pump_;
    ClockRandom random_;
};

}  // namespace platform
