#pragma once

// A company file in a temporary folder with the current tables, for the list tests.
#include "core/sql_quote.h"
#include "db/connection.h"
#include "db/schema.h"
#include "support/company_file.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

namespace vantrel::testing {

class CompanyFile : public CompanyFileBase {
public:
    CompanyFile() : CompanyFileBase(QStringLiteral("listes.vtdb")) {}

    void invoice(const QString& num, const QString& dat,
                 const QString& paid = QStringLiteral("Non"),
                 const QString& sent = QStringLiteral("Non"), const QString& articles = {},
                 const QString& customer = QStringLiteral("Dupont"),
                 const QString& total = QStringLiteral("0,00 €")) {
        insert(QStringLiteral("Invoices15"),
               {"Num", "Customer", "Dat", "Printed", "Sent", "Paid", "Articles", "Total"},
               {num, customer, dat, QStringLiteral("Non"), sent, paid, articles, total});
    }

    void quote(const QString& num, const QString& dat,
               const QString& invoiced = QStringLiteral("Non"), const QString& articles = {}) {
        insert(QStringLiteral("Quotes15"),
               {"Num", "Customer", "Dat", "Printed", "Invoiced", "Articles", "Total"},
               {num, QStringLiteral("Durand"), dat, QStringLiteral("Oui"), invoiced, articles,
                QStringLiteral("0,00 €")});
    }

};

// One stored line item with the given net and rate texts, each field followed by CR LF.
inline QString item(const QString& net, const QString& rate) {
    return QStringLiteral("A1\r\nPose\r\n1\r\n") + net + QStringLiteral("\r\n") + net +
           QStringLiteral("\r\n") + net + QStringLiteral("\r\n") + rate + QStringLiteral("\r\n");
}

} // namespace vantrel::testing
