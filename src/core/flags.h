#pragma once

#include <QString>

namespace vantrel {

// Document flags are stored as "Oui" / "Non"; only the exact text "Oui" is set.
QString flagWord(bool set);
bool isFlagSet(const QString& stored);

// Settings flags are stored as "True" / "False"; only the exact text "True" is set.
QString settingsFlagWord(bool set);
bool isSettingsFlagSet(const QString& stored);

} // namespace vantrel
