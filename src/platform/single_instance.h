#pragma once

#include <QLocalServer>
#include <QObject>
#include <QStringList>

namespace vantrel::platform {

// At most one running program per user. The first instance listens on a local socket;
// a later one hands it its command line, which makes the first come to the front,
// and then ends.
class SingleInstanceGuard : public QObject {
    Q_OBJECT
public:
    explicit SingleInstanceGuard(const QString& key, QObject* parent = nullptr);

    // True when this process is the running instance (it now listens); false when
    // another one runs and has received `arguments`.
    bool claim(const QStringList& arguments);

    static QString defaultKey();

Q_SIGNALS:
    // Another start handed over its command line (which the program ignores).
    void anotherStart(const QStringList& arguments);

private:
    void readHandOver();
    QString key_;
    QLocalServer server_;
};

} // namespace vantrel::platform
