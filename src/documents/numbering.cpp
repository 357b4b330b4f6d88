#include "documents/numbering.h"

#include "core/numbers.h"
#include "db/connection.h"

#include <algorithm>
#include <limits>

namespace vantrel::documents {

namespace {

int nextNumber(db::Connection& dqd, const QString& sql) {
    int largest = 0;
    dqd.forEachRow(sql, [&largest](const QStringList& row) { largest = std::max(largest, toInteger(row.value(0))); });
    if (largest == std::numeric_limits<int>::max())
        throwNotAnInteger(QStringLiteral("2147483648")); // no number is left after the largest
    return largest + 1;
}

bool numberTaken(db::Connection& dqd, const QString& sql, const QString& numtext) {
    const int wanted = toInteger(numtext);
    bool taken = false;
    dqd.forEachRow(sql, [&](const QStringList& row) { taken = toInteger(row.value(0)) == wanted || taken; });
    return taken;
}

} // namespace

int getnewnum(db::Connection& dqd) { return nextNumber(dqd, QStringLiteral("SELECT Num FROM Invoices15;")); }

int getnewnum_quotes(db::Connection& dqd) { return nextNumber(dqd, QStringLiteral("SELECT Num FROM Quotes15;")); }

bool there_is_like_num(db::Connection& dqd, const QString& numtext) {
    return numberTaken(dqd, QStringLiteral("SELECT Num FROM Invoices15 ORDER BY Num COLLATE NoCase;"), numtext);
}

bool there_is_like_quote(db::Connection& dqd, const QString& numtext) {
    return numberTaken(dqd, QStringLiteral("SELECT Num FROM Quotes15 ORDER BY Num COLLATE NoCase;"), numtext);
}

} // namespace vantrel::documents
