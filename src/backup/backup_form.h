#pragma once

#include "platform/platform.h"

#include <QCheckBox>
#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vantrel::db {
class Connection;
}

namespace vantrel::backup {

// A check box that says when the mouse button is released over it, after the click
// has changed its state; toggling it from the keyboard says nothing.
class MouseUpCheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;
Q_SIGNALS:
    void mouseUp();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The backup dialog: copies the open database into a tested zip archive. Created once
// at start-up and reused; its three options come back from the per-user store.
class TBackupForm : public QDialog {
    Q_OBJECT
public:
    TBackupForm(const platform::Platform& platform, db::Connection& dqd, QWidget* parent = nullptr);

    void mnbackupClick();          // shows the dialog for the database open now
    void BackupButtonClick();      // "Sauvegarder"
    void RemindPathCheckMouseUp(); // the note on remembering the path
    void browseClick();            // the "Sauvegarder sous" dialog

    bool showAtExit() const;
    QString sourcePath() const;

    QLabel* source() const { return source_; }
    QLineEdit* dest() const { return dest_; }
    QPushButton* browseButton() const { return browse_; }
    MouseUpCheckBox* RemindPathCheck() const { return remindPath_; }
    QCheckBox* ShowAtExit_NameChanged_v25() const { return showAtExit_; }
    QPushButton* BackupButton() const { return backup_; }
    QPushButton* CloseButton() const { return close_; }

    // Runs on the written archive before it is tested (lets a test damage it, or look
    // at the dialog while the work goes on).
    void setBeforeArchiveTest(std::function<void(const QString&)> hook) { beforeTest_ = std::move(hook); }

    void done(int result) override; // stores the options whenever the dialog closes

private:
    void loadSettings();
    void saveSettings();
    void reconnect(const QString& database);

    platform::Platform platform_;
    db::Connection& dqd_;
    QString sourceText_;
    QLabel* source_;
    QLineEdit* dest_;
    QPushButton* browse_;
    MouseUpCheckBox* remindPath_;
    QCheckBox* showAtExit_;
    QPushButton* backup_;
    QPushButton* close_;
    // Two option buttons of old versions, never shown; kept so that their stored
    // values survive.
    bool onlineRadio_ = false;
    bool discRadio_ = true;
    std::function<void(const QString&)> beforeTest_;
};

} // namespace vantrel::backup
