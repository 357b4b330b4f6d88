#pragma once

#include "core/line_items.h"
#include "core/money.h"
#include "lists/list_loading.h"

#include <QDate>
#include <QString>
#include <optional>

namespace vantrel::db {
class Connection;
}

namespace vantrel::documents {

enum class DocumentKind { Invoice, Quote };

// One invoice or quote as its dialog holds it. A quote has no "sent" flag, and its
// "invoiced" flag stands where an invoice's "paid" flag does.
struct Document {
    QString num;
    QString customer;
    QString address;
    QString date; // date text; may be blank in data written elsewhere
    QString tel;
    QString fax;
    QString email;
    bool printed = false;
    bool sent = false;     // invoices only
    bool paidOrInvoiced = false;
    QString bottom;
    QString notes;
    QList<LineItem> items;
};

// The stored document of that number, read by column position; nothing when no row.
std::optional<Document> readDocument(db::Connection& dqd, DocumentKind kind, const QString& num);

// Writes a new row; the total is the rounded sum of the items' gross amounts.
void insertDocument(db::Connection& dqd, DocumentKind kind, const Document& document, const MoneyFormat& money);
// Rewrites the row whose number text is `oldNum` (the text the list showed, so that a
// number stored as "007" is reached too).
void updateDocument(db::Connection& dqd, DocumentKind kind, const Document& document, const QString& oldNum,
                    const MoneyFormat& money);

// The list row of a saved document when it still belongs in the list under the
// current choices (period, and for invoices the payment filter); nothing otherwise.
// `statementFoundRow` tells whether the statement itself returned the row, before the
// between-two-dates rule looked at its date.
std::optional<lists::ListRow> refreshedListRow(db::Connection& dqd, DocumentKind kind, const QString& num,
                                               const lists::DocumentChoices& choices, const MoneyFormat& money,
                                               bool* statementFoundRow = nullptr);

// True when a customer has exactly this name (case-sensitive).
bool custexists_in_base(db::Connection& dqd, const QString& name);
// Adds the document's contact to the customers under the next account number; the
// name is kept as typed, the address trimmed, the notes empty.
void addCustomerFromDocument(db::Connection& dqd, const Document& document);

// The quote transfer and the payment marking.
QString quoteInvoicedFlag(db::Connection& dqd, const QString& quoteNum);
QString invoicePaidFlag(db::Connection& dqd, const QString& invoiceNum);
void markQuoteInvoiced(db::Connection& dqd, const QString& quoteNum);
void markInvoicePaid(db::Connection& dqd, const QString& invoiceNum);

} // namespace vantrel::documents
