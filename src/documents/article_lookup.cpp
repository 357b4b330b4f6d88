#include "documents/article_lookup.h"

#include "db/connection.h"
#include "lists/list_loading.h"

namespace vantrel::documents {

std::optional<catalogue::Article> lookupArticle(db::Connection& dqd, const QString& code) {
    std::optional<catalogue::Article> found;
    dqd.forEachRow(QStringLiteral("SELECT Code, Description, Price, Quantity, Vat  FROM Articles15 ORDER BY Code "
                                  "COLLATE NoCase;"),
                   [&](const QStringList& r) {
                       if (r.value(0) == code)
                           found = catalogue::Article{r.value(0), r.value(1), r.value(2), r.value(3), r.value(4)};
                   });
    return found;
}

QList<QStringList> articlePickRows(db::Connection& dqd, const QString& filter) {
    QList<QStringList> rows;
    const QString wanted = filter.trimmed();
    dqd.forEachRow(QStringLiteral("SELECT Code, Description, Price, Quantity  FROM Articles15 ORDER BY Code COLLATE "
                                  "NoCase;"),
                   [&](const QStringList& r) {
                       if (wanted.isEmpty() || lists::foldedContains(r.value(1), wanted))
                           rows.append({r.value(0), r.value(1), r.value(2)});
                   });
    return rows;
}

} // namespace vantrel::documents
