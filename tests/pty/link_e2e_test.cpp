// The link engine against the unit simulator program: the real serial port on a pseudo-terminal, its
// input reported to the link between ticks. A tick here is one engine tick and a short wait in the event
// loop; the counts of ticks are bounds, never the point (tests/link counts them in process).

#include "sim_harness.h"

#include "core/link/Colours.h"
#include "core/link/LinkEngine.h"
#include "core/params/Defaults.h"
#include "core/params/Limits.h"
#include "core/session/ParameterSession.h"
#include "core/texts/MessageTexts.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <functional>
#include <memory>

using namespace zarvex1;
using namespace zarvex1::pty;

namespace {

constexpr int TickWaitMs = 20;

ParameterImage DefaultImage() {
    return FirstStartSet();
}

// Legal and different from the defaults in every block.
ParameterImage UnitImage() {
    ParameterImage image = DefaultImage();
    image.setWord(Adrw::HardLimiter, 11500);
    image.setByte(Adrb::Advance1 + 40, 31);
    image.setByte(Adrb::Advance2 + 40, 32);
    image.setByte(Adrb::Servo + 100, 77);
    image.setByte(Adrb::ClutchAdvance, 12);
    image.setByte(899, 0x5A); // unused, but transferred like every byte
    LimitParameters(image);
    return image;
}

void WriteRaw(const QString &path, const ParameterImage &image) {
    std::ofstream out(path.toStdString(), std::ios::binary);
    out.write(reinterpret_cast<const char *>(image.bytes().data()), ParameterImage::Size);
}

ParameterImage ReadRaw(const QString &path) {
    ParameterImage image;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && file.size() == ParameterImage::Size)
        file.read(reinterpret_cast<char *>(image.bytes().data()), ParameterImage::Size);
    return image;
}

struct RecordingOwner : LinkOwner, SessionFrontEnd {
    const ParameterSession *session = nullptr;
    std::vector<MessageLine> lines;
    std::vector<std::string> versionMessages;
    std::string caption;
    int maxGauge = 0;

    void MessageLineChanged(const MessageLine &line) override {
        if (lines.empty() || lines.back().text != line.text || lines.back().colour != line.colour)
            lines.push_back(line);
    }
    void ProgressGaugeChanged(const ProgressGauge &gauge) override {
        maxGauge = std::max(maxGauge, gauge.maximum);
    }
    void ShowVersionMessage(const std::string &text) override { versionMessages.push_back(text); }
    void PortHandoverChanged(bool handedOver) override { caption = session->Caption(handedOver); }

    bool showed(const std::string &text) const {
        return std::any_of(lines.begin(), lines.end(), [&](const MessageLine &l) { return l.text == text; });
    }
};

// The program's side: the engine with the real port, its image and texts, and a simulator to talk to.
class Rig {
public:
    Rig() : engine(port, settings, owner) {
        owner.session = &session;
        texts.FillMessageTexts(0);
        session.AttachLink(engine);
    }

    bool start(const QStringList &simArguments) {
        if (!sim.start(QStringList{"--verbose"} + simArguments))
            return false;
        engine.SetDeviceOverride(sim.device());
        engine.Start();
        return port.isOpen();
    }

    void tick() {
        engine.Tick();
        QTest::qWait(TickWaitMs);
    }

    // Ticks until the condition holds; the ticks it took, or -1 after maxTicks.
    int ticksUntil(const std::function<bool()> &done, int maxTicks) {
        for (int n = 1; n <= maxTicks; ++n) {
            tick();
            if (done())
                return n;
        }
        return -1;
    }
    int ticksUntilIdle(int maxTicks = 200) {
        return ticksUntil([this] { return engine.state().LinkRequest == LinkRequest::None; }, maxTicks);
    }
    int dataFramesSeen() {
        int n = 0;
        for (int code : {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x40, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46})
            n += sim.framesReceived(static_cast<std::uint8_t>(code));
        return n;
    }
    QString ok(int slot) const { return QString::fromStdString(texts[slot] + ": OK"); }
    QString messageText() const { return QString::fromStdString(engine.messageLine().text); }
    // The message lines shown so far, for failure reports.
    QByteArray history() const {
        QStringList texts;
        for (const MessageLine &line : owner.lines)
            texts << QString::fromStdString(line.text);
        return texts.join(QStringLiteral(" | ")).toUtf8();
    }

    SimProcess sim;
    QtSerialPort port;
    RecordingOwner owner;
    // The parameter set the transfers start from and end in.
    ParameterSession session{owner};
    ParameterImage &image = session.image();
    LimitedSettings &settings = session.settings();
    MessageTexts &texts = session.texts();
    LinkEngine engine;
};

constexpr int ProgramDevice = 7, Verify = 8, Read = 9, Saving = 10;

} // namespace

class LinkEndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void readTakesTheUnitSetAndVerifiesIt() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("unit.bin"));
        const ParameterImage unit = UnitImage();
        WriteRaw(path, unit);
        Rig rig;
        // Without monitor frames no frame can land just ahead of the first reply: exactly 13 exchanges.
        QVERIFY(rig.start({"--load", path, "--monitor-ms", "0"}));
        rig.image = DefaultImage();

        rig.session.Read();
        const int ticks = rig.ticksUntilIdle();
        QVERIFY(ticks > 0);
        QCOMPARE(rig.messageText(), rig.ok(Verify));
        QVERIFY(rig.image == unit);
        QVERIFY(rig.owner.showed(rig.texts[Read]));
        QVERIFY(rig.owner.showed(rig.texts[Verify] + ":"));
        QCOMPARE(rig.dataFramesSeen(), 13);
        QCOMPARE(QString::fromStdString(rig.engine.deviceTexts().programName), QStringLiteral("ZRX01"));
    }

    void programStoresTheSetThenReportsSavingAndDone() {
        QTemporaryDir dir;
        const QString saved = dir.filePath(QStringLiteral("saved.bin"));
        Rig rig;
        QVERIFY(rig.start({"--save", saved, "--saving-ms", "800"}));
        rig.image = UnitImage();

        rig.session.Program();
        QVERIFY(rig.ticksUntilIdle() > 0);
        QVERIFY2(rig.owner.showed(rig.ok(Verify).toStdString()), rig.history());
        QVERIFY(ReadRaw(saved) == UnitImage());

        // The unit's saving countdown runs, then the programming is reported done.
        QVERIFY(rig.ticksUntil([&] { return rig.messageText() == QString::fromStdString(rig.texts[Saving]); },
                               40) > 0);
        QVERIFY(rig.ticksUntil([&] { return rig.messageText() == rig.ok(ProgramDevice); }, 150) > 0);
        QCOMPARE(rig.owner.maxGauge, 100);
    }

    void lineFaultsAreRecoveredByResending_data() {
        QTest::addColumn<QStringList>("faults");
        // Without monitor frames the fault generator draws only for replies: the same run every time.
        QTest::newRow("dropped replies") << QStringList{"--drop", "25", "--seed", "4", "--monitor-ms", "0"};
        QTest::newRow("noise and bad checksums")
            << QStringList{"--noise", "15", "--corrupt", "10", "--seed", "5", "--monitor-ms", "0"};
        QTest::newRow("late replies") << QStringList{"--delay", "120"};
    }

    void lineFaultsAreRecoveredByResending() {
        QFETCH(QStringList, faults);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("unit.bin"));
        WriteRaw(path, UnitImage());
        Rig rig;
        QVERIFY(rig.start(QStringList{"--load", path} + faults));
        rig.image = DefaultImage();

        rig.session.Read();
        QVERIFY(rig.ticksUntilIdle(400) > 0);
        QVERIFY2(rig.messageText() == rig.ok(Verify), rig.history());
        QVERIFY(rig.image == UnitImage());
        QVERIFY2(rig.dataFramesSeen() > 13, "no fault was played");
    }

    void liveValuesAndTestCommandsFlow() {
        Rig rig;
        // Test commands are for an engine that stands.
        QVERIFY(rig.start({"--engine", "stopped"}));
        QVERIFY(rig.ticksUntil(
                    [&] {
                        return rig.engine.state().Connected &&
                               rig.engine.versionLabel().state == UnitVersionState::SameVersion;
                    },
                    100) > 0);
        QVERIFY(!rig.engine.connectionBannerVisible());
        QVERIFY(!rig.engine.engineTurns());

        rig.engine.SendTest(TestButton::Ign1);
        rig.engine.SendTest(TestButton::Ign1); // one command: both presses go in the same poll
        rig.engine.SendTest(TestButton::ServoMinus);
        const auto test = [&rig](LiveField field) {
            return rig.engine.latest() ? rig.engine.latest()->raw(field) : -1;
        };
        QVERIFY(rig.ticksUntil([&] { return test(LiveField::Test1) == 1; }, 60) > 0);
        rig.ticksUntil([] { return false; }, 20);
        QCOMPARE(test(LiveField::Test1), 1);
        QCOMPARE(test(LiveField::Test8), 99);
    }

    void handoverReleasesThePort_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("unit accepts") << QStringList{"--monitor-ms", "0"} << true;
        QTest::newRow("unit refuses") << QStringList{"--no-handover", "--monitor-ms", "0"} << false;
    }

    void handoverReleasesThePort() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, accepted);
        Rig rig;
        QVERIFY(rig.start(arguments));
        rig.engine.PortMessage(rig.engine.PortNumberInUse(), LinkEngine::HandoverRestart);
        QVERIFY(rig.ticksUntilIdle(40) > 0);
        QVERIFY(!rig.engine.state().PortEnabled);
        QVERIFY(!rig.port.isOpen());
        QVERIFY(QString::fromStdString(rig.owner.caption)
                    .endsWith(QStringLiteral("(Disconnected by bootloader)")));
        QCOMPARE(rig.owner.showed("Reset error"), !accepted);
        QCOMPARE(rig.sim.framesReceived(0x00), accepted ? 1 : 2);

        // Taken back, the link works again.
        rig.engine.PortMessage(rig.engine.PortNumberInUse(), LinkEngine::TakeBackRequest);
        QVERIFY(rig.port.isOpen());
    }

    void silentUnitIsReconnectedAndStillAnswers() {
        Rig rig;
        QVERIFY(rig.start({"--monitor-ms", "0"}));
        rig.ticksUntil([] { return false; }, 70); // two reopenings of the port
        QVERIFY(rig.engine.connectionBannerVisible());
        QVERIFY(rig.sim.running());

        rig.session.Read();
        QVERIFY(rig.ticksUntilIdle() > 0);
        QCOMPARE(rig.messageText(), rig.ok(Verify));
        QVERIFY(rig.image == DefaultImage());
    }
};

#include "support/qt_test_main.h"
ZARVEX1_TEST_GUILESS_MAIN(LinkEndToEndTest)
#include "link_e2e_test.moc"
