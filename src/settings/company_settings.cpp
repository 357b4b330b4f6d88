#include "settings/company_settings.h"

#include "core/flags.h"
#include "db/connection.h"

namespace vantrel::settings {

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
        s.decimals = r[9];
        s.rate2 = r[10];
    }
    const QList<QStringList> infos = dqd.query(
        QStringLiteral("SELECT include_infos_check, siret, Rcs, Naf, Tvaintra FROM Informations20;"));
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

} // namespace vantrel::settings
