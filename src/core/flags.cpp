#include "core/flags.h"

namespace vantrel {

QString flagWord(bool set) { return set ? QStringLiteral("Oui") : QStringLiteral("Non"); }

bool isFlagSet(const QString& stored) { return stored == QLatin1String("Oui"); }

QString settingsFlagWord(bool set) { return set ? QStringLiteral("True") : QStringLiteral("False"); }

bool isSettingsFlagSet(const QString& stored) { return stored == QLatin1String("True"); }

} // namespace vantrel
