#pragma once

#include "core/link/Frames.h"
#include "core/link/LinkDisplay.h"
#include "core/link/LinkOwner.h"
#include "core/link/LiveRecord.h"
#include "core/link/LiveWatcher.h"
#include "core/link/PortSelection.h"
#include "core/link/ReceiveBuffer.h"
#include "core/link/SerialPort.h"
#include "core/link/TestCommands.h"
#include "core/link/TransferMachine.h"
#include "core/link/Transfers.h"
#include "core/params/Limits.h"
#include "core/params/ParameterImage.h"
#include "core/texts/MessageTexts.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zarvex1 {

// The link's state as the main window's fields held it, gathered from the link's parts. The chosen and the
// scanned port (PortIndex, ScanIndex) live in LimitedSettings, where LimitParameters keeps them in range.
struct LinkState {
    zarvex1::LinkRequest LinkRequest = zarvex1::LinkRequest::None;
    std::uint8_t FrameCode = 0;
    int RetryCount = 0;
    int StateTicks = 0;
    int NoReplyTicks = 18; // the program starts without a connection
    int ReconnectTicks = 0;
    bool PortEnabled = true; // cleared while a loader program has the port
    bool SilentOpen = false;
    zarvex1::TestBits TestBits{};
    bool ProgramDonePending = false;
    bool Connected = false;
    int MessageTicks = 0;
    bool Printing = false;
    int TickCounter = 0;
};

// The device link: the port and its choice, polling, the live monitor, test commands, the connection
// watch and the port handover, all paced by the owner's 55 ms tick; the transfers of the parameter set run
// in its TransferMachine and show through its LinkDisplay. It never waits: every step takes what the port
// holds and returns. A transfer works on a snapshot of its own; the parameter set and its pages belong to
// the session, which starts the transfers and takes what they bring through its TransferListener. Every
// monitor frame it accepts becomes one LiveRecord, stamped with the owner's clock when its last bytes were
// reported; its LiveWatchers see the records on the next tick, after the port was read.
class LinkEngine final : public UnitLink, private TransferMachine::Events {
public:
    static constexpr int ResendInterval = TransferMachine::ResendInterval;
    static constexpr int MaxFrames = TransferMachine::MaxFrames;
    static constexpr int MaxHandoverFrames = TransferMachine::MaxHandoverFrames;
    static constexpr int PollInterval = 6;
    static constexpr int MessageLineDuration = LinkDisplay::MessageLineDuration;
    static constexpr int NoConnectionLimit = 18; // ticks without a valid frame
    static constexpr int ReconnectInterval = 30;
    static constexpr int ReceiveBufferSize = 15000;
    static constexpr int SavingStart = LinkDisplay::SavingStart;
    static constexpr std::uint32_t HandoverRequest = 0x7FFFFFA1; // hand over, going on where the link is
    static constexpr std::uint32_t HandoverRestart = 0x7FFFFFA2; // hand over, starting with a new frame
    static constexpr std::uint32_t TakeBackRequest = 0x7FFFFFA4;

    // The link's texts follow the language of `settings`.
    LinkEngine(SerialPort &port, LimitedSettings &settings, LinkOwner &owner);
    ~LinkEngine() override;
    LinkEngine(const LinkEngine &) = delete;
    LinkEngine &operator=(const LinkEngine &) = delete;

    // The owner's monotonic clock in milliseconds, which stamps the records. By default the ticks' count.
    void SetClock(std::function<long long()> nowMs) { clock_ = std::move(nowMs); }
    // Who hears of the live records and the connection; told in the order they were added.
    void AddLiveWatcher(LiveWatcher &watcher) { watchers_.push_back(&watcher); }
    void RemoveLiveWatcher(LiveWatcher &watcher);

    // Opens the port (program start).
    void Start();
    // The link steps of one timer tick: receive, pace the request or poll, message line and saving
    // gauge, connection watch and reconnect, connection text; then the watchers hear what came.
    void Tick();

    // Transfers. They only set the request; the tick sends the first frame within 4 ticks.
    void SetTransferListener(TransferListener *listener) override {
        listener_ = listener ? listener : &defaultListener_;
    }
    void StartRead() override;
    void StartVerify(const ParameterImage &set) override;
    void StartProgram(const ParameterImage &set) override;
    void StartAutoProgram(const ParameterImage &set) override;
    // The unit's device information alone (the command-line tool's info): the block-0 exchange of a
    // read, after which the request ends quietly.
    void ReadDeviceInfo();
    // A test: its bit goes out with the next poll frame. Nothing while a pick-up reports a signal.
    void SendTest(TestButton button);

    // Port choice (0..29 ports, 30 automatic scanning).
    void ChoosePort(int index);
    // An adapter, by its stable name.
    void ChooseAdapter(const std::string &stableName);
    // A loader program borrows (0x7FFFFFA1, 0x7FFFFFA2) or returns (0x7FFFFFA4) the port.
    void PortMessage(int portNumber, std::uint32_t request);
    void OpenPort();
    void ClosePort();
    // Replaces the device of every open (--port DEVICE); empty: the device of the port number.
    void SetDeviceOverride(std::string device) { portSelection_.SetOverride(std::move(device)); }
    // The system's ports: adapters for the Com menu and automatic mode, lock checks. None by default.
    void SetPortDiscovery(PortDiscovery *discovery) { portSelection_.SetDiscovery(discovery); }
    const PortSelection &portSelection() const { return portSelection_; }
    // The adapter kept in the settings, chosen again at start before the port opens.
    void RestoreAdapter(std::string stableName) { portSelection_.ChooseAdapter(std::move(stableName)); }
    // 1-based number of the port in use: the chosen port, or the scanned one in automatic mode.
    int PortNumberInUse() const;

    // Shows a text on the message line for 200 ticks.
    void ShowMessageLine(const std::string &text, std::uint32_t colour) {
        display_.ShowMessageLine(text, colour);
    }
    void SetPrinting(bool printing) { display_.SetPrinting(printing); }
    // The version label and the connection text again, in the language of the settings.
    void RefreshTexts();

    LinkState state() const;
    const TransferMachine &transfers() const { return transfers_; }
    const LinkDisplay &display() const { return display_; }
    const MessageLine &messageLine() const { return display_.messageLine(); }
    const ProgressGauge &progressGauge() const { return display_.progressGauge(); }
    bool connectionBannerVisible() const { return display_.bannerVisible(); }
    const std::string &connectionText() const { return display_.connectionText(); }
    const std::string &labelCom() const { return labelCom_; }
    const VersionLabel &versionLabel() const { return versionLabel_; }
    // The newest live record; none before the first monitor frame.
    const std::optional<LiveRecord> &latest() const { return latest_; }
    // The unit is heard: a valid frame came within the last 18 ticks.
    bool connected() const { return connected_; }
    // Whether a pick-up of the newest record sees the lobes.
    bool engineTurns() const { return latest_ && latest_->engineTurns(); }
    const DeviceInfo &deviceInfo() const { return deviceInfo_; }
    const DeviceTexts &deviceTexts() const { return deviceTexts_; }

private:
    // What the transfer machine tells.
    void SendFrame(const Frame &frame) override;
    bool DeviceInfoReceived(LinkRequest request, std::span<const std::uint8_t, PayloadSize> info) override;
    void HandoverAnswered(std::span<const std::uint8_t, PayloadSize> info) override;
    void BlockDone() override { display_.StepGauge(); }
    ParameterImage ImageRead(const ParameterImage &read) override { return listener_->ImageRead(read); }
    void ProgramWritten() override;
    void VerifyStarted() override;
    void DeviceInfoRead() override { display_.EndMessageLine(); }
    void TransferDone(LinkRequest started, const ParameterImage &unitSet) override;
    void VerifyBlockFailed(const FailedBlock &failed) override { listener_->VerifyBlockFailed(failed); }
    void RequestFailed(LinkRequest stage, LinkRequest started, TransferFailure why) override;

    // The port queued input between two ticks: a running transfer takes a whole reply at once.
    void InputQueued();
    void Receive(bool atTick);
    void Accept(const Frame &frame, long long nowMs);
    void DecodeDeviceTexts();
    void TellWatchers();

    void WatchDevice(); // an unplugged device ends the transfer at once
    void PaceRequest();
    void PaceIdle();
    void WatchConnection();
    void UpdateConnectionText();
    // The label that tells of a unit of another protocol version, from the newest record.
    void UpdateVersionLabel();
    // The link's texts in the language of the settings.
    const MessageTexts &Texts();

    void StartRequest(int messageSlot);
    void UnitChanged() { listener_->UnitChanged(); }
    void SendPollFrame();
    void Send(const Frame &frame);
    void ReleasePort();
    long long NowMs() const;

    SerialPort &port_;
    LimitedSettings &settings_;
    MessageTexts texts_; // the words of the message line and the live display, in textsLanguage_
    int textsLanguage_ = -1;
    LinkOwner &owner_;
    TransferListener defaultListener_;
    TransferListener *listener_ = &defaultListener_;
    TransferMachine transfers_{*this};
    LinkDisplay display_;

    PortSelection portSelection_;
    int noReplyTicks_ = NoConnectionLimit; // the program starts without a connection
    int reconnectTicks_ = 0;
    bool portEnabled_ = true; // cleared while a loader program has the port
    bool silentOpen_ = false;
    TestBits testBits_{};
    bool programDonePending_ = false; // programmed: "Program: OK" waits for the saving to end
    bool connected_ = false;
    int tickCounter_ = 0;
    bool receiving_ = false;           // a tick or a reply is being handled: input waits for it
    std::size_t partialWaiting_ = 0;   // bytes of a partial frame left at the last tick
    bool inputSinceTick_ = false;      // bytes came since the last tick
    bool savingReportPending_ = false; // programmed, but no monitor frame has told of the saving yet
    ReceiveBuffer received_;
    std::vector<std::uint8_t> readChunk_;
    std::function<long long()> clock_;
    std::vector<LiveWatcher *> watchers_;
    std::vector<LiveRecord> pending_; // accepted since the last tick
    std::optional<LiveRecord> latest_;
    std::uint64_t recordCount_ = 0;
    bool toldConnected_ = false; // what the watchers last heard of the connection
    VersionLabel versionLabel_;
    DeviceInfo deviceInfo_;
    DeviceTexts deviceTexts_;
    std::string labelCom_;
};

} // namespace zarvex1
