#include "catalogue/account_numbers.h"

#include "core/numbers.h"
#include "db/connection.h"

#include <algorithm>
#include <limits>

namespace vantrel::catalogue {

namespace {

// The number of a key: everything after the first prefix, or from the second
// character on when the prefix is missing.
int numberAfter(const QString& key, const QString& prefix) {
    const qsizetype at = key.indexOf(prefix);
    return toInteger(at >= 0 ? key.mid(at + prefix.size()) : key.mid(1));
}

int nextNumber(db::Connection& dqd, const QString& sql, const QString& prefix) {
    int largest = 0;
    dqd.forEachRow(sql, [&](const QStringList& row) { largest = std::max(largest, numberAfter(row.value(0), prefix)); });
    if (largest == std::numeric_limits<int>::max())
        throwNotAnInteger(QString::number(qint64(largest) + 1));
    return largest + 1;
}

bool numberInUse(db::Connection& dqd, const QString& sql, const QString& prefix, const QString& number) {
    const int wanted = toInteger(number);
    bool found = false;
    dqd.forEachRow(sql, [&](const QStringList& row) { found = found || numberAfter(row.value(0), prefix) == wanted; });
    return found;
}

const QString customerPrefix = QStringLiteral("CL");
const QString articlePrefix = QStringLiteral("ART");
const QString customerKeys = QStringLiteral("SELECT Account FROM Customers15;");
const QString articleKeys = QStringLiteral("SELECT Code FROM Articles15;");

} // namespace

QString str_addzeros(const QString& text) {
    if (text.size() == 1)
        return QStringLiteral("00") + text;
    if (text.size() == 2)
        return QLatin1Char('0') + text;
    return text;
}

QString getaccount_from_custnum(const QString& number) { return customerPrefix + str_addzeros(number); }

int getcustnum_from_account(const QString& account) { return numberAfter(account, customerPrefix); }

int getnew_custnum(db::Connection& dqd) { return nextNumber(dqd, customerKeys, customerPrefix); }

bool there_is_like_cust(db::Connection& dqd, const QString& number) {
    return numberInUse(dqd, customerKeys, customerPrefix, number);
}

QString getcode_from_artnum(const QString& number) { return articlePrefix + str_addzeros(number); }

int getartnum_from_code(const QString& code) { return numberAfter(code, articlePrefix); }

int getnew_artnum(db::Connection& dqd) { return nextNumber(dqd, articleKeys, articlePrefix); }

bool there_is_like_art(db::Connection& dqd, const QString& number) {
    return numberInUse(dqd, articleKeys, articlePrefix, number);
}

} // namespace vantrel::catalogue
