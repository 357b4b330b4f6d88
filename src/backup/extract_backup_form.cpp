#include "backup/extract_backup_form.h"

#include "backup/backup.h"
#include "backup/messages.h"
#include "platform/busy_cursor.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantrel::backup {
namespace {

QPushButton* browseButton(QWidget* parent) {
    auto* button = new QPushButton(messages::browseButton, parent);
    button->setAutoDefault(false);
    button->setFixedWidth(32);
    return button;
}

QGroupBox* pathGroup(const QString& title, const QString& label, QLineEdit* field, QPushButton* browse,
                     QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    field->setParent(box);
    browse->setParent(box);
    auto* row = new QHBoxLayout;
    row->addWidget(field, 1);
    row->addWidget(browse);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(new QLabel(label, box));
    layout->addLayout(row);
    return box;
}

} // namespace

TExtractBackupForm::TExtractBackupForm(const platform::Platform& platform, QWidget* parent)
    : QDialog(parent), platform_(platform) {
    setWindowTitle(messages::extractTitle);
    setModal(true);

    auto* explanation = new QLabel(messages::extractExplanation, this);
    explanation->setWordWrap(true);

    source_ = new QLineEdit;
    sourceBrowse_ = browseButton(nullptr);
    destination_ = new QLineEdit;
    destinationBrowse_ = browseButton(nullptr);
    QGroupBox* sourceBox = pathGroup(messages::sourceGroup, messages::backupFileLabel, source_, sourceBrowse_, this);
    QGroupBox* destinationBox = pathGroup(messages::destinationGroup, messages::saveDatabaseAsLabel, destination_,
                                          destinationBrowse_, this);

    extract_ = new QPushButton(messages::extractButton, this);
    extract_->setDefault(true);
    close_ = new QPushButton(messages::closeButton, this);
    close_->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(extract_);
    buttons->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(sourceBox);
    layout->addWidget(destinationBox);
    layout->addLayout(buttons);
    layout->activate();
    constexpr int width = 460;
    setFixedSize(width, layout->hasHeightForWidth() ? layout->totalHeightForWidth(width) : layout->sizeHint().height());

    connect(extract_, &QPushButton::clicked, this, &TExtractBackupForm::ExtractButtonClick);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    connect(sourceBrowse_, &QPushButton::clicked, this, &TExtractBackupForm::browseSourceClick);
    connect(destinationBrowse_, &QPushButton::clicked, this, &TExtractBackupForm::browseDestinationClick);
}

void TExtractBackupForm::mnextractbackupClick() {
    extract_->setFocus();
    platform_.modal.runModal(*this);
}

void TExtractBackupForm::browseSourceClick() {
    platform::FileDialogRequest request;
    request.filter = messages::backupFilter;
    request.initialPath = source_->text();
    if (const std::optional<QString> chosen = platform_.prompts.openFile(request))
        source_->setText(*chosen);
}

void TExtractBackupForm::browseDestinationClick() {
    platform::FileDialogRequest request;
    request.filter = messages::databaseFilter;
    request.defaultExtension = messages::databaseExtension;
    request.initialPath = destination_->text();
    if (const std::optional<QString> chosen = platform_.prompts.saveFile(request))
        destination_->setText(*chosen);
}

void TExtractBackupForm::ExtractButtonClick() {
    platform::Prompts& prompts = platform_.prompts;
    if (source_->text().trimmed().isEmpty()) {
        prompts.information(messages::noSource);
        return;
    }
    if (destination_->text().trimmed().isEmpty()) {
        prompts.information(messages::noExtractDestination);
        return;
    }
    const QString source = source_->text();
    const QString destination = destination_->text();
    if (!QFileInfo(source).isFile()) {
        prompts.warning(messages::sourceMissing);
        return;
    }
    if (QFileInfo::exists(destination)) {
        prompts.warning(messages::destinationExists);
        return;
    }
    {
        platform::BusyCursor busy;
        extract_->setEnabled(false);
        close_->setEnabled(false);
        QString failure;
        try {
            extractArchive(source, destination);
        } catch (const std::exception& error) {
            failure = QString::fromUtf8(error.what());
        }
        busy.release();
        extract_->setEnabled(true);
        close_->setEnabled(true);
        if (!failure.isEmpty()) {
            prompts.error(failure);
            return;
        }
    }
    prompts.information(messages::extractDone);
}

} // namespace vantrel::backup
