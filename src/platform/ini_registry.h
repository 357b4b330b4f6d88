#pragma once

#include "platform/registry.h"

#include <QSettings>
#include <memory>

namespace vantrel::platform {

// The stores as two INI files, VantrelReg/user.ini and VantrelReg/machine.ini, under
// the user's configuration folder ($XDG_CONFIG_HOME, by default ~/.config).
class IniRegistry : public Registry {
public:
    IniRegistry(); // the standard configuration folder
    explicit IniRegistry(const QString& configFolder);

    std::optional<QString> read(Store store, const QString& group, const QString& name) const override;
    void write(Store store, const QString& group, const QString& name, const QString& value) override;
    void sync() override;

    static QString defaultConfigFolder();

private:
    QSettings& settings(Store store) const;
    std::unique_ptr<QSettings> user_;
    std::unique_ptr<QSettings> machine_;
};

} // namespace vantrel::platform
