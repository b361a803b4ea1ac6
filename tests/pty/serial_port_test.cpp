// The real serial port on a pseudo-terminal: exclusive opening, reading only what is queued,
// discarding input, and a closed port that stays harmless.

#include "sim_harness.h"

#include <QtTest>

using namespace zarvex1;
using namespace zarvex1::pty;

class SerialPortTest : public QObject {
    Q_OBJECT

private slots:
    void opensExclusivelyAndAgainAfterClose() {
        SimProcess sim;
        QVERIFY(sim.start({}));
        QtSerialPort first, second;
        QVERIFY(first.open(sim.device()));
        QVERIFY(first.isOpen());
        QVERIFY(!second.open(sim.device()));
        QVERIFY(!second.errorText().isEmpty());
        first.close();
        QVERIFY(second.open(sim.device()));
    }

    void missingDeviceDoesNotOpen() {
        QtSerialPort port;
        QVERIFY(!port.open("/dev/zarvex1-no-such-port"));
        QVERIFY(!port.isOpen());
        QVERIFY(!port.errorText().isEmpty());
    }

    void readsOnlyWhatIsQueuedAndDiscardsOnRequest() {
        SimProcess sim;
        QVERIFY(sim.start({"--monitor-ms", "50"}));
        QtSerialPort port;
        QVERIFY(port.open(sim.device()));

        std::uint8_t buffer[15000];
        QCOMPARE(port.read(buffer, sizeof buffer), 0); // nothing has arrived yet: no waiting
        // The event loop collects what comes; nothing is read until asked.
        QTRY_VERIFY_WITH_TIMEOUT(port.bytesWaiting() >= 2 * FrameSize, 10000);
        const int waiting = port.bytesWaiting();
        QVERIFY2(waiting >= 2 * FrameSize, qPrintable(QString::number(waiting)));
        QCOMPARE(port.read(buffer, FrameSize), FrameSize);
        QCOMPARE(buffer[0], MonitorCode);
        QCOMPARE(port.bytesWaiting(), waiting - FrameSize);

        port.discardInput();
        QCOMPARE(port.bytesWaiting(), 0);
    }

    void closedPortIsHarmless() {
        QtSerialPort port;
        std::uint8_t buffer[FrameSize] = {};
        port.close();
        port.close();
        QCOMPARE(port.bytesWaiting(), 0);
        QCOMPARE(port.read(buffer, FrameSize), 0);
        QVERIFY(!port.write(buffer, FrameSize));
        port.discardInput();
    }
};

#include "support/qt_test_main.h"
ZARVEX1_TEST_GUILESS_MAIN(SerialPortTest)
#include "serial_port_test.moc"
