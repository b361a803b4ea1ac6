#include "gui/app/LocalSocketServer.h"

#include <QLocalServer>

#include <QLocalSocket>
#include <QTimer>
#include <algorithm>

namespace zarvex1 {

LocalSocketServer::LocalSocketServer(qint64 readBufferSize, QObject *parent)
    : QObject(parent), server_(new QLocalServer(this)), idleTimer_(new QTimer(this)),
      readBufferSize_(readBufferSize) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &LocalSocketServer::Accept);
    clock_.start();
    idleTimer_->setInterval(250);
    connect(idleTimer_, &QTimer::timeout, this, &LocalSocketServer::CloseIdle);
}

bool LocalSocketServer::listen(const QString &name) {
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

QString LocalSocketServer::fullServerName() const {
    return server_->fullServerName();
}

void LocalSocketServer::Accept() {
    while (QLocalSocket *socket = server_->nextPendingConnection()) {
        const int id = nextId_++;
        // The idlest client makes room when all places are taken.
        if (const std::optional<int> leaving = idle_.Add(id, clock_.elapsed()))
            if (QLocalSocket *idlest = ids_.key(*leaving, nullptr))
                Close(idlest);
        ids_.insert(socket, id);
        clients_.append(socket);
        // Qt stops taking bytes from a client that sends faster than the messages are read.
        socket->setReadBufferSize(readBufferSize_);
        connect(socket, &QLocalSocket::readyRead, this, &LocalSocketServer::ScheduleRead);
        connect(socket, &QLocalSocket::disconnected, this, &LocalSocketServer::ScheduleRead);
    }
    if (!idleTimer_->isActive())
        idleTimer_->start();
}

void LocalSocketServer::Close(QLocalSocket *socket) {
    idle_.Remove(ids_.take(socket));
    clients_.removeOne(socket);
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

void LocalSocketServer::CloseIdle() {
    for (const int id : idle_.Expired(clock_.elapsed()))
        if (QLocalSocket *socket = ids_.key(id, nullptr); socket && !HasMessage(socket))
            Close(socket);
    if (clients_.isEmpty())
        idleTimer_->stop();
}

// Messages are read in a pass of their own, queued behind what the event loop already holds: the window
// keeps painting and ticking whatever the clients send.
void LocalSocketServer::ScheduleRead() {
    if (readScheduled_)
        return;
    readScheduled_ = true;
    QMetaObject::invokeMethod(this, &LocalSocketServer::ReadMessages, Qt::QueuedConnection);
}

void LocalSocketServer::ReadMessages() {
    readScheduled_ = false;
    // One message from each client in turn, whole messages only; a partial one waits for the rest.
    int budget = MaxMessagesPerPass;
    for (bool any = true; any && budget > 0;) {
        any = false;
        const QList<QLocalSocket *> clients = clients_;
        for (QLocalSocket *socket : clients) {
            if (budget == 0 || !clients_.contains(socket) || !HasMessage(socket))
                continue;
            --budget;
            if (!TakeMessage(socket)) {
                Close(socket);
                continue;
            }
            idle_.Heard(ids_.value(socket), clock_.elapsed());
            any = true;
        }
    }
    // A client that left goes once its last whole message is read.
    const QList<QLocalSocket *> clients = clients_;
    for (QLocalSocket *socket : clients)
        if (socket->state() == QLocalSocket::UnconnectedState && !HasMessage(socket))
            Close(socket);
    if (std::any_of(clients_.begin(), clients_.end(), [this](QLocalSocket *s) { return HasMessage(s); }))
        ScheduleRead();
}

} // namespace zarvex1
