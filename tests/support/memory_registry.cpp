#include "support/memory_registry.h"

namespace vantrel::testing {

QString MemoryRegistry::key(platform::Store store, const QString& group, const QString& name) {
    return (store == platform::Store::User ? QStringLiteral("user/") : QStringLiteral("machine/")) + group +
           QLatin1Char('/') + name;
}

std::optional<QString> MemoryRegistry::read(platform::Store store, const QString& group,
                                            const QString& name) const {
    const auto it = values_.constFind(key(store, group, name));
    if (it == values_.cend())
        return std::nullopt;
    return *it;
}

void MemoryRegistry::write(platform::Store store, const QString& group, const QString& name,
                           const QString& value) {
    values_.insert(key(store, group, name), value);
}

void MemoryRegistry::remove(platform::Store store, const QString& group, const QString& name) {
    values_.remove(key(store, group, name));
}

} // namespace vantrel::testing
