// The simulator's own side of the protocol, spoken to frame by frame over the pseudo-terminal.

#include "sim_harness.h"

#include "params/Defaults.h"
#include "params/Limits.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <functional>

using namespace zarvex1;
using namespace zarvex1::pty;

namespace {

ParameterImage DefaultImage() {
    return FirstStartSet();
}

// A set that differs from the defaults in every block.
ParameterImage DistinctImage() {
    ParameterImage image = DefaultImage();
    for (int b = 1; b <= ParameterImage::BlockCount; ++b)
        image.block(b)[149] = static_cast<std::uint8_t>(0x10 + b);
    return image;
}

void WriteRaw(const QString &path, const ParameterImage &image) {
    std::ofstream out(path.toStdString(), std::ios::binary);
    out.write(reinterpret_cast<const char *>(image.bytes().data()), ParameterImage::Size);
}

Frame Request(std::uint8_t code, const ParameterImage &image = ParameterImage()) {
    return DataFrame(code, (code & ReadFlag) ? LinkRequest::Read : LinkRequest::Program, image);
}

std::vector<Frame> MonitorFrames(const std::vector<Frame> &frames) {
    std::vector<Frame> monitor;
    for (const Frame &f : frames)
        if (f.code() == MonitorCode)
            monitor.push_back(f);
    return monitor;
}

int RunToExit(const QStringList &arguments, QByteArray *out = nullptr) {
    QProcess process;
    process.start(QStringLiteral(ZARVEX1_SIM_PATH), arguments);
    if (!process.waitForFinished(StartTimeoutMs)) {
        process.kill();
        process.waitForFinished(StartTimeoutMs);
        return -1;
    }
    if (out)
        *out = process.readAllStandardOutput();
    return process.exitCode();
}

// Processor time the process has used, in clock ticks.
long CpuTicks(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromUtf8(stat.readAll());
    const QStringList fields = text.mid(text.lastIndexOf(QLatin1Char(')')) + 2).split(QLatin1Char(' '));
    return fields.value(11).toLong() + fields.value(12).toLong(); // utime, stime
}

} // namespace

class SimFramesTest : public QObject {
    Q_OBJECT

private slots:
    void deviceInfoFollowsOptions_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<int>("version");
        QTest::addColumn<bool>("handover");
        QTest::newRow("short name") << QStringList{"--name",       "ABC",      "--number",     "7",
                                                   "--build-date", "7.4.2018", "--build-time", "9:05"}
                                    << "ABC07"
                                    << " 7. 4.2018"
                                    << "09:05" << 99 << true;
        QTest::newRow("long name, other version, no handover")
            << QStringList{"--long-name", "Track Special", "--build-date", "24.12.2031",   "--build-time",
                           "23:59",       "--protocol",    "81",           "--no-handover"}
            << "Track Special"
            << "24.12.2031"
            << "23:59" << 81 << false;
    }

    void deviceInfoFollowsOptions() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, name);
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(int, version);
        QFETCH(bool, handover);
        SimProcess sim;
        QVERIFY(sim.start(arguments));
        RawLink link;
        QVERIFY(link.open(sim.device()));

        for (std::uint8_t code : {std::uint8_t(0x00), std::uint8_t(0x40)}) {
            const auto reply = link.exchange(Request(code));
            QVERIFY(reply.has_value());
            QVERIFY(reply->valid());
            DeviceInfo info;
            std::copy(reply->payload().begin(), reply->payload().end(), info.bytes.begin());
            QCOMPARE(QString::fromStdString(info.programName()), name);
            QCOMPARE(QString::fromStdString(info.buildDate()), date);
            QCOMPARE(QString::fromStdString(info.buildTime()), time);
            QCOMPARE(info.version(), version);
            QCOMPARE(info.acceptsHandover(), handover);
        }
    }

    void programmedBlocksAreEchoedStoredAndSaved() {
        QTemporaryDir dir;
        const QString saved = dir.filePath(QStringLiteral("unit.bin"));
        SimProcess sim;
        QVERIFY(sim.start({"--save", saved}));
        RawLink link;
        QVERIFY(link.open(sim.device()));

        const ParameterImage image = DistinctImage();
        for (int b = 1; b <= 6; ++b) {
            const auto echo = link.exchange(Request(static_cast<std::uint8_t>(b), image));
            QVERIFY2(echo && echo->valid(), qPrintable(QStringLiteral("block %1").arg(b)));
            QVERIFY(std::ranges::equal(echo->payload(), image.block(b)));
        }
        for (int b = 1; b <= 6; ++b) {
            const auto reply = link.exchange(Request(static_cast<std::uint8_t>(ReadFlag | b)));
            QVERIFY(reply && reply->valid());
            QVERIFY2(std::ranges::equal(reply->payload(), image.block(b)),
                     qPrintable(QStringLiteral("block %1").arg(b)));
        }
        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.size(), ParameterImage::Size);
        QVERIFY(std::equal(bytes.begin(), bytes.end(), image.bytes().begin(),
                           [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; }));
    }

    void loadedImageIsReadBack() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("start.bin"));
        const ParameterImage image = DistinctImage();
        WriteRaw(path, image);
        SimProcess sim;
        QVERIFY(sim.start({"--load", path}));
        RawLink link;
        QVERIFY(link.open(sim.device()));
        for (int b = 1; b <= 6; ++b) {
            const auto reply = link.exchange(Request(static_cast<std::uint8_t>(ReadFlag | b)));
            QVERIFY(reply && reply->valid());
            QVERIFY(std::ranges::equal(reply->payload(), image.block(b)));
        }
    }

    void parameterFileKeepsTheMemoryAcrossRuns() {
        // Changed only where a parameter file carries values, so the file holds the whole set.
        ParameterImage image = DefaultImage();
        image.setWord(Adrw::HardLimiter, 11500);
        image.setByte(Adrb::Advance1 + 17, 29);
        image.setByte(Adrb::ClutchAdvance, 9);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("unit.IGN"));
        {
            SimProcess sim;
            QVERIFY(sim.start({"--save", file}));
            RawLink link;
            QVERIFY(link.open(sim.device()));
            for (int b = 1; b <= 6; ++b)
                QVERIFY(link.exchange(Request(static_cast<std::uint8_t>(b), image)).has_value());
        }
        QVERIFY(QFile(file).size() > 0);
        SimProcess sim;
        QVERIFY(sim.start({"--load", file}));
        RawLink link;
        QVERIFY(link.open(sim.device()));
        for (int b = 1; b <= 6; ++b) {
            const auto reply = link.exchange(Request(static_cast<std::uint8_t>(ReadFlag | b)));
            QVERIFY(reply && reply->valid());
            QVERIFY2(std::ranges::equal(reply->payload(), image.block(b)),
                     qPrintable(QStringLiteral("block %1").arg(b)));
        }
    }

    void framesThatAreNoRequestGetNoAnswer() {
        SimProcess sim;
        QVERIFY(sim.start({"--monitor-ms", "0"}));
        RawLink link;
        QVERIFY(link.open(sim.device()));

        Frame badChecksum = Request(0x41);
        badChecksum.bytes[ChecksumIndex] ^= 0x01;
        Frame block7 = Request(0x41);
        block7.bytes[0] = 0x47;
        block7.seal();
        Frame reply = Request(0x41);
        reply.bytes[0] = 0xC1;
        reply.seal();
        const std::vector<std::pair<const char *, Frame>> rows = {
            {"bad checksum", badChecksum}, {"block 7", block7}, {"a reply code", reply}};
        for (const auto &[name, frame] : rows) {
            link.send(frame);
            QVERIFY2(link.collect(200).empty(), name);
        }
        // Still in step afterwards.
        QVERIFY(link.exchange(Request(0x41)).has_value());
    }

    void noiseAndStalePartialFramesAreSkipped() {
        SimProcess sim;
        QVERIFY(sim.start({"--monitor-ms", "0"}));
        RawLink link;
        QVERIFY(link.open(sim.device()));

        const Frame request = Request(0x42);
        QByteArray noisy("\x30\xC2\x00\x41\xFF\x13\x7E", 7);
        noisy.append(reinterpret_cast<const char *>(request.bytes.data()), FrameSize);
        link.port().write(reinterpret_cast<const std::uint8_t *>(noisy.constData()), int(noisy.size()));
        auto frames = link.collect(300);
        QCOMPARE(frames.size(), std::size_t(1));
        QCOMPARE(frames[0].code(), std::uint8_t(0xC2));

        // Most of a frame, then silence: the unit forgets it and takes the next whole frame.
        link.port().write(request.bytes.data(), 100);
        QVERIFY(link.collect(300).empty());
        QVERIFY(link.exchange(Request(0x43)).has_value());
    }

    void monitorFramesCarryLiveValuesFromTheMap() {
        // Advance 2 degrees per 1000 rpm above 1000 rpm, the same in both maps, on the speed axis only.
        ParameterImage image = DefaultImage();
        image.setByte(Adrb::MapsUseLoad, 0);
        for (int c = 0; c < 15; ++c) {
            image.setWord(Adrw::AdvanceRpm1 + c, 1000 * (c + 1));
            image.setWord(Adrw::AdvanceRpm2 + c, 1000 * (c + 1));
            for (int r = 0; r < 10; ++r) {
                image.setByte(Adrb::Advance1 + 15 * r + c, 2 * c);
                image.setByte(Adrb::Advance2 + 15 * r + c, 2 * c);
            }
        }
        image.setByte(Adrb::CylinderCorrection, 100);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("map.bin"));
        WriteRaw(path, image);

        SimProcess sim;
        QVERIFY(sim.start({"--load", path, "--engine", "running"}));
        RawLink link;
        QVERIFY(link.open(sim.device()));
        const auto frames = MonitorFrames(link.collect(2000));
        QVERIFY2(frames.size() >= 14 && frames.size() <= 26, qPrintable(QString::number(frames.size())));

        int lowest = 1 << 30, highest = 0;
        for (const Frame &f : frames) {
            QVERIFY(f.valid());
            QCOMPARE(f.byte(Monb::Version), std::uint8_t(99));
            const int rpm = f.word(Monw::Rpm);
            lowest = std::min(lowest, rpm);
            highest = std::max(highest, rpm);
            QCOMPARE(f.byte(Monb::Pickup1Signal), std::uint8_t(rpm > 0));
            const int expected = rpm <= 1000 ? 0 : (2 * (rpm - 1000) + 500) / 1000;
            const int advance = f.byte(Monb::Advance1) - 100;
            QVERIFY2(std::abs(advance - expected) <= 1,
                     qPrintable(QStringLiteral("%1 rpm: %2 degrees").arg(rpm).arg(advance)));
        }
        QVERIFY2(highest - lowest > 1000, "the engine speed does not move");
    }

    void testBitsArriveOncePerPoll() {
        SimProcess sim;
        QVERIFY(sim.start({"--engine", "stopped"}));
        RawLink link;
        QVERIFY(link.open(sim.device()));

        link.send(PollFrame({0x01, 0x14, 0x01})); // ignition 1, output 3, engine speed, servo +
        link.send(PollFrame({0x00, 0x00, 0x02})); // servo -
        link.send(PollFrame({0x00, 0x00, 0x02})); // servo -
        link.send(PollFrame({0x00, 0x00, 0x00}));
        const auto frames = MonitorFrames(link.collect(400));
        QVERIFY(!frames.empty());
        const Frame &last = frames.back();
        const int expected[8] = {1, 0, 0, 0, 1, 0, 1, 99};
        for (int i = 0; i < 8; ++i)
            QVERIFY2(last.word(Monw::TestValue + i) == expected[i],
                     qPrintable(
                         QStringLiteral("test value %1: %2").arg(i + 1).arg(last.word(Monw::TestValue + i))));
        QCOMPARE(last.byte(Monb::PowerOut1 + 2), std::uint8_t(1));
    }

    void savingCountsDownAfterProgramming() {
        SimProcess sim;
        QVERIFY(sim.start({"--saving-ms", "1500"}));
        RawLink link;
        QVERIFY(link.open(sim.device()));
        const ParameterImage image = DefaultImage();
        QCOMPARE(MonitorFrames(link.collect(300)).back().word(Monw::SavingCountdown), std::uint16_t(0));
        for (int b = 1; b <= 6; ++b)
            QVERIFY(link.exchange(Request(static_cast<std::uint8_t>(b), image)).has_value());

        const auto frames = MonitorFrames(link.collect(2200));
        QVERIFY(frames.size() > 10);
        int previous = 1800;
        for (const Frame &f : frames) {
            const int countdown = f.word(Monw::SavingCountdown);
            QVERIFY2(countdown <= previous, qPrintable(QString::number(countdown)));
            previous = countdown;
        }
        QVERIFY(frames.front().word(Monw::SavingCountdown) > 900);
        QCOMPARE(frames.back().word(Monw::SavingCountdown), std::uint16_t(0));
        QCOMPARE(frames.back().word(Monw::ProgramCycles), std::uint16_t(1));
    }

    void faultsFollowOptions() {
        const ParameterImage image = DistinctImage();
        struct Row {
            const char *name;
            QStringList arguments;
            std::function<void(RawLink &)> check;
        };
        const std::vector<Row> rows = {
            {"drop every reply",
             {"--drop", "100"},
             [](RawLink &link) { QVERIFY(!link.exchange(Request(0x41), 400).has_value()); }},
            {"corrupt every checksum",
             {"--corrupt", "100"},
             [](RawLink &link) {
                 const auto reply = link.exchange(Request(0x41));
                 QVERIFY(reply.has_value());
                 QVERIFY(!reply->valid());
             }},
            {"answer late",
             {"--delay", "300"},
             [](RawLink &link) {
                 QElapsedTimer timer;
                 timer.start();
                 QVERIFY(link.exchange(Request(0x41)).has_value());
                 QVERIFY2(timer.elapsed() >= 280, qPrintable(QString::number(timer.elapsed())));
             }},
            {"another protocol",
             {"--protocol", "42"},
             [](RawLink &link) {
                 const auto reply = link.exchange(Request(0x40));
                 QVERIFY(reply.has_value());
                 QCOMPARE(reply->payload()[DeviceInfoByte::Version], std::uint8_t(42));
                 const auto monitor = MonitorFrames(link.collect(600)); // after the pause of a request
                 QVERIFY(!monitor.empty());
                 QCOMPARE(monitor.back().byte(Monb::Version), std::uint8_t(42));
             }},
            {"bad echo of block 2",
             {"--bad-echo", "2"},
             [&image](RawLink &link) {
                 const auto echo1 = link.exchange(Request(0x01, image));
                 const auto echo2 = link.exchange(Request(0x02, image));
                 QVERIFY(echo1 && echo2 && echo2->valid());
                 QVERIFY(std::ranges::equal(echo1->payload(), image.block(1)));
                 int differences = 0;
                 for (int i = 0; i < PayloadSize; ++i)
                     differences += echo2->payload()[i] != image.block(2)[i];
                 QCOMPARE(differences, 1);
                 // The block itself is stored as sent.
                 const auto stored = link.exchange(Request(0x42));
                 QVERIFY(stored && std::ranges::equal(stored->payload(), image.block(2)));
             }},
        };
        for (const Row &row : rows) {
            SimProcess sim;
            QVERIFY2(sim.start(row.arguments), row.name);
            RawLink link;
            QVERIFY2(link.open(sim.device()), row.name);
            row.check(link);
            if (QTest::currentTestFailed())
                QFAIL(row.name);
        }
    }

    void handoverPutsTheUnitIntoItsLoader() {
        SimProcess sim;
        QVERIFY(sim.start({}));
        RawLink link;
        QVERIFY(link.open(sim.device()));
        QVERIFY(!MonitorFrames(link.collect(300)).empty());

        const auto reply = link.exchange(DataFrame(0x00, LinkRequest::Handover, ParameterImage()));
        QVERIFY(reply && reply->valid());
        QCOMPARE(reply->payload()[DeviceInfoByte::HandoverAccept], HandoverAccepted);
        // The loader keeps quiet and answers no request.
        QVERIFY(link.collect(500).empty());
        QVERIFY(!link.exchange(Request(0x41), 300).has_value());
    }

    void survivesPortReopenWithoutSpinning() {
        SimProcess sim;
        QVERIFY(sim.start({}));
        RawLink link;
        QVERIFY(link.open(sim.device()));
        QVERIFY(link.exchange(Request(0x40)).has_value());

        const long before = CpuTicks(sim.pid());
        link.close();
        QTest::qWait(1000);
        QVERIFY(sim.running());
        QVERIFY(link.open(sim.device()));
        QTest::qWait(1000);
        const long used = CpuTicks(sim.pid()) - before;
        // Two seconds, half of them with nobody on the line: a spinning loop would use about 200 ticks.
        QVERIFY2(used >= 0 && used < 20, qPrintable(QString::number(used)));
        QVERIFY(link.exchange(Request(0x41)).has_value());
    }

    void optionsAreChecked() {
        QByteArray out;
        QCOMPARE(RunToExit({"--help"}, &out), 0);
        QVERIFY(out.contains("--drop PERCENT"));
        QTemporaryDir dir;
        const QString shortFile = dir.filePath(QStringLiteral("short.bin"));
        QFile file(shortFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(899, '\0'));
        file.close();
        const std::vector<std::pair<QStringList, int>> rows = {
            {{"--bogus"}, 2},
            {{"--bad-echo", "7"}, 2},
            {{"--drop"}, 2},
            {{"--name", "ABCD"}, 2},
            {{"--load", shortFile}, 1},
            {{"--load", dir.filePath(QStringLiteral("missing.bin"))}, 1},
        };
        for (const auto &[arguments, code] : rows)
            QVERIFY2(RunToExit(arguments) == code, qPrintable(arguments.join(QLatin1Char(' '))));
    }
};

QTEST_GUILESS_MAIN(SimFramesTest)
#include "sim_frames_test.moc"
