#include "app/commands.h"

#include "app/catalogue_commands.h"
#include "app/backup_commands.h"
#include "app/main_form.h"
#include "app/settings_commands.h"

namespace vantrel::app {

void installCommands(TMainForm& window) {
    // Each subsystem adds its installer here.
    installBackupCommands(window);
    installSettingsCommands(window);
    const CatalogueWindows catalogue = installCatalogueCommands(window);
    static_cast<void>(catalogue);
}

} // namespace vantrel::app
