#include "catalogue/customers.h"

#include "core/sql_quote.h"
#include "db/connection.h"

namespace vantrel::catalogue {

namespace {
QString quoted(const QString& value) { return QLatin1Char('\'') + gvs(value) + QLatin1Char('\''); }
} // namespace

QString trimStored(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 32)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

void insertCustomer(db::Connection& dqd, const Customer& c) {
    dqd.exec(QStringLiteral("INSERT INTO Customers15 (Account, customer, address, tel, fax, email, notes)  VALUES (") +
             QStringList{quoted(c.account), quoted(c.name), quoted(trimStored(c.address)), quoted(c.tel),
                         quoted(c.fax), quoted(c.email), quoted(c.notes)}
                 .join(QLatin1Char(',')) +
             QStringLiteral(");"));
}

void updateCustomer(db::Connection& dqd, const Customer& c, const QString& oldAccount) {
    dqd.exec(QStringLiteral("UPDATE Customers15 SET Account =") + quoted(c.account) +
             QStringLiteral(",Customer =") + quoted(c.name) + QStringLiteral(",Address =") +
             quoted(trimStored(c.address)) + QStringLiteral(",Tel =") + quoted(c.tel) + QStringLiteral(",Fax =") +
             quoted(c.fax) + QStringLiteral(",email =") + quoted(c.email) + QStringLiteral(",notes =") +
             quoted(c.notes) + QStringLiteral(" WHERE Account=") + quoted(oldAccount) + QStringLiteral(";"));
}

std::optional<Customer> readCustomer(db::Connection& dqd, const QString& account) {
    const QList<QStringList> rows =
        dqd.query(QStringLiteral("SELECT * FROM Customers15 WHERE Account=") + quoted(account) + QStringLiteral(";"));
    if (rows.isEmpty())
        return std::nullopt;
    const QStringList& r = rows.constFirst();
    return Customer{r.value(0), r.value(1), r.value(2), r.value(3), r.value(4), r.value(5), r.value(6)};
}

QList<lists::ListRow> customerListRows(db::Connection& dqd, const QString& account) {
    QList<lists::ListRow> rows;
    dqd.forEachRow(QStringLiteral("SELECT Account, Customer, Address, Tel FROM Customers15 Where Account=") +
                       quoted(account) + QStringLiteral(";"),
                   [&rows](const QStringList& r) {
                       rows.append({r.value(0), r.value(1), lists::firstLine(r.value(2)), r.value(3)});
                   });
    return rows;
}

QList<QStringList> customerPickRows(db::Connection& dqd, const QString& filter) {
    QList<QStringList> rows;
    const QString wanted = filter.trimmed();
    dqd.forEachRow(QStringLiteral("SELECT Account, Customer  FROM Customers15 ORDER BY Account COLLATE NoCase;"),
                   [&](const QStringList& r) {
                       if (wanted.isEmpty() || lists::foldedContains(r.value(1), wanted))
                           rows.append({r.value(0), r.value(1)});
                   });
    return rows;
}

std::optional<Contact> readContact(db::Connection& dqd, const QString& account) {
    std::optional<Contact> contact;
    dqd.forEachRow(QStringLiteral("SELECT Customer, Address, Tel, Fax, Email FROM Customers15 Where Account =") +
                       quoted(account) + QStringLiteral(";"),
                   [&contact](const QStringList& r) {
                       contact = Contact{r.value(0), r.value(1), r.value(2), r.value(3), r.value(4)};
                   });
    return contact;
}

} // namespace vantrel::catalogue
