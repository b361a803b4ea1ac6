// The three programs as a user or help2man calls them: --help and --version print and end with exit
// 0 before anything else happens (no window, no port, no display needed), an unknown option of the
// command-line tool and the simulator ends with exit 2 and a pointer to --help.

#include <QProcess>
#include <QtTest>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run Start(const QString &program, const QStringList &arguments, const QStringList &environment = {}) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &entry : environment)
        env.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    Run run;
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished(5000);
        run.err = QStringLiteral("did not end within the time limit");
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QByteArray Describe(const Run &run) {
    return QStringLiteral("exit %1\nstdout:\n%2\nstderr:\n%3")
        .arg(run.exitCode)
        .arg(run.out, run.err)
        .toUtf8();
}

} // namespace

class ProgramOptionsTest : public QObject {
    Q_OBJECT

private slots:
    void helpAndVersionPrintAndExit0_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("helpMentions");
        QTest::newRow("window") << ZARVEX1_APP_PATH << "zarvex1"
                                << QStringList{
                                       "ENGLISH, DEUTSCH, CESKY", "FILE.ign", "--port DEVICE", "--simulate",
                                       "--new-instance",          "  -- ",    "--version"};
        QTest::newRow("cli") << ZARVEX1_CLI_PATH << "zarvex1-cli"
                             << QStringList{"Usage: zarvex1-cli", "  monitor ", "--version"};
        QTest::newRow("sim") << ZARVEX1_SIM_PATH << "zarvex1-sim"
                             << QStringList{"Usage: zarvex1-sim", "--engine MODE", "--version"};
    }

    void helpAndVersionPrintAndExit0() {
        QFETCH(QString, program);
        QFETCH(QString, name);
        QFETCH(QStringList, helpMentions);
        // No display at all: the window must answer before it needs one. The language word and other
        // options before them change nothing.
        const QStringList noDisplay{"QT_QPA_PLATFORM=xcb", "DISPLAY=", "WAYLAND_DISPLAY="};
        for (const QStringList &arguments :
             {QStringList{"--help"}, QStringList{"DEUTSCH", "--port", "x", "-h"}}) {
            const Run help = Start(program, arguments, noDisplay);
            QVERIFY2(help.exitCode == 0, Describe(help));
            QVERIFY2(help.err.isEmpty(), Describe(help));
            for (const QString &mention : helpMentions)
                QVERIFY2(help.out.contains(mention), qPrintable(mention + "\n" + help.out));
        }
        const Run version = Start(program, {"--version"}, noDisplay);
        QVERIFY2(version.exitCode == 0, Describe(version));
        QCOMPARE(version.out.section(QLatin1Char('\n'), 0, 0), name + " " + ZARVEX1_VERSION);
    }

    void unknownOptionSaysWhyAndPointsAtHelp_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason");
        QTest::newRow("cli") << ZARVEX1_CLI_PATH << QStringList{"info", "--port", "x", "--fast"}
                             << "zarvex1-cli: info: unknown option --fast";
        QTest::newRow("sim") << ZARVEX1_SIM_PATH << QStringList{"--fast"}
                             << "zarvex1-sim: unknown option --fast";
    }

    void unknownOptionSaysWhyAndPointsAtHelp() {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        const Run run = Start(program, arguments);
        QVERIFY2(run.exitCode == 2, Describe(run));
        const QString name = QFileInfo(program).fileName();
        QCOMPARE(run.err, reason + "\nTry '" + name + " --help' for more information.\n");
        QVERIFY(run.out.isEmpty());
    }
};

#include "support/qt_test_main.h"
ZARVEX1_TEST_GUILESS_MAIN(ProgramOptionsTest)
#include "program_options_test.moc"
