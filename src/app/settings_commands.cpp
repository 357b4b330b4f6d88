#include "app/settings_commands.h"

#include "app/main_form.h"
#include "app/work_area.h"
#include "platform/command_guard.h"
#include "settings/company_settings.h"
#include "settings/settings_form.h"

#include <QAction>
#include <QTableView>

namespace vantrel::app {

void mnsettingsClick(TMainForm& window, settings::TsettingsForm& form) {
    const platform::Platform& platform = window.platform();
    platform::guardCommand(platform.prompts, [&] {
        window.currentSettings = settings::loadsettings(window.dqd);
        form.showSettings(window.currentSettings);
        if (platform.modal.runModal(form) != QDialog::Accepted)
            return;
        settings::savesettings(window.dqd, form.fieldSettings());
        window.currentSettings = settings::loadsettings(window.dqd);
        window.workArea()->setCompanyName(window.currentSettings.businessName);
        window.money = window.currentSettings.moneyFormat(); // setcur
        // The list shown writes its amounts again in the new currency and decimals.
        window.TreeViewClick(false);
        window.listview()->setFocus();
    });
}

void installSettingsCommands(TMainForm& window) {
    auto* form = new settings::TsettingsForm(window.platform().prompts, &window);
    QObject::connect(window.mnsettings(), &QAction::triggered, &window,
                     [&window, form] { mnsettingsClick(window, *form); });
    window.afterCreatingDatabase = [&window, form] { mnsettingsClick(window, *form); };
}

} // namespace vantrel::app
