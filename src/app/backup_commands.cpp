#include "app/backup_commands.h"

#include "app/main_form.h"
#include "backup/backup_form.h"
#include "backup/extract_backup_form.h"

#include <QAction>
#include <QTableView>

namespace vantrel::app {
namespace {

// The keyboard goes back to the main list when the window shows one.
void focusList(TMainForm& window) {
    if (window.hasDatabase() && window.workAreaShown() && window.listview())
        window.listview()->setFocus();
}

void runBackup(TMainForm& window, backup::TBackupForm& form) {
    const bool hadDatabase = window.hasDatabase();
    form.mnbackupClick();
    // Should the file not reopen after the backup, the window says so by showing that
    // no database is open rather than working on a closed connection.
    if (hadDatabase && !window.hasDatabase())
        window.ClosedbClick();
    focusList(window);
}

} // namespace

void installBackupCommands(TMainForm& window) {
    // Both dialogs are made once, with the window, and reused; the backup dialog reads
    // its remembered options now.
    auto* backupForm = new backup::TBackupForm(window.platform(), window.dqd, &window);
    auto* extractForm = new backup::TExtractBackupForm(window.platform(), &window);

    QObject::connect(window.mnbackup(), &QAction::triggered, &window, [&window, backupForm] {
        if (window.hasDatabase())
            runBackup(window, *backupForm);
    });
    QObject::connect(window.mnextractbackup(), &QAction::triggered, &window, [&window, extractForm] {
        extractForm->mnextractbackupClick();
        focusList(window);
    });
    // The reminder: the program ends afterwards whatever the user did in the dialog.
    window.beforeClosingDatabase = [&window, backupForm] {
        if (backupForm->showAtExit() && window.hasDatabase())
            backupForm->mnbackupClick();
    };
}

} // namespace vantrel::app
