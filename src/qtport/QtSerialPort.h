#pragma once

#include "core/link/SerialPort.h"

#include <QSerialPort>
#include <QString>

namespace zarvex1 {

// The link's port on a real serial device (or a pseudo-terminal, given by its full path): 57600 baud,
// 8 data bits, no parity, 1 stop bit, no flow control, opened exclusively.
//
// Nothing here waits for the line. Incoming bytes are collected by the Qt event loop between two timer
// ticks and reported to the link as they come; bytesWaiting() and read() only hand out what has been
// collected. A written frame is passed to the driver at once, without waiting for it to leave.
class QtSerialPort : public SerialPort {
public:
    QtSerialPort();
    ~QtSerialPort() override;

    bool open(const std::string &device) override;
    void close() override;
    bool isOpen() const override;
    int bytesWaiting() override;
    int read(std::uint8_t *buffer, int maxBytes) override;
    bool write(const std::uint8_t *data, int count) override;
    void discardInput() override;
    PortOpenFailure openFailure() const override;
    bool lost() const override;

    // Why the last open failed, in the port's own words.
    QString errorText() const { return lastError_; }

private:
    void NoteOpenFailure(const std::string &device, QSerialPort::SerialPortError error, const QString &text);

    QSerialPort port_;
    QString lastError_;
    std::string failedDevice_; // the device of the last failed open, empty after a good one
    QSerialPort::SerialPortError failedError_ = QSerialPort::NoError;
};

} // namespace zarvex1
