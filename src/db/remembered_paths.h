#pragma once

#include <QString>
#include <QStringList>

namespace vantrel::platform {
class Registry;
}

namespace vantrel::db {

// The machine-wide list of database paths the program has opened: values dbpath1,
// dbpath2 ... of the group "dbpaths", numbered from 1 without gaps. Reading stops at
// the first missing number; a new path takes that number. Nothing is ever removed,
// changed or reordered, and a path is never stored twice (exact comparison).
QStringList rememberedPaths(const platform::Registry& registry);
bool pathvalueexists(const platform::Registry& registry, const QString& valueName);
bool path_existing(const platform::Registry& registry, const QString& path);
void addpath(platform::Registry& registry, const QString& path);

} // namespace vantrel::db
