#include "platform/ini_registry.h"

#include <QDir>
#include <QStandardPaths>

namespace vantrel::platform {

QString IniRegistry::defaultConfigFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

IniRegistry::IniRegistry() : IniRegistry(defaultConfigFolder()) {}

IniRegistry::IniRegistry(const QString& configFolder) {
    const QString folder = QDir(configFolder).filePath(QStringLiteral("VantrelReg"));
    user_ = std::make_unique<QSettings>(QDir(folder).filePath(QStringLiteral("user.ini")),
                                        QSettings::IniFormat);
    machine_ = std::make_unique<QSettings>(QDir(folder).filePath(QStringLiteral("machine.ini")),
                                           QSettings::IniFormat);
}

QSettings& IniRegistry::settings(Store store) const {
    return store == Store::User ? *user_ : *machine_;
}

std::optional<QString> IniRegistry::read(Store store, const QString& group, const QString& name) const {
    const QString key = group + QLatin1Char('/') + name;
    QSettings& s = settings(store);
    if (!s.contains(key))
        return std::nullopt;
    return s.value(key).toString();
}

void IniRegistry::write(Store store, const QString& group, const QString& name, const QString& value) {
    settings(store).setValue(group + QLatin1Char('/') + name, value);
}

void IniRegistry::sync() {
    user_->sync();
    machine_->sync();
}

} // namespace vantrel::platform
