// The extraction dialog: a backup turned back into a database file under a new name,
// the checks that come first, and archives that cannot be used.
#include "backup/backup.h"
#include "backup/extract_backup_form.h"
#include "backup/messages.h"
#include "support/test_files.h"
#include "support/test_platform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <zip.h>

using namespace vantrel;
using testing::PromptKind;
namespace messages = backup::messages;

namespace {

const QString formClass = QStringLiteral("vantrel::backup::TExtractBackupForm");

QString libzipMessage(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromLocal8Bit(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void zipTool(const QString& folder, const QStringList& arguments) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral("zip"), arguments);
    process.waitForFinished(30000);
    QCOMPARE(process.exitCode(), 0);
}

} // namespace

class ExtractBackupTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    QString database;
    QString archive;
    std::unique_ptr<testing::TestPlatform> test;
    std::unique_ptr<backup::TExtractBackupForm> form;

    // Fills both fields and clicks the button `clicks` times, then "Fermer".
    void extract(const QString& source, const QString& destination, int clicks = 1) {
        test->modal.once(formClass, [&, clicks](QDialog&) {
            form->sourceEdit()->setText(source);
            form->destinationEdit()->setText(destination);
            for (int i = 0; i < clicks; ++i) {
                QTest::mouseClick(form->ExtractButton(), Qt::LeftButton);
                QVERIFY(form->isVisible());
                QVERIFY(form->ExtractButton()->isEnabled());
                QVERIFY(form->CloseButton()->isEnabled());
            }
            QVERIFY(!QApplication::overrideCursor());
            QTest::mouseClick(form->CloseButton(), Qt::LeftButton);
        });
        form->mnextractbackupClick();
    }

private Q_SLOTS:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        database = dir->filePath(QStringLiteral("Dupont.vtdb"));
        testing::sqlite3Cli(database, QStringLiteral("CREATE TABLE Customers15 (Account TEXT, Customer TEXT);"
                                                     "INSERT INTO Customers15 VALUES ('CL001','Dupont');"));
        archive = dir->filePath(QStringLiteral("Dupont.vtbk"));
        QCOMPARE(backup::writeTestedArchive(database, archive), backup::ArchiveTest::Passed);
        test = std::make_unique<testing::TestPlatform>();
        form = std::make_unique<backup::TExtractBackupForm>(test->platform());
    }

    void cleanup() {
        QVERIFY(test->prompts.allAnswered());
        form.reset();
        test.reset();
    }

    // The archive of Dupont.vtdb becomes essai.vtdb with the same bytes; the dialog
    // stays open with both paths, and a second click is refused as the file now exists.
    void extractionGivesTheSameDatabase_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << QStringLiteral("reprise/essai.vtdb");
        QTest::newRow("blanks and accents") << QStringLiteral("reprise/Base réparée du 3 mai.vtdb");
    }

    void extractionGivesTheSameDatabase() {
        QFETCH(QString, name);
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("reprise")));
        const QString destination = dir->filePath(name);
        test->prompts.expect(PromptKind::Information).expect(PromptKind::Warning);
        extract(archive, destination, 2);
        QCOMPARE(test->prompts.texts(), (QStringList{messages::extractDone, messages::destinationExists}));
        QCOMPARE(testing::fileBytes(destination), testing::fileBytes(database));
        QCOMPARE(testing::sqlite3Cli(destination, QStringLiteral("SELECT Customer FROM Customers15;")).trimmed(),
                 QStringLiteral("Dupont"));
        QCOMPARE(form->sourceEdit()->text(), archive);
        QCOMPARE(form->destinationEdit()->text(), destination);
        QCOMPARE(QDir(dir->filePath(QStringLiteral("reprise"))).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QFileInfo(destination).fileName()});
    }

    // The checks run in order and the first that fails speaks; nothing is written.
    void checksInOrder_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("destination");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("both empty") << QString() << QString() << int(PromptKind::Information) << messages::noSource;
        QTest::newRow("blank source") << QStringLiteral("  ") << QStringLiteral("new.vtdb")
                                      << int(PromptKind::Information) << messages::noSource;
        QTest::newRow("missing source, blank destination")
            << QStringLiteral("absent.vtbk") << QStringLiteral(" ") << int(PromptKind::Information)
            << messages::noExtractDestination;
        QTest::newRow("missing source") << QStringLiteral("absent.vtbk") << QStringLiteral("Dupont.vtdb")
                                        << int(PromptKind::Warning) << messages::sourceMissing;
        QTest::newRow("a folder as source") << QStringLiteral(".") << QStringLiteral("new.vtdb")
                                            << int(PromptKind::Warning) << messages::sourceMissing;
        QTest::newRow("destination exists") << QStringLiteral("Dupont.vtbk") << QStringLiteral("Dupont.vtdb")
                                            << int(PromptKind::Warning) << messages::destinationExists;
    }

    void checksInOrder() {
        QFETCH(QString, source);
        QFETCH(QString, destination);
        QFETCH(int, kind);
        QFETCH(QString, message);
        const auto inDir = [&](const QString& name) { return name.trimmed().isEmpty() ? name : dir->filePath(name); };
        const QByteArray before = testing::fileBytes(database);
        test->prompts.expect(PromptKind(kind));
        extract(inDir(source), inDir(destination));
        QCOMPARE(test->prompts.texts(), QStringList{message});
        QCOMPARE(testing::fileBytes(database), before);
        QVERIFY(!QFileInfo::exists(dir->filePath(QStringLiteral("new.vtdb"))));
    }

    // Archives that cannot be used give the library's message (or ours for an empty
    // one) and leave no file behind.
    void unusableArchives_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("not a zip") << QStringLiteral("text") << libzipMessage(ZIP_ER_NOZIP);
        QTest::newRow("truncated") << QStringLiteral("truncated") << libzipMessage(ZIP_ER_NOZIP);
        QTest::newRow("empty zip") << QStringLiteral("empty") << messages::emptyArchive;
        QTest::newRow("encrypted entry") << QStringLiteral("encrypted") << libzipMessage(ZIP_ER_NOPASSWD);
    }

    void unusableArchives() {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        const QString source = dir->filePath(QStringLiteral("bad.vtbk"));
        if (kind == QLatin1String("text")) {
            writeFile(source, "Ceci n'est pas une sauvegarde.");
        } else if (kind == QLatin1String("truncated")) {
            writeFile(source, testing::fileBytes(archive).left(300));
        } else if (kind == QLatin1String("empty")) {
            writeFile(source, QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0'));
        } else {
            zipTool(dir->path(), {QStringLiteral("-q"), QStringLiteral("-P"), QStringLiteral("secret"),
                                  QStringLiteral("bad.vtbk"), QStringLiteral("Dupont.vtdb")});
        }
        const QString destination = dir->filePath(QStringLiteral("essai.vtdb"));
        test->prompts.expect(PromptKind::Error);
        extract(source, destination);
        QVERIFY2(test->prompts.texts().constFirst().startsWith(message), qPrintable(test->prompts.texts().constFirst()));
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                 (QStringList{QStringLiteral("Dupont.vtbk"), QStringLiteral("Dupont.vtdb"), QStringLiteral("bad.vtbk")}));
    }

    // Two entries are written in turn under the destination's name; the last remains.
    void twoEntries() {
        writeFile(dir->filePath(QStringLiteral("second.txt")), "deuxième");
        zipTool(dir->path(), {QStringLiteral("-q"), QStringLiteral("two.vtbk"), QStringLiteral("Dupont.vtdb"),
                              QStringLiteral("second.txt")});
        const QString destination = dir->filePath(QStringLiteral("essai.vtdb"));
        test->prompts.expect(PromptKind::Information);
        extract(dir->filePath(QStringLiteral("two.vtbk")), destination);
        QCOMPARE(testing::fileBytes(destination), QByteArray("deuxième"));
    }

    // The browse buttons offer the backup files to open and the database name to save.
    void browseButtons() {
        test->modal.once(formClass, [&](QDialog&) {
            test->prompts.expectFile(PromptKind::OpenFile, archive)
                .expectFile(PromptKind::SaveFile, dir->filePath(QStringLiteral("essai.vtdb")));
            QTest::mouseClick(form->sourceBrowse(), Qt::LeftButton);
            QTest::mouseClick(form->destinationBrowse(), Qt::LeftButton);
            QCOMPARE(form->sourceEdit()->text(), archive);
            QCOMPARE(form->destinationEdit()->text(), dir->filePath(QStringLiteral("essai.vtdb")));
            QTest::mouseClick(form->CloseButton(), Qt::LeftButton);
        });
        form->mnextractbackupClick();
        QCOMPARE(test->prompts.shown.at(0).request.filter, QStringLiteral("Sauvegarde Vantrel (*.vtbk)|*.vtbk"));
        QCOMPARE(test->prompts.shown.at(1).request.filter,
                 QStringLiteral("Base de données Vantrel (*.vtdb)|*.vtdb"));
        QCOMPARE(test->prompts.shown.at(1).request.defaultExtension, QStringLiteral("vtdb"));
    }
};

QTEST_MAIN(ExtractBackupTest)
#include "test_extract_backup.moc"
