#include "named_controls.h"

#include "gui/app/LoaderServer.h"
#include "gui/app/MainForm.h"
#include "gui/widgets/Dialogs.h"
#include "link/mock_port.h"

#include <QLabel>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace zarvex1;

namespace {

// What a loader program sends: the port number and the request, little-endian.
QByteArray Message(qint32 port, quint32 request) {
    QByteArray bytes(8, '\0');
    qToLittleEndian(port, bytes.data());
    qToLittleEndian(request, bytes.data() + 4);
    return bytes;
}

QString UniqueName(const char *what) {
    return QStringLiteral("ZARVEX1-loader-%1-%2")
        .arg(QLatin1String(what))
        .arg(QCoreApplication::applicationPid());
}

// XDG_RUNTIME_DIR for one test, put back afterwards.
class RuntimeFolder {
public:
    explicit RuntimeFolder(const QByteArray &path) : old_(qgetenv("XDG_RUNTIME_DIR")) {
        qputenv("XDG_RUNTIME_DIR", path);
    }
    ~RuntimeFolder() { qputenv("XDG_RUNTIME_DIR", old_); }

private:
    QByteArray old_;
};

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
        const QString name = UniqueName("test");
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

    // The tests run as root, who may connect anywhere: so the socket's mode and folder are checked.
    void socketIsTheOwnersAloneInTheRuntimeFolder() {
        QTemporaryDir runtime;
        QVERIFY(::chmod(runtime.path().toLocal8Bit().constData(), 0700) == 0);
        RuntimeFolder folder(runtime.path().toLocal8Bit());
        const QString address = LoaderServer::DefaultAddress();
        QCOMPARE(address, runtime.path() + QStringLiteral("/ZARVEX1-loader"));

        LoaderServer server;
        QVERIFY2(server.listen(address), qPrintable(server.errorString()));
        QCOMPARE(server.fullServerName(), address);
        struct stat info {};
        QCOMPARE(::lstat(address.toLocal8Bit().constData(), &info), 0);
        QVERIFY(S_ISSOCK(info.st_mode));
        QCOMPARE(info.st_uid, ::geteuid());
        QCOMPARE(info.st_mode & 0077, 0u);

        // A second program finds the name taken and says so instead of answering nothing.
        LoaderServer second;
        QVERIFY(!second.listen(address));
        QVERIFY(second.errorString().contains(QStringLiteral("in use")));
    }

    void runtimeFolderOfAnotherUserIsNotUsed() {
        QTemporaryDir runtime;
        const QByteArray path = runtime.path().toLocal8Bit();
        QVERIFY(::chown(path.constData(), 65534, 65534) == 0); // nobody's
        RuntimeFolder folder(path);
        // Passed over for a folder of the user's own, or none at all.
        const QString address = LoaderServer::DefaultAddress();
        QVERIFY(!address.startsWith(runtime.path()));
        if (address.isEmpty()) {
            LoaderServer server;
            QVERIFY(!server.listen(address));
            QVERIFY(!server.errorString().isEmpty());
        } else {
            struct stat info {};
            QCOMPARE(::stat(QFileInfo(address).path().toLocal8Bit().constData(), &info), 0);
            QCOMPARE(info.st_uid, ::geteuid());
            QCOMPARE(info.st_mode & 0077, 0u);
        }
    }

    // Connections beyond a few do not pile up file handles: a few are served at a time.
    void aFewClientsAtATime() {
        LoaderServer server;
        const QString name = UniqueName("limit");
        QVERIFY(server.listen(name));
        QSignalSpy spy(&server, &LoaderServer::portMessage);
        std::vector<std::unique_ptr<QLocalSocket>> clients;
        for (int i = 0; i < LoaderServer::MaxClients + 3; ++i) {
            clients.push_back(std::make_unique<QLocalSocket>());
            clients.back()->connectToServer(name);
            QVERIFY(clients.back()->waitForConnected(2000));
        }
        const auto connectedCount = [&] {
            return std::count_if(clients.begin(), clients.end(),
                                 [](const auto &c) { return c->state() == QLocalSocket::ConnectedState; });
        };
        QTRY_COMPARE(connectedCount(), LoaderServer::MaxClients);
        QTest::qWait(50);
        QCOMPARE(connectedCount(), LoaderServer::MaxClients);

        // A place that comes free is served again.
        clients.front()->disconnectFromServer();
        QLocalSocket late;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                if (late.state() != QLocalSocket::ConnectedState) {
                    late.connectToServer(name);
                    late.waitForConnected(200);
                }
                late.write(Message(7, 0x7FFFFFA4));
                late.flush();
                QTest::qWait(20);
                return spy.count() > 0;
            }(),
            3000);
        QCOMPARE(spy.last()[0].toInt(), 7);
    }

    // Four idle connections cannot lock a real loader out: the idlest makes room at once, and an idle
    // client goes by itself after a while, whoever else comes.
    void idleClientsMakeRoomForALoader() {
        LoaderServer server;
        const QString name = UniqueName("idle");
        QVERIFY(server.listen(name));
        QSignalSpy spy(&server, &LoaderServer::portMessage);
        std::vector<std::unique_ptr<QLocalSocket>> idle;
        for (int i = 0; i < LoaderServer::MaxClients; ++i) {
            idle.push_back(std::make_unique<QLocalSocket>());
            idle.back()->connectToServer(name);
            QVERIFY(idle.back()->waitForConnected(2000));
        }
        idle.front()->write(QByteArray(3, '\0')); // a part of a message keeps no client alive
        QLocalSocket loader;
        loader.connectToServer(name);
        QVERIFY(loader.waitForConnected(2000));
        loader.write(Message(2, 0x7FFFFFA2));
        loader.flush();
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 5000);
        QCOMPARE(spy[0][0].toInt(), 2);
        // The others, idle, are closed by themselves.
        QTRY_VERIFY_WITH_TIMEOUT(
            std::none_of(idle.begin(), idle.end(),
                         [](const auto &c) { return c->state() == QLocalSocket::ConnectedState; }),
            15000);
    }

    // A flood of messages is taken a few per pass of the event loop, so the window stays alive.
    void floodIsReadAFewMessagesPerPass() {
        LoaderServer server;
        const QString name = UniqueName("flood");
        QVERIFY(server.listen(name));
        int inPass = 0;
        int mostInAPass = 0;
        int total = 0;
        connect(&server, &LoaderServer::portMessage, this, [&] {
            ++inPass;
            ++total;
        });
        QLocalSocket socket;
        socket.connectToServer(name);
        QVERIFY(socket.waitForConnected(2000));
        constexpr int Messages = 2000;
        QByteArray flood;
        for (int i = 0; i < Messages; ++i)
            flood += Message(99, 0x7FFFFFA4);
        socket.write(flood);
        // A client that leaves right after writing still has every message taken.
        socket.disconnectFromServer();
        QElapsedTimer timer;
        timer.start();
        while (total < Messages && timer.elapsed() < 10000) {
            inPass = 0;
            QCoreApplication::processEvents();
            mostInAPass = std::max(mostInAPass, inPass);
        }
        QCOMPARE(total, Messages);
        QVERIFY2(mostInAPass <= LoaderServer::MaxMessagesPerPass, qPrintable(QString::number(mostInAPass)));
    }

    // When the socket cannot be had, the status bar says so once; the program works on.
    void windowSaysWhenTheSocketCannotBeOpened() {
        QLocalServer squatter;
        const QString name = UniqueName("taken");
        QVERIFY(squatter.listen(name));
        StartOptions options;
        options.loaderName = name;
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^Loader socket cannot be opened: ")));
        TMainForm form(options, std::make_unique<test::MockPort>());
        QVERIFY2(test::Named<QLabel>(form, "StatusPanel0")
                     ->text()
                     .startsWith(QStringLiteral("Loader socket cannot be opened")),
                 qPrintable(test::Named<QLabel>(form, "StatusPanel0")->text()));
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
        QCOMPARE(form.link().state().LinkRequest, LinkRequest::None);

        socket.write(Message(inUse, 0x7FFFFFA2));
        socket.flush();
        QTRY_COMPARE(form.link().state().LinkRequest, LinkRequest::Handover);

        // No acknowledgement: after its frames the port is released all the same.
        for (int tick = 0; tick < 20; ++tick)
            form.Timer1Timer();
        QCOMPARE(form.link().state().LinkRequest, LinkRequest::None);
        QVERIFY(!form.link().state().PortEnabled);
        QVERIFY(!port->isOpen());
        QVERIFY(form.windowTitle().endsWith(QStringLiteral("(Disconnected by bootloader)")));

        socket.write(Message(inUse, 0x7FFFFFA4));
        socket.flush();
        QTRY_VERIFY(form.link().state().PortEnabled);
        QVERIFY(port->isOpen());
        QVERIFY(!form.windowTitle().contains(QStringLiteral("bootloader")));
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

#include "support/qt_test_main.h"
ZARVEX1_TEST_MAIN(LoaderTest)
#include "loader_test.moc"
