#pragma once

class QDialog;

namespace vantrel::platform {

// Every modal dialog of the program is shown through here, so that a test can drive
// a whole command with the real dialog widgets.
class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    virtual int runModal(QDialog& dialog) = 0; // the dialog's result code
};

class ExecModalRunner : public ModalRunner {
public:
    int runModal(QDialog& dialog) override;
};

} // namespace vantrel::platform
