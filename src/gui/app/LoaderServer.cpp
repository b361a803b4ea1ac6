#include "gui/app/LoaderServer.h"

#include <QLocalSocket>
#include <QStandardPaths>
#include <QtEndian>

namespace zarvex1 {

namespace {
constexpr qint64 MessageSize = 8;
} // namespace

QString LoaderServer::DefaultAddress() {
    return AddressOf(QString::fromLatin1(Name));
}

QString LoaderServer::AddressOf(const QString &name) {
#ifdef Q_OS_WIN
    return name;
#else
    // Qt hands out the runtime folder only when it belongs to the user alone (mode 0700); without
    // XDG_RUNTIME_DIR it makes one of the user's own in the temporary folder.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + name;
#endif
}

LoaderServer::LoaderServer(QObject *parent)
    : LocalSocketServer(MaxMessagesPerPass * MessageSize * 4, parent) {}

bool LoaderServer::HasMessage(QLocalSocket *socket) const {
    return socket->bytesAvailable() >= MessageSize;
}

bool LoaderServer::TakeMessage(QLocalSocket *socket) {
    const QByteArray message = socket->read(MessageSize);
    const auto *data = reinterpret_cast<const uchar *>(message.constData());
    emit portMessage(qFromLittleEndian<qint32>(data), qFromLittleEndian<quint32>(data + 4));
    return true;
}

} // namespace zarvex1
