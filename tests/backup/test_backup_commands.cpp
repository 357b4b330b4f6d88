// The backup commands in the main window: the tools menu, the reminder while the
// window closes, and the window working on after a backup.
#include "app/backup_commands.h"
#include "app/main_form.h"
#include "backup/backup_form.h"
#include "backup/messages.h"
#include "support/company_file.h"
#include "support/test_files.h"
#include "support/test_platform.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace vantrel;
using testing::PromptKind;

namespace {

const QString backupClass = QStringLiteral("vantrel::backup::TBackupForm");
const QString extractClass = QStringLiteral("vantrel::backup::TExtractBackupForm");

} // namespace

class BackupCommandsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString database;
    std::unique_ptr<testing::TestPlatform> test;
    std::unique_ptr<app::TMainForm> window;

    void newWindow(bool open) {
        window = std::make_unique<app::TMainForm>(test->platform(), dir.path());
        app::installBackupCommands(*window);
        if (open)
            QCOMPARE(window->okbtnClick(database), app::TMainForm::OpenResult::Opened);
    }

    void closeHandler(const QString& className) {
        test->modal.once(className, [](QDialog& dialog) {
            for (QPushButton* button : dialog.findChildren<QPushButton*>())
                if (button->text() == QStringLiteral("Fermer"))
                    QTest::mouseClick(button, Qt::LeftButton);
        });
    }

private Q_SLOTS:
    void initTestCase() {
        database = dir.filePath(QStringLiteral("garnier.vtdb"));
        testing::sqlite3Cli(database, testing::sampleCompanySql());
    }

    void init() { test = std::make_unique<testing::TestPlatform>(); }

    void cleanup() {
        QVERIFY(test->prompts.allAnswered());
        window.reset();
        test.reset();
    }

    // "Sauvegarde" backs up the open database; the window then works on as before,
    // with its lists, and the keyboard is back in the main list.
    void backupFromTheMenu() {
        newWindow(true);
        window->show();
        const int rows = window->listModel().rowCount();
        const QString destination = dir.filePath(QStringLiteral("sauvegardes/garnier.vtbk"));
        test->modal.once(backupClass, [&](QDialog& dialog) {
            auto& form = static_cast<backup::TBackupForm&>(dialog);
            QCOMPARE(form.sourcePath(), database);
            form.dest()->setText(destination);
            QTest::mouseClick(form.BackupButton(), Qt::LeftButton);
        });
        test->prompts.expect(PromptKind::Information);
        window->outilsClick();
        QVERIFY(window->mnbackup()->isEnabled());
        window->setFocus(); // the keyboard away from the list, as after a menu click
        window->mnbackup()->trigger();
        QCOMPARE(test->modal.shownClasses, QStringList{backupClass});
        QVERIFY(QFileInfo::exists(destination));
        QVERIFY(window->hasDatabase());
        QCOMPARE(window->dqd.path(), database);
        QCOMPARE(window->windowTitle(), QStringLiteral("Vantrel - garnier"));
        QCOMPARE(window->listModel().rowCount(), rows);
        QCOMPARE(window->dqd.scalar(QStringLiteral("SELECT count(*) FROM Invoices15;")), QStringLiteral("3"));
        QCOMPARE(window->focusWidget(), static_cast<QWidget*>(window->listview()));
    }

    // Closing with the reminder ticked shows the dialog first; the window closes
    // whatever the user does there. Unticked, or with no database, nothing is shown.
    void reminderWhenClosing_data() {
        QTest::addColumn<bool>("open");
        QTest::addColumn<QString>("stored"); // the stored reminder, empty for none
        QTest::addColumn<bool>("shown");
        QTest::newRow("default") << true << QString() << true;
        QTest::newRow("ticked") << true << QStringLiteral("true") << true;
        QTest::newRow("unticked") << true << QStringLiteral("false") << false;
        QTest::newRow("no database") << false << QStringLiteral("true") << false;
    }

    void reminderWhenClosing() {
        QFETCH(bool, open);
        QFETCH(QString, stored);
        QFETCH(bool, shown);
        if (!stored.isEmpty())
            test->registry.write(platform::Store::User, QStringLiteral("BackupForm"),
                                 QStringLiteral("ShowAtExit_NameChanged_v25_Checked"), stored);
        newWindow(open);
        window->show();
        if (shown)
            closeHandler(backupClass);
        QVERIFY(window->close());
        QCOMPARE(test->modal.shownClasses, shown ? QStringList{backupClass} : QStringList{});
        QVERIFY(!window->isVisible());
    }

    // "Extraction de sauvegarde" works without an open database.
    void extractionWithoutDatabase() {
        newWindow(false);
        window->outilsClick();
        QVERIFY(!window->mnbackup()->isEnabled());
        QVERIFY(window->mnextractbackup()->isEnabled());
        closeHandler(extractClass);
        window->mnextractbackup()->trigger();
        QCOMPARE(test->modal.shownClasses, QStringList{extractClass});
    }
};

QTEST_MAIN(BackupCommandsTest)
#include "test_backup_commands.moc"
