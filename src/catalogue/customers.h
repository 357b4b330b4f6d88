#pragma once

#include "lists/list_loading.h"

#include <QList>
#include <QString>
#include <optional>

namespace vantrel::db {
class Connection;
}

namespace vantrel::catalogue {

struct Customer {
    QString account;
    QString name;
    QString address;
    QString tel;
    QString fax;
    QString email;
    QString notes;
};

// What the pick list copies into a document: the contact without the notes.
struct Contact {
    QString name;
    QString address;
    QString tel;
    QString fax;
    QString email;
};

// Leading and trailing characters of code 32 or below (blanks, line breaks) removed.
QString trimStored(const QString& text);

void insertCustomer(db::Connection& dqd, const Customer& customer);
// Every row holding the old account text is updated.
void updateCustomer(db::Connection& dqd, const Customer& customer, const QString& oldAccount);
std::optional<Customer> readCustomer(db::Connection& dqd, const QString& account);
// The customer's rows as the main list shows them, read back after a save.
QList<lists::ListRow> customerListRows(db::Connection& dqd, const QString& account);

// The pick list's rows (account, name), narrowed like the catalogue list.
QList<QStringList> customerPickRows(db::Connection& dqd, const QString& filter);
// The contact of a picked account; the last row of that account wins.
std::optional<Contact> readContact(db::Connection& dqd, const QString& account);

} // namespace vantrel::catalogue
