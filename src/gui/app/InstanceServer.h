#pragma once

#include "core/texts/HandOver.h"
#include "gui/app/LocalSocketServer.h"

#include <filesystem>

namespace zarvex1 {

// The window's own socket, beside the loader's: a second start of the program on the same settings
// folder hands its language word and file to the window here instead of opening a window of its own.
// Owner only, with the limits of LocalSocketServer. Each message taken is answered with one byte, so
// that the second start knows the window has it.
class InstanceServer : public LocalSocketServer {
    Q_OBJECT
public:
    // The socket for the settings folder, in the loader socket's place.
    static QString AddressFor(const std::filesystem::path &settingsFolder);

    explicit InstanceServer(QObject *parent = nullptr);

signals:
    // language: -1 when none was named; file: the system's bytes, empty when none.
    void handedOver(int language, const QByteArray &file);

protected:
    bool HasMessage(QLocalSocket *socket) const override;
    bool TakeMessage(QLocalSocket *socket) override;
};

// A second start: hands the language and the file to the window that owns the settings folder. Tries
// for up to `waitMs` (the window may be starting itself); true once the window has taken the message.
bool HandOverToRunningWindow(const QString &address, const HandOver &handOver, int waitMs);

} // namespace zarvex1
