#pragma once

#include <QDialog>
#include <QStringList>

class QTreeWidget;
class QPushButton;

namespace vantrel::platform {
class Prompts;
}

namespace vantrel::db {

// The remembered-paths dialog of the Open command: one row per remembered database,
// the open one in bold, missing files in grey.
class TOpendatabaseFrm : public QDialog {
    Q_OBJECT
public:
    enum Outcome { OpenSelected = 1, OpenOther = 2 }; // dialog results besides Rejected

    TOpendatabaseFrm(platform::Prompts& prompts, QWidget* parent = nullptr);

    // Fills the list with the paths, in order; `openPath` is the open database's path
    // (empty when none is open).
    void loadpaths(const QStringList& paths, const QString& openPath);
    QString get_selected_db_path() const;

    QTreeWidget* list() const { return list_; }
    QPushButton* openButton() const { return open_; }
    QPushButton* openOtherButton() const { return openOther_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    void openClicked();
    platform::Prompts& prompts_;
    QTreeWidget* list_;
    QPushButton* openOther_;
    QPushButton* open_;
    QPushButton* cancel_;
};

} // namespace vantrel::db
