// The real port's look at a device it cannot open, and at one that goes away, on pseudo-terminals
// of the test's own. The tests run as root, where permissions never bite; they cover what is left:
// a missing device, exclusive mode, lock files of live and dead programs, and an unplugged device.

#include "qtport/PortProbe.h"
#include "qtport/QtSerialPort.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

using namespace zarvex1;

namespace {

// A pseudo-terminal: the test holds the unit's end, the port opens the other.
struct Pty {
    Pty() {
        master = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0)
            device = ::ptsname(master);
    }
    ~Pty() { CloseMaster(); }
    void CloseMaster() {
        if (master >= 0)
            ::close(master);
        master = -1;
    }
    int master = -1;
    std::string device;
};

void WriteFile(const QString &path, const QByteArray &content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

class PortProbeTest : public QObject {
    Q_OBJECT
private slots:
    void missingDeviceWasUnplugged() {
        QtSerialPort port;
        QVERIFY(!port.open("/dev/serial/by-id/usb-zarvex1-test-no-such-adapter"));
        const PortOpenFailure failure = port.openFailure();
        QCOMPARE(failure.errorNumber, ENOENT);
        QCOMPARE(ClassifyOpenFailure(failure.errorNumber, failure.lock), PortFault::Vanished);
        QVERIFY(ComOpeningReason(failure, 0).find("unplugged") != std::string::npos);
    }

    void exclusiveModeOfAnotherHolderIsBusy() {
        Pty pty;
        QVERIFY(!pty.device.empty());
        const int holder = ::open(pty.device.c_str(), O_RDWR | O_NOCTTY);
        QVERIFY(holder >= 0);
        QVERIFY(!ProbeLock(pty.device, {}).held());
        QCOMPARE(::ioctl(holder, TIOCEXCL), 0);
        QCOMPARE(ProbeLock(pty.device, {}).kind, PortLock::Kind::Exclusive);
        const PortOpenFailure failure = ProbeOpenFailure(pty.device, 0, "", {});
        QCOMPARE(ClassifyOpenFailure(failure.errorNumber, failure.lock), PortFault::Busy);
        QVERIFY(!failure.group.empty());
        QVERIFY(!failure.user.empty());
        QCOMPARE(::ioctl(holder, TIOCNXCL), 0);
        QVERIFY(!ProbeLock(pty.device, {}).held());
        ::close(holder);
    }

    void lockFileCountsWhileItsProgramLives() {
        Pty pty;
        QTemporaryDir locks;
        const std::vector<std::string> folders = {locks.path().toStdString()};
        // Qt names the lock after the path below /dev: "LCK..pts_5".
        const QString lockFile = locks.filePath(
            QStringLiteral("LCK..") + QString::fromStdString(pty.device.substr(5)).replace('/', '_'));

        QProcess holder;
        holder.start(QStringLiteral("sleep"), {QStringLiteral("30")});
        QVERIFY(holder.waitForStarted());
        WriteFile(lockFile, QByteArray::number(holder.processId()) + "\nterminal\nbench\n");
        PortLock lock = ProbeLock(pty.device, folders);
        QCOMPARE(lock.kind, PortLock::Kind::LockFile);
        QCOMPARE(lock.pid, int(holder.processId()));
        QCOMPARE(lock.program, std::string("terminal"));

        // A UUCP lock without a name: the holder is named from the process table.
        QFile::remove(lockFile);
        WriteFile(
            locks.filePath(QStringLiteral("LCK..") + QString::fromStdString(pty.device).section('/', -1)),
            QByteArray::number(holder.processId()).rightJustified(10) + "\n");
        lock = ProbeLock(pty.device, folders);
        QCOMPARE(lock.kind, PortLock::Kind::LockFile);
        QCOMPARE(lock.program, std::string("sleep"));

        holder.kill();
        QVERIFY(holder.waitForFinished());
        QVERIFY2(!ProbeLock(pty.device, folders).held(), "a stale lock does not count");
        WriteFile(lockFile, QByteArray::number(::getpid()) + "\n");
        QVERIFY2(!ProbeLock(pty.device, folders).held(), "nor does our own");
    }

    void unpluggedDeviceIsLost() {
        Pty pty;
        QtSerialPort port;
        QVERIFY(port.open(pty.device));
        QVERIFY(!port.lost());
        pty.CloseMaster(); // the adapter goes away
        QTRY_VERIFY_WITH_TIMEOUT(port.lost(), 2000);
        port.close();
        QVERIFY(!port.lost());
    }
};

#include "support/qt_test_main.h"
ZARVEX1_TEST_MAIN(PortProbeTest)
#include "port_probe_test.moc"
