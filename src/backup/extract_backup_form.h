#pragma once

#include "platform/platform.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace vantrel::backup {

// Turns a backup archive back into a database file under a name the user chooses. It
// only writes that file: it neither opens it nor touches the open database. Its two
// fields keep their text while the program runs; nothing of it is stored.
class TExtractBackupForm : public QDialog {
    Q_OBJECT
public:
    explicit TExtractBackupForm(const platform::Platform& platform, QWidget* parent = nullptr);

    void mnextractbackupClick(); // shows the dialog
    void ExtractButtonClick();   // "Extraire la base sauvegardée"
    void browseSourceClick();
    void browseDestinationClick();

    QLineEdit* sourceEdit() const { return source_; }
    QLineEdit* destinationEdit() const { return destination_; }
    QPushButton* sourceBrowse() const { return sourceBrowse_; }
    QPushButton* destinationBrowse() const { return destinationBrowse_; }
    QPushButton* ExtractButton() const { return extract_; }
    QPushButton* CloseButton() const { return close_; }

private:
    platform::Platform platform_;
    QLineEdit* source_;
    QLineEdit* destination_;
    QPushButton* sourceBrowse_;
    QPushButton* destinationBrowse_;
    QPushButton* extract_;
    QPushButton* close_;
};

} // namespace vantrel::backup
