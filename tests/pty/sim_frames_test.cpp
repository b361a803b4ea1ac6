// The simulator program: its pseudo-terminal, its memory file across runs, its options. What the unit
// does with each frame is tested in process (tests/sim).

#include "sim_harness.h"

#include "core/params/Defaults.h"
#include "core/params/Limits.h"

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

Frame Request(std::uint8_t code, const ParameterImage &image = ParameterImage()) {
    return DataFrame(code, (code & ReadFlag) ? LinkRequest::Read : LinkRequest::Program, image);
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
    void deviceInfoAndBlocksCrossThePseudoTerminal() {
        SimProcess sim;
        QVERIFY(sim.start(
            {"--name", "ABC", "--number", "7", "--build-date", "7.4.2018", "--build-time", "9:05"}));
        RawLink link;
        QVERIFY(link.open(sim.device()));
        const auto info = link.exchange(Request(0x40));
        QVERIFY(info && info->valid());
        QCOMPARE(info->payload()[0], std::uint8_t('A'));
        const ParameterImage image = DistinctImage();
        const auto echo = link.exchange(Request(0x03, image));
        QVERIFY(echo && echo->valid());
        QVERIFY(std::ranges::equal(echo->payload(), image.block(3)));
        const auto read = link.exchange(Request(0x43));
        QVERIFY(read && std::ranges::equal(read->payload(), image.block(3)));
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

#include "support/qt_test_main.h"
ZARVEX1_TEST_GUILESS_MAIN(SimFramesTest)
#include "sim_frames_test.moc"
