#include "app/LoaderServer.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QtEndian>

namespace zarvex1 {

LoaderServer::LoaderServer(QObject *parent) : QObject(parent), server_(new QLocalServer(this)) {
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                // Whole messages only; a partial one waits for the rest.
                while (socket->bytesAvailable() >= 8) {
                    const QByteArray message = socket->read(8);
                    const auto *data = reinterpret_cast<const uchar *>(message.constData());
                    emit portMessage(qFromLittleEndian<qint32>(data), qFromLittleEndian<quint32>(data + 4));
                }
            });
        }
    });
}

bool LoaderServer::listen(const QString &name) {
    if (server_->listen(name))
        return true;
    // A name left behind by a program that crashed is taken over; one in use stays with its owner.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(100))
        return false;
    QLocalServer::removeServer(name);
    return server_->listen(name);
}

} // namespace zarvex1
