#pragma once

#include "mock_port.h"

#include "core/link/LinkEngine.h"
#include "core/link/PortNames.h"
#include "core/params/Defaults.h"
#include "core/session/ParameterSession.h"
#include "core/texts/MessageTexts.h"
#include "sim/SimulatedPort.h"
#include "sim/TickStepper.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zarvex1::test {

// Remembers what the link and the session asked of the window around them: the window's caption follows
// the session, as the program's does.
struct RecordingOwner : LinkOwner, SessionFrontEnd {
    const ParameterSession *session = nullptr;
    std::vector<MessageLine> lines; // every change of the message line
    std::vector<SimTime> lineTimes; // when each change came, on the clock given (if any)
    std::function<SimTime()> clock;
    std::vector<std::string> versionMessages;
    std::vector<std::string> comErrors;
    std::vector<std::string> captions;
    int imageToPages = 0;
    int pagesToImage = 0;
    int languageCaptions = 0;
    DeviceTexts deviceTexts;

    void MessageLineChanged(const MessageLine &line) override {
        lines.push_back(line);
        lineTimes.push_back(clock ? clock() : SimTime(0));
    }
    void ShowVersionMessage(const std::string &text) override { versionMessages.push_back(text); }
    void ShowComOpeningError(const std::string &text) override { comErrors.push_back(text); }
    void PortHandoverChanged(bool handedOver) override {
        if (session)
            captions.push_back(session->Caption(handedOver));
        languageCaptions += handedOver ? 0 : 1;
    }
    void DeviceTextsChanged(const DeviceTexts &texts) override { deviceTexts = texts; }
    void LoadPage(int) override { ++imageToPages; }
    void StorePage(int) override { ++pagesToImage; }
    void SessionChanged() override {
        if (session)
            captions.push_back(session->Caption());
    }

    // The distinct texts the message line showed, in order.
    std::vector<std::string> lineTexts() const {
        std::vector<std::string> texts;
        for (const MessageLine &line : lines)
            if (texts.empty() || texts.back() != line.text)
                texts.push_back(line.text);
        return texts;
    }
};

// What the link's live watchers hear: every record, and the connection's changes.
struct RecordingWatcher : LiveWatcher {
    std::vector<LiveRecord> records;
    std::vector<int> recordsPerTick; // how many records each call brought
    std::vector<std::pair<bool, long long>> connection;

    void ConnectionChanged(bool connected, long long nowMs) override {
        connection.emplace_back(connected, nowMs);
    }
    void RecordsArrived(std::span<const LiveRecord> arrived) override {
        records.insert(records.end(), arrived.begin(), arrived.end());
        recordsPerTick.push_back(static_cast<int>(arrived.size()));
    }
    std::vector<int> rpms() const {
        std::vector<int> values;
        for (const LiveRecord &record : records)
            values.push_back(record.raw(LiveField::Rpm));
        return values;
    }
};

// A legal parameter set (LimitParameters leaves it alone) whose unused bytes carry a pattern, so that
// sets with different seeds differ in blocks 2 and 6.
inline ParameterImage LegalImage(int seed) {
    ParameterImage image = FirstStartSet();
    for (int i = 160; i < 230; ++i)
        image.setByte(i, static_cast<unsigned>(i * 13 + seed));
    for (int i = Adrb::End; i < ParameterImage::Size; ++i)
        image.setByte(i, static_cast<unsigned>(i * 7 + seed));
    LimitParameters(image);
    return image;
}

// A valid monitor frame with our protocol version and the given saving countdown.
inline Frame MonitorFrameWith(int savingCountdown) {
    Frame frame;
    frame.bytes[0] = MonitorCode;
    frame.setByte(Monb::Version, ProtocolVersion);
    frame.setWord(Monw::SavingCountdown, static_cast<unsigned>(savingCountdown));
    frame.seal();
    return frame;
}

// The unit of the link tests: ZRX07 built 12.4.2018 at 09:30, speaking our protocol, its engine
// standing and no live values unless a test asks for them.
inline SimOptions TestUnit() {
    SimOptions options;
    options.programNumber = 7;
    options.buildDay = 12;
    options.buildMonth = 4;
    options.buildYear = 2018;
    options.buildHour = 9;
    options.buildMinute = 30;
    options.engine = EngineMode::Stopped;
    options.monitorMs = 0;
    return options;
}

// The link engine against the unit in process, on a 57600-baud line unless a test says otherwise, with the
// parameter session that starts its transfers. A tick lets the line run for 55 ms, then ticks the engine,
// as the program's timer does.
class LinkTest : public ::testing::Test {
protected:
    LinkTest() {
        owner.session = &session;
        texts.FillMessageTexts(0);
        texts[1] = "tune.ign";
        settings.portIndex = 0;
    }

    // Connects the link to a unit made with these options and starts it as the program does.
    void Start(const SimOptions &options = TestUnit(), const ParameterImage &memory = FactoryMemory(),
               LineModel line = LineModel::Serial()) {
        stepper.reset(); // a second start: the old link goes before its port
        engine.reset();
        port = std::make_unique<SimulatedPort>(options, line, memory);
        engine = std::make_unique<LinkEngine>(*port, settings, owner);
        engine->SetClock([this] {
            return static_cast<long long>(
                std::chrono::duration_cast<std::chrono::milliseconds>(port->now()).count());
        });
        engine->AddLiveWatcher(watcher);
        session.AttachLink(*engine);
        stepper = std::make_unique<TickStepper>(*port, [this] { engine->Tick(); });
        owner.clock = [this] { return port->now(); };
        engine->Start();
    }

    void tick(int count = 1) { stepper->Step(count); }
    // Ticks until no request runs: the ticks it took, or -1 after `limit`.
    int tickUntilIdle(int limit = 200) {
        return stepper->StepUntil([this] { return engine->state().LinkRequest == LinkRequest::None; }, limit);
    }

    UnitEnd &unit() { return port->unit(); }
    ParameterImage &unitMemory() { return port->unit().unit().memory(); }
    // Codes of the data frames the unit has received, in order.
    std::vector<std::uint8_t> requests() const {
        std::vector<std::uint8_t> codes;
        for (const ReceivedRequest &r : port->unit().recentRequests())
            codes.push_back(r.code);
        return codes;
    }

    // An undo entry was recorded since the session began.
    bool undoRecorded() const { return session.undo().CanUndo(); }

    RecordingOwner owner;
    RecordingWatcher watcher;
    ParameterSession session{owner};
    ParameterImage &image = session.image();
    LimitedSettings &settings = session.settings();
    MessageTexts &texts = session.texts();
    std::unique_ptr<SimulatedPort> port;
    std::unique_ptr<LinkEngine> engine;
    std::unique_ptr<TickStepper> stepper;
};

// The link engine on a scripted port, for what only the port's bytes show: partial and short reads,
// failing opens, the devices opened. A tick is the engine's tick alone.
class MockLinkTest : public ::testing::Test {
protected:
    MockLinkTest() : engine(port, settings, owner) {
        engine.SetClock([this] { return nowMs; });
        engine.AddLiveWatcher(watcher);
        texts.FillMessageTexts(0);
        texts[1] = "tune.ign";
        settings.portIndex = 0;
    }

    void tick(int count = 1) {
        for (int i = 0; i < count; ++i)
            engine.Tick();
    }
    int tickUntilIdle(int limit = 200) {
        int ticks = 0;
        while (engine.state().LinkRequest != LinkRequest::None && ticks < limit) {
            tick();
            ++ticks;
        }
        return ticks;
    }

    MockPort port;
    ParameterImage image;
    LimitedSettings settings;
    MessageTexts texts;
    RecordingOwner owner;
    RecordingWatcher watcher;
    long long nowMs = 0; // the owner's clock: tests set it before bytes come
    LinkEngine engine;
};

} // namespace zarvex1::test
