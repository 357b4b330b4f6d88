#pragma once

#include "platform/report/report.h"

class QPagedPaintDevice;
class QPrinter;

namespace vantrel::report {

// The one painting routine of paper and PDF: every page of the report in order on the
// device, positions measured from the paper's top-left corner, fonts in points. A text
// too wide for its element ends in "…" rather than running into its neighbour.
void paintReport(const Report& report, QPagedPaintDevice& device);

// Runs the report on a printer as the print dialog left it (paper, orientation,
// copies). Throws ReportError when the printer cannot be painted on.
void printReport(const Report& report, QPrinter& printer);

// The report as a PDF file: real text in embedded fonts, the report's title and
// creator as document information. The file is written beside its final name and only
// then put in place, so a failed export keeps what was there. Throws ReportError
// naming the file when it cannot be written.
void writePdf(const Report& report, const QString& pdfPath);

// The second step of an export: a page file rendered into a PDF file.
void renderPdf(const QString& pageFilePath, const QString& pdfPath);

} // namespace vantrel::report
