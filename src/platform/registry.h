#pragma once

#include <QString>
#include <optional>

namespace vantrel::platform {

// The two stores of remembered values: per user (window layout, list choices, the
// last database, dialog options) and machine-wide (first-run flag, database paths).
enum class Store { User, Machine };

// Groups and value names are those the program has always used: the per-user path
// "MainForm\" is the group "MainForm", the machine key "\Software\VantrelReg" with its
// sub-key "v3" the group "v3".
class Registry {
public:
    virtual ~Registry() = default;

    virtual std::optional<QString> read(Store store, const QString& group, const QString& name) const = 0;
    virtual void write(Store store, const QString& group, const QString& name, const QString& value) = 0;
    virtual void sync() {}

    bool contains(Store store, const QString& group, const QString& name) const;
    QString readString(Store store, const QString& group, const QString& name,
                       const QString& fallback = {}) const;
    // A missing value, or one that is not a whole number, reads as the fallback.
    int readInt(Store store, const QString& group, const QString& name, int fallback) const;
    bool readBool(Store store, const QString& group, const QString& name, bool fallback) const;
    void writeInt(Store store, const QString& group, const QString& name, int value);
    void writeBool(Store store, const QString& group, const QString& name, bool value);
};

} // namespace vantrel::platform
