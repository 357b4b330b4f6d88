#include "platform/desktop_platform.h"

namespace vantrel::platform {

DesktopPlatform::DesktopPlatform() = default;

Platform DesktopPlatform::platform() {
    return {prompts_, modal_, registry_, shell_, clock_, printers_};
}

} // namespace vantrel::platform
