#pragma once

#include "Services.h"

namespace platform {

class QtClipboard : public ClipboardService {
public:
    bool clear() override;
    bool setText(const QString& text) override;
};

}  // namespace platform
