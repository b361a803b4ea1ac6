#pragma once

#include <QList>
#include <QObject>

class QLocalServer;
class QLocalSocket;

namespace zarvex1 {

// Where a loader program asks for the serial port. It connects to the local socket "ZARVEX1-loader" and
// sends messages of two little-endian 32-bit integers: the port number (1 = the first port) and the
// request: 0x7FFFFFA1 hand the port over, 0x7FFFFFA2 hand it over starting with a fresh frame,
// 0x7FFFFFA4 take it back.
//
// The socket lives in the user's own runtime folder and only its owner may connect, so that no other
// user can take the name first or talk to the program. A few clients at a time are served and a few
// messages read per pass of the event loop, so that a flood of connections or messages can neither use
// up the program's file handles nor stall the window.
class LoaderServer : public QObject {
    Q_OBJECT
public:
    static constexpr const char *Name = "ZARVEX1-loader";
    static constexpr int MaxClients = 4;
    static constexpr int MaxMessagesPerPass = 16;

    // "ZARVEX1-loader" in the user's runtime folder: $XDG_RUNTIME_DIR, or a folder of the user's own in
    // the temporary folder when it is not set; empty when no such private folder can be had. On Windows
    // the named pipe "ZARVEX1-loader".
    static QString DefaultAddress();

    explicit LoaderServer(QObject *parent = nullptr);
    // Starts listening, for the owner only; false when the socket cannot be opened (errorString says why)
    // or another program already listens under the name.
    bool listen(const QString &name = DefaultAddress());
    QString errorString() const { return error_; }
    // The socket's path (or pipe name) while listening.
    QString fullServerName() const;

signals:
    void portMessage(int portNumber, quint32 request);

private:
    void Accept();
    void ScheduleRead();
    void ReadMessages();

    QLocalServer *server_;
    QList<QLocalSocket *> clients_; // kept after they leave until their last whole message is read
    bool readScheduled_ = false;
    QString error_;
};

} // namespace zarvex1
