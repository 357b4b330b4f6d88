#include "lists/list_loading.h"

#include "core/date_text.h"
#include "core/document_total.h"
#include "core/error.h"
#include "db/connection.h"

#include <QByteArrayView>
#include <QStringView>
#include <sqlite3.h>

namespace vantrel::lists {
namespace {

constexpr qsizetype documentColumns = 6;
constexpr qsizetype catalogueColumns = 4;

char16_t foldAz(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c;
}

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

// Steps one statement on the connection and hands out its columns one by one, so
// that a list of 100 000 documents converts only what it shows: the stored Total is
// never read, the flag words share one text each. Errors are the engine's, as for
// every statement of the connection.
class Rows {
public:
    Rows(db::Connection& dqd, const QString& sql) : db_(dqd.handle()) {
        if (!db_) {
            dqd.exec(sql); // throws the connection's own "not connected" error
            return;
        }
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v2(db_, text.constData(), int(text.size()), &stmt_, nullptr) !=
            SQLITE_OK)
            fail();
    }
    ~Rows() { sqlite3_finalize(stmt_); }
    Rows(const Rows&) = delete;
    Rows& operator=(const Rows&) = delete;

    bool next() {
        if (!stmt_)
            return false;
        const int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            fail();
        return false;
    }

    // A NULL reads as a null text, as everywhere else.
    QString text(int column) const {
        const auto* chars = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
        if (!chars)
            return {};
        return QString::fromUtf8(chars, sqlite3_column_bytes(stmt_, column));
    }

    // The column's UTF-8 bytes, valid until the next step: the line-item blocks are
    // only read, never kept.
    QByteArrayView bytes(int column) const {
        const auto* chars = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
        return QByteArrayView(chars, chars ? sqlite3_column_bytes(stmt_, column) : 0);
    }

    QString flag(int column) const {
        static const QString oui = QStringLiteral("Oui");
        static const QString non = QStringLiteral("Non");
        const auto* chars = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
        if (chars) {
            const QByteArrayView bytes(chars, sqlite3_column_bytes(stmt_, column));
            if (bytes == "Oui")
                return oui;
            if (bytes == "Non")
                return non;
        }
        return text(column);
    }

private:
    [[noreturn]] void fail() const { throw Error(QString::fromUtf8(sqlite3_errmsg(db_))); }
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// The queries' columns: Num, Dat, Customer, Printed, Paid or Invoiced, Total, Articles.
enum DocumentColumn {
    numColumn,
    datColumn,
    customerColumn,
    printedColumn,
    flagColumn,
    totalColumn,
    articlesColumn
};

// Number, date, customer and the two flags as stored, then the total recomputed from
// the line items. The stored Total is read by the query but never shown.
void readDocuments(db::Connection& dqd, const QString& sql, bool betweenDates, const DateSpan& span,
                   const MoneyFormat& money, QList<ListRow>& rows) {
    Rows documents(dqd, sql);
    while (documents.next()) {
        QString dat = documents.text(datColumn);
        if (betweenDates) {
            const std::optional<QDate> day = readDateText(dat);
            if (!day || !span.contains(*day))
                continue;
        }
        const QByteArrayView articles = documents.bytes(articlesColumn);
        const QString total = getcurstring(gettotalUtf8(articles.data(), articles.size()), money);
        ListRow row;
        row.reserve(documentColumns);
        row.append(documents.text(numColumn));
        row.append(std::move(dat));
        row.append(documents.text(customerColumn));
        row.append(documents.flag(printedColumn));
        row.append(documents.flag(flagColumn));
        row.append(total);
        rows.append(std::move(row));
    }
}

void readCatalogue(db::Connection& dqd, const QString& sql, const QString& filter,
                   bool firstLineOfThird, QList<ListRow>& rows) {
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
    QString sql = QStringLiteral(
        "SELECT Num, Dat, Customer, Printed, Paid, Total, Articles  FROM Invoices15 Where ");
    if (!betweenDates)
        sql += getfilter1(choices.period, choices.today) + QStringLiteral(" AND ");
    sql += getfilter2(choices.filter) + QLatin1Char(';');
    readDocuments(dqd, sql, betweenDates, choices.span, money, rows);
}

void readquotes(db::Connection& dqd, const DocumentChoices& choices, const MoneyFormat& money,
                QList<ListRow>& rows) {
    const bool betweenDates = choices.period == betweenTwoDates;
    const QString sql =
        betweenDates
            ? QStringLiteral(
                  "SELECT Num, Dat, Customer, Printed, Invoiced, Total, Articles  FROM Quotes15;")
            : QStringLiteral("SELECT Num, Dat, Customer, Printed, Invoiced, Total, Articles  FROM "
                             "Quotes15 Where ") +
                  getfilter1(choices.period, choices.today) + QLatin1Char(';');
    readDocuments(dqd, sql, betweenDates, choices.span, money, rows);
}

void ReadCustomers(db::Connection& dqd, const QString& filter, QList<ListRow>& rows) {
    readCatalogue(dqd,
                  QStringLiteral("SELECT Account, Customer, Address, Tel  FROM Customers15 ORDER "
                                 "BY Account COLLATE NoCase;"),
                  filter, true, rows);
}

void readarticles(db::Connection& dqd, const QString& filter, QList<ListRow>& rows) {
    readCatalogue(dqd,
                  QStringLiteral("SELECT Code, Description, Price, Quantity  FROM Articles15 ORDER "
                                 "BY Code COLLATE NoCase;"),
                  filter, false, rows);
}

bool foldedContains(const QString& text, const QString& filter) {
    return containsFolded(text, foldedAz(filter));
}

QString firstLine(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\r') || text[i] == QLatin1Char('\n'))
            return text.left(i);
    }
    return text;
}

} // namespace vantrel::lists
