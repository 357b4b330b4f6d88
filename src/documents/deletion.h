#pragma once

#include "lists/folders.h"

#include <QString>

namespace vantrel::db {
class Connection;
}

namespace vantrel::documents {

// The question asked before a row of the folder is deleted.
QString deletionQuestion(lists::Folder folder);
// Deletes every row of the folder's table holding that key (document number, account
// or article code). Documents hold their own copies of customers and articles, so
// deleting a customer or an article changes no document.
void deleteByKey(db::Connection& dqd, lists::Folder folder, const QString& key);

} // namespace vantrel::documents
