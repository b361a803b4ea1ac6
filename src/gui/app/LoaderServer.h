#pragma once

#include "gui/app/LocalSocketServer.h"

namespace zarvex1 {

// Where a loader program asks for the serial port. It connects to the local socket "ZARVEX1-loader" and
// sends messages of two little-endian 32-bit integers: the port number (1 = the first port) and the
// request: 0x7FFFFFA1 hand the port over, 0x7FFFFFA2 hand it over starting with a fresh frame,
// 0x7FFFFFA4 take it back.
//
// The socket lives in the user's own runtime folder and only its owner may connect, so that no other
// user can take the name first or talk to the program; the limits of LocalSocketServer apply.
class LoaderServer : public LocalSocketServer {
    Q_OBJECT
public:
    static constexpr const char *Name = "ZARVEX1-loader";

    // "ZARVEX1-loader" in the user's runtime folder: $XDG_RUNTIME_DIR, or a folder of the user's own in
    // the temporary folder when it is not set; empty when no such private folder can be had. On Windows
    // the named pipe "ZARVEX1-loader".
    static QString DefaultAddress();
    // Another socket of the program's own, in the same place.
    static QString AddressOf(const QString &name);

    explicit LoaderServer(QObject *parent = nullptr);
    bool listen(const QString &name = DefaultAddress()) { return LocalSocketServer::listen(name); }

signals:
    void portMessage(int portNumber, quint32 request);

protected:
    bool HasMessage(QLocalSocket *socket) const override;
    bool TakeMessage(QLocalSocket *socket) override;
};

} // namespace zarvex1
