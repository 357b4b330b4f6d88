#pragma once

#include <QString>

namespace vantrel::lists {

// The four folders of the main window, in their fixed order; the index is what the
// layout stores and what commands are routed by.
enum class Folder { Quotes = 0, Invoices = 1, Customers = 2, Articles = 3 };

inline constexpr int folderCount = 4;

// "Devis", "Factures", "Clients", "Articles".
QString folderName(Folder folder);

inline bool isDocumentFolder(Folder folder) {
    return folder == Folder::Quotes || folder == Folder::Invoices;
}

} // namespace vantrel::lists
