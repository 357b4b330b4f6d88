#include "catalogue/articles.h"

#include "core/sql_quote.h"
#include "db/connection.h"

namespace vantrel::catalogue {

namespace {
QString quoted(const QString& value) { return QLatin1Char('\'') + gvs(value) + QLatin1Char('\''); }
} // namespace

void insertArticle(db::Connection& dqd, const Article& a) {
    dqd.exec(QStringLiteral("INSERT INTO Articles15 (Code, description, price, quantity, vat)  VALUES (") +
             QStringList{quoted(a.code), quoted(a.description), quoted(a.price), quoted(a.quantity), quoted(a.vat)}
                 .join(QLatin1Char(',')) +
             QStringLiteral(");"));
}

void updateArticle(db::Connection& dqd, const Article& a, const QString& oldCode) {
    dqd.exec(QStringLiteral("UPDATE Articles15 SET Code =") + quoted(a.code) + QStringLiteral(",description =") +
             quoted(a.description) + QStringLiteral(",price =") + quoted(a.price) + QStringLiteral(",quantity =") +
             quoted(a.quantity) + QStringLiteral(",vat =") + quoted(a.vat) + QStringLiteral(" WHERE Code=") +
             quoted(oldCode) + QStringLiteral(";"));
}

std::optional<Article> readArticle(db::Connection& dqd, const QString& code) {
    const QList<QStringList> rows =
        dqd.query(QStringLiteral("SELECT * FROM Articles15 WHERE Code=") + quoted(code) + QStringLiteral(";"));
    if (rows.isEmpty())
        return std::nullopt;
    const QStringList& r = rows.constFirst();
    return Article{r.value(0), r.value(1), r.value(2), r.value(3), r.value(4)};
}

QList<lists::ListRow> articleListRows(db::Connection& dqd, const QString& code) {
    QList<lists::ListRow> rows;
    dqd.forEachRow(QStringLiteral("SELECT Code, Description, Price, Quantity  FROM Articles15 Where Code=") +
                       quoted(code) + QStringLiteral(";"),
                   [&rows](const QStringList& r) { rows.append({r.value(0), r.value(1), r.value(2), r.value(3)}); });
    return rows;
}

} // namespace vantrel::catalogue
