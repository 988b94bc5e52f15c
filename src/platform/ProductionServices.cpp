#include "ProductionServices.h"

#include <QCoreApplication>

namespace platform {

ProductionServices::ProductionServices()
{
    Services& registry = services();
    registry.messageBox = &messageBox_;
    registry.saveDialog = &saveDialog_;
    registry.clipboard = &clipboard_;
    registry.pump = &pump_;
    registry.random = &random_;
    registry.programFolder = QCoreApplication::applicationDirPath();
    random_.reseedFromClock();
}

}  // namespace platform
