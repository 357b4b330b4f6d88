#pragma once

#include "core/money.h"

#include <QString>

namespace vantrel::db {
class Connection;
}

namespace vantrel::settings {

// The company's details as last read from the open database; every other part of the
// program reads them from here.
struct CompanySettings {
    QString businessName;
    QString address;
    QString email;
    QString telephone;
    QString fax;
    QString website;
    QString currency = QStringLiteral("€");
    QString rate1 = QStringLiteral("20,00");
    QString logoText; // the stored text form of the logo; blank means no logo
    QString decimals = QStringLiteral("2");
    QString rate2 = QStringLiteral("5,00");

    bool includeInfos = false;
    QString siret;
    QString rcs;
    QString naf;
    QString tvaIntra;

    bool includeFooter = false;
    QString footerText;

    // setcur's money format for these settings.
    MoneyFormat moneyFormat() const { return MoneyFormat::fromSettings(decimals, currency); }
};

// Reads the three settings tables; a table without a row leaves the defaults.
CompanySettings loadsettings(db::Connection& dqd);

} // namespace vantrel::settings
