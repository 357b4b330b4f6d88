#pragma once

#include "lists/folders.h"

#include <array>
#include <functional>

namespace vantrel::app {

// The commands the main window routes by the selected folder.
enum class Command { New, Modify, Delete, Print, Export, Transfer, Email, MarkPaid };
inline constexpr int commandCount = 8;

// Which folder offers which command, and the operation each folder plugs in for it.
// A command a folder does not offer, or whose operation has not been plugged in,
// does nothing.
class CommandRoutes {
public:
    using Operation = std::function<void()>;

    static bool offered(lists::Folder folder, Command command);
    void plug(lists::Folder folder, Command command, Operation operation);
    bool plugged(lists::Folder folder, Command command) const;
    void run(lists::Folder folder, Command command) const;

private:
    std::array<std::array<Operation, commandCount>, lists::folderCount> operations_;
};

} // namespace vantrel::app
