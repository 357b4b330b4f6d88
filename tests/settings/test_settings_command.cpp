// "Informations / Paramètres" through the main window: the dialog shows what is stored,
// "&OK" saves and brings the window up to date, "&Annuler" leaves everything as it was.
#include "app/main_form.h"
#include "app/messages.h"
#include "app/settings_commands.h"
#include "app/work_area.h"
#include "platform/number_box.h"
#include "settings/settings_form.h"
#include "support/test_files.h"
#include "support/test_platform.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace vantrel;
using settings::TsettingsForm;
using testing::PromptKind;
using testing::sqlite3Cli;

namespace {

const QString formClass = QStringLiteral("vantrel::settings::TsettingsForm");

const QString fixtureSql = QStringLiteral(
    "CREATE TABLE VerInfo (VerNum Text); INSERT INTO VerInfo VALUES ('vantr15');"
    "CREATE TABLE Settings15 (Nom TEXT,Adresse TEXT,Email TEXT,Telephone TEXT,Fax TEXT,Siteweb "
    "TEXT,"
    "Monnaie TEXT,Taux TEXT,Logo TEXT,Decimals TEXT,Taux2 TEXT);"
    "INSERT INTO Settings15 VALUES ('Plomberie Garnier','','','','','','€','20,00','','2','5,50');"
    "CREATE TABLE Invoices15 (Num TEXT,Customer TEXT,Address TEXT,Dat TEXT,Tel TEXT,Fax TEXT,Email "
    "TEXT,"
    "Printed TEXT,Sent TEXT,Paid TEXT,Bottom TEXT,Notes TEXT,Articles TEXT,Total TEXT);"
    "INSERT INTO Invoices15 VALUES ('1','Dupont','','02/12/2026','','','','Oui','Non','Oui','','',"
    "  'A'||char(13,10)||'Pose'||char(13,10)||'1'||char(13,10)||'100,00 €'||char(13,10)||'100,00 "
    "€'||char(13,10)"
    "  ||'120,00 €'||char(13,10)||'20,00'||char(13,10),'120,00 €');");

TsettingsForm& settingsForm(QDialog& dialog) {
    return static_cast<TsettingsForm&>(dialog);
}

} // namespace

class SettingsCommandTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString database;
    std::unique_ptr<testing::TestPlatform> test;
    std::unique_ptr<app::TMainForm> window;

    void openWindow() {
        window = std::make_unique<app::TMainForm>(test->platform(), dir.path());
        app::installSettingsCommands(*window);
        QCOMPARE(window->okbtnClick(database), app::TMainForm::OpenResult::Opened);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    QString stored(const QString& sql) { return sqlite3Cli(database, sql).trimmed(); }

    QString listTotal() { return window->listModel().rowAt(0).last(); }

private Q_SLOTS:
    void init() {
        static int n = 0;
        database = dir.filePath(QStringLiteral("garnier%1.vtdb").arg(++n));
        sqlite3Cli(database, fixtureSql);
        test = std::make_unique<testing::TestPlatform>();
        // The invoices folder, so that the list shows amounts.
        test->registry.writeInt(platform::Store::User, QStringLiteral("MainForm"),
                                QStringLiteral("selected_y"), 61);
    }

    void cleanup() {
        QVERIFY(test->prompts.allAnswered());
        window.reset();
        test.reset();
    }

    void okSavesAndTheWindowFollows() {
        openWindow();
        QCOMPARE(listTotal(), QStringLiteral("120,00 €"));
        test->modal.once(formClass, [](QDialog& dialog) {
            TsettingsForm& form = settingsForm(dialog);
            QCOMPARE(form.vbusinessname()->text(), QStringLiteral("Plomberie Garnier"));
            QCOMPARE(form.vvat2()->text(), QStringLiteral("5,50"));
            form.vbusinessname()->setText(QStringLiteral("Plomberie Garnier & Fils"));
            form.vcur()->setText(QStringLiteral("CHF"));
            form.vdecnum()->setText(QStringLiteral("3"));
            form.tabs()->setCurrentIndex(3);
            QTest::mouseClick(form.okButton(), Qt::LeftButton);
        });
        window->mnsettings()->trigger();

        QCOMPARE(stored(QStringLiteral("SELECT Nom, Monnaie, Decimals, Taux FROM Settings15;")),
                 QStringLiteral("Plomberie Garnier & Fils|CHF|3|20,00"));
        QCOMPARE(stored(QStringLiteral("SELECT * FROM Informations20;")),
                 QStringLiteral("False||||"));
        QCOMPARE(window->workArea()->companyName(), QStringLiteral("Plomberie Garnier & Fils"));
        QCOMPARE(window->currentSettings.currency, QStringLiteral("CHF"));
        QCOMPARE(window->money.pattern(), QStringLiteral("0.000 CHF"));
        QCOMPARE(listTotal(), QStringLiteral("120,000 CHF"));
        QCOMPARE(QApplication::focusWidget(), window->listview());

        // The next opening shows the tab last shown and what was saved.
        test->modal.once(formClass, [](QDialog& dialog) {
            TsettingsForm& form = settingsForm(dialog);
            QCOMPARE(form.tabs()->currentIndex(), 3);
            QCOMPARE(form.vdecnum()->text(), QStringLiteral("3"));
            form.vdecnum()->setText(QStringLiteral("2"));
            QTest::mouseClick(form.okButton(), Qt::LeftButton);
        });
        window->mnsettings()->trigger();
        QCOMPARE(listTotal(), QStringLiteral("120,00 CHF"));
    }

    void cancelLeavesEverythingAsItWas() {
        openWindow();
        const QString logoPath = dir.filePath(QStringLiteral("logo.png"));
        QImage picture(40, 20, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QVERIFY(picture.save(logoPath));
        const QString before = stored(QStringLiteral("SELECT * FROM Settings15;"));
        test->prompts.expectFile(PromptKind::OpenFile, logoPath);
        test->modal.once(formClass, [](QDialog& dialog) {
            TsettingsForm& form = settingsForm(dialog);
            form.vbusinessname()->setText(QStringLiteral("Autre nom"));
            form.vvat()->setText(QStringLiteral("10,00"));
            form.vcur()->setText(QStringLiteral("$"));
            QTest::mouseClick(form.loadLogoButton(), Qt::LeftButton);
            QCOMPARE(form.vlogo2()->picture().size(), QSize(40, 20));
            QTest::mouseClick(form.cancelButton(), Qt::LeftButton);
        });
        window->mnsettings()->trigger();

        QCOMPARE(stored(QStringLiteral("SELECT * FROM Settings15;")), before);
        QCOMPARE(stored(QStringLiteral("SELECT count(*) FROM Informations20;")),
                 QStringLiteral("0"));
        QCOMPARE(window->currentSettings.rate1, QStringLiteral("20,00"));
        QCOMPARE(window->currentSettings.businessName, QStringLiteral("Plomberie Garnier"));
        QVERIFY(window->currentSettings.logo.isNull());
        QCOMPARE(window->money.pattern(), QStringLiteral("0.00 €"));
        QCOMPARE(window->workArea()->companyName(), QStringLiteral("Plomberie Garnier"));
        QCOMPARE(listTotal(), QStringLiteral("120,00 €"));

        // The dropped logo does not come back at the next opening.
        test->modal.once(formClass, [](QDialog& dialog) {
            TsettingsForm& form = settingsForm(dialog);
            QVERIFY(form.vlogo2()->picture().isNull());
            QCOMPARE(form.vbusinessname()->text(), QStringLiteral("Plomberie Garnier"));
            QCOMPARE(form.vvat()->text(), QStringLiteral("20,00"));
            dialog.reject();
        });
        window->mnsettings()->trigger();
    }

    void aFailedSaveShowsTheErrorAndKeepsTheSettings() {
        openWindow();
        sqlite3Cli(database, QStringLiteral("CREATE TRIGGER full BEFORE INSERT ON Footer25 "
                                            "BEGIN SELECT RAISE(ABORT,'disque plein'); END;"));
        test->prompts.expect(PromptKind::Error);
        test->modal.once(formClass, [](QDialog& dialog) {
            TsettingsForm& form = settingsForm(dialog);
            form.vbusinessname()->setText(QStringLiteral("Perdu"));
            QTest::mouseClick(form.okButton(), Qt::LeftButton);
        });
        window->mnsettings()->trigger();
        QCOMPARE(test->prompts.shown.constLast().text, QStringLiteral("disque plein"));
        QCOMPARE(stored(QStringLiteral("SELECT Nom FROM Settings15;")),
                 QStringLiteral("Plomberie Garnier"));
        QCOMPARE(window->workArea()->companyName(), QStringLiteral("Plomberie Garnier"));
    }

    void theDialogFollowsTheCreateCommand() {
        window = std::make_unique<app::TMainForm>(test->platform(), dir.path());
        app::installSettingsCommands(*window);
        const QString path = dir.filePath(QStringLiteral("nouvelle.vtdb"));
        test->prompts.expectFile(PromptKind::SaveFile, path)
            .expect(PromptKind::Information)
            .expect(PromptKind::Information);
        test->modal.once(formClass, [](QDialog& dialog) {
            TsettingsForm& form = settingsForm(dialog);
            QCOMPARE(form.vcur()->text(), QStringLiteral("€"));
            QCOMPARE(form.vvat()->text(), QStringLiteral("20,00"));
            form.vbusinessname()->setText(QStringLiteral("L'Atelier Roux"));
            QTest::mouseClick(form.okButton(), Qt::LeftButton);
        });
        window->Crer1Click();
        QCOMPARE(test->prompts.shown.constLast().text, app::messages::fillInSettings);
        QCOMPARE(test->modal.shownClasses, QStringList{formClass});
        QCOMPARE(window->workArea()->companyName(), QStringLiteral("L'Atelier Roux"));
        QCOMPARE(sqlite3Cli(path, QStringLiteral("SELECT Nom, Taux, Taux2 FROM Settings15;")),
                 QStringLiteral("L'Atelier Roux|20,00|5,00\n"));
    }
};

QTEST_MAIN(SettingsCommandTest)
#include "test_settings_command.moc"
