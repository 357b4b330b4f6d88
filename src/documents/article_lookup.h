#pragma once

#include "catalogue/articles.h"

#include <QList>
#include <QStringList>
#include <optional>

namespace vantrel::db {
class Connection;
}

namespace vantrel::documents {

// The catalogue article whose code is exactly this text (case-sensitive, untrimmed);
// with several, the last in code order. The whole table is read each time.
std::optional<catalogue::Article> lookupArticle(db::Connection& dqd, const QString& code);

// The article pick list's rows (code, description, price), narrowed to descriptions
// containing the trimmed filter with A to Z folded.
QList<QStringList> articlePickRows(db::Connection& dqd, const QString& filter);

} // namespace vantrel::documents
