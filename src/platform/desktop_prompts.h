#pragma once

#include "platform/prompts.h"

#include <QPointer>
#include <QWidget>

namespace vantrel::platform {

// Real message boxes and standard dialogs, centred on the program's main window.
class DesktopPrompts : public Prompts {
public:
    void setParentWindow(QWidget* window) { parent_ = window; }

    void warning(const QString& text) override;
    void error(const QString& text) override;
    void information(const QString& text) override;
    Answer question(const QString& text, QuestionButtons buttons, QuestionKind kind) override;
    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;
    std::optional<QString> chooseFolder(const QString& title, const QString& start) override;
    bool printDialog(QPrinter& printer) override;
    bool printerSetup(QPrinter& printer) override;

private:
    QWidget* parentWindow() const;
    QPointer<QWidget> parent_;
};

} // namespace vantrel::platform
