#pragma once

#include "core/money.h"
#include "db/connection.h"
#include "platform/platform.h"
#include "settings/company_settings.h"

#include <QMainWindow>

class QAction;
class QLabel;
class QStackedWidget;
class QToolButton;

namespace vantrel::db {
class TOpendatabaseFrm;
class Tcurrentdbfrm;
} // namespace vantrel::db

namespace vantrel::app {

class WorkArea;

// The program's main window. It owns the one database connection `dqd`, the current
// company settings and the money format in force, and routes every command.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    TMainForm(const platform::Platform& platform, const QString& programDir);
    ~TMainForm() override;

    db::Connection dqd;
    settings::CompanySettings currentSettings;
    MoneyFormat money;

    // How the open sequence ended.
    enum class OpenResult { Opened, ConnectFailed, SchemaFailed };

    // The database files.
    OpenResult okbtnClick(const QString& path); // the open sequence
    void ClosedbClick();                        // the close step
    void opendbClick();                         // the Open command
    void Crer1Click();                          // the Create command
    void Chemindelabaseencours1Click();         // shows the open database's path
    void Quitter1Click();

    bool hasDatabase() const { return dqd.isOpen(); }
    QString reportTemplatePath() const { return reportTemplate_; }
    QString statusText() const;
    QString noDatabaseText() const;
    bool workAreaShown() const;
    WorkArea* workArea() const { return workArea_; }

    // Menu items and toolbar buttons, for the commands that come with them.
    QAction* mnCreate() const { return create_; }
    QAction* mnOpen() const { return open_; }
    QAction* mnClose() const { return close_; }
    QAction* mnPath() const { return path_; }
    QAction* mnQuit() const { return quit_; }
    QToolButton* Tbnew() const { return tbNew_; }
    QToolButton* tbmodify() const { return tbModify_; }
    QToolButton* tbdelete() const { return tbDelete_; }

protected:
    void closeEvent(QCloseEvent* event) override; // FormClose

private:
    void buildMenus();
    void buildToolbar();
    void showNoDatabaseState();
    void status();
    // The Open command from its fifth step on, for a path already chosen.
    void openChosenPath(const QString& path, bool created);
    void rememberPath(const QString& path);
    void FormClose();

    platform::Platform platform_;
    QString reportTemplate_;
    db::TOpendatabaseFrm* openDatabaseForm_;
    db::Tcurrentdbfrm* currentDbForm_;

    QStackedWidget* body_;
    QLabel* noDatabaseLabel_;
    WorkArea* workArea_;

    QAction* create_ = nullptr;
    QAction* open_ = nullptr;
    QAction* close_ = nullptr;
    QAction* path_ = nullptr;
    QAction* quit_ = nullptr;
    QToolButton* tbNew_ = nullptr;
    QToolButton* tbModify_ = nullptr;
    QToolButton* tbDelete_ = nullptr;
};

// The window title for an open file: "Vantrel - " and the file name without its last
// extension ("Ma société.vtdb" gives "Vantrel - Ma société"); a name without any "."
// is used whole.
QString windowTitleFor(const QString& path);

} // namespace vantrel::app
