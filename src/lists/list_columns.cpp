#include "lists/list_columns.h"

namespace vantrel::lists {
namespace {

constexpr Qt::Alignment left = Qt::AlignLeft;
constexpr Qt::Alignment centre = Qt::AlignHCenter;
constexpr Qt::Alignment right = Qt::AlignRight;

// The width keys keep the accents they have always been stored with.
const QList<ColumnSpec> quoteColumns = {
    {QStringLiteral("No"), QStringLiteral("devis_no"), 80, left},
    {QStringLiteral("Date"), QStringLiteral("devis_date"), 90, left},
    {QStringLiteral("Client / Entreprise"), QStringLiteral("devis_client"), 210, left},
    {QStringLiteral("Imprimé"), QStringLiteral("devis_imprimé"), 70, centre},
    {QStringLiteral("Facturé"), QStringLiteral("devis_facturé"), 70, centre},
    {QStringLiteral("Prix total"), QStringLiteral("devis_prix"), 90, right},
};

const QList<ColumnSpec> invoiceColumns = {
    {QStringLiteral("No"), QStringLiteral("factures_no"), 80, left},
    {QStringLiteral("Date"), QStringLiteral("factures_date"), 90, left},
    {QStringLiteral("Client / Entreprise"), QStringLiteral("factures_client"), 210, left},
    {QStringLiteral("Imprimée"), QStringLiteral("factures_imprimée"), 70, centre},
    {QStringLiteral("Payée"), QStringLiteral("factures_payée"), 70, centre},
    {QStringLiteral("Total"), QStringLiteral("factures_total"), 90, right},
};

const QList<ColumnSpec> customerColumns = {
    {QStringLiteral("Compte"), QStringLiteral("clients_compte"), 80, left},
    {QStringLiteral("Client/Entreprise"), QStringLiteral("clients_client"), 180, left},
    {QStringLiteral("Adresse"), QStringLiteral("clients_adresse"), 210, left},
    {QStringLiteral("Téléphone"), QStringLiteral("clients_téléphone"), 140, right},
};

const QList<ColumnSpec> articleColumns = {
    {QStringLiteral("Code"), QStringLiteral("articles_code"), 90, left},
    {QStringLiteral("Description"), QStringLiteral("articles_déscription"), 370, left},
    {QStringLiteral("Prix"), QStringLiteral("articles_prix"), 90, right},
    {QStringLiteral("En stock"), QStringLiteral("articles_stock"), 60, right},
};

} // namespace

const QList<ColumnSpec>& columnsFor(Folder folder) {
    switch (folder) {
    case Folder::Quotes:
        return quoteColumns;
    case Folder::Invoices:
        return invoiceColumns;
    case Folder::Customers:
        return customerColumns;
    case Folder::Articles:
        return articleColumns;
    }
    return quoteColumns;
}

int boldColumn(Folder folder) {
    // The customer of a document, the name of a customer, the description of an article.
    return isDocumentFolder(folder) ? 2 : 1;
}

int tintedColumn(Folder folder) {
    switch (folder) {
    case Folder::Quotes:
    case Folder::Invoices:
        return 5; // the total
    case Folder::Customers:
        return -1;
    case Folder::Articles:
        return 2; // the price
    }
    return -1;
}

} // namespace vantrel::lists
