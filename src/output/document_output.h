#pragma once

#include "output/generate_report.h"

#include <QString>

class QPrinter;

namespace vantrel::db {
class Connection;
}

namespace vantrel::output {

// The name the export proposes: "Facture_" or "Devis_", the row's date, "_", its
// customer and ".pdf", every "/" of the whole name made "-" (the only character a
// file name cannot hold here).
QString defaultPdfName(DocumentKind kind, const QString& dateCell, const QString& customerCell);

// Fills the template with the document and runs it on the printer.
void printDocument(db::Connection& dqd, const ReportRequest& request, QPrinter& printer);

// The document's "Printed" flag set to "Oui".
void markPrinted(db::Connection& dqd, DocumentKind kind, const QString& number);

// The export's two steps: the filled report written to the page file, then the page
// file rendered into the PDF at `pdfPath`.
void exportDocument(db::Connection& dqd, const ReportRequest& request, const QString& pdfPath,
                    const QString& pageFile);

// "mailto:" and the address stored in the document, unchanged; "mailto:" alone when
// there is none.
QString mailAddress(db::Connection& dqd, DocumentKind kind, const QString& number);

} // namespace vantrel::output
