#include "documents/document_store.h"

#include "catalogue/account_numbers.h"
#include "catalogue/customers.h"
#include "core/date_text.h"
#include "core/document_total.h"
#include "core/flags.h"
#include "core/sql_quote.h"
#include "db/connection.h"

namespace vantrel::documents {

namespace {

QString quoted(const QString& value) { return QLatin1Char('\'') + gvs(value) + QLatin1Char('\''); }

QString table(DocumentKind kind) {
    return kind == DocumentKind::Invoice ? QStringLiteral("Invoices15") : QStringLiteral("Quotes15");
}

// The stored values in column order, from Num to Total.
QStringList storedValues(DocumentKind kind, const Document& d, const MoneyFormat& money) {
    QStringList values{d.num, d.customer, catalogue::trimStored(d.address), d.date, d.tel, d.fax, d.email,
                       flagWord(d.printed)};
    if (kind == DocumentKind::Invoice)
        values << flagWord(d.sent);
    values << flagWord(d.paidOrInvoiced) << d.bottom << d.notes << writeLineItems(d.items)
           << getcurstring(storedTotal(d.items), money);
    return values;
}

QStringList columnNames(DocumentKind kind) {
    if (kind == DocumentKind::Invoice)
        return {"Num", "Customer", "Address", "Dat", "Tel", "Fax", "Email", "Printed", "Sent", "Paid",
                "Bottom", "Notes", "Articles", "Total"};
    return {"Num", "Customer", "Address", "Dat", "Tel", "Fax", "Email", "Printed", "Invoiced",
            "Bottom", "Notes", "Articles", "Total"};
}

} // namespace

std::optional<Document> readDocument(db::Connection& dqd, DocumentKind kind, const QString& num) {
    const QList<QStringList> rows = dqd.query(QStringLiteral("SELECT * FROM ") + table(kind) +
                                              QStringLiteral(" WHERE Num=") + quoted(num) + QStringLiteral(";"));
    if (rows.isEmpty())
        return std::nullopt;
    const QStringList& r = rows.constFirst();
    Document d;
    d.num = r.value(0);
    d.customer = r.value(1);
    d.address = r.value(2);
    d.date = r.value(3);
    d.tel = r.value(4);
    d.fax = r.value(5);
    d.email = r.value(6);
    d.printed = isFlagSet(r.value(7));
    if (kind == DocumentKind::Invoice) {
        d.sent = isFlagSet(r.value(8));
        d.paidOrInvoiced = isFlagSet(r.value(9));
        d.bottom = r.value(10);
        d.notes = r.value(11);
        d.items = readLineItems(r.value(12));
    } else {
        d.paidOrInvoiced = isFlagSet(r.value(8));
        d.bottom = r.value(9);
        d.notes = r.value(10);
        d.items = readLineItems(r.value(11));
    }
    return d;
}

void insertDocument(db::Connection& dqd, DocumentKind kind, const Document& document, const MoneyFormat& money) {
    QStringList values;
    for (const QString& v : storedValues(kind, document, money))
        values << quoted(v);
    dqd.exec(QStringLiteral("INSERT INTO ") + table(kind) + QStringLiteral(" (") +
             columnNames(kind).join(QStringLiteral(", ")) + QStringLiteral(")  VALUES (") +
             values.join(QLatin1Char(',')) + QStringLiteral(");"));
}

void updateDocument(db::Connection& dqd, DocumentKind kind, const Document& document, const QString& oldNum,
                    const MoneyFormat& money) {
    const QStringList values = storedValues(kind, document, money);
    const QStringList columns = columnNames(kind);
    QString sql = QStringLiteral("UPDATE ") + table(kind) + QStringLiteral(" SET Num =") + quoted(values[0]);
    for (qsizetype i = 1; i < columns.size(); ++i)
        sql += QLatin1Char(',') + columns[i] + QStringLiteral(" =") + quoted(values[i]);
    // The row is found by its stored number text, whatever form that text has.
    sql += QStringLiteral(" WHERE Num=") + quoted(oldNum) + QStringLiteral(";");
    dqd.exec(sql);
}

std::optional<lists::ListRow> refreshedListRow(db::Connection& dqd, DocumentKind kind, const QString& num,
                                               const lists::DocumentChoices& choices, const MoneyFormat& money,
                                               bool* statementFoundRow) {
    const bool invoice = kind == DocumentKind::Invoice;
    const bool between = choices.period == lists::betweenTwoDates;
    QString sql = invoice ? QStringLiteral("SELECT Num, Dat, Customer, Printed, Paid, Total, articles  FROM Invoices15 "
                                           "Where Num=")
                          : QStringLiteral("SELECT Num, Dat, Customer, Printed, Invoiced, Total, articles  FROM Quotes15 "
                                           "Where Num=");
    sql += quoted(num);
    if (invoice) {
        if (!between)
            sql += QStringLiteral(" And ") + lists::getfilter1(choices.period, choices.today);
        sql += QStringLiteral(" And ") + lists::getfilter2(choices.filter) + QStringLiteral(";");
    } else {
        sql += between ? QStringLiteral(" ;")
                       : QStringLiteral(" And ") + lists::getfilter1(choices.period, choices.today) + QStringLiteral(";");
    }
    std::optional<lists::ListRow> found;
    const QList<QStringList> rows = dqd.query(sql);
    if (statementFoundRow)
        *statementFoundRow = !rows.isEmpty();
    for (const QStringList& r : rows) {
        if (between) {
            const std::optional<QDate> day = readDateText(r.value(1));
            if (!day || !choices.span.contains(*day))
                continue;
        }
        found = lists::ListRow{r.value(0), r.value(1), r.value(2), r.value(3), r.value(4),
                               getcurstring(gettotal(r.value(6)), money)};
    }
    return found;
}

bool custexists_in_base(db::Connection& dqd, const QString& name) {
    bool exists = false;
    dqd.forEachRow(QStringLiteral("SELECT Customer FROM Customers15;"),
                   [&](const QStringList& r) { exists = exists || r.value(0) == name; });
    return exists;
}

void addCustomerFromDocument(db::Connection& dqd, const Document& d) {
    const QString account =
        catalogue::getaccount_from_custnum(QString::number(catalogue::getnew_custnum(dqd)));
    catalogue::insertCustomer(dqd, {account, d.customer, d.address, d.tel, d.fax, d.email, QString()});
}

QString quoteInvoicedFlag(db::Connection& dqd, const QString& quoteNum) {
    return dqd.scalar(QStringLiteral("SELECT Invoiced FROM Quotes15 WHERE Num=") + quoted(quoteNum) + QStringLiteral(";"))
        .value_or(QString());
}

QString invoicePaidFlag(db::Connection& dqd, const QString& invoiceNum) {
    return dqd.scalar(QStringLiteral("SELECT Paid From Invoices15 WHERE Num=") + quoted(invoiceNum) + QStringLiteral(";"))
        .value_or(QString());
}

void markQuoteInvoiced(db::Connection& dqd, const QString& quoteNum) {
    dqd.exec(QStringLiteral("UPDATE Quotes15 SET Invoiced = 'Oui' WHERE Num=") + quoted(quoteNum) +
             QStringLiteral(";"));
}

void markInvoicePaid(db::Connection& dqd, const QString& invoiceNum) {
    dqd.exec(QStringLiteral("UPDATE Invoices15 SET Paid = 'Oui' WHERE Num=") + quoted(invoiceNum) +
             QStringLiteral(";"));
}

} // namespace vantrel::documents
