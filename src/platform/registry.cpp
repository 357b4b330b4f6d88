#include "platform/registry.h"

namespace vantrel::platform {

bool Registry::contains(Store store, const QString& group, const QString& name) const {
    return read(store, group, name).has_value();
}

QString Registry::readString(Store store, const QString& group, const QString& name,
                             const QString& fallback) const {
    return read(store, group, name).value_or(fallback);
}

int Registry::readInt(Store store, const QString& group, const QString& name, int fallback) const {
    const std::optional<QString> text = read(store, group, name);
    if (!text)
        return fallback;
    bool ok = false;
    const int value = text->trimmed().toInt(&ok);
    return ok ? value : fallback;
}

bool Registry::readBool(Store store, const QString& group, const QString& name, bool fallback) const {
    const std::optional<QString> text = read(store, group, name);
    if (!text)
        return fallback;
    const QString word = text->trimmed().toLower();
    if (word == QLatin1String("true") || word == QLatin1String("1"))
        return true;
    if (word == QLatin1String("false") || word == QLatin1String("0"))
        return false;
    return fallback;
}

void Registry::writeInt(Store store, const QString& group, const QString& name, int value) {
    write(store, group, name, QString::number(value));
}

void Registry::writeBool(Store store, const QString& group, const QString& name, bool value) {
    write(store, group, name, value ? QStringLiteral("true") : QStringLiteral("false"));
}

} // namespace vantrel::platform
