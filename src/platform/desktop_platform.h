#pragma once

#include "platform/desktop_prompts.h"
#include "platform/ini_registry.h"
#include "platform/platform.h"

namespace vantrel::platform {

// The real implementations of every seam, owned together.
class DesktopPlatform {
public:
    DesktopPlatform();
    Platform platform();
    DesktopPrompts& prompts() { return prompts_; }

private:
    DesktopPrompts prompts_;
    ExecModalRunner modal_;
    IniRegistry registry_;
    DesktopShell shell_;
    SystemClock clock_;
    SystemPrinters printers_;
};

} // namespace vantrel::platform
