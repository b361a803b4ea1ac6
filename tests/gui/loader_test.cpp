#include "app/Dialogs.h"
#include "app/LoaderServer.h"
#include "app/MainForm.h"
#include "link/mock_port.h"

#include <QLocalSocket>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace zarvex1;

namespace {

// What a loader program sends: the port number and the request, little-endian.
QByteArray Message(qint32 port, quint32 request) {
    QByteArray bytes(8, '\0');
    qToLittleEndian(port, bytes.data());
    qToLittleEndian(request, bytes.data() + 4);
    return bytes;
}

} // namespace

class LoaderTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        qputenv("ZARVEX1_SETTINGS_DIR", dir_->path().toUtf8());
        Dialogs::messageHook = [](const QString &) {};
    }

    void wholeMessagesArriveEvenWhenSplit() {
        LoaderServer server;
        const QString name = QStringLiteral("ZARVEX1-loader-test-%1").arg(QCoreApplication::applicationPid());
        QVERIFY(server.listen(name));
        QSignalSpy spy(&server, &LoaderServer::portMessage);
        QLocalSocket socket;
        socket.connectToServer(name);
        QVERIFY(socket.waitForConnected(2000));
        const QByteArray both = Message(3, 0x7FFFFFA1) + Message(5, 0x7FFFFFA4);
        socket.write(both.left(5));
        socket.flush();
        QTest::qWait(50);
        QCOMPARE(spy.count(), 0);
        socket.write(both.mid(5));
        socket.flush();
        QTRY_COMPARE(spy.count(), 2);
        QCOMPARE(spy[0][0].toInt(), 3);
        QCOMPARE(spy[0][1].toUInt(), 0x7FFFFFA1u);
        QCOMPARE(spy[1][0].toInt(), 5);
        QCOMPARE(spy[1][1].toUInt(), 0x7FFFFFA4u);
    }

    void loaderBorrowsAndReturnsThePortOfTheWindow() {
        auto mock = std::make_unique<test::MockPort>();
        test::MockPort *port = mock.get();
        // A name of its own, so that windows of other tests running at the same time do not answer.
        StartOptions options;
        options.loaderName =
            QStringLiteral("ZARVEX1-loader-window-%1").arg(QCoreApplication::applicationPid());
        TMainForm form(options, std::move(mock));
        const int inUse = form.session().settings().portIndex + 1;

        QLocalSocket socket;
        socket.connectToServer(options.loaderName);
        QVERIFY(socket.waitForConnected(2000));

        // A message about another port changes nothing.
        socket.write(Message(inUse + 1, 0x7FFFFFA2));
        socket.flush();
        QTest::qWait(50);
        QCOMPARE(form.link->state().LinkRequest, LinkRequest::None);

        socket.write(Message(inUse, 0x7FFFFFA2));
        socket.flush();
        QTRY_COMPARE(form.link->state().LinkRequest, LinkRequest::Handover);

        // No acknowledgement: after its frames the port is released all the same.
        for (int tick = 0; tick < 20; ++tick)
            form.Timer1Timer();
        QCOMPARE(form.link->state().LinkRequest, LinkRequest::None);
        QVERIFY(!form.link->state().PortEnabled);
        QVERIFY(!port->isOpen());
        QVERIFY(form.windowTitle().endsWith(QStringLiteral("(Disconnected by bootloader)")));

        socket.write(Message(inUse, 0x7FFFFFA4));
        socket.flush();
        QTRY_VERIFY(form.link->state().PortEnabled);
        QVERIFY(port->isOpen());
        QVERIFY(!form.windowTitle().contains(QStringLiteral("bootloader")));
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

QTEST_MAIN(LoaderTest)
#include "loader_test.moc"
