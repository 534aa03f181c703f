#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QLocalSocket>

#include <unistd.h>

namespace {
constexpr int kTimeoutMs = 500;
const QByteArray kActivate = "activate\n";
} // namespace

SingleInstance::SingleInstance(const QString& programFolder, QObject* parent) : QObject(parent) {
    const QByteArray folderHash =
        QCryptographicHash::hash(programFolder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    name_ = QStringLiteral("tonvale-%1-%2").arg(::getuid()).arg(QString::fromLatin1(folderHash));
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains(kActivate)) emit activationRequested();
                socket->disconnectFromServer();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

bool SingleInstance::earlierInstanceRunning() const {
    QLocalSocket socket;
    socket.connectToServer(name_);
    return socket.waitForConnected(kTimeoutMs);
}

void SingleInstance::activateEarlierInstance() const {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kTimeoutMs)) return;
    socket.write(kActivate);
    socket.waitForBytesWritten(kTimeoutMs);
    socket.disconnectFromServer();
}

bool SingleInstance::listen() {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (server_.listen(name_)) return true;
    if (server_.serverError() != QAbstractSocket::AddressInUseError) return false;
    // The name is taken: by a live instance that started at the same moment, or by a socket
    // file a crashed run left behind. Only the second may be removed.
    if (earlierInstanceRunning()) return false;
    QLocalServer::removeServer(name_);
    return server_.listen(name_);
}
