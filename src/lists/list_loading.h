#pragma once

#include "core/money.h"
#include "lists/periods.h"

#include <QList>
#include <QStringList>

namespace vantrel::db {
class Connection;
}

namespace vantrel::lists {

// One row of the main list, its cells in column order; the first cell is the key.
using ListRow = QStringList;

// The choices that narrow a document list.
struct DocumentChoices {
    int period = 0;   // index in periodEntries()
    int filter = 0;   // index in filterEntries(); invoices only
    DateSpan span;    // for "Entre deux dates"
    QDate today;
};

// The loaders append to `rows` as they go: when the engine or a conversion fails, the
// error is thrown and the rows read so far stay in `rows`.

// The invoice list: number, date, customer, printed, paid, and the total recomputed
// from the line items as money text.
void Selecting(db::Connection& dqd, const DocumentChoices& choices, const MoneyFormat& money,
               QList<ListRow>& rows);
// The quote list, the same with the invoiced flag in the fifth column.
void readquotes(db::Connection& dqd, const DocumentChoices& choices, const MoneyFormat& money,
                QList<ListRow>& rows);

// The customer list (account, name, first address line, telephone) and the article
// list (code, description, price, stock), in key order, narrowed to the rows whose name
// or description contains the trimmed filter text with only A to Z folded to a to z.
void ReadCustomers(db::Connection& dqd, const QString& filter, QList<ListRow>& rows);
void readarticles(db::Connection& dqd, const QString& filter, QList<ListRow>& rows);

// The folding rule of the catalogue filters.
bool foldedContains(const QString& text, const QString& filter);
// The text up to the first CR or LF.
QString firstLine(const QString& text);

} // namespace vantrel::lists
