#include "app/commands.h"

#include "app/catalogue_commands.h"
#include "app/document_commands.h"
#include "app/backup_commands.h"
#include "app/main_form.h"
#include "app/output_commands.h"
#include "app/settings_commands.h"

namespace vantrel::app {

void installCommands(TMainForm& window) {
    // Each subsystem adds its installer here.
    installBackupCommands(window);
    installSettingsCommands(window);
    const CatalogueWindows catalogue = installCatalogueCommands(window);
    installDocumentCommands(window, catalogue);
    installOutputCommands(window);
}

} // namespace vantrel::app
