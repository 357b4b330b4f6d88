#include "support/company_file.h"

#include "core/sql_quote.h"
#include "db/schema.h"
#include "support/scripted_prompts.h"

namespace vantrel::testing {

CompanyFileBase::CompanyFileBase(const QString& fileName) : path(dir.filePath(fileName)) {
    dqd.create(path);
    dqd.exec(QStringLiteral("CREATE TABLE VerInfo (VerNum Text);"));
    db::set_db_version(dqd, db::currentVersion);
    ScriptedPrompts prompts;
    db::Create_Tables(dqd, prompts);
}

void CompanyFileBase::insert(const QString& table, const QStringList& columns, const QStringList& values) {
    QStringList quoted;
    for (const QString& value : values)
        quoted << QLatin1Char('\'') + gvs(value) + QLatin1Char('\'');
    dqd.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3);")
                 .arg(table, columns.join(QLatin1Char(',')), quoted.join(QLatin1Char(','))));
}

QString sampleCompanySql() {
    return QStringLiteral(
        "CREATE TABLE VerInfo (VerNum Text); INSERT INTO VerInfo VALUES ('vantr15');"
        "CREATE TABLE Settings15 (Nom TEXT,Adresse TEXT,Email TEXT,Telephone TEXT,Fax TEXT,Siteweb TEXT,"
        "Monnaie TEXT,Taux TEXT,Logo TEXT,Decimals TEXT,Taux2 TEXT);"
        "INSERT INTO Settings15 VALUES ('Plomberie Garnier','','','','','','€','20,00','','2','5,50');"
        "CREATE TABLE Invoices15 (Num TEXT,Customer TEXT,Address TEXT,Dat TEXT,Tel TEXT,Fax TEXT,Email TEXT,"
        "Printed TEXT,Sent TEXT,Paid TEXT,Bottom TEXT,Notes TEXT,Articles TEXT,Total TEXT);"
        "INSERT INTO Invoices15 VALUES ('1','Dupont','','02/12/2026','','','','Oui','Non','Oui','','',"
        "  'A'||char(13,10)||'Pose'||char(13,10)||'1'||char(13,10)||'100,00 €'||char(13,10)||'100,00 €'||char(13,10)"
        "  ||'120,00 €'||char(13,10)||'20,00'||char(13,10),'120,00 €');"
        "INSERT INTO Invoices15 VALUES ('2','Martin','','15/11/2026','','','','Non','Non','Non','','','','0,00 €');"
        "INSERT INTO Invoices15 VALUES ('3','Bernard','','10/12/2026','','','','Non','Oui','Oui','','','','0,00 €');"
        "CREATE TABLE Quotes15 (Num TEXT,Customer TEXT,Address TEXT,Dat TEXT,Tel TEXT,Fax TEXT,Email TEXT,"
        "Printed TEXT,Invoiced TEXT,Bottom TEXT,Notes TEXT,Articles TEXT,Total TEXT);"
        "INSERT INTO Quotes15 VALUES ('1','Durand','','01/12/2026','','','','Non','Non','','','','0,00 €');"
        "CREATE TABLE Customers15 (Account TEXT,Customer TEXT,Address TEXT,Tel TEXT,Fax TEXT,Email TEXT,Notes TEXT);"
        "INSERT INTO Customers15 VALUES ('CL001','Dupont','3 rue Haute'||char(13,10)||'75001 Paris','0102','','','');"
        "INSERT INTO Customers15 VALUES ('CL002','Durand','','0103','','','');"
        "CREATE TABLE Articles15 (Code TEXT,Description TEXT,Price TEXT,Quantity TEXT,Vat TEXT);"
        "INSERT INTO Articles15 VALUES ('ART001','Robinet','45,00 €','3','20,00');");
}

} // namespace vantrel::testing
