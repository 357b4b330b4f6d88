#include "db/remembered_paths.h"

#include "platform/registry.h"

namespace vantrel::db {
namespace {

const QString group = QStringLiteral("dbpaths");

QString valueName(int number) { return QStringLiteral("dbpath%1").arg(number); }

} // namespace

bool pathvalueexists(const platform::Registry& registry, const QString& name) {
    return registry.contains(platform::Store::Machine, group, name);
}

QStringList rememberedPaths(const platform::Registry& registry) {
    QStringList paths;
    for (int number = 1; pathvalueexists(registry, valueName(number)); ++number)
        paths << registry.readString(platform::Store::Machine, group, valueName(number));
    return paths;
}

bool path_existing(const platform::Registry& registry, const QString& path) {
    return rememberedPaths(registry).contains(path, Qt::CaseSensitive);
}

void addpath(platform::Registry& registry, const QString& path) {
    int number = 1;
    while (pathvalueexists(registry, valueName(number)))
        ++number;
    registry.write(platform::Store::Machine, group, valueName(number), path);
    registry.sync();
}

} // namespace vantrel::db
