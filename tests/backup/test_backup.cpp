// The backup dialog on a real database file: the archive it writes, the replace
// question, the failures that must keep the previous archive and the open database,
// and the options remembered between runs.
#include "backup/backup_form.h"
#include "backup/messages.h"
#include "db/connection.h"
#include "platform/zip_archive.h"
#include "support/test_files.h"
#include "support/test_platform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace vantrel;
using testing::PromptKind;
namespace messages = backup::messages;

namespace {

const QString formClass = QStringLiteral("vantrel::backup::TBackupForm");
const QString group = QStringLiteral("BackupForm");

QString unzip(const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("unzip"), arguments);
    process.waitForFinished(60000);
    const QString output = QString::fromLocal8Bit(process.readAll());
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QStringLiteral("FAILED: ") + output;
    return output;
}

// The archive's single entry, extracted to bytes.
QByteArray onlyEntry(const QString& archive, QString* name = nullptr) {
    platform::ZipReader reader(archive);
    if (reader.entryCount() != 1)
        return "entries: " + QByteArray::number(reader.entryCount());
    if (name)
        *name = reader.entryName(0);
    QTemporaryDir out;
    reader.extractAll(out.path(), [](const QString&) { return QStringLiteral("entry"); });
    return testing::fileBytes(out.filePath(QStringLiteral("entry")));
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class BackupTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    QString database;
    std::unique_ptr<testing::TestPlatform> test;
    std::unique_ptr<db::Connection> dqd;
    std::unique_ptr<backup::TBackupForm> form;

    void newForm() { form = std::make_unique<backup::TBackupForm>(test->platform(), *dqd); }

    QString customers() { return dqd->scalar(QStringLiteral("SELECT group_concat(Customer, ',') FROM Customers15;")).value_or(QString()); }

    // Shows the dialog, types the destination, clicks "Sauvegarder"; closes the dialog
    // with "Fermer" when the click left it open and says whether it did.
    bool backUp(const QString& destination, bool* leftOpen = nullptr) {
        bool open = false;
        test->modal.once(formClass, [&](QDialog&) {
            form->dest()->setText(destination);
            QTest::mouseClick(form->BackupButton(), Qt::LeftButton);
            open = form->isVisible();
            if (open) {
                if (!form->BackupButton()->isEnabled() || !form->CloseButton()->isEnabled())
                    QTest::qFail("buttons left disabled", __FILE__, __LINE__);
                QTest::mouseClick(form->CloseButton(), Qt::LeftButton);
            }
        });
        form->mnbackupClick();
        if (leftOpen)
            *leftOpen = open;
        return !open;
    }

    void expectDatabaseUsable() {
        QVERIFY(dqd->isOpen());
        QCOMPARE(dqd->path(), database);
        dqd->exec(QStringLiteral("INSERT INTO Customers15 VALUES ('CL099','Essai');"));
        dqd->exec(QStringLiteral("DELETE FROM Customers15 WHERE Account='CL099';"));
        QCOMPARE(customers(), QStringLiteral("Dupont,Durand"));
    }

private Q_SLOTS:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("Compta")));
        database = dir->filePath(QStringLiteral("Compta/Dupont.vtdb"));
        testing::sqlite3Cli(database,
                            QStringLiteral("CREATE TABLE Customers15 (Account TEXT, Customer TEXT);"
                                           "INSERT INTO Customers15 VALUES ('CL001','Dupont'),('CL002','Durand');"));
        test = std::make_unique<testing::TestPlatform>();
        dqd = std::make_unique<db::Connection>();
        dqd->open(database);
        newForm();
    }

    void cleanup() {
        QVERIFY(test->prompts.allAnswered());
        form.reset();
        dqd.reset();
        test.reset();
    }

    // A destination in folders that do not exist yet, without extension, with blanks
    // and accents: the folders are made, the name is used exactly as typed, the archive
    // holds the database under its bare name, and unzip finds it good.
    void backupWritesOneTestedEntry() {
        const QString folder = dir->filePath(QStringLiteral("clé USB/sauvegardes neuves"));
        const QString destination = folder + QStringLiteral("/copie du mardi");
        test->prompts.expect(PromptKind::Information);
        QVERIFY(backUp(destination));
        QCOMPARE(test->prompts.texts(), QStringList{messages::backupDone});
        QCOMPARE(form->sourcePath(), database);

        QCOMPARE(filesIn(folder), QStringList{QStringLiteral("copie du mardi")});
        const QString tested = unzip({QStringLiteral("-t"), destination});
        QVERIFY2(tested.contains(QStringLiteral("testing: Dupont.vtdb")) && tested.contains(QStringLiteral("OK")),
                 qPrintable(tested));
        const QString listing = unzip({QStringLiteral("-Z"), QStringLiteral("-1"), destination});
        QCOMPARE(listing.trimmed(), QStringLiteral("Dupont.vtdb"));
        QString name;
        dqd->close();
        QCOMPARE(onlyEntry(destination, &name), testing::fileBytes(database));
        QCOMPARE(name, QStringLiteral("Dupont.vtdb"));
        dqd->open(database);
        expectDatabaseUsable();
    }

    // While the archive is written the database is closed, the pointer busy and both
    // buttons off; afterwards all three are back.
    void databaseClosedWhileWriting() {
        bool closed = false, busy = false, buttonsOff = false;
        form->setBeforeArchiveTest([&](const QString&) {
            closed = !dqd->isOpen();
            busy = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
            buttonsOff = !form->BackupButton()->isEnabled() && !form->CloseButton()->isEnabled();
        });
        test->prompts.expect(PromptKind::Information);
        QVERIFY(backUp(dir->filePath(QStringLiteral("copie.vtbk"))));
        QVERIFY(closed);
        QVERIFY(busy);
        QVERIFY(buttonsOff);
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(form->BackupButton()->isEnabled());
        expectDatabaseUsable();
    }

    // The second backup to the same path asks first; "&Oui" replaces the archive with
    // one holding only the current data, "&Non" leaves it as it was.
    void backingUpTwiceAsksBeforeReplacing() {
        const QString destination = dir->filePath(QStringLiteral("Sauvegarde Dupont.vtbk"));
        test->prompts.expect(PromptKind::Information);
        QVERIFY(backUp(destination));
        const QByteArray first = testing::fileBytes(destination);

        dqd->exec(QStringLiteral("INSERT INTO Customers15 VALUES ('CL003','Bernard');"));
        test->prompts.expect(PromptKind::WarningQuestion, platform::Answer::Yes).expect(PromptKind::Information);
        QVERIFY(backUp(destination));
        QCOMPARE(test->prompts.shown.at(1).text,
                 QStringLiteral("Attention, le fichier de destination \"Sauvegarde Dupont.vtbk\" existe déjà. "
                                "Voulez-vous le remplacer ?"));
        const QByteArray second = testing::fileBytes(destination);
        QVERIFY(second != first);
        dqd->close();
        QCOMPARE(onlyEntry(destination), testing::fileBytes(database));
        dqd->open(database);

        dqd->exec(QStringLiteral("DELETE FROM Customers15 WHERE Account='CL003';"));
        test->prompts.expect(PromptKind::WarningQuestion, platform::Answer::No);
        bool leftOpen = false;
        QVERIFY(!backUp(destination, &leftOpen));
        QVERIFY(leftOpen);
        QCOMPARE(testing::fileBytes(destination), second);
        QCOMPARE(filesIn(dir->path()), QStringList{QStringLiteral("Sauvegarde Dupont.vtbk")});
        expectDatabaseUsable();
    }

    // Every failure leaves the dialog open with its buttons back, the previous archive
    // as it was, no temporary file, and the database open and working.
    void failuresKeepArchiveAndDatabase_data() {
        QTest::addColumn<QString>("destination");
        QTest::addColumn<bool>("replaceQuestion");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message"); // empty: the system's or the library's text
        QTest::newRow("empty") << QString() << false << int(PromptKind::Warning) << messages::noDestination;
        QTest::newRow("blank") << QStringLiteral("   ") << false << int(PromptKind::Warning) << messages::noDestination;
        QTest::newRow("bare file name") << QStringLiteral("copie.vtbk") << false << int(PromptKind::Error)
                                        << messages::cannotCreateFolder;
        QTest::newRow("folder under a file") << QStringLiteral("%1/ancienne.vtbk/sous/copie.vtbk") << false
                                             << int(PromptKind::Error) << messages::cannotCreateFolder;
        QTest::newRow("the open database") << QStringLiteral("%1/Compta/../Compta/Dupont.vtdb") << false
                                           << int(PromptKind::Warning) << messages::destinationIsDatabase;
        QTest::newRow("a folder in the way") << QStringLiteral("%1/dossier") << true << int(PromptKind::Error)
                                             << QString();
    }

    void failuresKeepArchiveAndDatabase() {
        QFETCH(QString, destination);
        QFETCH(bool, replaceQuestion);
        QFETCH(int, kind);
        QFETCH(QString, message);
        const QString previous = dir->filePath(QStringLiteral("ancienne.vtbk"));
        QFile file(previous);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("la sauvegarde d'hier");
        file.close();
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("dossier")));
        const QByteArray databaseBefore = testing::fileBytes(database);
        if (destination.contains(QLatin1String("%1")))
            destination = destination.arg(dir->path());

        if (replaceQuestion)
            test->prompts.expect(PromptKind::WarningQuestion, platform::Answer::Yes);
        test->prompts.expect(PromptKind(kind));
        bool leftOpen = false;
        QVERIFY(!backUp(destination, &leftOpen));
        QVERIFY(leftOpen);
        if (!message.isEmpty())
            QCOMPARE(test->prompts.shown.last().text, message);
        QVERIFY(!test->prompts.texts().contains(messages::backupDone));
        QVERIFY(!QApplication::overrideCursor());

        QCOMPARE(testing::fileBytes(previous), QByteArray("la sauvegarde d'hier"));
        QCOMPARE(filesIn(dir->path()), QStringList{QStringLiteral("ancienne.vtbk")});
        QCOMPARE(filesIn(dir->filePath(QStringLiteral("Compta"))), QStringList{QStringLiteral("Dupont.vtdb")});
        QVERIFY(QFileInfo(dir->filePath(QStringLiteral("dossier"))).isDir());
        QCOMPARE(testing::fileBytes(database), databaseBefore);
        expectDatabaseUsable();
    }

    // An archive that does not read back well is reported and never takes the place of
    // the previous one; the dialog closes without the success message.
    void failedTestKeepsPreviousArchive() {
        const QString destination = dir->filePath(QStringLiteral("Dupont.vtbk"));
        test->prompts.expect(PromptKind::Information);
        QVERIFY(backUp(destination));
        const QByteArray previous = testing::fileBytes(destination);

        form->setBeforeArchiveTest([](const QString& written) {
            QFile file(written);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QByteArray bytes = file.readAll();
            for (qsizetype i = 60; i < 200 && i < bytes.size(); ++i)
                bytes[i] = char(bytes[i] ^ 0xA5);
            file.seek(0);
            file.write(bytes);
        });
        dqd->exec(QStringLiteral("INSERT INTO Customers15 VALUES ('CL003','Bernard');"));
        test->prompts.expect(PromptKind::WarningQuestion, platform::Answer::Yes).expect(PromptKind::Error);
        QVERIFY(backUp(destination));
        QCOMPARE(test->prompts.shown.last().text, messages::archiveTestFailed);
        QCOMPARE(testing::fileBytes(destination), previous);
        QCOMPARE(filesIn(dir->path()), QStringList{QStringLiteral("Dupont.vtbk")});
        QVERIFY(form->BackupButton()->isEnabled());
        QVERIFY(dqd->isOpen());
        QCOMPARE(dqd->scalar(QStringLiteral("SELECT count(*) FROM Customers15;")), QStringLiteral("3"));
    }

    // The destination comes back at the next opening only while "Se souvenir de ce
    // chemin" is ticked, also after a restart; the old reminder name is never read.
    void rememberedOptions() {
        test->registry.write(platform::Store::User, group, QStringLiteral("ShowAtExit_Checked"), QStringLiteral("false"));
        test->registry.write(platform::Store::User, group, QStringLiteral("onlineradio_Checked"), QStringLiteral("true"));
        newForm();
        QVERIFY(form->showAtExit());
        QVERIFY(!form->RemindPathCheck()->isChecked());

        const QString destination = dir->filePath(QStringLiteral("copie.vtbk"));
        test->modal.once(formClass, [&](QDialog&) {
            form->dest()->setText(destination);
            QTest::mouseClick(form->CloseButton(), Qt::LeftButton);
        });
        form->mnbackupClick();
        test->modal.once(formClass, [&](QDialog&) {
            QCOMPARE(form->dest()->text(), QString());
            form->dest()->setText(destination);
            form->RemindPathCheck()->setChecked(true);
            form->ShowAtExit_NameChanged_v25()->setChecked(false);
            QTest::mouseClick(form->CloseButton(), Qt::LeftButton);
        });
        form->mnbackupClick();

        newForm(); // the next run of the program
        QVERIFY(form->RemindPathCheck()->isChecked());
        QVERIFY(!form->showAtExit());
        test->modal.once(formClass, [&](QDialog&) {
            QCOMPARE(form->dest()->text(), destination);
            QCOMPARE(form->source()->toolTip(), database);
            QTest::mouseClick(form->CloseButton(), Qt::LeftButton);
        });
        form->mnbackupClick();
        const auto stored = [&](const char* name) {
            return test->registry.readString(platform::Store::User, group, QString::fromLatin1(name));
        };
        QCOMPARE(stored("RemindPathCheck_Checked"), QStringLiteral("true"));
        QCOMPARE(stored("ShowAtExit_NameChanged_v25_Checked"), QStringLiteral("false"));
        QCOMPARE(stored("dest_FileName"), destination);
        QCOMPARE(stored("onlineradio_Checked"), QStringLiteral("true"));
        QCOMPARE(stored("DiscRadio_Checked"), QStringLiteral("true"));
    }

    // The note comes when the mouse ticks the box, not when it unticks it nor when the
    // keyboard toggles it.
    void rememberNoteOnMouseTickOnly() {
        test->modal.once(formClass, [&](QDialog&) {
            QCheckBox* box = form->RemindPathCheck();
            test->prompts.expect(PromptKind::Warning);
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
            QVERIFY(box->isChecked());
            QCOMPARE(test->prompts.texts(), QStringList{messages::rememberNote});
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
            QVERIFY(!box->isChecked());
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Space);
            QVERIFY(box->isChecked());
            QCOMPARE(test->prompts.shown.size(), 1);
            QTest::mouseClick(form->CloseButton(), Qt::LeftButton);
        });
        form->mnbackupClick();
    }

    // The browse button offers the save dialog for ".vtbk" files and keeps its choice.
    void browseForDestination() {
        test->modal.once(formClass, [&](QDialog&) {
            test->prompts.expectFile(PromptKind::SaveFile, dir->filePath(QStringLiteral("choisi.vtbk")));
            QTest::mouseClick(form->browseButton(), Qt::LeftButton);
            QCOMPARE(form->dest()->text(), dir->filePath(QStringLiteral("choisi.vtbk")));
            test->prompts.expectFile(PromptKind::SaveFile, std::nullopt);
            QTest::mouseClick(form->browseButton(), Qt::LeftButton);
            QCOMPARE(form->dest()->text(), dir->filePath(QStringLiteral("choisi.vtbk")));
            QTest::mouseClick(form->CloseButton(), Qt::LeftButton);
        });
        form->mnbackupClick();
        const platform::FileDialogRequest& request = test->prompts.shown.at(0).request;
        QCOMPARE(request.title, QStringLiteral("Sauvegarder sous"));
        QCOMPARE(request.filter, QStringLiteral("Sauvegarde Vantrel (*.vtbk)|*.vtbk"));
        QCOMPARE(request.defaultExtension, QStringLiteral("vtbk"));
    }
};

QTEST_MAIN(BackupTest)
#include "test_backup.moc"
