#include "db/schema.h"

#include "core/sql_quote.h"
#include "db/line_item_upgrade.h"
#include "db/messages.h"
#include "platform/prompts.h"

#include <QStringList>

namespace vantrel::db {
namespace {

const char* const createStatements[] = {
    "CREATE TABLE IF NOT EXISTS Invoices15 (Num TEXT,Customer TEXT,Address TEXT,Dat TEXT,Tel TEXT,"
    "Fax TEXT,Email TEXT,Printed TEXT,Sent TEXT,Paid TEXT,Bottom TEXT,Notes TEXT,Articles TEXT,"
    "Total TEXT );",
    "CREATE TABLE IF NOT EXISTS Settings15 (Nom TEXT,Adresse TEXT,Email TEXT,Telephone TEXT,Fax TEXT,"
    "Siteweb TEXT,Monnaie TEXT,Taux TEXT,Logo TEXT,Decimals TEXT,Taux2 TEXT );",
    "CREATE TABLE IF NOT EXISTS Articles15 (Code TEXT,Description TEXT,Price TEXT,Quantity TEXT,"
    "Vat TEXT );",
    "CREATE TABLE IF NOT EXISTS Customers15 (Account TEXT,Customer TEXT,Address TEXT,Tel TEXT,"
    "Fax TEXT,Email TEXT,Notes TEXT );",
    "CREATE TABLE IF NOT EXISTS Quotes15 (Num TEXT,Customer TEXT,Address TEXT,Dat TEXT,Tel TEXT,"
    "Fax TEXT,Email TEXT,Printed TEXT,Invoiced TEXT,Bottom TEXT,Notes TEXT,Articles TEXT,"
    "Total TEXT );",
    "CREATE TABLE IF NOT EXISTS Informations20 (Include_infos_check TEXT,Siret TEXT,Rcs TEXT,"
    "Naf TEXT,Tvaintra TEXT );",
    "CREATE TABLE IF NOT EXISTS Footer25 (Include_footer_check TEXT,Footer_text TEXT );",
};

const QString createVerInfo = QStringLiteral("CREATE TABLE IF NOT EXISTS VerInfo (VerNum Text);");

QString sqlValue(const QString& value) {
    if (value.isNull())
        return QStringLiteral("NULL");
    return QLatin1Char('\'') + gvs(value) + QLatin1Char('\'');
}

// Copies the documents of an old table into the new one, each row by itself with its
// line items rewritten, so that two old documents of the same number stay two
// documents with their own items.
void copyDocuments(Connection& dqd, const QString& oldTable, const QString& newTable, int articlesColumn) {
    const QList<QStringList> rows = dqd.query(QStringLiteral("SELECT * FROM %1;").arg(oldTable));
    for (QStringList row : rows) {
        if (articlesColumn < row.size() && !row[articlesColumn].isNull())
            row[articlesColumn] = upgradeLineItems(row[articlesColumn]);
        QStringList values;
        for (const QString& value : row)
            values << sqlValue(value);
        dqd.exec(QStringLiteral("INSERT INTO %1 VALUES (%2);").arg(newTable, values.join(QLatin1Char(','))));
    }
}

void upgradeFromPrevious(Connection& dqd) {
    dqd.exec(QStringLiteral("INSERT INTO Settings15 (Nom, Adresse, Email, Telephone, Fax, Siteweb, monnaie, "
                            "taux, logo) SELECT * FROM Settings;"));
    dqd.exec(QStringLiteral("UPDATE Settings15 SET Decimals = '2';"));
    dqd.exec(QStringLiteral("UPDATE Settings15 SET Taux2 = '5,5';"));
    copyDocuments(dqd, QStringLiteral("Invoices"), QStringLiteral("Invoices15"), 12);
    copyDocuments(dqd, QStringLiteral("Quotes"), QStringLiteral("Quotes15"), 11);
    dqd.exec(QStringLiteral("INSERT INTO Customers15 SELECT * FROM Customers;"));
    dqd.exec(QStringLiteral("INSERT INTO Articles15 (Code, description, price, quantity) SELECT * FROM Articles;"));
    dqd.exec(QStringLiteral("UPDATE Articles15 SET Vat = '") + gvs(getvatrate(dqd)) + QStringLiteral("';"));
    set_db_version(dqd, currentVersion);
}

} // namespace

void set_db_version(Connection& dqd, const QString& tag) {
    dqd.exec(QStringLiteral("DELETE FROM VerInfo"));
    dqd.exec(QStringLiteral("INSERT INTO VerInfo (VerNum) Values ('") + gvs(tag) + QStringLiteral("');"));
}

QString get_db_version(Connection& dqd) {
    return dqd.scalar(QStringLiteral("SELECT * From VerInfo")).value_or(QString());
}

QString getvatrate(Connection& dqd) {
    return dqd.scalar(QStringLiteral("SELECT taux FROM Settings15;")).value_or(QStringLiteral("0"));
}

void Create_Tables(Connection& dqd, platform::Prompts& prompts) {
    Transaction transaction(dqd);
    for (const char* statement : createStatements)
        dqd.exec(QString::fromLatin1(statement));
    dqd.exec(createVerInfo);
    if (!dqd.scalar(QStringLiteral("SELECT * From VerInfo")))
        set_db_version(dqd, previousVersion);
    if (get_db_version(dqd) == previousVersion) {
        prompts.information(messages::upgradeNotice);
        upgradeFromPrevious(dqd);
    }
    transaction.commit();
}

} // namespace vantrel::db
