// The tables of a company file, the version stamp, and the upgrade of a file of the
// previous generation (no VerInfo row, six-line items), on fixtures built here.
#include "core/error.h"
#include "core/sql_quote.h"
#include "db/connection.h"
#include "db/schema.h"
#include "support/scripted_prompts.h"
#include "support/test_files.h"

#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

using namespace vantrel;
using vantrel::db::Connection;
using vantrel::testing::fileBytes;
using vantrel::testing::PromptKind;
using vantrel::testing::ScriptedPrompts;
using vantrel::testing::sqlite3Cli;

namespace {

const QString upgradeMessage = QStringLiteral(
    "Vantrel va procéder à la mise à jour de votre base de données créée avec la version "
    "antérieure "
    "pour pouvoir utiliser les nouvelles fonctionnalités de cette version.\r\r"
    "Veuillez ne pas utiliser l'ancienne version pour ouvrir cette base de données.");

QString lines(const QStringList& texts) {
    QString text;
    for (const QString& line : texts)
        text += line + QStringLiteral("\r\n");
    return text;
}

QString quoted(const QString& value) {
    return QLatin1Char('\'') + gvs(value) + QLatin1Char('\'');
}

QString insert(const QString& table, const QStringList& values) {
    QStringList texts;
    for (const QString& value : values)
        texts << quoted(value);
    return QStringLiteral("INSERT INTO %1 VALUES (%2);").arg(table, texts.join(QLatin1Char(',')));
}

// Two items of the previous generation: six lines each, no rate line.
const QString oldInvoiceItems =
    lines({"A7", "Câble d'alimentation 2 m", "3", "33,33 €", "100,00 €", "119,60 €", "", "Livre",
           "1", "100,00 €", "100,00 €", "105,50 €"});
const QString newInvoiceItems =
    lines({"A7", "Câble d'alimentation 2 m", "3", "33,33 €", "100,00 €", "119,60 €", "19,60", "",
           "Livre", "1", "100,00 €", "100,00 €", "105,50 €", "5,50"});
const QString oldQuoteItems = lines({"P1", "Pose", "2", "25,00 €", "50,00 €", "60,00 €"});
const QString newQuoteItems = lines({"P1", "Pose", "2", "25,00 €", "50,00 €", "60,00 €", "20,00"});

const QStringList settingsRow{"L'Atelier d'Émilie",
                              "12 rue de l'Église\r\n75001 Paris",
                              "contact@atelier.fr",
                              "01 02 03 04 05",
                              "",
                              "www.atelier.fr",
                              "€",
                              "19,6",
                              "424d"};
const QStringList customerRow{"C00001", "Café « Le Zèbre »", "3 place d'Armes", "",
                              "",       "zebre@cafe.fr",     "Client fidèle"};

QStringList invoiceRow(const QString& num, const QString& articles) {
    return {num,
            "Café « Le Zèbre »",
            "3 place d'Armes",
            "11/12/2025",
            "",
            "",
            "zebre@cafe.fr",
            "Oui",
            "Non",
            "Non",
            "Merci de votre confiance",
            "Payable à réception",
            articles,
            "225,10 €"};
}

QStringList quoteRow(const QString& num, const QString& articles) {
    return {num,   "Dupré & fils",           "", "10/12/2025", "",       "", "", "Non",
            "Non", "Devis valable 30 jours", "", articles,     "60,00 €"};
}

// The SQL of each old table: its creation and its rows. A test replaces one entry to
// build a damaged file.
QMap<QString, QString> oldTables() {
    return {
        {"Settings",
         "CREATE TABLE Settings (Nom TEXT,Adresse TEXT,Email TEXT,Telephone TEXT,Fax TEXT,"
         "Siteweb TEXT,Monnaie TEXT,Taux TEXT,Logo TEXT);" +
             insert("Settings", settingsRow)},
        {"Invoices",
         "CREATE TABLE Invoices (Num TEXT,Customer TEXT,Address TEXT,Dat TEXT,Tel TEXT,Fax TEXT,"
         "Email TEXT,Printed TEXT,Sent TEXT,Paid TEXT,Bottom TEXT,Notes TEXT,Articles TEXT,Total "
         "TEXT);" +
             insert("Invoices", invoiceRow("1", oldInvoiceItems)) +
             insert("Invoices", invoiceRow("2", QString()))},
        {"Quotes",
         "CREATE TABLE Quotes (Num TEXT,Customer TEXT,Address TEXT,Dat TEXT,Tel TEXT,Fax TEXT,"
         "Email TEXT,Printed TEXT,Invoiced TEXT,Bottom TEXT,Notes TEXT,Articles TEXT,Total TEXT);" +
             insert("Quotes", quoteRow("1", oldQuoteItems))},
        {"Customers",
         "CREATE TABLE Customers (Account TEXT,Customer TEXT,Address TEXT,Tel TEXT,Fax TEXT,"
         "Email TEXT,Notes TEXT);" +
             insert("Customers", customerRow)},
        {"Articles",
         "CREATE TABLE Articles (Code TEXT,Description TEXT,Price TEXT,Quantity TEXT);" +
             insert("Articles", {"A7", "Câble d'alimentation 2 m", "33,33 €", "12"}) +
             insert("Articles", {"L1", "Livre « Été »", "100,00 €", "3"})},
    };
}

void writeDatabase(const QString& path, const QString& sql) {
    Connection dqd;
    dqd.create(path);
    dqd.exec(sql);
}

QString oldDatabaseSql(const QMap<QString, QString>& tables, const QString& stamp = {}) {
    QString sql = stamp;
    for (const QString& table : tables)
        sql += table;
    return sql;
}

QList<QStringList> rows(const QString& path, const QString& sql) {
    Connection dqd;
    dqd.open(path);
    return dqd.query(sql);
}

// Opens the file and brings it up to date, as every opening does.
void openAndCreateTables(const QString& path, ScriptedPrompts& prompts) {
    Connection dqd;
    dqd.open(path);
    db::Create_Tables(dqd, prompts);
}

QString errorOfCreateTables(const QString& path, ScriptedPrompts& prompts) {
    try {
        openAndCreateTables(path, prompts);
    } catch (const Error& error) {
        return error.message();
    }
    return {};
}

QList<QStringList> withoutColumn(QList<QStringList> table, int column) {
    for (QStringList& row : table)
        row.removeAt(column);
    return table;
}

} // namespace

class SchemaTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void newDatabaseGetsTheTables_data();
    void newDatabaseGetsTheTables();
    void currentDatabaseIsNotChanged();
    void upgrade_data();
    void upgrade();
    void itemRewrite_data();
    void itemRewrite();
    void oldSettingsWithoutRows();
    void documentsOfTheSameNumber();
    void failedUpgradeLeavesTheFile_data();
    void failedUpgradeLeavesTheFile();
    void zeroLengthFile();
    void notADatabase();
    void laterVersionIsLeftAlone();
    void versionStamp_data();
    void versionStamp();

private:
    QString path() const { return dir_->filePath(QStringLiteral("société.vtdb")); }
    std::unique_ptr<QTemporaryDir> dir_;
};

void SchemaTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void SchemaTest::newDatabaseGetsTheTables_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("columns");
    QTest::newRow("Invoices15")
        << "Invoices15"
        << "Num,Customer,Address,Dat,Tel,Fax,Email,Printed,Sent,Paid,Bottom,Notes,Articles,Total";
    QTest::newRow("Settings15")
        << "Settings15"
        << "Nom,Adresse,Email,Telephone,Fax,Siteweb,Monnaie,Taux,Logo,Decimals,Taux2";
    QTest::newRow("Articles15") << "Articles15"
                                << "Code,Description,Price,Quantity,Vat";
    QTest::newRow("Customers15") << "Customers15"
                                 << "Account,Customer,Address,Tel,Fax,Email,Notes";
    QTest::newRow("Quotes15")
        << "Quotes15"
        << "Num,Customer,Address,Dat,Tel,Fax,Email,Printed,Invoiced,Bottom,Notes,Articles,Total";
    QTest::newRow("Informations20") << "Informations20"
                                    << "Include_infos_check,Siret,Rcs,Naf,Tvaintra";
    QTest::newRow("Footer25") << "Footer25"
                              << "Include_footer_check,Footer_text";
    QTest::newRow("VerInfo") << "VerInfo"
                             << "VerNum";
}

void SchemaTest::newDatabaseGetsTheTables() {
    // A file made by the Create command: stamped current before its first opening.
    QFETCH(QString, table);
    QFETCH(QString, columns);
    {
        Connection dqd;
        dqd.create(path());
        dqd.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS VerInfo (VerNum Text);"));
        db::set_db_version(dqd, QStringLiteral("vantr15"));
    }
    ScriptedPrompts prompts; // no message expected
    openAndCreateTables(path(), prompts);
    QVERIFY(prompts.shown.isEmpty());

    QCOMPARE(
        sqlite3Cli(path(), QStringLiteral(
                               "SELECT name FROM sqlite_master WHERE type='table' ORDER BY name;")),
        QStringLiteral(
            "Articles15\nCustomers15\nFooter25\nInformations20\nInvoices15\nQuotes15\nSettings15\n"
            "VerInfo\n"));
    QCOMPARE(
        sqlite3Cli(path(),
                   QStringLiteral(
                       "SELECT group_concat(name, ',') || '|' || group_concat(upper(type), ',') "
                       "FROM pragma_table_info('%1');")
                       .arg(table))
            .trimmed(),
        columns + QLatin1Char('|') +
            QStringList(columns.count(',') + 1, QStringLiteral("TEXT")).join(','));
    QCOMPARE(sqlite3Cli(path(), QStringLiteral("SELECT VerNum FROM VerInfo;")),
             QStringLiteral("vantr15\n"));
}

void SchemaTest::currentDatabaseIsNotChanged() {
    {
        Connection dqd;
        dqd.create(path());
        dqd.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS VerInfo (VerNum Text);"));
        db::set_db_version(dqd, QStringLiteral("vantr15"));
    }
    ScriptedPrompts prompts;
    openAndCreateTables(path(), prompts);
    sqlite3Cli(path(), insert(QStringLiteral("Invoices15"), invoiceRow("1", newInvoiceItems)));
    const QByteArray before = fileBytes(path());
    openAndCreateTables(path(), prompts);
    QVERIFY(prompts.shown.isEmpty());
    QCOMPARE(fileBytes(path()), before);
}

void SchemaTest::upgrade_data() {
    QTest::addColumn<QString>("stamp");
    QTest::newRow("no VerInfo") << "";
    QTest::newRow("empty VerInfo") << "CREATE TABLE VerInfo (VerNum Text);";
    QTest::newRow("stamped vantr10")
        << "CREATE TABLE VerInfo (VerNum Text);INSERT INTO VerInfo VALUES ('vantr10');";
}

void SchemaTest::upgrade() {
    QFETCH(QString, stamp);
    writeDatabase(path(), oldDatabaseSql(oldTables(), stamp));
    const QList<QStringList> oldInvoices =
        rows(path(), QStringLiteral("SELECT * FROM Invoices ORDER BY rowid;"));
    const QList<QStringList> oldQuotes =
        rows(path(), QStringLiteral("SELECT * FROM Quotes ORDER BY rowid;"));

    ScriptedPrompts prompts;
    prompts.expect(PromptKind::Information);
    openAndCreateTables(path(), prompts);
    QCOMPARE(prompts.texts(), QList<QString>{upgradeMessage});

    QCOMPARE(rows(path(), QStringLiteral("SELECT * FROM VerInfo;")),
             QList<QStringList>{{"vantr15"}});
    QCOMPARE(rows(path(), QStringLiteral("SELECT * FROM Settings15;")),
             (QList<QStringList>{settingsRow + QStringList{"2", "5,5"}}));
    QCOMPARE(rows(path(), QStringLiteral("SELECT * FROM Customers15;")),
             QList<QStringList>{customerRow});
    QCOMPARE(rows(path(), QStringLiteral("SELECT * FROM Articles15 ORDER BY rowid;")),
             (QList<QStringList>{{"A7", "Câble d'alimentation 2 m", "33,33 €", "12", "19,6"},
                                 {"L1", "Livre « Été »", "100,00 €", "3", "19,6"}}));

    // Documents keep every column; only their items gain the rate line.
    const QList<QStringList> invoices =
        rows(path(), QStringLiteral("SELECT * FROM Invoices15 ORDER BY rowid;"));
    QCOMPARE(withoutColumn(invoices, 12), withoutColumn(oldInvoices, 12));
    QCOMPARE(invoices.value(0).value(12), newInvoiceItems);
    QCOMPARE(invoices.value(1).value(12), QString());
    const QList<QStringList> quotes =
        rows(path(), QStringLiteral("SELECT * FROM Quotes15 ORDER BY rowid;"));
    QCOMPARE(withoutColumn(quotes, 11), withoutColumn(oldQuotes, 11));
    QCOMPARE(quotes.value(0).value(11), newQuoteItems);

    // The old tables stay as they were.
    QCOMPARE(rows(path(), QStringLiteral("SELECT * FROM Invoices ORDER BY rowid;")), oldInvoices);

    // A later opening finds the file current: no message, nothing copied twice.
    ScriptedPrompts again;
    openAndCreateTables(path(), again);
    QVERIFY(again.shown.isEmpty());
    QCOMPARE(sqlite3Cli(path(), QStringLiteral("SELECT count(*) FROM Invoices15;"
                                               "SELECT count(*) FROM Settings15;")),
             QStringLiteral("2\n1\n"));
}

void SchemaTest::itemRewrite_data() {
    QTest::addColumn<QString>("oldItems");
    QTest::addColumn<QString>("newItems");
    const QStringList first{"A7", "Câble", "1", "100,00 €", "100,00 €", "119,60 €"};
    const QStringList second{"", "Livre", "1", "100,00 €", "100,00 €", "105,50 €"};
    QTest::newRow("19,6 and 5,5") << lines(first + second)
                                  << lines(first + QStringList{"19,60"} + second +
                                           QStringList{"5,50"});
    QTest::newRow("13 lines keep two items")
        << lines(first + second + QStringList{"reste"})
        << lines(first + QStringList{"19,60"} + second + QStringList{"5,50"});
    QTest::newRow("empty stays empty") << ""
                                       << "";
    QTest::newRow("fewer than six lines") << lines(first.mid(0, 5)) << "";
    QTest::newRow("LF and CR breaks, none at the end")
        << "A7\nCâble\r1\r\n100,00 €\n100,00 €\n119,60 €" << lines(first + QStringList{"19,60"});
    QTest::newRow("no VAT") << lines({"X", "Exonéré", "1", "80,00 €", "80,00 €", "80,00 €"})
                            << lines(
                                   {"X", "Exonéré", "1", "80,00 €", "80,00 €", "80,00 €", "0,00"});
    QTest::newRow("rate rounded to two decimals")
        << lines({"X", "Tiers", "1", "3,00 €", "3,00 €", "3,10 €"})
        << lines({"X", "Tiers", "1", "3,00 €", "3,00 €", "3,10 €", "3,33"});
    QTest::newRow("discount line")
        << lines({"R", "Remise", "1", "-10,00 €", "-10,00 €", "-12,00 €"})
        << lines({"R", "Remise", "1", "-10,00 €", "-10,00 €", "-12,00 €", "20,00"});
    QTest::newRow("three decimals")
        << lines({"X", "Vis", "1000", "0,012 €", "12,000 €", "14,400 €"})
        << lines({"X", "Vis", "1000", "0,012 €", "12,000 €", "14,400 €", "20,00"});
    QTest::newRow("net of zero") << lines({"G", "Gratuit", "1", "0,00 €", "0,00 €", "0,00 €"})
                                 << lines({"G", "Gratuit", "1", "0,00 €", "0,00 €", "0,00 €",
                                           "0,00"});
    QTest::newRow("net without blank")
        << lines({"D", "Abîmé", "1", "5,00€", "5,00€", "6,00 €"})
        << lines({"D", "Abîmé", "1", "5,00€", "5,00€", "6,00 €", "0,00"});
    QTest::newRow("empty amounts, next item still rewritten")
        << lines(QStringList{"D", "Vide", "", "", "", ""} + second)
        << lines(QStringList{"D", "Vide", "", "", "", "", "0,00"} + second + QStringList{"5,50"});
}

void SchemaTest::itemRewrite() {
    // The same old text in an invoice and in a quote, whose items sit in different columns.
    QFETCH(QString, oldItems);
    QFETCH(QString, newItems);
    QMap<QString, QString> tables = oldTables();
    tables["Invoices"] =
        "CREATE TABLE Invoices (Num TEXT,Customer TEXT,Address TEXT,Dat TEXT,Tel TEXT,Fax TEXT,"
        "Email TEXT,Printed TEXT,Sent TEXT,Paid TEXT,Bottom TEXT,Notes TEXT,Articles TEXT,"
        "Total TEXT);" +
        insert("Invoices", invoiceRow("5", oldItems));
    tables["Quotes"] =
        "CREATE TABLE Quotes (Num TEXT,Customer TEXT,Address TEXT,Dat TEXT,Tel TEXT,Fax TEXT,"
        "Email TEXT,Printed TEXT,Invoiced TEXT,Bottom TEXT,Notes TEXT,Articles TEXT,Total TEXT);" +
        insert("Quotes", quoteRow("5", oldItems));
    writeDatabase(path(), oldDatabaseSql(tables));

    ScriptedPrompts prompts;
    prompts.expect(PromptKind::Information);
    openAndCreateTables(path(), prompts);
    QCOMPARE(rows(path(), QStringLiteral("SELECT Articles, Total FROM Invoices15;")),
             (QList<QStringList>{{newItems, "225,10 €"}}));
    QCOMPARE(rows(path(), QStringLiteral("SELECT Articles, Total FROM Quotes15;")),
             (QList<QStringList>{{newItems, "60,00 €"}}));
}

void SchemaTest::oldSettingsWithoutRows() {
    QMap<QString, QString> tables = oldTables();
    tables["Settings"] =
        "CREATE TABLE Settings (Nom TEXT,Adresse TEXT,Email TEXT,Telephone TEXT,Fax TEXT,"
        "Siteweb TEXT,Monnaie TEXT,Taux TEXT,Logo TEXT);";
    writeDatabase(path(), oldDatabaseSql(tables));

    ScriptedPrompts prompts;
    prompts.expect(PromptKind::Information);
    openAndCreateTables(path(), prompts);
    QCOMPARE(sqlite3Cli(path(),
                        QStringLiteral("SELECT count(*) FROM Settings15;"
                                       "SELECT Code || '=' || Vat FROM Articles15 ORDER BY rowid;"
                                       "SELECT VerNum FROM VerInfo;")),
             QStringLiteral("0\nA7=0\nL1=0\nvantr15\n"));
    Connection dqd;
    dqd.open(path());
    QCOMPARE(db::getvatrate(dqd), QStringLiteral("0"));
}

void SchemaTest::documentsOfTheSameNumber() {
    // Two old invoices share a number: each keeps its own items.
    const QString other = lines({"B2", "Boîte", "2", "10,00 €", "20,00 €", "24,00 €"});
    QMap<QString, QString> tables = oldTables();
    tables["Invoices"] =
        "CREATE TABLE Invoices (Num TEXT,Customer TEXT,Address TEXT,Dat TEXT,Tel TEXT,Fax TEXT,"
        "Email TEXT,Printed TEXT,Sent TEXT,Paid TEXT,Bottom TEXT,Notes TEXT,Articles TEXT,"
        "Total TEXT);" +
        insert("Invoices", invoiceRow("7", oldInvoiceItems)) +
        insert("Invoices", invoiceRow("7", other));
    writeDatabase(path(), oldDatabaseSql(tables));

    ScriptedPrompts prompts;
    prompts.expect(PromptKind::Information);
    openAndCreateTables(path(), prompts);
    QCOMPARE(rows(path(),
                  QStringLiteral("SELECT Articles FROM Invoices15 WHERE Num='7' ORDER BY rowid;")),
             (QList<QStringList>{{newInvoiceItems}, {other + QStringLiteral("20,00\r\n")}}));
}

void SchemaTest::failedUpgradeLeavesTheFile_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("damaged");
    QTest::addColumn<QString>("message");
    QTest::newRow("customers with six columns")
        << "Customers"
        << "CREATE TABLE Customers (Account TEXT,Customer TEXT,Address TEXT,Tel TEXT,Fax "
           "TEXT,Email TEXT);"
           "INSERT INTO Customers VALUES ('C00001','Dupré','','','','');"
        << "table Customers15 has 7 columns but 6 values were supplied";
    QTest::newRow("articles with five columns")
        << "Articles"
        << "CREATE TABLE Articles (Code TEXT,Description TEXT,Price TEXT,Quantity TEXT,Vat TEXT);"
        << "5 values for 4 columns";
    QTest::newRow("settings with eight columns")
        << "Settings"
        << "CREATE TABLE Settings (Nom TEXT,Adresse TEXT,Email TEXT,Telephone TEXT,Fax "
           "TEXT,Siteweb TEXT,"
           "Monnaie TEXT,Taux TEXT);"
        << "8 values for 9 columns";
    QTest::newRow("invoices with thirteen columns")
        << "Invoices"
        << "CREATE TABLE Invoices (Num TEXT,Customer TEXT,Address TEXT,Dat TEXT,Tel TEXT,Fax "
           "TEXT,Email TEXT,"
           "Printed TEXT,Sent TEXT,Paid TEXT,Bottom TEXT,Notes TEXT,Articles TEXT);"
           "INSERT INTO Invoices VALUES "
           "('1','Dupré','','11/12/2025','','','','Non','Non','Non','','','');"
        << "table Invoices15 has 14 columns but 13 values were supplied";
    QTest::newRow("no quotes table") << "Quotes"
                                     << ""
                                     << "no such table: Quotes";
}

void SchemaTest::failedUpgradeLeavesTheFile() {
    QFETCH(QString, table);
    QFETCH(QString, damaged);
    QFETCH(QString, message);
    QMap<QString, QString> tables = oldTables();
    tables[table] = damaged;
    writeDatabase(path(), oldDatabaseSql(tables));
    const QByteArray before = fileBytes(path());

    ScriptedPrompts prompts;
    prompts.expect(PromptKind::Information);
    QCOMPARE(errorOfCreateTables(path(), prompts), message);
    QCOMPARE(prompts.texts(), QList<QString>{upgradeMessage});
    QCOMPARE(fileBytes(path()), before);

    // Mended by another tool, the file upgrades cleanly on its next opening.
    sqlite3Cli(path(),
               QStringLiteral("DROP TABLE IF EXISTS %1;").arg(table) + oldTables().value(table));
    ScriptedPrompts again;
    again.expect(PromptKind::Information);
    openAndCreateTables(path(), again);
    QVERIFY(again.allAnswered());
    QCOMPARE(sqlite3Cli(path(), QStringLiteral("SELECT count(*) FROM Settings15;"
                                               "SELECT count(*) FROM Invoices15;"
                                               "SELECT count(*) FROM Quotes15;"
                                               "SELECT count(*) FROM Customers15;"
                                               "SELECT count(*) FROM Articles15;"
                                               "SELECT group_concat(VerNum) FROM VerInfo;")),
             QStringLiteral("1\n2\n1\n1\n2\nvantr15\n"));
    QCOMPARE(rows(path(), QStringLiteral("SELECT Articles FROM Invoices15 WHERE Num='1';")),
             QList<QStringList>{{newInvoiceItems}});
}

void SchemaTest::zeroLengthFile() {
    // An empty file has neither the old tables nor a stamp: the upgrade starts and fails
    // on the missing settings, and the file stays empty.
    QFile file(path());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    ScriptedPrompts prompts;
    prompts.expect(PromptKind::Information);
    QCOMPARE(errorOfCreateTables(path(), prompts), QStringLiteral("no such table: Settings"));
    QCOMPARE(prompts.texts(), QList<QString>{upgradeMessage});
    QCOMPARE(QFileInfo(path()).size(), qint64(0));
}

void SchemaTest::notADatabase() {
    // A text file given the database extension: the engine's error, no message before it.
    QFile file(path());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Nom;Adresse\nDupré;Paris\n");
    file.close();
    const QByteArray before = fileBytes(path());

    ScriptedPrompts prompts;
    QCOMPARE(errorOfCreateTables(path(), prompts), QStringLiteral("file is not a database"));
    QVERIFY(prompts.shown.isEmpty());
    QCOMPARE(fileBytes(path()), before);
}

void SchemaTest::laterVersionIsLeftAlone() {
    writeDatabase(
        path(),
        QStringLiteral("CREATE TABLE VerInfo (VerNum Text);INSERT INTO VerInfo VALUES ('vantr99');"
                       "CREATE TABLE Invoices (Num TEXT);INSERT INTO Invoices VALUES ('1');"));
    ScriptedPrompts prompts;
    Connection dqd;
    dqd.open(path());
    db::Create_Tables(dqd, prompts);
    QVERIFY(prompts.shown.isEmpty());
    QCOMPARE(db::get_db_version(dqd), QStringLiteral("vantr99"));
    QCOMPARE(dqd.query(QStringLiteral("SELECT * FROM VerInfo;")), QList<QStringList>{{"vantr99"}});
    QCOMPARE(dqd.scalar(QStringLiteral("SELECT count(*) FROM Invoices15;")),
             std::optional<QString>("0"));
}

void SchemaTest::versionStamp_data() {
    QTest::addColumn<QString>("tag");
    QTest::newRow("current") << "vantr15";
    QTest::newRow("quote in the tag") << "vantr'15";
    QTest::newRow("two quotes") << "l'ancienne''version";
    QTest::newRow("empty") << "";
}

void SchemaTest::versionStamp() {
    QFETCH(QString, tag);
    Connection dqd;
    dqd.create(path());
    dqd.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS VerInfo (VerNum Text);"));
    QCOMPARE(db::get_db_version(dqd), QString());
    db::set_db_version(dqd, QStringLiteral("vantr10"));
    db::set_db_version(dqd, tag);
    QCOMPARE(db::get_db_version(dqd), tag);
    QCOMPARE(dqd.query(QStringLiteral("SELECT VerNum FROM VerInfo;")), QList<QStringList>{{tag}});
}

QTEST_GUILESS_MAIN(SchemaTest)
#include "test_schema.moc"
