#include "core/files/ApplicationSettings.h"
#include "core/files/DefaultIni.h"
#include "core/files/ParameterFile.h"
#include "core/files/TextFiles.h"
#include "core/texts/HandOver.h"
#include "gui/app/InstanceServer.h"
#include "gui/app/MainForm.h"
#include "gui/widgets/Dialogs.h"
#include "link/mock_port.h"

#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace zarvex1;

namespace {

// The program started as the file manager or a shell starts it: arguments as bytes, in a folder, with
// its own settings and runtime folders; standard error goes to a file.
class Program {
public:
    Program(const std::vector<std::string> &arguments, const QString &folder, const QString &settings,
            const QString &runtime, const QString &errors) {
        std::vector<std::string> argv{ZARVEX1_APP_PATH};
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        pid_ = ::fork();
        if (pid_ == 0) {
            const int err = ::open(errors.toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
            ::dup2(err, 2);
            if (::chdir(folder.toLocal8Bit().constData()) != 0)
                ::_exit(126);
            ::setenv("ZARVEX1_SETTINGS_DIR", settings.toLocal8Bit().constData(), 1);
            ::setenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit().constData(), 1);
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
            ::setenv("ZARVEX1_PORT", "/nonexistent/zarvex1-test-port", 1);
            std::vector<char *> raw;
            for (std::string &a : argv)
                raw.push_back(a.data());
            raw.push_back(nullptr);
            ::execv(raw[0], raw.data());
            ::_exit(127);
        }
    }
    ~Program() {
        if (pid_ > 0 && !exited_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    // The exit status once it ended within the limit, or -1.
    int Wait(int limitMs) {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < limitMs) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                exited_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            QTest::qWait(20);
        }
        return -1;
    }
    bool running() {
        int status = 0;
        return !exited_ && ::waitpid(pid_, &status, WNOHANG) == 0;
    }
    void Stop() { ::kill(pid_, SIGTERM); }

private:
    pid_t pid_ = -1;
    bool exited_ = false;
};

std::string Bytes(const QString &path) {
    return path.toLocal8Bit().toStdString();
}

ParameterImage TunedSet(int softLimiter) {
    ParameterImage set = FirstStartSet();
    set.setWord(Adrw::SoftLimiter, static_cast<unsigned>(softLimiter));
    LimitParameters(set);
    return set;
}

int StoredSoftLimiter(const QString &defaultIni) {
    ParameterImage stored;
    return ReadDefaultIni(Bytes(defaultIni), stored) ? stored.word(Adrw::SoftLimiter) : -1;
}

QByteArray Content(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

// One window per settings folder: a second start hands its file to the first; --new-instance opens a
// window beside it that leaves the settings alone.
class InstanceTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        settings_ = dir_->filePath(QStringLiteral("settings"));
        runtime_ = dir_->filePath(QStringLiteral("runtime"));
        QVERIFY(QDir().mkpath(settings_) && QDir().mkpath(runtime_));
        QFile::setPermissions(runtime_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        errors_ = dir_->filePath(QStringLiteral("errors.txt"));
        Dialogs::messageHook = [](const QString &) {};
    }

    void secondStartHandsItsFileToTheFirstAndNewInstanceLeavesTheSettingsAlone() {
        const QString tune = dir_->filePath(QStringLiteral("tune.ign"));
        QVERIFY(WriteParameterFile(TunedSet(9350), Bytes(tune)));
        Program first({}, dir_->path(), settings_, runtime_, errors_);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(InstanceAddress()), 20000);

        Program second({"DEUTSCH", "--port", "/dev/null", "tune.ign"}, dir_->path(), settings_, runtime_,
                       errors_);
        QCOMPARE(second.Wait(20000), 0);
        QVERIFY2(Content(errors_).contains("--port is ignored"), Content(errors_).constData());
        const QString defaultIni = settings_ + QStringLiteral("/default.ini");
        QTRY_COMPARE_WITH_TIMEOUT(StoredSoftLimiter(defaultIni), 9350, 20000);
        QVERIFY(first.running());

        // A window beside the first, never touched: closing it later undoes nothing of the first.
        Program beside({"--new-instance"}, dir_->path(), settings_, runtime_, errors_);
        QTRY_VERIFY_WITH_TIMEOUT(Content(errors_).contains("Loader socket"), 20000); // it is up
        first.Stop();
        QCOMPARE(first.Wait(20000), 0);
        const QByteArray application = Content(settings_ + QStringLiteral("/application.ini"));
        const QByteArray image = Content(defaultIni);
        ApplicationSettings stored;
        ReadApplicationSettings(Bytes(settings_ + QStringLiteral("/application.ini")), stored);
        QCOMPARE(QString::fromStdString(stored.file), tune);
        QCOMPARE(int(stored.link.languageIndex), 1);
        QVERIFY(beside.running());
        beside.Stop();
        QCOMPARE(beside.Wait(20000), 0);
        QCOMPARE(Content(settings_ + QStringLiteral("/application.ini")), application);
        QCOMPARE(Content(defaultIni), image);
    }

    // File names as the system's bytes, a name beginning with "-" after "--", a file called like a
    // language word, a line break in a name: each opens from the command line and comes back from
    // application.ini as it was.
    void fileNamesOpenFromTheStartAndComeBackFromTheSettings_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("dashes");
        QTest::newRow("not UTF-8") << QByteArray("caf\xe9.ign") << QByteArray();
        QTest::newRow("begins with -") << QByteArray("-x.ign") << QByteArray("--");
        QTest::newRow("a language word") << QByteArray("Deutsch") << QByteArray();
        QTest::newRow("line break") << QByteArray("two\nlines.ign") << QByteArray();
    }
    void fileNamesOpenFromTheStartAndComeBackFromTheSettings() {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, dashes);
        const std::string path = Bytes(dir_->path()) + "/" + name.toStdString();
        QVERIFY(WriteParameterFile(TunedSet(9250), std::filesystem::path(path)));
        std::vector<std::string> arguments;
        if (!dashes.isEmpty())
            arguments.push_back(dashes.toStdString());
        arguments.push_back(name.toStdString());
        Program program(arguments, dir_->path(), settings_, runtime_, errors_);
        QTRY_COMPARE_WITH_TIMEOUT(StoredSoftLimiter(settings_ + QStringLiteral("/default.ini")), 9250, 20000);
        program.Stop();
        QCOMPARE(program.Wait(20000), 0);
        ApplicationSettings stored;
        ReadApplicationSettings(Bytes(settings_ + QStringLiteral("/application.ini")), stored);
        QCOMPARE(stored.file, path);
        QCOMPARE(stored.iniDir, path);
        QCOMPARE(stored.recentFiles.entry(0), path);
        QVERIFY2(!Content(errors_).contains("unknown option"), Content(errors_).constData());
        std::filesystem::remove(std::filesystem::path(path)); // a name QTemporaryDir cannot spell
    }

    // A window beside the owner asks before its unkept changes go, and writes no settings file.
    void windowBesideTheOwnerAsksAndWritesNothing() {
        qputenv("ZARVEX1_SETTINGS_DIR", settings_.toUtf8());
        StartOptions options;
        options.ownsSettings = false;
        options.loaderName = runtime_ + QStringLiteral("/loader-beside");
        TMainForm form(options, std::make_unique<test::MockPort>());
        form.show();
        const auto *hint = form.findChild<QLabel *>(QStringLiteral("StatusPanel0"));
        QVERIFY(hint);
        QVERIFY(hint->text().contains(QStringLiteral("Another window keeps the settings")));
        form.session().image().setWord(Adrw::SoftLimiter, 9100);
        form.session().AfterEdit();
        for (int tick = 0; tick < 40; ++tick)
            form.Timer1Timer();
        QStringList asked;
        Dialogs::askHook = [&](const QString &question) {
            asked << question;
            return QMessageBox::No;
        };
        QVERIFY(!form.close());
        QCOMPARE(asked.size(), 1);
        QVERIFY(asked[0].contains(QStringLiteral("neither saved nor programmed")));
        Dialogs::askHook = [&](const QString &question) {
            asked << question;
            return QMessageBox::Yes;
        };
        QVERIFY(form.close());
        Dialogs::askHook = nullptr;
        QCOMPARE(QDir(settings_).entryList(QDir::Files), QStringList{});

        // Saved, nothing is asked.
        TMainForm saved(options, std::make_unique<test::MockPort>());
        saved.session().image().setWord(Adrw::SoftLimiter, 9200);
        saved.session().AfterEdit();
        QVERIFY(saved.session().Save(Bytes(dir_->filePath(QStringLiteral("kept.ign")))));
        QVERIFY(saved.close());
        QCOMPARE(asked.size(), 2);
    }

private:
    QString InstanceAddress() const {
        return runtime_ + QLatin1Char('/') + QString::fromStdString(InstanceSocketName(Bytes(settings_)));
    }

    std::unique_ptr<QTemporaryDir> dir_;
    QString settings_;
    QString runtime_;
    QString errors_;
};

#include "support/qt_test_main.h"
ZARVEX1_TEST_MAIN(InstanceTest)
#include "instance_test.moc"
