#include "lists/list_loading.h"

#include "core/date_text.h"
#include "core/document_total.h"
#include "db/connection.h"

#include <QStringView>

namespace vantrel::lists {
namespace {

constexpr qsizetype documentColumns = 6;
constexpr qsizetype catalogueColumns = 4;

char16_t foldAz(char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c; }

QString foldedAz(const QString& text) {
    QString folded = text;
    for (QChar& c : folded)
        c = QChar(foldAz(c.unicode()));
    return folded;
}

// Whether `text`, with A to Z folded, contains `folded` (already folded). Compares in
// place, so that a keystroke over a large catalogue makes no copy of each name.
bool containsFolded(QStringView text, QStringView folded) {
    const qsizetype n = folded.size();
    if (n == 0)
        return true;
    const char16_t* t = text.utf16();
    const char16_t* f = folded.utf16();
    const char16_t first = f[0];
    for (qsizetype i = 0, last = text.size() - n; i <= last; ++i) {
        if (foldAz(t[i]) != first)
            continue;
        qsizetype k = 1;
        while (k < n && foldAz(t[i + k]) == f[k])
            ++k;
        if (k == n)
            return true;
    }
    return false;
}

// Blanks and control characters around the filter text do not count.
QString trimmedFilter(const QString& filter) {
    qsizetype begin = 0;
    qsizetype end = filter.size();
    while (begin < end && filter[begin].unicode() <= 32)
        ++begin;
    while (end > begin && filter[end - 1].unicode() <= 32)
        --end;
    return filter.mid(begin, end - begin);
}

// Number, date, customer and the two flags as stored, then the recomputed total. The
// stored Total (column 5) is read but never shown.
ListRow documentRow(const QStringList& values, const MoneyFormat& money) {
    const QString total = getcurstring(gettotal(values[6]), money);
    ListRow row;
    row.reserve(documentColumns);
    for (qsizetype c = 0; c < 5; ++c)
        row.append(values[c]);
    row.append(total);
    return row;
}

void readDocuments(db::Connection& dqd, const QString& sql, bool betweenDates, const DateSpan& span,
                   const MoneyFormat& money, QList<ListRow>& rows) {
    dqd.forEachRow(sql, [&](const QStringList& values) {
        if (betweenDates) {
            const std::optional<QDate> day = readDateText(values[1]);
            if (!day || !span.contains(*day))
                return;
        }
        rows.append(documentRow(values, money));
    });
}

void readCatalogue(db::Connection& dqd, const QString& sql, const QString& filter, bool firstLineOfThird,
                   QList<ListRow>& rows) {
    const QString folded = foldedAz(trimmedFilter(filter));
    const bool filtering = !folded.isEmpty();
    dqd.forEachRow(sql, [&](const QStringList& values) {
        if (filtering && !containsFolded(values[1], folded))
            return;
        ListRow row;
        row.reserve(catalogueColumns);
        row.append(values[0]);
        row.append(values[1]);
        row.append(firstLineOfThird ? firstLine(values[2]) : values[2]);
        row.append(values[3]);
        rows.append(std::move(row));
    });
}

} // namespace

void Selecting(db::Connection& dqd, const DocumentChoices& choices, const MoneyFormat& money,
               QList<ListRow>& rows) {
    const bool betweenDates = choices.period == betweenTwoDates;
    QString sql = QStringLiteral("SELECT Num, Dat, Customer, Printed, Paid, Total, Articles  FROM Invoices15 Where ");
    if (!betweenDates)
        sql += getfilter1(choices.period, choices.today) + QStringLiteral(" AND ");
    sql += getfilter2(choices.filter) + QLatin1Char(';');
    readDocuments(dqd, sql, betweenDates, choices.span, money, rows);
}

void readquotes(db::Connection& dqd, const DocumentChoices& choices, const MoneyFormat& money,
                QList<ListRow>& rows) {
    const bool betweenDates = choices.period == betweenTwoDates;
    const QString sql =
        betweenDates ? QStringLiteral("SELECT Num, Dat, Customer, Printed, Invoiced, Total, Articles  FROM Quotes15;")
                     : QStringLiteral("SELECT Num, Dat, Customer, Printed, Invoiced, Total, Articles  FROM Quotes15 Where ") +
                           getfilter1(choices.period, choices.today) + QLatin1Char(';');
    readDocuments(dqd, sql, betweenDates, choices.span, money, rows);
}

void ReadCustomers(db::Connection& dqd, const QString& filter, QList<ListRow>& rows) {
    readCatalogue(dqd, QStringLiteral("SELECT Account, Customer, Address, Tel  FROM Customers15 ORDER BY Account COLLATE NoCase;"),
                  filter, true, rows);
}

void readarticles(db::Connection& dqd, const QString& filter, QList<ListRow>& rows) {
    readCatalogue(dqd, QStringLiteral("SELECT Code, Description, Price, Quantity  FROM Articles15 ORDER BY Code COLLATE NoCase;"),
                  filter, false, rows);
}

bool foldedContains(const QString& text, const QString& filter) { return containsFolded(text, foldedAz(filter)); }

QString firstLine(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\r') || text[i] == QLatin1Char('\n'))
            return text.left(i);
    }
    return text;
}

} // namespace vantrel::lists
