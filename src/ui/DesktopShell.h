#pragma once

#include "base/Shell.h"

// Opens through the desktop's default handlers.
class DesktopShell final : public Shell {
public:
    bool Open(const QUrl& url) override;
};
