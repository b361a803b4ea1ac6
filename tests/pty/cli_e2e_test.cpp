// zarvex1-cli end to end: the tool as a process, against the unit simulator on a pseudo-terminal and
// against parameter files made here. Every process wait is bounded; nothing here asserts a time. The
// unit commands' outcomes are tested in process (tests/cli).

#include "sim_harness.h"

#include "core/files/ParameterFile.h"
#include "core/params/Defaults.h"
#include "core/params/Limits.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

using namespace zarvex1;
using namespace zarvex1::pty;

namespace {

constexpr int CliTimeoutMs = 20000;

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

CliRun RunCli(const QStringList &arguments, int timeoutMs = CliTimeoutMs) {
    QProcess process;
    process.start(QStringLiteral(ZARVEX1_CLI_PATH), arguments);
    CliRun run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(StartTimeoutMs);
        run.err = QStringLiteral("did not end within the time limit");
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QByteArray Describe(const CliRun &run) {
    return QStringLiteral("exit %1\nstdout:\n%2\nstderr:\n%3")
        .arg(run.exitCode)
        .arg(run.out, run.err)
        .toUtf8();
}

QByteArray ReadBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteText(const QString &path, const QByteArray &text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// The image a parameter file holds, read as the program opens it.
ParameterImage Load(const QString &path) {
    ParameterImage image = FirstStartSet();
    DefaultsState state;
    LoadParameterFile(Page::All, path.toStdString(), image, state);
    return image;
}

ParameterImage FirstStart() {
    return FirstStartSet();
}

// Legal and different from the first-start set in every block.
ParameterImage TunedSet() {
    ParameterImage image = FirstStart();
    image.setWord(Adrw::HardLimiter, 11500);
    image.setByte(Adrb::Advance1 + 40, 31);
    image.setByte(Adrb::Advance2 + 40, 32);
    image.setByte(Adrb::Servo + 100, 77);
    image.setByte(Adrb::ClutchAdvance, 12);
    image.setByte(Adrb::TestRpm, 60);
    LimitParameters(image);
    return image;
}

QString Save(const QTemporaryDir &dir, const QString &name, const ParameterImage &image) {
    const QString path = dir.filePath(name);
    WriteParameterFile(image, path.toStdString());
    return path;
}

QStringList Lines(const QString &text) {
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class CliEndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void usageErrorsGiveExit2WithReasonAndAPointerToHelp_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason");
        QTest::newRow("nothing") << QStringList{} << "no command given";
        QTest::newRow("unknown command") << QStringList{"flash"} << "unknown command flash";
        QTest::newRow("unknown option")
            << QStringList{"info", "--port", "x", "--baud", "9600"} << "info: unknown option --baud";
        QTest::newRow("missing port")
            << QStringList{"read", "-o", "x.ign"} << "read: --port DEVICE is missing";
        QTest::newRow("missing value")
            << QStringList{"monitor", "--port", "x", "--frames"} << "monitor: --frames needs a value";
        QTest::newRow("bad bike") << QStringList{"new", "--bike", "x", "-o", "a.ign"}
                                  << "new: --bike takes a motorbike type 0..6, not x";
    }

    void usageErrorsGiveExit2WithReasonAndAPointerToHelp() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        const CliRun run = RunCli(arguments);
        QVERIFY2(run.exitCode == 2, Describe(run));
        // The reason and one line that points at --help, not the whole usage.
        QCOMPARE(Lines(run.err), QStringList({QStringLiteral("zarvex1-cli: ") + reason,
                                              "Try 'zarvex1-cli --help' for more information."}));
        QVERIFY(run.out.isEmpty());
    }

    void helpPrintsTheUsage() {
        const CliRun run = RunCli({"--help"});
        QVERIFY2(run.exitCode == 0, Describe(run));
        for (const char *command : {"new", "normalize", "read", "program", "verify", "info", "monitor"})
            QVERIFY2(run.out.contains(QStringLiteral("  %1 ").arg(QLatin1String(command))), command);
    }

    // new gives the first-start set of the motorbike type; normalize of it changes no byte.
    void newThenNormalizeGivesTheSameBytes() {
        QTemporaryDir dir;
        for (const QString bike : {"0", "5"}) {
            const QString made = dir.filePath("new" + bike + ".ign");
            const QString again = dir.filePath("again" + bike + ".ign");
            const CliRun created = RunCli({"new", "--bike", bike, "-o", made});
            QVERIFY2(created.exitCode == 0, Describe(created));
            const CliRun normalized = RunCli({"normalize", made, "-o", again});
            QVERIFY2(normalized.exitCode == 0, Describe(normalized));
            QCOMPARE(ReadBytes(again), ReadBytes(made));
        }
        QVERIFY(ReadBytes(dir.filePath("new0.ign")).startsWith("\r\nMORVANEL_KEY      99 \r\n"));
        QVERIFY(Load(dir.filePath("new0.ign")) == FirstStart());
        const ParameterImage honda = Load(dir.filePath("new5.ign"));
        QCOMPARE(int(honda.byte(Adrb::BikeType)), 5);
        QCOMPARE(int(honda.byte(Adrb::PickupSystem)), 6); // the Honda NSR synchronisation
    }

    void normalizeKeepsValuesInRangeAndTakesOlderFiles() {
        QTemporaryDir dir;
        QByteArray advance = "ADVANCE1";
        for (int i = 0; i < 150; ++i)
            advance += i == 0 ? " 75" : " 20";
        const QString in = dir.filePath("wild.ign");
        WriteText(in, "made by hand\nMORVANEL_KEY 81\nBIKE 2\n" + advance + "\nADVANCE_RPM1 9000 8000 " +
                          QByteArray("7000 6000 5000 4000 3000 2000 1000 900 800 700 600 500 400\n"));
        const QString out = dir.filePath("tame.ign");
        const CliRun run = RunCli({"normalize", in, "-o", out});
        QVERIFY2(run.exitCode == 0, Describe(run));
        QVERIFY2(run.err.startsWith(QStringLiteral("Older version of *.ign file!")), Describe(run));

        const ParameterImage image = Load(out);
        QCOMPARE(int(image.byte(Adrb::BikeType)), 2);
        QCOMPARE(int(image.byte(Adrb::Advance1)), 60); // the largest advance
        QCOMPARE(int(image.byte(Adrb::Advance1 + 1)), 20);
        for (int i = 1; i < 15; ++i)
            QVERIFY2(image.word(Adrw::AdvanceRpm1 + i) > image.word(Adrw::AdvanceRpm1 + i - 1),
                     qPrintable(QString::number(i)));
    }

    void normalizeOfOnePageTakesOnlyThatPage() {
        QTemporaryDir dir;
        ParameterImage tuned = TunedSet();
        tuned.setByte(Adrb::BikeType, 3);
        const QString in = Save(dir, "tuned.ign", tuned);
        const QString out = dir.filePath("advance.ign");
        const CliRun run = RunCli({"normalize", in, "--page", "2", "-o", out});
        QVERIFY2(run.exitCode == 0, Describe(run));
        const ParameterImage image = Load(out);
        QCOMPARE(int(image.byte(Adrb::Advance1 + 40)), 31); // advance page: from the file
        QCOMPARE(int(image.byte(Adrb::BikeType)), 0);       // bike page: as at a first start
        QCOMPARE(int(image.byte(Adrb::Servo + 100)), int(FirstStart().byte(Adrb::Servo + 100)));
    }

    void rejectedFilesGiveExit2_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing input") << QStringList{"normalize", "@/none.ign", "-o", "@/out.ign"}
                                       << "Open file error! (@/none.ign: No such file or directory)";
        QTest::newRow("other version") << QStringList{"normalize", "@/v50.ign", "-o", "@/out.ign"}
                                       << "Unmatched version of *.ign file! (@/v50.ign)";
        QTest::newRow("no key word") << QStringList{"normalize", "@/nokey.ign", "-o", "@/out.ign"}
                                     << "No parameter set (MORVANEL_KEY) in the file (@/nokey.ign)";
        QTest::newRow("unwritable output")
            << QStringList{"new", "-o", "@/no/such/folder/out.ign"}
            << "Open file error! (@/no/such/folder/out.ign: No such file or directory)";
        QTest::newRow("program rejected file") << QStringList{"program", "--port", "/dev/null", "@/v50.ign"}
                                               << "Unmatched version of *.ign file! (@/v50.ign)";
        QTest::newRow("read into missing folder")
            << QStringList{"read", "--port", "/dev/null", "-o", "@/no/such/folder/out.ign"}
            << "Open file error! (@/no/such/folder/out.ign)";
    }

    void rejectedFilesGiveExit2() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QTemporaryDir dir;
        WriteText(dir.filePath("v50.ign"), "MORVANEL_KEY 50\nBIKE 2\n");
        WriteText(dir.filePath("nokey.ign"), "BIKE 2\n");
        arguments.replaceInStrings(QStringLiteral("@"), dir.path());
        message.replace(QStringLiteral("@"), dir.path());
        const CliRun run = RunCli(arguments);
        QVERIFY2(run.exitCode == 2, Describe(run));
        QCOMPARE(Lines(run.err).value(0), message);
        QVERIFY(!QFile::exists(dir.filePath("out.ign")));
    }

    // Program, verify and read against one unit: the read returns what was programmed.
    void programThenVerifyAndReadReturnTheSet() {
        QTemporaryDir dir;
        SimProcess sim;
        QVERIFY(sim.start({"--saving-ms", "600"}));
        const QString port = QString::fromStdString(sim.device());
        const QString tuned = Save(dir, "tuned.ign", TunedSet());

        const CliRun programmed = RunCli({"program", "--port", port, tuned});
        QVERIFY2(programmed.exitCode == 0, Describe(programmed));
        const QStringList lines = Lines(programmed.err);
        QCOMPARE(lines.mid(0, 3), (QStringList{"Program device:", "Verify::", "Verify:: OK"}));
        QVERIFY2(lines.value(3).startsWith(QStringLiteral("Saving: ")), Describe(programmed));
        QCOMPARE(lines.last(), QStringLiteral("Program device:: OK"));
        QCOMPARE(lines.filter(QStringLiteral("OK")).size(), 2); // no early "done" before the unit saved

        const CliRun verified = RunCli({"verify", "--port", port, tuned});
        QVERIFY2(verified.exitCode == 0, Describe(verified));
        QCOMPARE(Lines(verified.err), (QStringList{"Verify:", "Verify:: OK"}));

        const QString readBack = dir.filePath("read.ign");
        const CliRun read = RunCli({"read", "--port", port, "-o", readBack});
        QVERIFY2(read.exitCode == 0, Describe(read));
        QCOMPARE(Lines(read.err), (QStringList{"Read:", "Verify::", "Verify:: OK"}));
        QCOMPARE(ReadBytes(readBack), ReadBytes(tuned));
    }

    void infoPrintsNameDateTimeAndVersion() {
        SimProcess sim;
        QVERIFY(sim.start(
            {"--name", "ABC", "--number", "7", "--build-date", "7.4.2018", "--build-time", "09:05"}));
        const CliRun run = RunCli({"info", "--port", QString::fromStdString(sim.device())});
        QVERIFY2(run.exitCode == 0, Describe(run));
        QCOMPARE(run.out, QStringLiteral("ABC07\n 7. 4.2018\n09:05\n99\n"));
        QVERIFY(run.err.isEmpty());
    }

    void monitorPrintsFramesAsJson() {
        SimProcess sim;
        QVERIFY(sim.start({"--engine", "running"}));
        const CliRun run =
            RunCli({"monitor", "--port", QString::fromStdString(sim.device()), "--frames", "3", "--json"});
        QVERIFY2(run.exitCode == 0, Describe(run));
        const QStringList lines = Lines(run.out);
        QCOMPARE(lines.size(), 3);
        const QStringList keys = {"time",
                                  "rpm",
                                  "maxAdvance1",
                                  "maxAdvance2",
                                  "load",
                                  "loadVoltage",
                                  "supplyVoltage",
                                  "servoMeasured",
                                  "servoDesired",
                                  "potentiometer",
                                  "acceleration",
                                  "potAdvance",
                                  "potStartLimiter",
                                  "potPilotLight",
                                  "potAcceleration",
                                  "speed",
                                  "gearVoltage",
                                  "ratio",
                                  "learnedRatios",
                                  "programmingCount",
                                  "savingCountdown",
                                  "testValues",
                                  "advance1",
                                  "advance2",
                                  "pickup1",
                                  "pickup2",
                                  "startLimiterActive",
                                  "startSoftLimiter",
                                  "startHardLimiter",
                                  "softLimiter",
                                  "hardLimiter",
                                  "inputs",
                                  "engineBlocked",
                                  "clutch",
                                  "retard",
                                  "map2",
                                  "servoStatus",
                                  "loadSensorFault",
                                  "powerOutputs",
                                  "gear",
                                  "dataFault",
                                  "baseAdvance",
                                  "pickup1Negative",
                                  "pickup2Negative",
                                  "loadIsIap",
                                  "errors",
                                  "version"};
        for (const QString &line : lines) {
            QJsonParseError error;
            const QJsonDocument document = QJsonDocument::fromJson(line.toUtf8(), &error);
            QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(line));
            const QJsonObject object = document.object();
            QCOMPARE(object.keys().size(), keys.size());
            for (const QString &key : keys)
                QVERIFY2(object.contains(key), qPrintable(key));
            QCOMPARE(object["learnedRatios"].toArray().size(), 6);
            QCOMPARE(object["testValues"].toArray().size(), 8);
            QCOMPARE(object["inputs"].toArray().size(), 3);
            QCOMPARE(object["powerOutputs"].toArray().size(), 3);
            QCOMPARE(object["version"].toInt(), 99);
            QCOMPARE(object["potAdvance"].toInt(), 0); // the simulator's corrections are all at their offset
            QVERIFY(object["rpm"].toInt() > 0);
            QVERIFY(object["time"].isDouble());
        }
    }

    void monitorRunsUntilStoppedAndEndsCleanly() {
        SimProcess sim;
        QVERIFY(sim.start({}));
        QProcess process;
        process.start(QStringLiteral(ZARVEX1_CLI_PATH),
                      {"monitor", "--port", QString::fromStdString(sim.device())});
        QVERIFY(process.waitForStarted(StartTimeoutMs));
        QElapsedTimer timer;
        timer.start();
        while (Lines(QString::fromUtf8(process.peek(1 << 16))).size() < 2 && timer.elapsed() < CliTimeoutMs)
            process.waitForReadyRead(100);
        ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
        QVERIFY(process.waitForFinished(CliTimeoutMs));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        const QStringList lines = Lines(QString::fromUtf8(process.readAllStandardOutput()));
        QVERIFY(lines.size() >= 2);
        QVERIFY2(lines.first().startsWith(QStringLiteral("rpm ")), qPrintable(lines.first()));
    }

    // Nothing answers, or the port does not exist: the link's retries end it with exit 1 (the other
    // commands and the time it takes are tested in process, tests/cli).
    void silentUnitOrMissingPortEndsWithExit1_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("realPort");
        const QStringList readError{"Read:", "Read error!"};
        QTest::newRow("read") << QStringList{"read", "-o", "@/r.ign"} << readError << true;
        QTest::newRow("read, no port") << QStringList{"read", "-o", "@/r.ign"} << readError << false;
        QTest::newRow("monitor, no port") << QStringList{"monitor"} << QStringList{} << false;
    }

    void silentUnitOrMissingPortEndsWithExit1() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, messages);
        QFETCH(bool, realPort);
        QTemporaryDir dir;
        Save(dir, "t.ign", TunedSet());
        SimProcess sim;
        QString port = dir.filePath("no-such-port");
        if (realPort) {
            QVERIFY(sim.start({"--drop", "100", "--monitor-ms", "0"}));
            port = QString::fromStdString(sim.device());
        } else {
            // The reason follows on the next line.
            messages.prepend(port + QStringLiteral(" is not there: the adapter was unplugged"));
            messages.prepend(QStringLiteral("Com opening error!"));
        }
        arguments.replaceInStrings(QStringLiteral("@"), dir.path());
        arguments << "--port" << port;
        const CliRun run = RunCli(arguments);
        QVERIFY2(run.exitCode == 1, Describe(run));
        const QStringList lines = Lines(run.err);
        QCOMPARE(lines.size(), messages.size());
        for (int i = 0; i < lines.size(); ++i)
            QVERIFY2(lines[i].startsWith(messages[i]), Describe(run));
        QVERIFY(!QFile::exists(dir.filePath("r.ign")));
    }
};

#include "support/qt_test_main.h"
ZARVEX1_TEST_GUILESS_MAIN(CliEndToEndTest)
#include "cli_e2e_test.moc"
