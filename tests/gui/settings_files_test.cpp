#include "core/files/DefaultIni.h"
#include "core/files/TextFiles.h"
#include "gui/app/MainForm.h"
#include "gui/widgets/Dialogs.h"
#include "link/mock_port.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace zarvex1;

namespace {

std::unique_ptr<TMainForm> NewWindow() {
    return std::make_unique<TMainForm>(StartOptions{}, std::make_unique<test::MockPort>());
}

// Frees a start that waits on a FIFO after a while, by opening the FIFOs for writing, so that the test
// fails instead of hanging.
class FifoWatchdog {
public:
    explicit FifoWatchdog(QStringList fifos) : fifos_(std::move(fifos)), thread_([this] { Watch(); }) {}
    ~FifoWatchdog() {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    bool fired() const { return fired_; }

private:
    void Watch() {
        std::unique_lock lock(mutex_);
        if (wake_.wait_for(lock, std::chrono::seconds(5), [this] { return done_; }))
            return;
        fired_ = true;
        // Keep freeing: each read of the start may open a FIFO again.
        while (!wake_.wait_for(lock, std::chrono::milliseconds(50), [this] { return done_; }))
            for (const QString &fifo : fifos_)
                if (const int fd = ::open(fifo.toLocal8Bit().constData(), O_WRONLY | O_NONBLOCK); fd >= 0)
                    ::close(fd);
    }

    QStringList fifos_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    std::atomic<bool> fired_ = false;
    std::thread thread_;
};

} // namespace

// What the window takes from its settings folder at start.
class SettingsFilesTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        settingsDir_ = std::make_unique<QTemporaryDir>();
        qputenv("ZARVEX1_SETTINGS_DIR", settingsDir_->path().toUtf8());
        Dialogs::messageHook = [](const QString &) {};
    }

    void fifosAsSettingsFilesDoNotHoldUpTheStart() {
        const QStringList fifos = {settingsDir_->filePath("application.ini"),
                                   settingsDir_->filePath("default.ini")};
        for (const QString &fifo : fifos)
            QCOMPARE(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
        FifoWatchdog watchdog(fifos);
        auto form = NewWindow();
        QVERIFY2(!watchdog.fired(), "the start waited on a FIFO");
        QCOMPARE(form->session().settings().portIndex, 0); // the defaults of a first start
    }

    // Values near the limits of int in application.ini: the window still lands on the screen.
    void overflowingWindowValuesStillPutTheWindowOnTheScreen_data() {
        QTest::addColumn<QString>("keys");
        QTest::newRow("near the maximum")
            << "Left=2147483600\nTop=2147483600\nWidth=2147483600\nHeight=2147483600";
        QTest::newRow("left plus width overflows") << "Left=2147483000\nTop=10\nWidth=1000\nHeight=500";
        QTest::newRow("near the minimum") << "Left=-2147483648\nTop=-2147483648\nWidth=800\nHeight=600";
        QTest::newRow("negative size") << "Left=10\nTop=10\nWidth=-2147483648\nHeight=-5";
    }
    void overflowingWindowValuesStillPutTheWindowOnTheScreen() {
        QFETCH(QString, keys);
        QFile ini(settingsDir_->filePath("application.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[BASIC]\n" + keys.toUtf8() + "\n");
        ini.close();
        auto form = NewWindow();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect placed(form->pos(), form->size());
        QVERIFY2(screen.contains(placed), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                         .arg(placed.x())
                                                         .arg(placed.y())
                                                         .arg(placed.width())
                                                         .arg(placed.height())));
        QVERIFY(placed.width() > 0 && placed.height() > 0);
    }

    // A stored size far below what the window needs, in the screen's far corner: the window gets its
    // minimum size, and that size is what is brought onto the screen.
    void tinyStoredWindowIsPlacedAtTheSizeItGets() {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QFile ini(settingsDir_->filePath("application.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(QStringLiteral("[BASIC]\nLeft=%1\nTop=%2\nWidth=1\nHeight=1\n")
                      .arg(screen.right())
                      .arg(screen.bottom())
                      .toUtf8());
        ini.close();
        auto form = NewWindow();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        const QRect placed(form->pos(), form->size());
        const QRect seen = placed.intersected(screen);
        QVERIFY2(placed.width() > 1 && placed.height() > 1, "the window has its minimum size");
        QCOMPARE(seen.width(), std::min(placed.width(), screen.width()));
        QCOMPARE(seen.height(), std::min(placed.height(), screen.height()));
    }

    // A committed edit reaches default.ini about a second later, without closing the program.
    void committedEditIsInDefaultIniWithinASecond() {
        auto form = NewWindow();
        const QString file = settingsDir_->filePath("default.ini");
        for (int tick = 0; tick < 40; ++tick)
            form->Timer1Timer();
        QVERIFY(!QFileInfo::exists(file)); // nothing was edited
        form->session().image().setWord(Adrw::SoftLimiter, 9100);
        form->session().AfterEdit();
        for (int tick = 0; tick < DefaultIniKeeper::WriteDelay; ++tick)
            form->Timer1Timer();
        ParameterImage stored;
        QVERIFY(ReadDefaultIni(file.toStdString(), stored));
        QCOMPARE(int(stored.word(Adrw::SoftLimiter)), 9100);
    }

    // Logout, shutdown, a closed terminal or kill: the program closes as the user would close it, and
    // both settings files are written.
    void signalEndsTheProgramWithBothSettingsFiles_data() {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
        QTest::newRow("SIGINT") << int(SIGINT);
    }
    void signalEndsTheProgramWithBothSettingsFiles() {
        QFETCH(int, signalNumber);
        QTemporaryDir runtime;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("ZARVEX1_SETTINGS_DIR", settingsDir_->path());
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ZARVEX1_APP_PATH), {"--port", runtime.filePath("no-such-port")});
        QVERIFY(program.waitForStarted(5000));
        // The window is up once its loader socket is there.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(runtime.filePath("ZARVEX1-loader")), 20000);
        QVERIFY(!QFileInfo::exists(settingsDir_->filePath("application.ini")));

        ::kill(static_cast<pid_t>(program.processId()), signalNumber);
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QFile ini(settingsDir_->filePath("application.ini"));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QVERIFY(ini.readAll().contains("[BASIC]"));
        ParameterImage stored;
        QCOMPARE(ParseDefaultIni(
                     ReadWholeFile(settingsDir_->filePath("default.ini").toStdString()).value_or(""), stored),
                 ParameterImage::Size);
    }

private:
    std::unique_ptr<QTemporaryDir> settingsDir_;
};

#include "support/qt_test_main.h"
ZARVEX1_TEST_MAIN(SettingsFilesTest)
#include "settings_files_test.moc"
