#pragma once

#include "core/texts/IdleClients.h"

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QObject>

class QLocalServer;
class QLocalSocket;
class QTimer;

namespace zarvex1 {

// A local socket of the program that only its user may reach (the loader's, the window's own), with the
// same limits for each: a few clients at a time, a few messages read per pass of the event loop, so that
// a flood of connections or messages can neither use up the program's file handles nor stall the window,
// and a client that sends no whole message within IdleClients::IdleLimitMs is closed (when all places
// are taken, the idlest makes room), so that idle connections cannot lock a real client out.
class LocalSocketServer : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxClients = 4;
    static constexpr int MaxMessagesPerPass = 16;

    // Starts listening, for the owner only; false when the socket cannot be opened (errorString says why)
    // or another program already listens under the name.
    bool listen(const QString &name);
    QString errorString() const { return error_; }
    // The socket's path (or pipe name) while listening.
    QString fullServerName() const;

protected:
    // readBufferSize: what Qt takes from a client before it waits for the messages to be read.
    LocalSocketServer(qint64 readBufferSize, QObject *parent);

    // Whether a whole message waits in the socket.
    virtual bool HasMessage(QLocalSocket *socket) const = 0;
    // Reads one whole message and acts on it; false when the client sent something that is no message
    // (it is then closed).
    virtual bool TakeMessage(QLocalSocket *socket) = 0;

private:
    void Accept();
    void ScheduleRead();
    void ReadMessages();
    void CloseIdle();
    void Close(QLocalSocket *socket);

    QLocalServer *server_;
    QList<QLocalSocket *> clients_; // kept after they leave until their last whole message is read
    QHash<QLocalSocket *, int> ids_;
    int nextId_ = 0;
    IdleClients idle_{MaxClients};
    QElapsedTimer clock_;
    QTimer *idleTimer_;
    bool readScheduled_ = false;
    qint64 readBufferSize_;
    QString error_;
};

} // namespace zarvex1
