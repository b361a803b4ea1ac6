#pragma once

#include "mock_port.h"

#include "app/MessageTexts.h"
#include "link/LinkEngine.h"
#include "link/PortNames.h"
#include "params/Defaults.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace zarvex1::test {

// Remembers what the link asked of its window.
struct RecordingOwner : LinkOwner {
    std::vector<MessageLine> lines; // every change of the message line
    std::vector<std::string> versionMessages;
    std::vector<std::string> comErrors;
    std::vector<std::string> captions;
    int imageToPages = 0;
    int pagesToImage = 0;
    int undoRecords = 0;
    int languageCaptions = 0;
    DeviceTexts deviceTexts;

    void MessageLineChanged(const MessageLine &line) override { lines.push_back(line); }
    void ShowVersionMessage(const std::string &text) override { versionMessages.push_back(text); }
    void ShowComOpeningError(const std::string &text) override { comErrors.push_back(text); }
    void SetCaption(const std::string &caption) override { captions.push_back(caption); }
    void ImageToPages() override { ++imageToPages; }
    void PagesToImage() override { ++pagesToImage; }
    void RecordUndo() override { ++undoRecords; }
    void ApplyLanguageCaptions() override { ++languageCaptions; }
    void DeviceTextsChanged(const DeviceTexts &texts) override { deviceTexts = texts; }

    // The distinct texts the message line showed, in order.
    std::vector<std::string> lineTexts() const {
        std::vector<std::string> texts;
        for (const MessageLine &line : lines)
            if (texts.empty() || texts.back() != line.text)
                texts.push_back(line.text);
        return texts;
    }
};

// A unit on the other end of the mock port: answers data frames from its own memory.
struct FakeUnit {
    explicit FakeUnit(MockPort &port) : port(port) {
        info.bytes[DeviceInfoByte::Name] = 'Z';
        info.bytes[DeviceInfoByte::Name + 1] = 'R';
        info.bytes[DeviceInfoByte::Name + 2] = 'X';
        info.bytes[DeviceInfoByte::ProgramNumber] = 7;
        info.bytes[DeviceInfoByte::BuildDay] = 12;
        info.bytes[DeviceInfoByte::BuildMonth] = MonthCode(4);
        info.bytes[DeviceInfoByte::BuildYear] = 18;
        info.bytes[DeviceInfoByte::BuildHour] = 9;
        info.bytes[DeviceInfoByte::BuildMinute] = 30;
        info.bytes[DeviceInfoByte::Version] = 99;
    }

    // Answers every frame written since the last call.
    void serve() {
        for (; served < port.written.size(); ++served) {
            const Frame sent = Frame::From(port.written[served]);
            if (sent.code() == PollCode) {
                polls.push_back(sent);
                continue;
            }
            codes.push_back(sent.code());
            if (silent || (dropNext > 0 && dropNext--))
                continue;
            const int block = BlockOf(sent.code());
            std::array<std::uint8_t, PayloadSize> payload{};
            if (block == 0) {
                std::copy(info.bytes.begin(), info.bytes.end(), payload.begin());
            } else if (sent.code() & ReadFlag) {
                const auto stored = memory.block(block);
                std::copy(stored.begin(), stored.end(), payload.begin());
            } else {
                std::copy(sent.payload().begin(), sent.payload().end(), memory.block(block).begin());
                const auto stored = memory.block(block);
                std::copy(stored.begin(), stored.end(), payload.begin());
                if (block == badEchoBlock)
                    payload[10] ^= 0xFF;
            }
            if (block != 0 && (sent.code() & ReadFlag) && block == badReadBlock)
                payload[5] ^= 0x01;
            port.feed(ReplyFrame(sent.code(), payload));
        }
    }

    MockPort &port;
    DeviceInfo info;
    ParameterImage memory;
    std::vector<std::uint8_t> codes; // codes of the data frames seen, in order
    std::vector<Frame> polls;
    bool silent = false;
    int dropNext = 0;      // replies to leave out
    int badEchoBlock = -1; // block whose programming echo differs from what was stored
    int badReadBlock = -1; // block that reads back differently
    std::size_t served = 0;
};

// A link engine on a mock port with English texts; ticks step the unit too.
class LinkTest : public ::testing::Test {
protected:
    LinkTest() : engine(port, image, settings, texts, owner) {
        texts.FillMessageTexts(0);
        texts[1] = "tune.ign";
        settings.portIndex = 0;
    }

    void tick(int count = 1) {
        for (int i = 0; i < count; ++i) {
            engine.Timer1Timer();
            unit.serve();
        }
    }

    // Ticks until no request runs (bounded).
    int tickUntilIdle(int limit = 200) {
        int ticks = 0;
        while (engine.state().LinkRequest != LinkRequest::None && ticks < limit) {
            tick();
            ++ticks;
        }
        return ticks;
    }

    // A legal parameter set (LimitParameters leaves it alone) whose unused bytes carry a pattern, so
    // that sets with different seeds differ in blocks 2 and 6.
    static ParameterImage LegalImage(int seed) {
        ParameterImage image = FirstStartSet();
        for (int i = 160; i < 230; ++i)
            image.setByte(i, static_cast<unsigned>(i * 13 + seed));
        for (int i = Adrb::End; i < ParameterImage::Size; ++i)
            image.setByte(i, static_cast<unsigned>(i * 7 + seed));
        LimitParameters(image);
        return image;
    }

    // A valid monitor frame with our protocol version and the given saving countdown.
    static Frame MonitorFrameWith(int savingCountdown) {
        Frame frame;
        frame.bytes[0] = MonitorCode;
        frame.setByte(Monb::Version, ProtocolVersion);
        frame.setWord(Monw::SavingCountdown, static_cast<unsigned>(savingCountdown));
        frame.seal();
        return frame;
    }

    MockPort port;
    FakeUnit unit{port};
    ParameterImage image;
    LimitedSettings settings;
    MessageTexts texts;
    RecordingOwner owner;
    LinkEngine engine;
};

} // namespace zarvex1::test
