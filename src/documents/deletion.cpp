#include "documents/deletion.h"

#include "core/sql_quote.h"
#include "db/connection.h"

namespace vantrel::documents {

QString deletionQuestion(lists::Folder folder) {
    switch (folder) {
    case lists::Folder::Quotes:
        return QStringLiteral("Êtes-vous sûr de vouloir supprimer le devis sélectionné ?");
    case lists::Folder::Invoices:
        return QStringLiteral("Êtes-vous sûr de vouloir supprimer la facture sélectionnée ?");
    case lists::Folder::Customers:
        return QStringLiteral("Êtes-vous sûr de vouloir supprimer le client sélectionné ?");
    case lists::Folder::Articles:
        return QStringLiteral("Êtes-vous sûr de vouloir supprimer l'article sélectionné ?");
    }
    return {};
}

void deleteByKey(db::Connection& dqd, lists::Folder folder, const QString& key) {
    static const char* const statements[] = {"DELETE FROM Quotes15 WHERE Num='", "DELETE FROM Invoices15 WHERE Num='",
                                             "DELETE FROM Customers15 WHERE Account='",
                                             "DELETE FROM Articles15 WHERE Code='"};
    dqd.exec(QString::fromLatin1(statements[int(folder)]) + gvs(key) + QStringLiteral("';"));
}

} // namespace vantrel::documents
