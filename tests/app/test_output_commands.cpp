// Print, export and e-mail of quotes and invoices from the main window, the printer
// set-up, and the tools and help menus, through the seams a user's desktop would answer.
#include "app/about_box.h"
#include "app/main_form.h"
#include "app/output_commands.h"
#include "app/work_area.h"
#include "core/sql_quote.h"
#include "support/test_files.h"
#include "support/test_platform.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace vantrel;
using lists::Folder;
using testing::PromptKind;

Q_DECLARE_METATYPE(lists::Folder)

namespace {

const QString tables = QStringLiteral(
    "CREATE TABLE VerInfo (VerNum Text); INSERT INTO VerInfo VALUES ('vantr15');"
    "CREATE TABLE Settings15 (Nom TEXT,Adresse TEXT,Email TEXT,Telephone TEXT,Fax TEXT,Siteweb "
    "TEXT,"
    "Monnaie TEXT,Taux TEXT,Logo TEXT,Decimals TEXT,Taux2 TEXT);"
    "INSERT INTO Settings15 VALUES ('Menuiserie Garnier','1 rue du "
    "Bois','','','','','€','20,00','','2','5,50');"
    "CREATE TABLE Informations20 (Include_infos_check TEXT,Siret TEXT,Rcs TEXT,Naf TEXT,Tvaintra "
    "TEXT);"
    "CREATE TABLE Footer25 (Include_footer_check TEXT,Footer_text TEXT);"
    "CREATE TABLE Customers15 (Account TEXT,Customer TEXT,Address TEXT,Tel TEXT,Fax TEXT,Email "
    "TEXT,Notes TEXT);"
    "CREATE TABLE Articles15 (Code TEXT,Description TEXT,Price TEXT,Quantity TEXT,Vat TEXT);"
    "CREATE TABLE Invoices15 (Num TEXT,Customer TEXT,Address TEXT,Dat TEXT,Tel TEXT,Fax TEXT,Email "
    "TEXT,"
    "Printed TEXT,Sent TEXT,Paid TEXT,Bottom TEXT,Notes TEXT,Articles TEXT,Total TEXT);"
    "CREATE TABLE Quotes15 (Num TEXT,Customer TEXT,Address TEXT,Dat TEXT,Tel TEXT,Fax TEXT,Email "
    "TEXT,"
    "Printed TEXT,Invoiced TEXT,Bottom TEXT,Notes TEXT,Articles TEXT,Total TEXT);");

QString item(const QString& net, const QString& rate) {
    return QStringLiteral("'A1'||char(13,10)||'Porte'||char(13,10)||'1'||char(13,10)||'%1'||char("
                          "13,10)||'%1'||"
                          "char(13,10)||'%1'||char(13,10)||'%2'||char(13,10)")
        .arg(net, rate);
}

QString invoiceRow(const QString& num, const QString& customer, const QString& email,
                   const QString& articles) {
    return QStringLiteral("INSERT INTO Invoices15 VALUES "
                          "('%1','%2','','05/03/2021','','','%3','Non','Non','Non','','',%4,'');")
        .arg(num, QString(customer).replace("'", "''"), email, articles);
}

QString quoteRow(const QString& num, const QString& customer, const QString& email,
                 const QString& articles) {
    return QStringLiteral("INSERT INTO Quotes15 VALUES "
                          "('%1','%2','','05/03/2021','','','%3','Non','Non','','',%4,'');")
        .arg(num, customer, email, articles);
}

} // namespace

class OutputCommandsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString database;
    QString previousFolder;
    std::unique_ptr<testing::TestPlatform> test;
    std::unique_ptr<app::TMainForm> window;
    app::OutputWindows windows{};

    // The window on the folder, with the template shipped beside the program.
    void show(Folder folder, int row = 0) {
        test->registry.writeInt(platform::Store::User, QStringLiteral("MainForm"),
                                QStringLiteral("selected_y"), int(folder) * 60 + 1);
        window = std::make_unique<app::TMainForm>(test->platform(), testing::binDir());
        windows = app::installOutputCommands(*window);
        QCOMPARE(window->okbtnClick(database), app::TMainForm::OpenResult::Opened);
        if (row >= 0)
            window->listview()->selectRow(row);
    }

    QString sql(const QString& statement) { return testing::sqlite3Cli(database, statement); }
    QString printed(const QString& table, const QString& num) {
        return sql(QStringLiteral("SELECT Printed FROM %1 WHERE Num='%2';").arg(table, num))
            .trimmed();
    }
    QString printedCell(int row = 0) { return window->listModel().rowAt(row).value(3); }
    // Invoice 8 damaged after the list was read: its line amount is no number.
    void damageInvoice8() {
        sql(QStringLiteral("UPDATE Invoices15 SET Articles=%1 WHERE Num='8';")
                .arg(item("douze €", "20,00")));
    }

private Q_SLOTS:
    void initTestCase() { previousFolder = QDir::currentPath(); }

    void init() {
        database = dir.filePath(QStringLiteral("sortie.vtdb"));
        QFile::remove(database);
        testing::sqlite3Cli(
            database, tables +
                          invoiceRow("7", "Dupont SARL", "compta@dupont.fr",
                                     item("100,00 €", "20,00") + "||" + item("50,00 €", "5,50")) +
                          invoiceRow("8", "A/B", "", item("12,00 €", "20,00")) +
                          quoteRow("3", "Durand", "m.durand@exemple.fr", item("10,00 €", "20,00")));
        test = std::make_unique<testing::TestPlatform>();
        test->printers.names = {QStringLiteral("Bureau")};
        test->printers.outputFile = dir.filePath(QStringLiteral("imprimante.pdf"));
        QFile::remove(test->printers.outputFile);
        QDir::setCurrent(dir.path());
    }

    void cleanup() {
        QVERIFY(test->prompts.allAnswered());
        window.reset();
        test.reset();
        QDir::setCurrent(previousFolder);
    }

    // The report reaches the printer and the document is marked, in the table and in
    // the list; printing again sets the same mark and prints again.
    void printMarksTheRow() {
        show(Folder::Invoices);
        QCOMPARE(window->listModel().key(0), QStringLiteral("7"));
        test->prompts.expectPrint(PromptKind::Print, true);
        window->workArea()->buprint()->click();
        QCOMPARE(printed("Invoices15", "7"), QStringLiteral("Oui"));
        QCOMPARE(printedCell(), QStringLiteral("Oui"));
        QCOMPARE(printed("Invoices15", "8"), QStringLiteral("Non"));
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {test->printers.outputFile, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(30000));
        const QString printedText = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        QVERIFY2(printedText.contains(QStringLiteral("Dupont SARL")) &&
                     printedText.contains(QStringLiteral("172,75 €")),
                 qPrintable(printedText));

        QFile::remove(test->printers.outputFile);
        test->prompts.expectPrint(PromptKind::Print, true);
        window->mnPrint()->trigger();
        QVERIFY(QFile::exists(test->printers.outputFile));
        QCOMPARE(printed("Invoices15", "7"), QStringLiteral("Oui"));
    }

    void printQuote() {
        show(Folder::Quotes);
        test->prompts.expectPrint(PromptKind::Print, true);
        window->runCommand(app::Command::Print);
        QCOMPARE(printed("Quotes15", "3"), QStringLiteral("Oui"));
        QCOMPARE(printedCell(), QStringLiteral("Oui"));
    }

    // Nothing printed, nothing marked: no printer (a warning), a cancelled dialog, a
    // template that is gone and a line amount that is not a number (both silent).
    void printStops_data() {
        QTest::addColumn<bool>("printers");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("templateGone");
        QTest::newRow("no printer") << false << false << 0 << false;
        QTest::newRow("dialog cancelled") << true << false << 0 << false;
        QTest::newRow("amount not a number") << true << true << 1 << false;
        QTest::newRow("template gone") << true << true << 0 << true;
    }
    void printStops() {
        QFETCH(bool, printers);
        QFETCH(bool, confirm);
        QFETCH(int, row);
        QFETCH(bool, templateGone);
        if (!printers)
            test->printers.names.clear();
        show(Folder::Invoices, row);
        if (!printers)
            test->prompts.expect(PromptKind::Warning);
        else
            test->prompts.expectPrint(PromptKind::Print, confirm);
        if (templateGone) {
            // A window whose template path leads nowhere, as when the file was deleted.
            window = std::make_unique<app::TMainForm>(test->platform(),
                                                      dir.filePath(QStringLiteral("ailleurs")));
            windows = app::installOutputCommands(*window);
            QCOMPARE(window->okbtnClick(database), app::TMainForm::OpenResult::Opened);
            window->listview()->selectRow(row);
        }
        const QString num = window->listModel().key(row);
        if (row == 1)
            damageInvoice8();
        window->runCommand(app::Command::Print);
        if (!printers)
            QCOMPARE(test->prompts.shown.last().text,
                     QStringLiteral("Aucune imprimante installée."));
        QCOMPARE(test->prompts.shown.size(), 1); // no message after the dialog
        QCOMPARE(printed("Invoices15", num), QStringLiteral("Non"));
        QCOMPARE(printedCell(row), QStringLiteral("Non"));
        QVERIFY(!QFile::exists(test->printers.outputFile));
    }

    void printWithoutSelectionDoesNothing() {
        show(Folder::Invoices, -1);
        window->runCommand(app::Command::Print);
        window->runCommand(app::Command::Export);
        window->runCommand(app::Command::Email);
        QVERIFY(test->prompts.shown.isEmpty());
        QVERIFY(test->shell.opened.isEmpty());
    }

    // The save dialog as the user sees it, the PDF written and opened, the page file
    // left in the current folder, the document not marked, the name remembered.
    void exportOpensThePdf_data() {
        QTest::addColumn<Folder>("folder");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("name");
        QTest::newRow("invoice") << Folder::Invoices << 0 << "Facture_05-03-2021_Dupont SARL.pdf";
        QTest::newRow("quote") << Folder::Quotes << 0 << "Devis_05-03-2021_Durand.pdf";
    }
    void exportOpensThePdf() {
        QFETCH(Folder, folder);
        QFETCH(int, row);
        QFETCH(QString, name);
        show(folder, row);
        const QString pdf = dir.filePath(QStringLiteral("sortie/") + name);
        QDir(dir.path()).mkpath(QStringLiteral("sortie"));
        test->prompts.expectFile(PromptKind::SaveFile, pdf);
        window->workArea()->buexport()->click();
        const platform::FileDialogRequest& asked = test->prompts.shown.last().request;
        QCOMPARE(asked.title, QStringLiteral("Exportation sous pdf"));
        QCOMPARE(asked.filter, QStringLiteral("Adobe Acrobat (*.pdf)|*.pdf"));
        QCOMPARE(asked.defaultExtension, QStringLiteral("pdf"));
        QCOMPARE(asked.initialPath, name);
        QVERIFY(asked.confirmOverwrite);
        QCOMPARE(test->shell.opened, QStringList{pdf});
        QVERIFY(testing::fileBytes(pdf).startsWith("%PDF-"));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("vantr-temp.ndr"))));
        QCOMPARE(printedCell(row), QStringLiteral("Non"));
        QCOMPARE(window->exdFileName, pdf);

        // The next export proposes its name in the folder the last PDF went to.
        test->prompts.expectFile(PromptKind::SaveFile, std::nullopt);
        window->mnExport()->trigger();
        QCOMPARE(test->prompts.shown.last().request.initialPath,
                 QDir(dir.filePath("sortie")).filePath(name));
        QCOMPARE(test->shell.opened.size(), 1);
    }

    // Every "/" of the proposed name becomes "-"; a line that is not a number stops
    // the export with the conversion message and opens nothing.
    void exportWithSlashesAndBadAmount() {
        show(Folder::Invoices, 1);
        QCOMPARE(window->listModel().rowAt(1).value(2), QStringLiteral("A/B"));
        damageInvoice8();
        test->prompts.expectFile(PromptKind::SaveFile, dir.filePath(QStringLiteral("ab.pdf")));
        test->prompts.expect(PromptKind::Error);
        window->runCommand(app::Command::Export);
        QCOMPARE(test->prompts.shown.first().request.initialPath,
                 QStringLiteral("Facture_05-03-2021_A-B.pdf"));
        QCOMPARE(test->prompts.shown.last().text,
                 QStringLiteral("'douze' n'est pas une valeur en virgule flottante correcte"));
        QVERIFY(test->shell.opened.isEmpty());
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("ab.pdf"))));
    }

    // Exporting, then printing, in one run: the paper gets the document too.
    void exportThenPrint() {
        show(Folder::Invoices);
        test->prompts.expectFile(PromptKind::SaveFile, dir.filePath(QStringLiteral("f.pdf")));
        window->runCommand(app::Command::Export);
        test->prompts.expectPrint(PromptKind::Print, true);
        window->runCommand(app::Command::Print);
        QVERIFY(QFile::exists(test->printers.outputFile));
        QCOMPARE(printed("Invoices15", "7"), QStringLiteral("Oui"));
    }

    void email_data() {
        QTest::addColumn<Folder>("folder");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("address");
        QTest::newRow("invoice") << Folder::Invoices << 0 << "mailto:compta@dupont.fr";
        QTest::newRow("invoice without address") << Folder::Invoices << 1 << "mailto:";
        QTest::newRow("quote") << Folder::Quotes << 0 << "mailto:m.durand@exemple.fr";
    }
    void email() {
        QFETCH(Folder, folder);
        QFETCH(int, row);
        QFETCH(QString, address);
        show(folder, row);
        window->workArea()->bumail()->click();
        QCOMPARE(test->shell.opened, QStringList{address});
        QVERIFY(test->prompts.shown.isEmpty());
    }

    // "Paramètres de l'impression..." sits in the file menu above the separator over
    // "Quitter" and shows the set-up dialog of the printer that prints.
    void printerSetup() {
        show(Folder::Invoices);
        const QList<QAction*> items = window->fileMenu()->actions();
        const qsizetype at = items.indexOf(windows.printerSetup);
        QVERIFY(at >= 0);
        QCOMPARE(windows.printerSetup->text(), QStringLiteral("Paramètres de l'impression..."));
        QVERIFY(items.at(at + 1)->isSeparator());
        QCOMPARE(items.at(at + 2), window->mnQuit());
        test->prompts.expectPrint(PromptKind::PrinterSetup, true);
        windows.printerSetup->trigger();
        QVERIFY(test->prompts.allAnswered());
    }

    // The calculator and the editor: the first program of the list that is installed,
    // nothing when none is.
    void toolPrograms_data() {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QStringList>("started");
        QTest::newRow("second choices")
            << QStringList{"kcalc", "gedit", "mousepad"} << QStringList{"kcalc", "gedit"};
        QTest::newRow("last choices")
            << QStringList{"xcalc", "leafpad"} << QStringList{"xcalc", "leafpad"};
        QTest::newRow("none") << QStringList{} << QStringList{};
    }
    void toolPrograms() {
        QFETCH(QStringList, installed);
        QFETCH(QStringList, started);
        QTemporaryDir bin;
        for (const QString& program : installed) {
            QFile f(bin.filePath(program));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("#!/bin/sh\n");
            f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
        }
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit());
        show(Folder::Invoices);
        window->mnCalc()->trigger();
        window->mnNotepad()->trigger();
        qputenv("PATH", path);
        QCOMPARE(test->shell.opened, started);
    }

    void helpMenu() {
        show(Folder::Invoices);
        window->mnWebsite()->trigger();
        window->mnContact()->trigger();
        QCOMPARE(test->shell.opened, (QStringList{"https://www.vantrel.example/",
                                                  "https://www.vantrel.example/contact/"}));

        test->modal.once(QStringLiteral("vantrel::app::TAboutBox"), [this](QDialog& d) {
            auto& box = static_cast<app::TAboutBox&>(d);
            QCOMPARE(box.productLabel()->text(), QStringLiteral("Vantrel"));
            QCOMPARE(box.versionLabel()->text(), QStringLiteral("Version 3.0.0"));
            QVERIFY(!box.descriptionLabel()->text().isEmpty());
            QVERIFY(
                box.linkLabel()->text().contains(QStringLiteral("https://www.vantrel.example/")));
            Q_EMIT box.linkLabel()->linkActivated(QStringLiteral("https://www.vantrel.example/"));
            box.okButton()->click();
        });
        window->mnAbout()->trigger();
        QCOMPARE(test->modal.shownClasses, QStringList{"vantrel::app::TAboutBox"});
        QCOMPARE(test->shell.opened.size(), 3);
    }
};

QTEST_MAIN(OutputCommandsTest)
#include "test_output_commands.moc"
