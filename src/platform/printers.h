#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QPrinter;

namespace vantrel::platform {

// The printers installed on this machine.
class Printers {
public:
    virtual ~Printers() = default;
    virtual QStringList installed() const = 0;
    virtual QString defaultPrinter() const = 0; // empty when there is none
    // The printer reports run on, set to the default printer; the print and printer
    // set-up dialogs then adjust it.
    virtual std::unique_ptr<QPrinter> makePrinter() const;
};

class SystemPrinters : public Printers {
public:
    QStringList installed() const override;
    QString defaultPrinter() const override;
};

} // namespace vantrel::platform
