#include "platform/desktop_prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QCursor>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPushButton>

namespace vantrel::platform {
namespace {

// A message shown in the middle of busy work gets the normal pointer while it is up.
class NormalPointer {
public:
    NormalPointer() : active_(QGuiApplication::overrideCursor() != nullptr) {
        if (active_)
            QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    }
    ~NormalPointer() {
        if (active_)
            QGuiApplication::restoreOverrideCursor();
    }

private:
    bool active_;
};

void showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text) {
    NormalPointer pointer;
    QMessageBox box(icon, caption, screenLines(text), QMessageBox::NoButton, parent);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

std::optional<QString> runFileDialog(QWidget* parent, const FileDialogRequest& request,
                                     QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(qtNameFilters(request.filter));
    dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.confirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!request.initialPath.isEmpty())
        dialog.selectFile(request.initialPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

QWidget* DesktopPrompts::parentWindow() const {
    if (parent_)
        return parent_;
    return QApplication::activeWindow();
}

void DesktopPrompts::warning(const QString& text) {
    showMessage(parentWindow(), QMessageBox::Warning, captions::warning, text);
}

void DesktopPrompts::error(const QString& text) {
    showMessage(parentWindow(), QMessageBox::Critical, captions::error, text);
}

void DesktopPrompts::information(const QString& text) {
    showMessage(parentWindow(), QMessageBox::Information, captions::information, text);
}

Answer DesktopPrompts::question(const QString& text, QuestionButtons buttons, QuestionKind kind) {
    NormalPointer pointer;
    const bool warning = kind == QuestionKind::Warning;
    QMessageBox box(warning ? QMessageBox::Warning : QMessageBox::Question,
                    warning ? captions::warning : captions::question, screenLines(text), QMessageBox::NoButton,
                    parentWindow());
    QPushButton* yes = box.addButton(QStringLiteral("&Oui"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&Non"), QMessageBox::NoRole);
    QPushButton* cancel = nullptr;
    if (buttons == QuestionButtons::YesNoCancel)
        cancel = box.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel ? cancel : no);
    box.exec();
    if (box.clickedButton() == yes)
        return Answer::Yes;
    if (cancel && box.clickedButton() == cancel)
        return Answer::Cancel;
    return Answer::No;
}

std::optional<QString> DesktopPrompts::openFile(const FileDialogRequest& request) {
    return runFileDialog(parentWindow(), request, QFileDialog::AcceptOpen);
}

std::optional<QString> DesktopPrompts::saveFile(const FileDialogRequest& request) {
    return runFileDialog(parentWindow(), request, QFileDialog::AcceptSave);
}

std::optional<QString> DesktopPrompts::chooseFolder(const QString& title, const QString& start) {
    const QString folder = QFileDialog::getExistingDirectory(parentWindow(), title, start);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

bool DesktopPrompts::printDialog(QPrinter& printer) {
    QPrintDialog dialog(&printer, parentWindow());
    return dialog.exec() == QDialog::Accepted;
}

bool DesktopPrompts::printerSetup(QPrinter& printer) {
    QPageSetupDialog dialog(&printer, parentWindow());
    return dialog.exec() == QDialog::Accepted;
}

} // namespace vantrel::platform
