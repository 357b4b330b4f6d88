#pragma once

#include "app/command_routes.h"
#include "core/money.h"
#include "db/connection.h"
#include "lists/folders.h"
#include "lists/main_list_model.h"
#include "platform/platform.h"
#include "settings/company_settings.h"

#include <QMainWindow>
#include <functional>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QStackedWidget;
class QTableView;
class QToolButton;

namespace vantrel::db {
class TOpendatabaseFrm;
class Tcurrentdbfrm;
} // namespace vantrel::db

namespace vantrel::lists {
class TSelectPeriodForm;
}

namespace vantrel::app {

class WorkArea;

// The program's main window. It owns the one database connection `dqd`, the current
// company settings and the money format in force, shows the selected folder's list and
// routes every command by that folder.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    TMainForm(const platform::Platform& platform, const QString& programDir);
    ~TMainForm() override;

    db::Connection dqd;
    settings::CompanySettings currentSettings;
    MoneyFormat money;
    // The operations each folder plugs in for "Nouveau", "Modifier", "Imprimer" ...
    CommandRoutes routes;
    // The last PDF file name, remembered with the layout.
    QString exdFileName;
    // Runs while the window closes with a database open (the backup reminder).
    std::function<void()> beforeClosingDatabase;
    // Runs after the Create command has made and opened a new database (the company
    // settings dialog, announced by a message first).
    std::function<void()> afterCreatingDatabase;

    const platform::Platform& platform() const { return platform_; }

    // How the open sequence ended.
    enum class OpenResult { Opened, ConnectFailed, SchemaFailed };

    // The database files.
    OpenResult okbtnClick(const QString& path); // the open sequence
    void ClosedbClick();                        // the close step
    void opendbClick();                         // the Open command
    void Crer1Click();                          // the Create command
    void Chemindelabaseencours1Click();         // shows the open database's path
    void Quitter1Click();

    // The folders and the main list.
    void TreeViewClick(bool fromTreeClick);
    void settitle();
    void blvSelectItem();
    void LvpopPopup();
    void editionClick();
    void outilsClick();
    void listviewColumnSized();
    void FilterboxChange(QComboBox* changed);
    void custeditChange();
    void desceditChange();
    void runCommand(Command command); // routes a command to the folder shown

    std::optional<lists::Folder> selectedFolder() const;
    std::optional<lists::Folder> lastLoadedFolder() const { return lastLoaded_; }
    int selectedRow() const; // -1 without a selection
    lists::MainListModel& listModel() const { return *model_; }
    lists::DocumentChoices documentChoices() const;

    bool hasDatabase() const { return dqd.isOpen(); }
    QString reportTemplatePath() const { return reportTemplate_; }
    QString statusText() const;
    QString noDatabaseText() const;
    bool workAreaShown() const;
    WorkArea* workArea() const { return workArea_; }
    QTableView* listview() const;
    lists::TSelectPeriodForm* periodForm() const { return periodForm_; }

    // Menu items, toolbar buttons and the list's context menu, for the commands that
    // come with them.
    QAction* mnCreate() const { return create_; }
    QAction* mnOpen() const { return open_; }
    QAction* mnClose() const { return close_; }
    QAction* mnPath() const { return path_; }
    QAction* mnQuit() const { return quit_; }
    QMenu* fileMenu() const { return fileMenu_; }
    QMenu* editionMenu() const { return editionMenu_; }
    QMenu* toolsMenu() const { return toolsMenu_; }
    QMenu* helpMenu() const { return helpMenu_; }
    QAction* mnNew() const { return mnNew_; }
    QAction* mnModify() const { return mnModify_; }
    QAction* mnDelete() const { return mnDelete_; }
    QAction* mnExport() const { return mnExport_; }
    QAction* mnPrint() const { return mnPrint_; }
    QAction* mnCalc() const { return mnCalc_; }
    QAction* mnNotepad() const { return mnNotepad_; }
    QAction* mnbackup() const { return mnBackup_; }
    QAction* mnextractbackup() const { return mnExtract_; }
    QAction* mnsettings() const { return mnSettings_; }
    QAction* mnWebsite() const { return mnWebsite_; }
    QAction* mnContact() const { return mnContact_; }
    QAction* mnAbout() const { return mnAbout_; }
    QMenu* Lvpop() const { return lvpop_; }
    QToolButton* Tbnew() const { return tbNew_; }
    QToolButton* tbmodify() const { return tbModify_; }
    QToolButton* tbdelete() const { return tbDelete_; }

protected:
    void closeEvent(QCloseEvent* event) override; // FormClose

private:
    void buildMenus();
    void buildToolbar();
    void buildContextMenu();
    void connectWorkArea();
    void showNoDatabaseState();
    void status();
    // The Open command from its fifth step on, for a path already chosen.
    void openChosenPath(const QString& path, bool created);
    void rememberPath(const QString& path);
    void selectRememberedFolder();
    void loadFolderList(lists::Folder folder, bool rowsOnly);
    void buildColumns(lists::Folder folder);
    void sortByHeader(int column);
    void restoreLayout();
    void saveLayout();
    void FormClose();

    platform::Platform platform_;
    QString reportTemplate_;
    db::TOpendatabaseFrm* openDatabaseForm_;
    db::Tcurrentdbfrm* currentDbForm_;
    lists::TSelectPeriodForm* periodForm_;

    QStackedWidget* body_;
    QLabel* noDatabaseLabel_;
    WorkArea* workArea_;
    lists::MainListModel* model_;
    lists::SortClicks sortClicks_;
    std::optional<lists::Folder> lastLoaded_;
    bool buildingColumns_ = false;
    bool restoring_ = false;

    QMenu* fileMenu_ = nullptr;
    QMenu* editionMenu_ = nullptr;
    QMenu* toolsMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QAction* create_ = nullptr;
    QAction* open_ = nullptr;
    QAction* close_ = nullptr;
    QAction* path_ = nullptr;
    QAction* quit_ = nullptr;
    QAction* mnNew_ = nullptr;
    QAction* mnModify_ = nullptr;
    QAction* mnDelete_ = nullptr;
    QAction* mnExport_ = nullptr;
    QAction* mnPrint_ = nullptr;
    QAction* mnCalc_ = nullptr;
    QAction* mnNotepad_ = nullptr;
    QAction* mnBackup_ = nullptr;
    QAction* mnExtract_ = nullptr;
    QAction* mnSettings_ = nullptr;
    QAction* mnWebsite_ = nullptr;
    QAction* mnContact_ = nullptr;
    QAction* mnAbout_ = nullptr;
    QMenu* lvpop_ = nullptr;
    QToolButton* tbNew_ = nullptr;
    QToolButton* tbModify_ = nullptr;
    QToolButton* tbDelete_ = nullptr;
};

// The window title for an open file: "Vantrel - " and the file name without its last
// extension ("Ma société.vtdb" gives "Vantrel - Ma société"); a name without any "."
// is used whole.
QString windowTitleFor(const QString& path);

} // namespace vantrel::app
