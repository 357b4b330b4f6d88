#include "backup/backup_form.h"

#include "backup/backup.h"
#include "backup/messages.h"
#include "db/connection.h"
#include "platform/busy_cursor.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantrel::backup {
namespace {

const QString group = QStringLiteral("BackupForm");
const QString showAtExitName = QStringLiteral("ShowAtExit_NameChanged_v25_Checked");
const QString remindPathName = QStringLiteral("RemindPathCheck_Checked");
const QString destName = QStringLiteral("dest_FileName");
const QString onlineRadioName = QStringLiteral("onlineradio_Checked");
const QString discRadioName = QStringLiteral("DiscRadio_Checked");

QLabel* boldLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// Both buttons are off while the database is closed and the archive is written.
class ButtonsOff {
public:
    ButtonsOff(QPushButton* a, QPushButton* b) : a_(a), b_(b) {
        a_->setEnabled(false);
        b_->setEnabled(false);
    }
    ~ButtonsOff() { restore(); }
    ButtonsOff(const ButtonsOff&) = delete;
    ButtonsOff& operator=(const ButtonsOff&) = delete;
    void restore() {
        a_->setEnabled(true);
        b_->setEnabled(true);
    }

private:
    QPushButton* a_;
    QPushButton* b_;
};

} // namespace

void MouseUpCheckBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool over = event->button() == Qt::LeftButton && hitButton(event->position().toPoint());
    QCheckBox::mouseReleaseEvent(event);
    if (over)
        emit mouseUp();
}

TBackupForm::TBackupForm(const platform::Platform& platform, db::Connection& dqd, QWidget* parent)
    : QDialog(parent), platform_(platform), dqd_(dqd) {
    setWindowTitle(messages::backupTitle);
    setModal(true);

    auto* data = new QGroupBox(messages::dataGroup, this);
    source_ = new QLabel(data);
    source_->setObjectName(QStringLiteral("source"));
    source_->setWordWrap(true);
    source_->setTextFormat(Qt::PlainText);
    source_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    source_->setFixedHeight(source_->fontMetrics().lineSpacing() * 3);
    source_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* dataLayout = new QVBoxLayout(data);
    dataLayout->addWidget(boldLabel(messages::openDatabaseCaption, data));
    dataLayout->addWidget(source_);

    auto* destination = new QGroupBox(messages::destinationGroup, this);
    dest_ = new QLineEdit(destination);
    dest_->setObjectName(QStringLiteral("dest"));
    browse_ = new QPushButton(messages::browseButton, destination);
    browse_->setAutoDefault(false);
    browse_->setFixedWidth(32);
    remindPath_ = new MouseUpCheckBox(messages::rememberPath, destination);
    remindPath_->setObjectName(QStringLiteral("RemindPathCheck"));
    auto* remark = new QLabel(messages::removableRemark, destination);
    remark->setWordWrap(true);
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(dest_, 1);
    pathRow->addWidget(browse_);
    auto* destinationLayout = new QVBoxLayout(destination);
    destinationLayout->addWidget(boldLabel(messages::saveAsLabel, destination));
    destinationLayout->addLayout(pathRow);
    destinationLayout->addWidget(remindPath_);
    destinationLayout->addWidget(remark);

    showAtExit_ = new QCheckBox(messages::showAtExit, this);
    showAtExit_->setObjectName(QStringLiteral("ShowAtExit_NameChanged_v25"));

    backup_ = new QPushButton(messages::backupButton, this);
    backup_->setDefault(true);
    close_ = new QPushButton(messages::closeButton, this);
    close_->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(backup_);
    buttons->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(data);
    layout->addWidget(destination);
    layout->addWidget(showAtExit_);
    layout->addLayout(buttons);
    layout->activate();
    constexpr int width = 460;
    setFixedSize(width, layout->hasHeightForWidth() ? layout->totalHeightForWidth(width) : layout->sizeHint().height());

    connect(backup_, &QPushButton::clicked, this, &TBackupForm::BackupButtonClick);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    connect(browse_, &QPushButton::clicked, this, &TBackupForm::browseClick);
    connect(remindPath_, &MouseUpCheckBox::mouseUp, this, &TBackupForm::RemindPathCheckMouseUp);

    loadSettings();
}

void TBackupForm::loadSettings() {
    const platform::Registry& registry = platform_.registry;
    showAtExit_->setChecked(registry.readBool(platform::Store::User, group, showAtExitName, true));
    remindPath_->setChecked(registry.readBool(platform::Store::User, group, remindPathName, false));
    dest_->setText(registry.readString(platform::Store::User, group, destName));
    onlineRadio_ = registry.readBool(platform::Store::User, group, onlineRadioName, false);
    discRadio_ = registry.readBool(platform::Store::User, group, discRadioName, true);
}

void TBackupForm::saveSettings() {
    platform::Registry& registry = platform_.registry;
    registry.writeBool(platform::Store::User, group, showAtExitName, showAtExit_->isChecked());
    registry.writeBool(platform::Store::User, group, remindPathName, remindPath_->isChecked());
    registry.write(platform::Store::User, group, destName, dest_->text());
    registry.writeBool(platform::Store::User, group, onlineRadioName, onlineRadio_);
    registry.writeBool(platform::Store::User, group, discRadioName, discRadio_);
}

void TBackupForm::done(int result) {
    saveSettings();
    QDialog::done(result);
}

bool TBackupForm::showAtExit() const { return showAtExit_->isChecked(); }

QString TBackupForm::sourcePath() const { return sourceText_; }

void TBackupForm::mnbackupClick() {
    sourceText_ = dqd_.path();
    // A path has no blanks to wrap at: let it break after each folder.
    QString shown = sourceText_;
    shown.replace(QLatin1Char('/'), QStringLiteral("/\u200B"));
    source_->setText(shown);
    source_->setToolTip(sourceText_);
    if (!remindPath_->isChecked())
        dest_->clear();
    backup_->setFocus();
    platform_.modal.runModal(*this);
}

void TBackupForm::RemindPathCheckMouseUp() {
    if (remindPath_->isChecked())
        platform_.prompts.warning(messages::rememberNote);
}

void TBackupForm::browseClick() {
    platform::FileDialogRequest request;
    request.title = messages::saveAsTitle;
    request.filter = messages::backupFilter;
    request.defaultExtension = messages::backupExtension;
    request.initialPath = dest_->text();
    if (const std::optional<QString> chosen = platform_.prompts.saveFile(request))
        dest_->setText(*chosen);
}

void TBackupForm::reconnect(const QString& database) {
    // A plain reconnect to the same file: nothing else of opening a database runs.
    try {
        dqd_.open(database);
    } catch (const std::exception& error) {
        platform_.prompts.error(QString::fromUtf8(error.what()));
    }
}

void TBackupForm::BackupButtonClick() {
    if (dest_->text().trimmed().isEmpty()) {
        platform_.prompts.warning(messages::noDestination);
        return;
    }
    const QString database = sourcePath();
    const QString archive = dest_->text();
    if (isSameFile(database, archive)) {
        platform_.prompts.warning(messages::destinationIsDatabase);
        return;
    }

    // A plain disconnect, so that the file is complete on disk and nobody writes to it;
    // the window keeps its title and lists.
    dqd_.close();

    if (QFileInfo::exists(archive) &&
        platform_.prompts.question(messages::replaceQuestion(QFileInfo(archive).fileName()),
                                   platform::QuestionButtons::YesNo,
                                   platform::QuestionKind::Warning) != platform::Answer::Yes) {
        reconnect(database);
        return;
    }

    bool finished = false;
    {
        platform::BusyCursor busy;
        ButtonsOff off(backup_, close_);
        try {
            createFolders(archive);
            const ArchiveTest test = writeTestedArchive(database, archive, beforeTest_);
            busy.release();
            off.restore();
            if (test == ArchiveTest::Failed)
                platform_.prompts.error(messages::archiveTestFailed);
            else
                platform_.prompts.information(messages::backupDone);
            finished = true;
        } catch (const std::exception& error) {
            busy.release();
            off.restore();
            platform_.prompts.error(QString::fromUtf8(error.what()));
        }
    }
    reconnect(database);
    if (finished)
        accept();
}

} // namespace vantrel::backup
