#pragma once

#include <QObject>

class QLocalServer;

namespace zarvex1 {

// Where a loader program asks for the serial port. It connects to the local socket "ZARVEX1-loader" and
// sends messages of two little-endian 32-bit integers: the port number (1 = the first port) and the
// request: 0x7FFFFFA1 hand the port over, 0x7FFFFFA2 hand it over starting with a fresh frame,
// 0x7FFFFFA4 take it back.
class LoaderServer : public QObject {
    Q_OBJECT
public:
    static constexpr const char *Name = "ZARVEX1-loader";

    explicit LoaderServer(QObject *parent = nullptr);
    // Starts listening; false when another program already listens under the name.
    bool listen(const QString &name = QString::fromLatin1(Name));

signals:
    void portMessage(int portNumber, quint32 request);

private:
    QLocalServer *server_;
};

} // namespace zarvex1
