#include "app/command_routes.h"

namespace vantrel::app {

bool CommandRoutes::offered(lists::Folder folder, Command command) {
    switch (command) {
    case Command::New:
    case Command::Modify:
    case Command::Delete:
        return true;
    case Command::Print:
    case Command::Export:
    case Command::Email:
        return lists::isDocumentFolder(folder);
    case Command::Transfer:
        return folder == lists::Folder::Quotes;
    case Command::MarkPaid:
        return folder == lists::Folder::Invoices;
    }
    return false;
}

void CommandRoutes::plug(lists::Folder folder, Command command, Operation operation) {
    operations_[int(folder)][int(command)] = std::move(operation);
}

bool CommandRoutes::plugged(lists::Folder folder, Command command) const {
    return bool(operations_[int(folder)][int(command)]);
}

void CommandRoutes::run(lists::Folder folder, Command command) const {
    if (offered(folder, command) && plugged(folder, command))
        operations_[int(folder)][int(command)]();
}

} // namespace vantrel::app
