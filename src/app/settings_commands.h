#pragma once

namespace vantrel::settings {
class TsettingsForm;
}

namespace vantrel::app {

class TMainForm;

// "Informations / Paramètres" of the tools menu, and the same dialog right after the
// Create command. The one settings dialog is made here, owned by the window.
void installSettingsCommands(TMainForm& window);

// Shows what is stored in the dialog; on "&OK" saves it, reads it back, and brings the
// company name, the money format and the list shown up to date.
void mnsettingsClick(TMainForm& window, settings::TsettingsForm& form);

} // namespace vantrel::app
