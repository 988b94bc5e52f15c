#pragma once

#include "Services.h"

namespace platform {

// The system clipboard through QClipboard, as plain text.
class QtClipboard : public ClipboardService {
public:
    bool clear() override;
    bool setText(const QString& text) override;
};

}  // namespace platform
