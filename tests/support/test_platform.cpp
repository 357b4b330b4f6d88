#include "support/test_platform.h"

#include <QPrinter>

namespace vantrel::testing {

std::unique_ptr<QPrinter> FixedPrinters::makePrinter() const {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(outputFile);
    return printer;
}

} // namespace vantrel::testing
