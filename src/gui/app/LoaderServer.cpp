#include "app/LoaderServer.h"

#include <algorithm>

#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QtEndian>

namespace zarvex1 {

namespace {
constexpr qint64 MessageSize = 8;
} // namespace

QString LoaderServer::DefaultAddress() {
#ifdef Q_OS_WIN
    return QString::fromLatin1(Name);
#else
    // Qt hands out the runtime folder only when it belongs to the user alone (mode 0700); without
    // XDG_RUNTIME_DIR it makes one of the user's own in the temporary folder.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + QLatin1String(Name);
#endif
}

LoaderServer::LoaderServer(QObject *parent) : QObject(parent), server_(new QLocalServer(this)) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &LoaderServer::Accept);
}

bool LoaderServer::listen(const QString &name) {
    error_.clear();
    if (name.isEmpty()) {
        error_ = QStringLiteral("no private runtime folder for the socket");
        return false;
    }
    // Asked first: listening for the owner only would replace the name of a program that runs.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(100)) {
        error_ = name + QStringLiteral(": in use by another program");
        return false;
    }
    // A name left behind by a program that crashed is taken over.
    QLocalServer::removeServer(name);
    if (server_->listen(name))
        return true;
    error_ = server_->errorString();
    return false;
}

QString LoaderServer::fullServerName() const {
    return server_->fullServerName();
}

void LoaderServer::Accept() {
    while (QLocalSocket *socket = server_->nextPendingConnection()) {
        const auto connected = std::count_if(clients_.begin(), clients_.end(), [](const QLocalSocket *c) {
            return c->state() == QLocalSocket::ConnectedState;
        });
        if (connected >= MaxClients) {
            // Closed at once, so that idle connections cannot use up the program's file handles.
            socket->abort();
            socket->deleteLater();
            continue;
        }
        clients_.append(socket);
        // Qt stops taking bytes from a client that sends faster than the messages are read.
        socket->setReadBufferSize(MaxMessagesPerPass * MessageSize * 4);
        connect(socket, &QLocalSocket::readyRead, this, &LoaderServer::ScheduleRead);
        connect(socket, &QLocalSocket::disconnected, this, &LoaderServer::ScheduleRead);
    }
}

// Messages are read in a pass of their own, queued behind what the event loop already holds: the window
// keeps painting and ticking whatever the clients send.
void LoaderServer::ScheduleRead() {
    if (readScheduled_)
        return;
    readScheduled_ = true;
    QMetaObject::invokeMethod(this, &LoaderServer::ReadMessages, Qt::QueuedConnection);
}

void LoaderServer::ReadMessages() {
    readScheduled_ = false;
    const auto hasMessage = [](const QLocalSocket *socket) {
        return socket->bytesAvailable() >= MessageSize;
    };
    // One message from each client in turn, whole messages only; a partial one waits for the rest.
    int budget = MaxMessagesPerPass;
    for (bool any = true; any && budget > 0;) {
        any = false;
        for (QLocalSocket *socket : std::as_const(clients_)) {
            if (budget == 0 || !hasMessage(socket))
                continue;
            const QByteArray message = socket->read(MessageSize);
            const auto *data = reinterpret_cast<const uchar *>(message.constData());
            emit portMessage(qFromLittleEndian<qint32>(data), qFromLittleEndian<quint32>(data + 4));
            --budget;
            any = true;
        }
    }
    // A client that left goes once its last whole message is read.
    clients_.removeIf([&](QLocalSocket *socket) {
        if (socket->state() != QLocalSocket::UnconnectedState || hasMessage(socket))
            return false;
        socket->deleteLater();
        return true;
    });
    if (std::any_of(clients_.begin(), clients_.end(), hasMessage))
        ScheduleRead();
}

} // namespace zarvex1
