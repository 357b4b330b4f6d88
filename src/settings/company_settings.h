#pragma once

#include "core/money.h"

#include <QImage>
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
    QString logoText; // the stored text form of the logo, as read
    QImage logo;      // the logo picture; a null picture means no logo
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

// Reads the three settings tables; a table without a row leaves the defaults. A stored
// logo that cannot be read gives no logo; the other settings still load.
CompanySettings loadsettings(db::Connection& dqd);

// Empties the three settings tables and writes them anew from `settings`, the logo in
// its stored text form. The save runs in one transaction, so that a failed save keeps
// the previous settings; the failure is thrown as the database layer's error.
void savesettings(db::Connection& dqd, const CompanySettings& settings);

} // namespace vantrel::settings
