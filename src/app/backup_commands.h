#pragma once

namespace vantrel::app {

class TMainForm;

// "Sauvegarde" and "Extraction de sauvegarde" of the tools menu, and the backup
// reminder while the window closes with a database open.
void installBackupCommands(TMainForm& window);

} // namespace vantrel::app
