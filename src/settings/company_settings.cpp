#include "settings/company_settings.h"

#include "core/flags.h"
#include "core/sql_quote.h"
#include "db/connection.h"
#include "settings/logo.h"

namespace vantrel::settings {

namespace {

QString quoted(const QString& text) {
    return QLatin1Char('\'') + gvs(text) + QLatin1Char('\'');
}

// The identifiers and footer statements write their values between double quotation
// marks, each one inside doubled; in a VALUES list such a token is always a text.
QString doubleQuoted(const QString& text) {
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

} // namespace

CompanySettings loadsettings(db::Connection& dqd) {
    CompanySettings s;
    const QList<QStringList> company = dqd.query(
        QStringLiteral("SELECT Nom, Adresse, Email, Telephone, Fax, Siteweb, monnaie, taux, logo, "
                       "decimals, taux2  FROM Settings15;"));
    if (!company.isEmpty()) {
        const QStringList& r = company.constFirst();
        s.businessName = r[0];
        s.address = r[1];
        s.email = r[2];
        s.telephone = r[3];
        s.fax = r[4];
        s.website = r[5];
        s.currency = r[6];
        s.rate1 = r[7];
        s.logoText = r[8];
        s.logo = loadlogo(s.logoText);
        s.decimals = r[9];
        s.rate2 = r[10];
    }
    const QList<QStringList> infos = dqd.query(QStringLiteral(
        "SELECT include_infos_check, siret, Rcs, Naf, Tvaintra FROM Informations20;"));
    if (!infos.isEmpty()) {
        const QStringList& r = infos.constFirst();
        s.includeInfos = isSettingsFlagSet(r[0]);
        s.siret = r[1];
        s.rcs = r[2];
        s.naf = r[3];
        s.tvaIntra = r[4];
    }
    const QList<QStringList> footer =
        dqd.query(QStringLiteral("SELECT include_footer_check, footer_text FROM Footer25;"));
    if (!footer.isEmpty()) {
        s.includeFooter = isSettingsFlagSet(footer.constFirst()[0]);
        s.footerText = footer.constFirst()[1];
    }
    return s;
}

void savesettings(db::Connection& dqd, const CompanySettings& s) {
    const QString separator = QStringLiteral(",");
    db::Transaction transaction(dqd);
    dqd.exec(QStringLiteral("DELETE FROM Settings15;"));
    const QStringList company = {
        quoted(s.businessName), quoted(s.address), quoted(s.email),
        quoted(s.telephone),    quoted(s.fax),     quoted(s.website),
        quoted(s.currency),     quoted(s.rate1),   quoted(getlogotext(s.logo)),
        quoted(s.decimals),     quoted(s.rate2)};
    dqd.exec(QStringLiteral(
                 "INSERT INTO Settings15  (Nom, Adresse, Email, Telephone, Fax, Siteweb, monnaie, "
                 "taux, logo, decimals, taux2)  VALUES (") +
             company.join(separator) + QStringLiteral(");"));
    dqd.exec(QStringLiteral("DELETE FROM Informations20;"));
    const QStringList infos = {doubleQuoted(settingsFlagWord(s.includeInfos)),
                               doubleQuoted(s.siret), doubleQuoted(s.rcs), doubleQuoted(s.naf),
                               doubleQuoted(s.tvaIntra)};
    dqd.exec(QStringLiteral("INSERT INTO Informations20  (Include_infos_check , Siret, Rcs, Naf, "
                            "Tvaintra)  VALUES (") +
             infos.join(separator) + QStringLiteral(");"));
    dqd.exec(QStringLiteral("DELETE FROM Footer25;"));
    const QStringList footer = {doubleQuoted(settingsFlagWord(s.includeFooter)),
                                doubleQuoted(s.footerText)};
    dqd.exec(
        QStringLiteral("INSERT INTO Footer25  (Include_footer_check , Footer_text)  VALUES (") +
        footer.join(separator) + QStringLiteral(");"));
    transaction.commit();
}

} // namespace vantrel::settings
