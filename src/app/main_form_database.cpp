// The database file commands of the main window: the open sequence, the close step,
// and the Open, Create and path commands of "Fichier" > "Base de données".
#include "app/main_form.h"

#include "app/messages.h"
#include "app/work_area.h"
#include "core/error.h"
#include "db/current_db_form.h"
#include "db/open_database_form.h"
#include "db/remembered_paths.h"
#include "db/schema.h"
#include "platform/busy_cursor.h"
#include "platform/command_guard.h"

#include <QFileInfo>
#include <QLabel>
#include <QStackedWidget>
#include <QToolButton>

namespace vantrel::app {

namespace {

platform::FileDialogRequest databaseDialog(const QString& title) {
    platform::FileDialogRequest request;
    request.title = title;
    request.filter = messages::databaseFilter;
    request.defaultExtension = messages::databaseExtension;
    return request;
}

bool isKnownVersion(const QString& tag) {
    return tag == db::previousVersion || tag == db::currentVersion;
}

} // namespace

void TMainForm::rememberPath(const QString& path) {
    if (!db::path_existing(platform_.registry, path))
        db::addpath(platform_.registry, path);
}

TMainForm::OpenResult TMainForm::okbtnClick(const QString& path) {
    platform::BusyCursor busy;
    try {
        dqd.open(path);
    } catch (const Error&) {
        // A failed open leaves no path behind, so that the same file can be tried again.
        dqd.close();
        busy.release();
        platform_.prompts.warning(messages::openFailed);
        return OpenResult::ConnectFailed;
    }
    try {
        db::Create_Tables(dqd, platform_.prompts);
        setWindowTitle(windowTitleFor(path));
        busy.release();
        // The settings and the money format come before the list, so that its totals
        // are written in this company's currency and decimals.
        currentSettings = settings::loadsettings(dqd);
        workArea_->setCompanyName(currentSettings.businessName);
        money = currentSettings.moneyFormat(); // setcur
        body_->setCurrentWidget(workArea_);
        selectRememberedFolder();
        tbNew_->setEnabled(true);
        status();
        rememberPath(path);
    } catch (const Error& error) {
        // A file the engine cannot work with (not a database, a failed upgrade) is not
        // left half-open: the window goes back to its no-database state.
        busy.release();
        ClosedbClick();
        platform_.prompts.error(error.message());
        return OpenResult::SchemaFailed;
    }
    return OpenResult::Opened;
}

void TMainForm::ClosedbClick() {
    tbNew_->setEnabled(false);
    tbModify_->setEnabled(false);
    tbDelete_->setEnabled(false);
    body_->setCurrentWidget(noDatabaseLabel_);
    model_->setRows({});
    {
        platform::BusyCursor busy;
        dqd.close();
    }
    showNoDatabaseState();
}

void TMainForm::opendbClick() {
    openDatabaseForm_->loadpaths(db::rememberedPaths(platform_.registry), dqd.path());
    const int outcome = platform_.modal.runModal(*openDatabaseForm_);
    QString chosen;
    if (outcome == db::TOpendatabaseFrm::OpenSelected) {
        chosen = openDatabaseForm_->get_selected_db_path();
    } else if (outcome == db::TOpendatabaseFrm::OpenOther) {
        const std::optional<QString> file = platform_.prompts.openFile(databaseDialog(messages::openDialogTitle));
        if (!file)
            return;
        chosen = *file;
    } else {
        return;
    }
    if (hasDatabase() && chosen == dqd.path()) {
        platform_.prompts.warning(messages::alreadyOpen);
        return;
    }
    openChosenPath(chosen, false);
}

void TMainForm::openChosenPath(const QString& path, bool created) {
    ClosedbClick();
    if (okbtnClick(path) != OpenResult::Opened)
        return;
    QString tag;
    if (!platform::guardCommand(platform_.prompts, [&] { tag = db::get_db_version(dqd); })) {
        ClosedbClick();
        return;
    }
    if (!isKnownVersion(tag)) {
        ClosedbClick();
        platform_.prompts.warning(messages::laterVersion);
        return;
    }
    tbNew_->setEnabled(true);
    rememberPath(path);
    platform_.prompts.information(created ? messages::createdAndOpened : messages::opened);
}

void TMainForm::Crer1Click() {
    ClosedbClick();
    const std::optional<QString> file = platform_.prompts.saveFile(databaseDialog(messages::createDialogTitle));
    if (!file)
        return;
    if (QFileInfo::exists(*file)) {
        platform_.prompts.warning(messages::fileExists);
        return;
    }
    const bool made = platform::guardCommand(platform_.prompts, [&] {
        platform::BusyCursor busy;
        dqd.create(*file);
        dqd.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS VerInfo (VerNum Text);"));
        db::set_db_version(dqd, db::currentVersion);
    });
    if (!made) {
        dqd.close();
        return;
    }
    openChosenPath(*file, true);
    if (hasDatabase() && dqd.path() == *file && afterCreatingDatabase) {
        platform_.prompts.information(messages::fillInSettings);
        afterCreatingDatabase();
    }
}

void TMainForm::Chemindelabaseencours1Click() {
    currentDbForm_->setPath(dqd.path());
    platform_.modal.runModal(*currentDbForm_);
}

} // namespace vantrel::app
