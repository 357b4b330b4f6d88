#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace vantrel::platform {
class Prompts;
}

namespace vantrel::app {

// Shown once per user before the demonstration database opens. It cannot be closed,
// by its button or by the window's close box, until "Bien compris !" is ticked.
class TfirstUseInfoForm : public QDialog {
    Q_OBJECT
public:
    TfirstUseInfoForm(platform::Prompts& prompts, QWidget* parent = nullptr);

    QCheckBox* understood() const { return understood_; }
    QPushButton* okButton() const { return ok_; }
    void done(int result) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool mayClose();
    platform::Prompts& prompts_;
    QCheckBox* understood_;
    QPushButton* ok_;
};

} // namespace vantrel::app
