#pragma once

#include "ClockRandom.h"
#include "QtClipboard.h"
#include "QtMessageBox.h"
#include "QtSaveDialog.h"
#include "TimeSlicedPump.h"

namespace platform {

// Owns the Qt-backed services and installs them in the registry for the life of the
// program.
class ProductionServices {
public:
    ProductionServices();
    ProductionServices(const ProductionServices&) = delete;
    ProductionServices& operator=(const ProductionServices&) = delete;

private:
    QtMessageBox messageBox_;
    QtSaveDialog saveDialog_;
    QtClipboard clipboard_;
    TimeSlicedPump pump_;
    ClockRandom random_;
};

}  // namespace platform
