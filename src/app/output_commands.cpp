// Printing, PDF export and e-mail of the selected quote or invoice, the printer set-up,
// and the tools and help menus.
#include "app/output_commands.h"

#include "app/about_box.h"
#include "app/main_form.h"
#include "output/document_output.h"
#include "output/messages.h"
#include "platform/command_guard.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QPrinter>
#include <QScreen>
#include <QStandardPaths>
#include <memory>

namespace vantrel::app {

namespace {

const QString printerSetupCaption = QStringLiteral("Paramètres de l'impression...");
constexpr int printedColumn = 3; // "Imprimée" / "Imprimé"

using output::DocumentKind;

DocumentKind kindOf(lists::Folder folder) {
    return folder == lists::Folder::Quotes ? DocumentKind::Quote : DocumentKind::Invoice;
}

// The printer reports run on, made on first use and kept for the whole run, so that
// the set-up dialog and the print dialog work on the same one.
class ReportPrinter {
public:
    explicit ReportPrinter(const platform::Printers& printers) : printers_(printers) {}
    QPrinter& get() {
        if (!printer_)
            printer_ = printers_.makePrinter();
        return *printer_;
    }

private:
    const platform::Printers& printers_;
    std::unique_ptr<QPrinter> printer_;
};

void buprintClick(TMainForm& window, ReportPrinter& printer, DocumentKind kind) {
    const int row = window.selectedRow();
    if (row < 0)
        return;
    const platform::Platform& p = window.platform();
    if (p.printers.installed().isEmpty()) {
        p.prompts.warning(output::messages::noPrinter);
        return;
    }
    // Any error from here on ends the command without a word; a document whose report
    // did not reach the printer is not marked.
    try {
        QPrinter& chosen = printer.get();
        if (!p.prompts.printDialog(chosen))
            return;
        const QString number = window.listModel().key(row);
        output::printDocument(window.dqd, reportRequest(window, kind, number), chosen);
        output::markPrinted(window.dqd, kind, number);
        lists::ListRow cells = window.listModel().rowAt(row);
        if (cells.size() > printedColumn) {
            cells[printedColumn] = output::messages::printedWord;
            window.listModel().updateRow(row, cells);
        }
    } catch (const std::exception&) {
    }
}

QString initialExportPath(const TMainForm& window, const QString& name) {
    // The proposed name, in the folder the last PDF went to.
    if (window.exdFileName.isEmpty())
        return name;
    return QFileInfo(window.exdFileName).dir().filePath(name);
}

void buexport1Click(TMainForm& window, DocumentKind kind) {
    const int row = window.selectedRow();
    if (row < 0)
        return;
    const platform::Platform& p = window.platform();
    const lists::ListRow cells = window.listModel().rowAt(row);
    platform::FileDialogRequest dialog;
    dialog.title = output::messages::exportTitle;
    dialog.filter = output::messages::pdfFilter;
    dialog.defaultExtension = output::messages::pdfExtension;
    dialog.initialPath =
        initialExportPath(window, output::defaultPdfName(kind, cells.value(1), cells.value(2)));
    dialog.confirmOverwrite = true;
    const std::optional<QString> path = p.prompts.saveFile(dialog);
    if (!path)
        return;
    window.exdFileName = *path;
    platform::guardCommand(p.prompts, [&] {
        output::exportDocument(window.dqd, reportRequest(window, kind, cells.value(0)), *path,
                               output::messages::pageFileName);
        p.shell.open(*path);
    });
}

void bumailClick(TMainForm& window, DocumentKind kind) {
    const int row = window.selectedRow();
    if (row < 0)
        return;
    const platform::Platform& p = window.platform();
    platform::guardCommand(p.prompts, [&] {
        p.shell.open(output::mailAddress(window.dqd, kind, window.listModel().key(row)));
    });
}

void startFirstOf(const platform::Platform& p, const QStringList& programs) {
    const QString program = firstInstalledProgram(programs);
    if (!program.isEmpty())
        p.shell.open(program);
}

// The printer set-up goes in the file menu above the separator that stands over
// "Quitter".
QAction* addPrinterSetup(TMainForm& window) {
    QMenu* menu = window.fileMenu();
    auto* action = new QAction(printerSetupCaption, menu);
    const QList<QAction*> items = menu->actions();
    const qsizetype quit = items.indexOf(window.mnQuit());
    QAction* before =
        quit > 0 && items[quit - 1]->isSeparator() ? items[quit - 1] : window.mnQuit();
    menu->insertAction(before, action);
    return action;
}

} // namespace

QString firstInstalledProgram(const QStringList& candidates) {
    for (const QString& program : candidates)
        if (!QStandardPaths::findExecutable(program).isEmpty())
            return program;
    return {};
}

output::ReportRequest reportRequest(const TMainForm& window, DocumentKind kind,
                                    const QString& number) {
    output::ReportRequest request;
    request.kind = kind;
    request.number = number;
    request.templatePath = window.reportTemplatePath();
    request.logo = window.currentSettings.logo;
    request.money = window.money;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        request.screenDpi = screen->logicalDotsPerInch();
    return request;
}

OutputWindows installOutputCommands(TMainForm& window) {
    const platform::Platform& p = window.platform();
    auto printer = std::make_shared<ReportPrinter>(p.printers);
    using lists::Folder;
    for (Folder folder : {Folder::Quotes, Folder::Invoices}) {
        const DocumentKind kind = kindOf(folder);
        window.routes.plug(folder, Command::Print,
                           [&window, printer, kind] { buprintClick(window, *printer, kind); });
        window.routes.plug(folder, Command::Export,
                           [&window, kind] { buexport1Click(window, kind); });
        window.routes.plug(folder, Command::Email, [&window, kind] { bumailClick(window, kind); });
    }

    OutputWindows windows{addPrinterSetup(window), new TAboutBox(p.shell, &window)};
    QObject::connect(windows.printerSetup, &QAction::triggered, &window, [&window, printer] {
        // Paramtresdelimpression1Click: the set-up dialog for the report printer, no more.
        window.platform().prompts.printerSetup(printer->get());
    });
    QObject::connect(window.mnCalc(), &QAction::triggered, &window,
                     [&window] { startFirstOf(window.platform(), calculatorPrograms); });
    QObject::connect(window.mnNotepad(), &QAction::triggered, &window,
                     [&window] { startFirstOf(window.platform(), editorPrograms); });
    QObject::connect(window.mnWebsite(), &QAction::triggered, &window,
                     [&window] { window.platform().shell.open(about::website); });
    QObject::connect(window.mnContact(), &QAction::triggered, &window,
                     [&window] { window.platform().shell.open(about::contact); });
    TAboutBox* box = windows.about;
    QObject::connect(window.mnAbout(), &QAction::triggered, &window,
                     [&window, box] { window.platform().modal.runModal(*box); });
    return windows;
}

} // namespace vantrel::app
