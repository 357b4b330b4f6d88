// The database file commands of the main window, each driven whole: menu, dialogs,
// files, and the state the window is left in.
#include "app/main_form.h"
#include "app/messages.h"
#include "app/work_area.h"
#include "db/open_database_form.h"
#include "support/test_files.h"
#include "support/test_platform.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

using namespace vantrel;
using testing::PromptKind;

namespace {
const QString openFormClass = QStringLiteral("vantrel::db::TOpendatabaseFrm");
const QString pathFormClass = QStringLiteral("vantrel::db::Tcurrentdbfrm");

QString remembered(testing::TestPlatform& test, int number) {
    return test.registry.readString(platform::Store::Machine, QStringLiteral("dbpaths"),
                                    QStringLiteral("dbpath%1").arg(number));
}

void remember(testing::TestPlatform& test, int number, const QString& path) {
    test.registry.write(platform::Store::Machine, QStringLiteral("dbpaths"), QStringLiteral("dbpath%1").arg(number),
                        path);
}

// The row of the remembered-paths dialog for a file name.
QTreeWidgetItem* rowOf(QDialog& dialog, const QString& fileName) {
    auto* list = dialog.findChild<QTreeWidget*>();
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->text(0) == fileName)
            return list->topLevelItem(i);
    return nullptr;
}
} // namespace

class DatabaseCommandsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<testing::TestPlatform> test;
    std::unique_ptr<app::TMainForm> window;

    QString path(const QString& name) const { return dir.filePath(name); }

    // A database of the current format, made the way the Create command makes one.
    QString currentDatabase(const QString& name) {
        testing::sqlite3Cli(path(name), QStringLiteral("CREATE TABLE IF NOT EXISTS VerInfo (VerNum Text);"
                                                       "INSERT INTO VerInfo VALUES ('vantr15');"));
        return path(name);
    }

    void verifyNoDatabase() {
        QVERIFY(!window->hasDatabase());
        QCOMPARE(window->dqd.path(), QString());
        QCOMPARE(window->windowTitle(), QStringLiteral("Vantrel 3"));
        QCOMPARE(window->statusText(), QString());
        QVERIFY(!window->workAreaShown());
        QVERIFY(!window->Tbnew()->isEnabled());
        QVERIFY(!window->tbmodify()->isEnabled());
        QVERIFY(!window->tbdelete()->isEnabled());
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

private Q_SLOTS:
    void init() {
        test = std::make_unique<testing::TestPlatform>();
        window = std::make_unique<app::TMainForm>(test->platform(), dir.path());
    }

    void cleanup() {
        QVERIFY(test->prompts.allAnswered());
        window.reset();
        test.reset();
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
            QFile::remove(path(name));
    }

    void windowTitle_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("title");
        QTest::newRow("accents") << QStringLiteral("/home/a/Factures/Ma société.vtdb") << QStringLiteral("Vantrel - Ma société");
        QTest::newRow("two dots") << QStringLiteral("/tmp/a.b.vtdb") << QStringLiteral("Vantrel - a.b");
        QTest::newRow("no dot") << QStringLiteral("/tmp/Compta") << QStringLiteral("Vantrel - Compta");
    }

    void windowTitle() {
        QFETCH(QString, file);
        QFETCH(QString, title);
        QCOMPARE(app::windowTitleFor(file), title);
    }

    // The list shows every remembered path up to the first gap, the open one in bold
    // and missing files in grey; "&Ouvrir" refuses no selection and a missing file.
    void openFromRememberedList() {
        const QString first = currentDatabase(QStringLiteral("Première.vtdb"));
        const QString second = currentDatabase(QStringLiteral("L'Atelier.vtdb"));
        remember(*test, 1, first);
        remember(*test, 2, path(QStringLiteral("disparue.vtdb")));
        remember(*test, 3, second);
        remember(*test, 5, path(QStringLiteral("après le trou.vtdb")));
        QCOMPARE(window->okbtnClick(first), app::TMainForm::OpenResult::Opened);

        test->modal.once(openFormClass, [&](QDialog& dialog) {
            auto& form = static_cast<db::TOpendatabaseFrm&>(dialog);
            QCOMPARE(form.list()->topLevelItemCount(), 3);
            QTreeWidgetItem* open = rowOf(dialog, QStringLiteral("Première.vtdb"));
            QTreeWidgetItem* gone = rowOf(dialog, QStringLiteral("disparue.vtdb"));
            QTreeWidgetItem* other = rowOf(dialog, QStringLiteral("L'Atelier.vtdb"));
            QVERIFY(open && gone && other);
            QVERIFY(open->font(0).bold());
            QVERIFY(!other->font(0).bold());
            QCOMPARE(gone->foreground(0).color(), QColor(128, 128, 128));
            QVERIFY(!other->foreground(0).color().isValid() || other->foreground(0).color() != QColor(128, 128, 128));
            QCOMPARE(open->text(1), QDir::toNativeSeparators(dir.path() + QLatin1Char('/')));

            form.openButton()->click();
            QVERIFY(dialog.isVisible());
            form.list()->setCurrentItem(gone);
            form.openButton()->click();
            QVERIFY(dialog.isVisible());
            form.list()->setCurrentItem(other);
            form.openButton()->click();
        });
        test->prompts.expect(PromptKind::Information).expect(PromptKind::Warning).expect(PromptKind::Information);
        window->mnOpen()->trigger();

        QCOMPARE(test->prompts.texts(),
                 (QList<QString>{QStringLiteral("Veuillez sélectionner un fichier de base de données"),
                                 QStringLiteral("Ce fichier n'existe pas dans cet emplacement."),
                                 QStringLiteral("La base de données que vous avez sélectionnée a été ouverte.")}));
        QCOMPARE(window->dqd.path(), second);
        QCOMPARE(window->windowTitle(), QStringLiteral("Vantrel - L'Atelier"));
        QVERIFY(window->Tbnew()->isEnabled());
        QCOMPARE(remembered(*test, 4), QString()); // already remembered: not added again
    }

    void openingTheOpenDatabaseOnlyWarns() {
        const QString file = currentDatabase(QStringLiteral("courante.vtdb"));
        QCOMPARE(window->okbtnClick(file), app::TMainForm::OpenResult::Opened);
        test->modal.once(openFormClass, [](QDialog& dialog) { dialog.done(db::TOpendatabaseFrm::OpenOther); });
        test->prompts.expectFile(PromptKind::OpenFile, file);
        test->prompts.expect(PromptKind::Warning);
        window->mnOpen()->trigger();
        QCOMPARE(test->prompts.shown.first().request.title, QStringLiteral("Ouvrir une base de données"));
        QCOMPARE(test->prompts.shown.first().request.filter, QStringLiteral("Base de données Vantrel (*.vtdb)|*.vtdb"));
        QCOMPARE(test->prompts.shown.first().request.defaultExtension, QStringLiteral("vtdb"));
        QCOMPARE(test->prompts.shown.last().text,
                 QStringLiteral("Le fichier est déjà ouvert, c'est la base de données en cours."));
        QCOMPARE(window->dqd.path(), file);
    }

    // A name that does not exist is not created, and the failed path does not stay
    // set: choosing it again tries the opening again instead of calling it open.
    void openingAMissingNameFailsAndCanBeRetried() {
        const QString missing = path(QStringLiteral("inexistante.vtdb"));
        for (int attempt = 0; attempt < 2; ++attempt) {
            test->modal.once(openFormClass, [](QDialog& dialog) { dialog.done(db::TOpendatabaseFrm::OpenOther); });
            test->prompts.expectFile(PromptKind::OpenFile, missing);
            test->prompts.expect(PromptKind::Warning);
            window->mnOpen()->trigger();
            QCOMPARE(test->prompts.shown.last().text, QStringLiteral("Erreur lors de l'ouverture."));
            verifyNoDatabase();
            QVERIFY(!QFile::exists(missing));
        }
    }

    void cancellingTheOpenCommandChangesNothing() {
        const QString file = currentDatabase(QStringLiteral("reste.vtdb"));
        QCOMPARE(window->okbtnClick(file), app::TMainForm::OpenResult::Opened);
        test->modal.once(openFormClass, [](QDialog& dialog) {
            static_cast<db::TOpendatabaseFrm&>(dialog).cancelButton()->click();
        });
        window->mnOpen()->trigger();
        test->modal.once(openFormClass, [](QDialog& dialog) { dialog.done(db::TOpendatabaseFrm::OpenOther); });
        test->prompts.expectFile(PromptKind::OpenFile, std::nullopt);
        window->mnOpen()->trigger();
        QCOMPARE(window->dqd.path(), file);
    }

    // Files the engine cannot work with end in the no-database state with the
    // engine's own message, never half-open and never with the busy pointer.
    void unusableFiles_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("not a database") << QByteArray("Ceci n'est pas une base.\n").repeated(200)
                                        << QStringLiteral("file is not a database");
        QTest::newRow("zero length") << QByteArray() << QStringLiteral("no such table: Settings");
    }

    void unusableFiles() {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        const QString file = path(QStringLiteral("abîmée.vtdb"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();

        test->modal.once(openFormClass, [](QDialog& dialog) { dialog.done(db::TOpendatabaseFrm::OpenOther); });
        test->prompts.expectFile(PromptKind::OpenFile, file);
        if (content.isEmpty())
            test->prompts.expect(PromptKind::Information); // the upgrade is announced, then fails
        test->prompts.expect(PromptKind::Error);
        window->mnOpen()->trigger();
        QCOMPARE(test->prompts.shown.last().text, message);
        verifyNoDatabase();
        QCOMPARE(testing::fileBytes(file), content);
    }

    void laterVersionIsRefused() {
        const QString file = path(QStringLiteral("future.vtdb"));
        testing::sqlite3Cli(file, QStringLiteral("CREATE TABLE VerInfo (VerNum Text); INSERT INTO VerInfo VALUES ('vantr99');"));
        test->modal.once(openFormClass, [](QDialog& dialog) { dialog.done(db::TOpendatabaseFrm::OpenOther); });
        test->prompts.expectFile(PromptKind::OpenFile, file);
        test->prompts.expect(PromptKind::Warning);
        window->mnOpen()->trigger();
        QCOMPARE(test->prompts.shown.last().text,
                 QStringLiteral("Cette base de données a été créée avec une version ultérieure.\r\r"
                                "Veuillez utiliser une version plus récente pour l'ouvrir."));
        verifyNoDatabase();
        QCOMPARE(remembered(*test, 1), file);
        QCOMPARE(testing::sqlite3Cli(file, QStringLiteral("SELECT VerNum FROM VerInfo;")), QStringLiteral("vantr99\n"));
    }

    void openingAnOldDatabaseUpgradesIt() {
        const QString file = path(QStringLiteral("ancienne.vtdb"));
        testing::sqlite3Cli(file, QStringLiteral(
            "CREATE TABLE Settings (Nom TEXT,Adresse TEXT,Email TEXT,Telephone TEXT,Fax TEXT,Siteweb TEXT,"
            "Monnaie TEXT,Taux TEXT,Logo TEXT);"
            "INSERT INTO Settings VALUES ('Menuiserie d''Antan','','','','','','€','19,60','');"
            "CREATE TABLE Invoices (Num TEXT,Customer TEXT,Address TEXT,Dat TEXT,Tel TEXT,Fax TEXT,Email TEXT,"
            "Printed TEXT,Sent TEXT,Paid TEXT,Bottom TEXT,Notes TEXT,Articles TEXT,Total TEXT);"
            "CREATE TABLE Quotes (Num TEXT,Customer TEXT,Address TEXT,Dat TEXT,Tel TEXT,Fax TEXT,Email TEXT,"
            "Printed TEXT,Invoiced TEXT,Bottom TEXT,Notes TEXT,Articles TEXT,Total TEXT);"
            "CREATE TABLE Customers (Account TEXT,Customer TEXT,Address TEXT,Tel TEXT,Fax TEXT,Email TEXT,Notes TEXT);"
            "CREATE TABLE Articles (Code TEXT,Description TEXT,Price TEXT,Quantity TEXT);"));
        test->modal.once(openFormClass, [](QDialog& dialog) { dialog.done(db::TOpendatabaseFrm::OpenOther); });
        test->prompts.expectFile(PromptKind::OpenFile, file);
        test->prompts.expect(PromptKind::Information).expect(PromptKind::Information);
        window->mnOpen()->trigger();
        QVERIFY(test->prompts.shown[1].text.startsWith(QStringLiteral("Vantrel va procéder à la mise à jour")));
        QCOMPARE(test->prompts.shown[2].text, app::messages::opened);
        QVERIFY(window->hasDatabase());
        QCOMPARE(window->workArea()->findChild<QLabel*>(QStringLiteral("companyName"))->text(),
                 QStringLiteral("Menuiserie d'Antan"));
        QCOMPARE(testing::sqlite3Cli(file, QStringLiteral("SELECT VerNum FROM VerInfo;")), QStringLiteral("vantr15\n"));
    }

    void createRefusesAnExistingFileAndCancelLeavesNoDatabase() {
        const QString file = currentDatabase(QStringLiteral("ouverte.vtdb"));
        QCOMPARE(window->okbtnClick(file), app::TMainForm::OpenResult::Opened);
        test->prompts.expectFile(PromptKind::SaveFile, std::nullopt);
        window->mnCreate()->trigger();
        verifyNoDatabase();

        const QString existing = currentDatabase(QStringLiteral("existe.vtdb"));
        const QByteArray before = testing::fileBytes(existing);
        test->prompts.expectFile(PromptKind::SaveFile, existing);
        test->prompts.expect(PromptKind::Warning);
        window->mnCreate()->trigger();
        QCOMPARE(test->prompts.shown.last().text, QStringLiteral("Le fichier existe dèja."));
        verifyNoDatabase();
        QCOMPARE(testing::fileBytes(existing), before);
    }

    void createMakesACurrentDatabase() {
        const QString file = path(QStringLiteral("Société Nouvelle.vtdb"));
        test->prompts.expectFile(PromptKind::SaveFile, file);
        test->prompts.expect(PromptKind::Information);
        window->mnCreate()->trigger();
        const auto& dialog = test->prompts.shown.first().request;
        QCOMPARE(dialog.title, QStringLiteral("Créer une base de données"));
        QCOMPARE(dialog.filter, QStringLiteral("Base de données Vantrel (*.vtdb)|*.vtdb"));
        QCOMPARE(dialog.defaultExtension, QStringLiteral("vtdb"));
        QVERIFY(!dialog.confirmOverwrite);
        QCOMPARE(test->prompts.shown.last().text, app::messages::createdAndOpened);
        QVERIFY(test->prompts.shown.last().text.contains(QStringLiteral("ouverte.\r\rNote: veuillez garder")));

        QVERIFY(window->hasDatabase());
        QCOMPARE(window->windowTitle(), QStringLiteral("Vantrel - Société Nouvelle"));
        QCOMPARE(remembered(*test, 1), file);
        QCOMPARE(testing::sqlite3Cli(file, QStringLiteral("SELECT name FROM sqlite_master ORDER BY name;")),
                 QStringLiteral("Articles15\nCustomers15\nFooter25\nInformations20\nInvoices15\nQuotes15\n"
                                "Settings15\nVerInfo\n"));
        QCOMPARE(testing::sqlite3Cli(file, QStringLiteral("SELECT VerNum FROM VerInfo;")), QStringLiteral("vantr15\n"));
    }

    void closeStepAndPathDialog() {
        const QString file = currentDatabase(QStringLiteral("chemin.vtdb"));
        QCOMPARE(window->okbtnClick(file), app::TMainForm::OpenResult::Opened);
        QString shown;
        test->modal.always(pathFormClass, [&](QDialog& dialog) {
            shown = dialog.findChild<QPlainTextEdit*>()->toPlainText();
            dialog.findChild<QPushButton*>()->click();
        });
        window->mnPath()->trigger();
        QCOMPARE(shown, file);

        window->mnClose()->trigger();
        verifyNoDatabase();
        window->mnClose()->trigger(); // harmless without a database
        verifyNoDatabase();
        window->mnPath()->trigger();
        QCOMPARE(shown, QString());

        window->close();
        QCOMPARE(test->registry.readString(platform::Store::User, QStringLiteral("MainForm"),
                                           QStringLiteral("dqd_DatabaseName"), QStringLiteral("<none>")),
                 QString());
    }
};

QTEST_MAIN(DatabaseCommandsTest)
#include "test_database_commands.moc"
