#pragma once

#include "platform/registry.h"

#include <QHash>

namespace vantrel::testing {

// Both stores in memory, inspectable by the test.
class MemoryRegistry : public platform::Registry {
public:
    std::optional<QString> read(platform::Store store, const QString& group, const QString& name) const override;
    void write(platform::Store store, const QString& group, const QString& name, const QString& value) override;
    void remove(platform::Store store, const QString& group, const QString& name);
    qsizetype size() const { return values_.size(); }

private:
    static QString key(platform::Store store, const QString& group, const QString& name);
    QHash<QString, QString> values_;
};

} // namespace vantrel::testing
