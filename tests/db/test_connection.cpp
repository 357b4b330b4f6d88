// The program's one connection: which files it opens, what the engine's errors look
// like, the retry on a locked file and the transaction block.
#include "core/error.h"
#include "db/connection.h"
#include "support/test_files.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

using namespace vantrel;
using vantrel::db::Connection;
using vantrel::db::Transaction;
using vantrel::testing::fileBytes;
using vantrel::testing::sqlite3Cli;

namespace {

// The message of the vantrel::Error the call throws, or a null text when it throws none.
template <typename Call> QString errorOf(Call call) {
    try {
        call();
    } catch (const Error& error) {
        return error.message();
    }
    return {};
}

// A second client of the same file, as another program would hold it.
class OtherClient {
public:
    explicit OtherClient(const QString& path) {
        sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE, nullptr);
    }
    ~OtherClient() { sqlite3_close(db_); }
    OtherClient(const OtherClient&) = delete;
    OtherClient& operator=(const OtherClient&) = delete;
    int exec(const char* sql) { return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr); }

private:
    sqlite3* db_ = nullptr;
};

} // namespace

class ConnectionTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void openNeverCreates_data();
    void openNeverCreates();
    void createMakesTheFile();
    void openExistingFile();
    void notADatabase_data();
    void notADatabase();
    void lockedFileFailsInsteadOfWaiting_data();
    void lockedFileFailsInsteadOfWaiting();
    void rowsAsText();
    void statementErrorNamesTheEngineMessage_data();
    void statementErrorNamesTheEngineMessage();
    void transactionRollsBackWithoutCommit();
    void transactionCommits();
    void closedConnectionRefusesStatements();

private:
    QString pathOf(const QString& name) const { return dir_->filePath(name); }
    std::unique_ptr<QTemporaryDir> dir_;
};

void ConnectionTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void ConnectionTest::openNeverCreates_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("missing file") << "absente.vtdb";
    QTest::newRow("missing folder") << "dossier absent/base.vtdb";
    QTest::newRow("non-ASCII name") << "Société Dupré.vtdb";
}

void ConnectionTest::openNeverCreates() {
    QFETCH(QString, name);
    Connection dqd;
    const QString path = pathOf(name);
    QCOMPARE(errorOf([&] { dqd.open(path); }), QStringLiteral("unable to open database file"));
    QVERIFY(!dqd.isOpen());
    QCOMPARE(dqd.path(), QString());
    QVERIFY(!QFileInfo::exists(path));
}

void ConnectionTest::createMakesTheFile() {
    const QString path = pathOf(QStringLiteral("Ma société.vtdb"));
    {
        Connection dqd;
        dqd.create(path);
        QVERIFY(dqd.isOpen());
        QCOMPARE(dqd.path(), path);
        QVERIFY(QFileInfo::exists(path));
        dqd.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS VerInfo (VerNum Text);"
                                "INSERT INTO VerInfo (VerNum) Values ('vantr15');"));
        dqd.close();
        QVERIFY(!dqd.isOpen());
        QCOMPARE(dqd.path(), QString());
    }
    QCOMPARE(sqlite3Cli(path, QStringLiteral("SELECT VerNum FROM VerInfo;")),
             QStringLiteral("vantr15\n"));
}

void ConnectionTest::openExistingFile() {
    const QString path = pathOf(QStringLiteral("base.vtdb"));
    sqlite3Cli(path, QStringLiteral("CREATE TABLE Customers15 (Account TEXT,Customer TEXT);"
                                    "INSERT INTO Customers15 VALUES ('C00001','Dupré');"));
    Connection dqd;
    dqd.open(path);
    QCOMPARE(dqd.path(), path);
    dqd.exec(QStringLiteral("INSERT INTO Customers15 VALUES ('C00002','L''Atelier');"));
    dqd.close();
    QCOMPARE(sqlite3Cli(path, QStringLiteral("SELECT Customer FROM Customers15 ORDER BY Account;")),
             QStringLiteral("Dupré\nL'Atelier\n"));
}

void ConnectionTest::notADatabase_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("short text") << QByteArray("Ceci n'est pas une base de données.\n");
    QTest::newRow("a page of text") << QByteArray(4096, 'x');
}

void ConnectionTest::notADatabase() {
    // The engine reads the file only with the first statement; that is where it fails.
    QFETCH(QByteArray, content);
    const QString path = pathOf(QStringLiteral("texte.vtdb"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    Connection dqd;
    dqd.open(path);
    QVERIFY(dqd.isOpen());
    QCOMPARE(errorOf([&] {
                 dqd.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS VerInfo (VerNum Text);"));
             }),
             QStringLiteral("file is not a database"));
    dqd.close();
    QCOMPARE(fileBytes(path), content);
}

void ConnectionTest::lockedFileFailsInsteadOfWaiting_data() {
    QTest::addColumn<QString>("statement");
    QTest::newRow("read") << "SELECT count(*) FROM Invoices15;";
    QTest::newRow("write") << "INSERT INTO Invoices15 (Num) VALUES ('2');";
}

void ConnectionTest::lockedFileFailsInsteadOfWaiting() {
    QFETCH(QString, statement);
    const QString path = pathOf(QStringLiteral("partagee.vtdb"));
    sqlite3Cli(
        path,
        QStringLiteral("CREATE TABLE Invoices15 (Num TEXT);INSERT INTO Invoices15 VALUES ('1');"));
    Connection dqd;
    dqd.open(path);

    OtherClient other(path);
    QCOMPARE(other.exec("BEGIN EXCLUSIVE;"), SQLITE_OK);
    // The statement gives up with the engine's message instead of waiting for ever.
    QCOMPARE(errorOf([&] { dqd.exec(statement); }), QStringLiteral("database is locked"));
    QCOMPARE(other.exec("COMMIT;"), SQLITE_OK);

    // Once the other client lets go, the same connection works again.
    dqd.exec(statement);
    QCOMPARE(dqd.scalar(QStringLiteral("SELECT Num FROM Invoices15 ORDER BY Num;")),
             std::optional<QString>(QStringLiteral("1")));
}

void ConnectionTest::rowsAsText() {
    Connection dqd;
    dqd.create(pathOf(QStringLiteral("lignes.vtdb")));
    dqd.exec(QStringLiteral("CREATE TABLE t (a TEXT, b TEXT);"
                            "INSERT INTO t VALUES ('l''été', NULL);"
                            "INSERT INTO t VALUES ('', 'Câble\r\n2 m');"));
    const QList<QStringList> rows = dqd.query(QStringLiteral("SELECT a, b FROM t ORDER BY rowid;"));
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0][0], QStringLiteral("l'été"));
    QVERIFY(rows[0][1].isNull());
    QVERIFY(!rows[1][0].isNull());
    QVERIFY(rows[1][0].isEmpty());
    QCOMPARE(rows[1][1], QStringLiteral("Câble\r\n2 m"));
    QCOMPARE(dqd.scalar(QStringLiteral("SELECT a FROM t WHERE a = 'aucune';")), std::nullopt);
}

void ConnectionTest::statementErrorNamesTheEngineMessage_data() {
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing table") << "SELECT * FROM Settings;"
                                   << "no such table: Settings";
    QTest::newRow("syntax") << "SELEC 1;"
                            << "near \"SELEC\": syntax error";
    QTest::newRow("column count") << "INSERT INTO t VALUES ('1');"
                                  << "table t has 2 columns but 1 values were supplied";
}

void ConnectionTest::statementErrorNamesTheEngineMessage() {
    QFETCH(QString, statement);
    QFETCH(QString, message);
    Connection dqd;
    dqd.create(pathOf(QStringLiteral("erreurs.vtdb")));
    dqd.exec(QStringLiteral("CREATE TABLE t (a TEXT, b TEXT);"));
    QCOMPARE(errorOf([&] { dqd.exec(statement); }), message);
    // The connection stays usable after the failed statement.
    QCOMPARE(dqd.scalar(QStringLiteral("SELECT count(*) FROM t;")),
             std::optional<QString>(QStringLiteral("0")));
}

void ConnectionTest::transactionRollsBackWithoutCommit() {
    const QString path = pathOf(QStringLiteral("transaction.vtdb"));
    Connection dqd;
    dqd.create(path);
    dqd.exec(QStringLiteral("CREATE TABLE t (a TEXT);INSERT INTO t VALUES ('avant');"));
    const QByteArray before = fileBytes(path);
    const QString message = errorOf([&] {
        Transaction transaction(dqd);
        dqd.exec(QStringLiteral("INSERT INTO t VALUES ('pendant');"));
        dqd.exec(QStringLiteral("UPDATE t SET a = 'changé';"));
        dqd.exec(QStringLiteral("INSERT INTO absente VALUES ('1');"));
        transaction.commit();
    });
    QCOMPARE(message, QStringLiteral("no such table: absente"));
    QCOMPARE(dqd.query(QStringLiteral("SELECT a FROM t;")),
             QList<QStringList>{{QStringLiteral("avant")}});
    dqd.close();
    QCOMPARE(fileBytes(path), before);
}

void ConnectionTest::transactionCommits() {
    const QString path = pathOf(QStringLiteral("transaction.vtdb"));
    Connection dqd;
    dqd.create(path);
    dqd.exec(QStringLiteral("CREATE TABLE t (a TEXT);"));
    {
        Transaction transaction(dqd);
        dqd.exec(QStringLiteral("INSERT INTO t VALUES ('gardé');"));
        transaction.commit();
    }
    dqd.close();
    QCOMPARE(sqlite3Cli(path, QStringLiteral("SELECT a FROM t;")), QStringLiteral("gardé\n"));
}

void ConnectionTest::closedConnectionRefusesStatements() {
    Connection dqd;
    QVERIFY(!errorOf([&] { dqd.exec(QStringLiteral("SELECT 1;")); }).isNull());
}

QTEST_GUILESS_MAIN(ConnectionTest)
#include "test_connection.moc"
