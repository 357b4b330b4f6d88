#pragma once

namespace vantrel::app {

class TMainForm;

// Plugs every subsystem's commands into the main window: its menu items, its folder
// routes and its hooks. Called once, right after the window is built.
void installCommands(TMainForm& window);

} // namespace vantrel::app
