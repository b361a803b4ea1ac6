#pragma once

// Starts the unit simulator on a pseudo-terminal and talks to it through the real serial port.
// Every wait here is bounded; nothing waits without a limit.

#include "core/link/Frames.h"
#include "qtport/QtSerialPort.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <QTest>

#include <optional>
#include <vector>

namespace zarvex1::pty {

inline constexpr int StartTimeoutMs = 5000;

class SimProcess {
public:
    ~SimProcess() { stop(); }

    // Starts the simulator and reads the device path from its first line of output.
    bool start(const QStringList &arguments) {
        process_.setProgram(QStringLiteral(ZARVEX1_SIM_PATH));
        process_.setArguments(arguments);
        process_.start();
        if (!process_.waitForStarted(StartTimeoutMs))
            return false;
        QElapsedTimer timer;
        timer.start();
        while (!process_.canReadLine() && timer.elapsed() < StartTimeoutMs &&
               process_.state() == QProcess::Running)
            process_.waitForReadyRead(50);
        device_ = QString::fromUtf8(process_.readLine()).trimmed();
        return device_.startsWith(QStringLiteral("/dev/"));
    }

    void stop() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(StartTimeoutMs);
        }
    }

    bool running() const { return process_.state() == QProcess::Running; }
    std::string device() const { return device_.toStdString(); }
    qint64 pid() const { return process_.processId(); }
    // What the simulator logged (with --verbose every frame it got and sent).
    QString log() {
        QTest::qWait(30); // let the event loop pull the last lines from the pipe
        log_ += QString::fromUtf8(process_.readAllStandardError());
        return log_;
    }
    // Data frames of one code the simulator received, from its --verbose log.
    int framesReceived(std::uint8_t code) {
        return static_cast<int>(log().count(QStringLiteral("got 0x") + QString::asprintf("%02X", code)));
    }

private:
    QProcess process_;
    QString device_;
    QString log_;
};

// A bare frame link on the real port: writes frames and collects what comes back.
class RawLink {
public:
    bool open(const std::string &device) { return port_.open(device); }
    void close() { port_.close(); }
    QtSerialPort &port() { return port_; }

    void send(const Frame &frame) { port_.write(frame.bytes.data(), FrameSize); }

    // Everything that arrives within `ms`, cut into 152-byte frames from the first byte on.
    std::vector<Frame> collect(int ms) {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < ms) {
            QTest::qWait(5);
            drain();
        }
        drain();
        std::vector<Frame> frames;
        std::size_t used = 0;
        for (; bytes_.size() - used >= FrameSize; used += FrameSize)
            frames.push_back(Frame::From(std::span<const std::uint8_t>(bytes_.data() + used, FrameSize)));
        bytes_.erase(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(used));
        return frames;
    }

    // Sends a request and waits up to `timeoutMs` for the frame whose code answers it; monitor frames
    // in between are skipped.
    std::optional<Frame> exchange(const Frame &request, int timeoutMs = 5000) {
        collect(0);
        bytes_.clear();
        send(request);
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeoutMs) {
            for (const Frame &f : collect(5))
                if (f.code() == ReplyCode(request.code()))
                    return f;
        }
        return std::nullopt;
    }

private:
    void drain() {
        std::uint8_t buffer[4096];
        while (port_.bytesWaiting() > 0) {
            const int n = port_.read(buffer, sizeof buffer);
            if (n <= 0)
                break;
            bytes_.insert(bytes_.end(), buffer, buffer + n);
        }
    }

    QtSerialPort port_;
    std::vector<std::uint8_t> bytes_;
};

} // namespace zarvex1::pty
