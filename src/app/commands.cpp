#include "app/commands.h"

#include "app/main_form.h"

namespace vantrel::app {

void installCommands(TMainForm& window) {
    // Each subsystem adds its installer here.
    static_cast<void>(window);
}

} // namespace vantrel::app
