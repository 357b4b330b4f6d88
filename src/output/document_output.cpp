#include "output/document_output.h"

#include "core/sql_quote.h"
#include "db/connection.h"
#include "output/messages.h"
#include "platform/report/report_output.h"

namespace vantrel::output {

namespace {
QString table(DocumentKind kind) {
    return kind == DocumentKind::Quote ? QStringLiteral("Quotes15") : QStringLiteral("Invoices15");
}
} // namespace

QString defaultPdfName(DocumentKind kind, const QString& dateCell, const QString& customerCell) {
    QString name =
        (kind == DocumentKind::Quote ? messages::quoteFilePrefix : messages::invoiceFilePrefix) +
        dateCell + QLatin1Char('_') + customerCell + QStringLiteral(".pdf");
    return name.replace(QLatin1Char('/'), QLatin1Char('-'));
}

void printDocument(db::Connection& dqd, const ReportRequest& request, QPrinter& printer) {
    report::printReport(GenerateReport(dqd, request), printer);
}

void markPrinted(db::Connection& dqd, DocumentKind kind, const QString& number) {
    dqd.exec(QStringLiteral("UPDATE %1 SET Printed = 'Oui' WHERE Num='").arg(table(kind)) +
             gvs(number) + QStringLiteral("';"));
}

void exportDocument(db::Connection& dqd, const ReportRequest& request, const QString& pdfPath,
                    const QString& pageFile) {
    report::writePageFile(GenerateReport(dqd, request), pageFile);
    report::renderPdf(pageFile, pdfPath);
}

QString mailAddress(db::Connection& dqd, DocumentKind kind, const QString& number) {
    const std::optional<QString> email =
        dqd.scalar(QStringLiteral("SELECT Email FROM %1 Where Num='").arg(table(kind)) +
                   gvs(number) + QStringLiteral("';"));
    return messages::mailtoPrefix + email.value_or(QString());
}

} // namespace vantrel::output
