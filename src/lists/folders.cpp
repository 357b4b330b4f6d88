#include "lists/folders.h"

#include "lists/messages.h"

namespace vantrel::lists {

QString folderName(Folder folder) {
    switch (folder) {
    case Folder::Quotes:
        return messages::folderQuotes;
    case Folder::Invoices:
        return messages::folderInvoices;
    case Folder::Customers:
        return messages::folderCustomers;
    case Folder::Articles:
        return messages::folderArticles;
    }
    return {};
}

} // namespace vantrel::lists
