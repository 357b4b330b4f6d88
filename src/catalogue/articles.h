#pragma once

#include "lists/list_loading.h"

#include <QList>
#include <QString>
#include <optional>

namespace vantrel::db {
class Connection;
}

namespace vantrel::catalogue {

struct Article {
    QString code;
    QString description;
    QString price;    // money text as shown by the price field
    QString quantity; // stock
    QString vat;      // rate text as shown by the rate field
};

void insertArticle(db::Connection& dqd, const Article& article);
// Every row holding the old code text is updated.
void updateArticle(db::Connection& dqd, const Article& article, const QString& oldCode);
std::optional<Article> readArticle(db::Connection& dqd, const QString& code);
// The article's rows as the main list shows them, read back after a save.
QList<lists::ListRow> articleListRows(db::Connection& dqd, const QString& code);

} // namespace vantrel::catalogue
