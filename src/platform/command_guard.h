#pragma once

#include "platform/prompts.h"

#include <exception>
#include <utility>

namespace vantrel::platform {

// The boundary of a user command: an error thrown anywhere inside stops the command
// and its own text is shown in the "Erreur" box; the program goes on. Returns false
// when the command was stopped that way.
template <typename Command>
bool guardCommand(Prompts& prompts, Command&& command) {
    try {
        std::forward<Command>(command)();
        return true;
    } catch (const std::exception& error) {
        prompts.error(QString::fromUtf8(error.what()));
        return false;
    }
}

} // namespace vantrel::platform
