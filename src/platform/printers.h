#pragma once

#include <QString>
#include <QStringList>

namespace vantrel::platform {

// The printers installed on this machine.
class Printers {
public:
    virtual ~Printers() = default;
    virtual QStringList installed() const = 0;
    virtual QString defaultPrinter() const = 0; // empty when there is none
};

class SystemPrinters : public Printers {
public:
    QStringList installed() const override;
    QString defaultPrinter() const override;
};

} // namespace vantrel::platform
