#pragma once

#include <QString>

// Texts of the printed document and of the print, export and e-mail commands, exactly
// as the user sees them.
namespace vantrel::output::messages {

// Headings of the two kinds of documents.
inline const QString invoiceSmallHead = QStringLiteral("Facture n°");
inline const QString quoteSmallHead = QStringLiteral("Devis n°");
inline const QString invoiceHead = QStringLiteral("Facture");
inline const QString quoteHead = QStringLiteral("Devis");
inline const QString subtotalCaption = QStringLiteral("Total HT :");
inline const QString invoiceTotalCaption = QStringLiteral("Total TTC à payer :");
inline const QString quoteTotalCaption = QStringLiteral("Total TTC :");
inline const QString faxCaption = QStringLiteral("Fax :");

// The legal-identifiers line: each label followed by its value as stored.
inline const QString siretLabel = QStringLiteral("SIRET : ");
inline const QString nafLabel = QStringLiteral("  -  NAF : ");
inline const QString rcsLabel = QStringLiteral("  -  RCS : ");
inline const QString tvaLabel = QStringLiteral("  -  N° TVA : ");

// The template's report and first page, and what the layout adds to it.
inline const QString reportName = QStringLiteral("Report1");
inline const QString firstPage = QStringLiteral("Report1.Page1");
inline const QString secondPage = QStringLiteral("mysecondpage");
inline const QString secondPageRuleTop = QStringLiteral("page2bl1");
inline const QString secondPageRuleBottom = QStringLiteral("page2bl2");
inline const QString pdfCreator = QStringLiteral("Vantrel 3");

// The commands.
inline const QString noPrinter = QStringLiteral("Aucune imprimante installée.");
inline const QString exportTitle = QStringLiteral("Exportation sous pdf");
inline const QString pdfFilter = QStringLiteral("Adobe Acrobat (*.pdf)|*.pdf");
inline const QString pdfExtension = QStringLiteral("pdf");
inline const QString invoiceFilePrefix = QStringLiteral("Facture_");
inline const QString quoteFilePrefix = QStringLiteral("Devis_");
inline const QString pageFileName = QStringLiteral("vantr-temp.ndr");
inline const QString mailtoPrefix = QStringLiteral("mailto:");
inline const QString printedWord = QStringLiteral("Oui");

} // namespace vantrel::output::messages
