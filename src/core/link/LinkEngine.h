#pragma once

#include "core/link/Frames.h"
#include "core/link/LinkDisplay.h"
#include "core/link/LinkOwner.h"
#include "core/link/MonitorDisplay.h"
#include "core/link/PortSelection.h"
#include "core/link/SerialPort.h"
#include "core/link/TestCommands.h"
#include "core/link/TransferMachine.h"
#include "core/link/Transfers.h"
#include "core/params/Limits.h"
#include "core/params/ParameterImage.h"
#include "core/texts/MessageTexts.h"

#include <cstdint>
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

// The live values the map editors follow.
struct MapLiveValues {
    int rpm = 0;
    int tps = 0; // whole percent
    int iap = 0; // kPa
    bool noConnection = true;
    bool map2 = false;
};

// The device link: the port and its choice, polling, the live monitor, test commands, the connection
// watch and the port handover, all paced by the owner's 55 ms tick; the transfers of the parameter set run
// in its TransferMachine and show through its LinkDisplay. It never waits: every step takes what the port
// holds and returns. A transfer works on a snapshot of its own; the parameter set and its pages belong to
// the session, which starts the transfers and takes what they bring through its TransferListener.
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

    // `shownSet` names the power outputs on the live display; the link only reads it. The link's texts
    // follow the language of `settings`.
    LinkEngine(SerialPort &port, const ParameterImage &shownSet, LimitedSettings &settings, LinkOwner &owner);
    ~LinkEngine() override;
    LinkEngine(const LinkEngine &) = delete;
    LinkEngine &operator=(const LinkEngine &) = delete;

    // Opens the port and refreshes the live display once on an empty frame (program start).
    void Start();
    // The link steps of one timer tick: receive, pace the request or poll, message line and saving
    // gauge, connection watch and reconnect, connection text.
    void Timer1Timer();

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
    // A test button: its bit goes out with the next poll frame. Nothing while a pick-up reports a signal.
    void ButtonTestClick(TestButton button);

    // Port choice from the Com menu (0..29 ports, 30 automatic scanning).
    void MenuCom1Click(int index);
    // An adapter of the Com menu, by its stable name.
    void MenuComAdapterClick(const std::string &stableName);
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
    // Formats the live display again from the last monitor frame (after a change of language).
    void RefreshMonitor();

    LinkState state() const;
    const TransferMachine &transfers() const { return transfers_; }
    const LinkDisplay &display() const { return display_; }
    const MessageLine &messageLine() const { return display_.messageLine(); }
    const ProgressGauge &progressGauge() const { return display_.progressGauge(); }
    bool connectionBannerVisible() const { return display_.bannerVisible(); }
    const std::string &connectionText() const { return display_.connectionText(); }
    const std::string &labelCom() const { return labelCom_; }
    const MonitorDisplay &monitor() const { return monitor_; }
    // The last monitor frame the unit sent.
    const Frame &monitorFrame() const { return monitorFrame_; }
    const LiveValues &live() const { return live_; }
    MapLiveValues mapLive() const;
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
    void MonitorDecoder(std::span<const std::uint8_t> received);
    void DecodeDeviceTexts();

    void WatchDevice(); // an unplugged device ends the transfer at once
    void PaceRequest();
    void PaceIdle();
    void WatchConnection();
    void UpdateConnectionText() { display_.UpdateConnectionText(monitor_, deviceTexts_); }
    // The link's texts in the language of the settings.
    const MessageTexts &Texts();

    void StartRequest(int messageSlot);
    void UnitChanged() { listener_->UnitChanged(); }
    void SendPollFrame();
    void Send(const Frame &frame);
    void ReleasePort();
    void MonitorChanged();

    SerialPort &port_;
    const ParameterImage &shownSet_;
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
    int partialWaiting_ = 0;           // bytes of a partial frame queued at the last tick
    bool savingReportPending_ = false; // programmed, but no monitor frame has told of the saving yet
    std::vector<std::uint8_t> receiveBuffer_;
    DeviceInfo deviceInfo_;
    DeviceTexts deviceTexts_;
    Frame monitorFrame_;
    MonitorDisplay monitor_;
    LiveValues live_;
    std::string labelCom_;
};

} // namespace zarvex1
