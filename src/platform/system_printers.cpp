#include "platform/printers.h"

#include <QPrinterInfo>

namespace vantrel::platform {

QStringList SystemPrinters::installed() const { return QPrinterInfo::availablePrinterNames(); }

QString SystemPrinters::defaultPrinter() const { return QPrinterInfo::defaultPrinterName(); }

} // namespace vantrel::platform
