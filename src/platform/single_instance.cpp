#include "platform/single_instance.h"

#include <QDataStream>
#include <QLocalSocket>
#include <QPointer>

#include <unistd.h>

namespace vantrel::platform {

SingleInstanceGuard::SingleInstanceGuard(const QString& key, QObject* parent)
    : QObject(parent), key_(key) {
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstanceGuard::readHandOver);
}

QString SingleInstanceGuard::defaultKey() {
    return QStringLiteral("vantrel3-%1").arg(getuid());
}

bool SingleInstanceGuard::claim(const QStringList& arguments) {
    QLocalSocket probe;
    probe.connectToServer(key_);
    if (probe.waitForConnected(500)) {
        QByteArray message;
        QDataStream out(&message, QIODevice::WriteOnly);
        out << arguments;
        probe.write(message);
        probe.waitForBytesWritten(1000);
        probe.disconnectFromServer();
        return false;
    }
    // Nobody answered: a socket left by a crashed run is removed before listening.
    QLocalServer::removeServer(key_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    return server_.listen(key_);
}

void SingleInstanceGuard::readHandOver() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        QPointer<QLocalSocket> guarded(socket);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, guarded] {
            if (!guarded)
                return;
            QDataStream in(guarded->readAll());
            QStringList arguments;
            in >> arguments;
            Q_EMIT anotherStart(arguments);
        });
    }
}

} // namespace vantrel::platform
