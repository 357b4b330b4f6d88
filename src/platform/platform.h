#pragma once

#include "platform/clock.h"
#include "platform/modal_runner.h"
#include "platform/printers.h"
#include "platform/prompts.h"
#include "platform/registry.h"
#include "platform/shell.h"

namespace vantrel::platform {

// The program's only ways to the desktop, built once by main() (or by a test with its
// scripted implementations) and handed down to every window and command.
struct Platform {
    Prompts& prompts;
    ModalRunner& modal;
    Registry& registry;
    Shell& shell;
    Clock& clock;
    Printers& printers;
};

} // namespace vantrel::platform
