#include "platform/printers.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace vantrel::platform {

std::unique_ptr<QPrinter> Printers::makePrinter() const {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const QString name = defaultPrinter();
    if (!name.isEmpty())
        printer->setPrinterName(name);
    return printer;
}

QStringList SystemPrinters::installed() const { return QPrinterInfo::availablePrinterNames(); }

QString SystemPrinters::defaultPrinter() const { return QPrinterInfo::defaultPrinterName(); }

} // namespace vantrel::platform
