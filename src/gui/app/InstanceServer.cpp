#include "gui/app/InstanceServer.h"

#include "gui/app/LoaderServer.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QThread>

#include <algorithm>

namespace zarvex1 {

namespace {
constexpr char Taken = '\x01';
} // namespace

QString InstanceServer::AddressFor(const std::filesystem::path &settingsFolder) {
    return LoaderServer::AddressOf(QString::fromStdString(InstanceSocketName(settingsFolder)));
}

InstanceServer::InstanceServer(QObject *parent) : LocalSocketServer(4 + HandOverMaxSize, parent) {}

bool InstanceServer::HasMessage(QLocalSocket *socket) const {
    return TakeHandOver(socket->peek(socket->bytesAvailable()).toStdString()).status !=
           HandOverFrame::Status::Partial;
}

bool InstanceServer::TakeMessage(QLocalSocket *socket) {
    const HandOverFrame frame = TakeHandOver(socket->peek(socket->bytesAvailable()).toStdString());
    if (frame.status != HandOverFrame::Status::Whole)
        return false;
    socket->skip(static_cast<qint64>(frame.size));
    socket->write(&Taken, 1);
    socket->flush();
    const std::string file = frame.handOver.file.string();
    emit handedOver(frame.handOver.language.value_or(-1), QByteArray(file.data(), qsizetype(file.size())));
    return true;
}

bool HandOverToRunningWindow(const QString &address, const HandOver &handOver, int waitMs) {
    const QByteArray message = QByteArray::fromStdString(EncodeHandOver(handOver));
    const QDeadlineTimer deadline(waitMs);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(address);
        if (!socket.waitForConnected(200)) {
            QThread::msleep(100); // the window may not listen yet
            continue;
        }
        socket.write(message);
        if (!socket.waitForBytesWritten(int(std::max<qint64>(deadline.remainingTime(), 1))))
            continue;
        while (socket.bytesAvailable() < 1 && socket.state() == QLocalSocket::ConnectedState &&
               !deadline.hasExpired())
            socket.waitForReadyRead(int(std::max<qint64>(deadline.remainingTime(), 1)));
        if (socket.bytesAvailable() >= 1)
            return socket.read(1).at(0) == Taken;
    }
    return false;
}

} // namespace zarvex1
