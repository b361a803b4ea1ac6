#include "qtport/QtSerialPort.h"

#include "qtport/PortProbe.h"

#include <QtGlobal>

#include <cerrno>

#ifndef _WIN32
#include <poll.h>
#endif

namespace zarvex1 {

namespace {

// The port's error as the error number the system would have given.
int ErrorNumberOf(QSerialPort::SerialPortError error) {
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return ENOENT;
    case QSerialPort::PermissionError:
#ifdef _WIN32
        return EBUSY; // Windows denies access to a port that another program has open
#else
        return EACCES;
#endif
    case QSerialPort::OpenError:
        return EBUSY;
    case QSerialPort::ResourceError:
        return EIO;
    default:
        return 0;
    }
}

} // namespace

QtSerialPort::QtSerialPort() {
    // Bytes are collected by the event loop; the link hears of them at once, so that a transfer takes a
    // reply as soon as it is whole.
    QObject::connect(&port_, &QSerialPort::readyRead, [this] { InputQueued(); });
}

QtSerialPort::~QtSerialPort() {
    close();
}

bool QtSerialPort::open(const std::string &device) {
    close();
    lastError_.clear();
    failedDevice_.clear();
    // QSerialPort takes a bare name ("ttyUSB0", "COM3") or a full path ("/dev/pts/5").
    port_.setPortName(QString::fromStdString(device));
    if (!port_.open(QIODevice::ReadWrite)) {
        NoteOpenFailure(device, port_.error(), port_.errorString());
        port_.clearError();
        return false;
    }
    const bool configured = port_.setBaudRate(QSerialPort::Baud57600) &&
                            port_.setDataBits(QSerialPort::Data8) && port_.setParity(QSerialPort::NoParity) &&
                            port_.setStopBits(QSerialPort::OneStop) &&
                            port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        const QSerialPort::SerialPortError error = port_.error();
        const QString text = port_.errorString();
        port_.close();
        port_.clearError();
        NoteOpenFailure(device, error, text); // after closing, so the probe does not find us
        return false;
    }
    // Whatever waited in the driver belongs to an earlier session.
    port_.clear(QSerialPort::Input);
    return true;
}

void QtSerialPort::NoteOpenFailure(const std::string &device, QSerialPort::SerialPortError error,
                                   const QString &text) {
    lastError_ = text;
    failedDevice_ = device;
    failedError_ = error;
}

PortOpenFailure QtSerialPort::openFailure() const {
    // Looked into only when someone asks: automatic mode walks past many ports that fail.
    if (failedDevice_.empty())
        return {};
    return ProbeOpenFailure(failedDevice_, ErrorNumberOf(failedError_), lastError_.toStdString());
}

bool QtSerialPort::lost() const {
    if (!port_.isOpen())
        return false;
    // Unplugging ends the reading with a resource error, or the system hangs the device up: then
    // reads give nothing and the port stays "open" but dead.
    if (port_.error() == QSerialPort::ResourceError)
        return true;
#ifdef _WIN32
    return false;
#else
    // The line settings ignore the modem lines, so a hang-up means the device itself is gone.
    pollfd watch{static_cast<int>(port_.handle()), POLLIN, 0};
    return ::poll(&watch, 1, 0) > 0 && (watch.revents & (POLLHUP | POLLERR | POLLNVAL));
#endif
}

void QtSerialPort::close() {
    if (!port_.isOpen())
        return;
    port_.clear(QSerialPort::Input);
    port_.close();
    port_.clearError();
}

bool QtSerialPort::isOpen() const {
    return port_.isOpen();
}

int QtSerialPort::bytesWaiting() {
    if (!port_.isOpen())
        return 0;
    // Line errors (overrun, framing, parity) are dropped here: a damaged frame fails its checksum.
    if (port_.error() != QSerialPort::NoError && port_.error() != QSerialPort::ResourceError)
        port_.clearError();
    return static_cast<int>(qMin<qint64>(port_.bytesAvailable(), 0x7FFFFFFF));
}

int QtSerialPort::read(std::uint8_t *buffer, int maxBytes) {
    if (!port_.isOpen() || maxBytes <= 0)
        return 0;
    const qint64 n = port_.read(reinterpret_cast<char *>(buffer), maxBytes);
    return n > 0 ? static_cast<int>(n) : 0;
}

bool QtSerialPort::write(const std::uint8_t *data, int count) {
    if (!port_.isOpen())
        return false;
    const qint64 n = port_.write(reinterpret_cast<const char *>(data), count);
    // Hand the frame to the driver now instead of at the next turn of the event loop; flush() never
    // waits for the line.
    port_.flush();
    return n == count;
}

void QtSerialPort::discardInput() {
    if (port_.isOpen())
        port_.clear(QSerialPort::Input);
}

} // namespace zarvex1
