#pragma once

#include "core/link/Frames.h"
#include "core/link/LinkOwner.h"
#include "core/link/MonitorDisplay.h"
#include "core/link/PortSelection.h"
#include "core/link/SerialPort.h"
#include "core/link/TestCommands.h"
#include "core/link/Transfers.h"
#include "core/params/Limits.h"
#include "core/params/ParameterImage.h"
#include "core/texts/MessageTexts.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace zarvex1 {

// The link fields of the main window. The chosen and the scanned port (PortIndex, ScanIndex) live in
// LimitedSettings, where LimitParameters keeps them in range.
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

// The device link: reading, verifying and programming the unit block by block, polling, the live
// monitor, test commands, the connection watch and the port handover, all paced by the owner's 55 ms
// tick. It never waits: every step takes what the port holds and returns. A transfer works on a snapshot
// of its own; the parameter set and its pages belong to the session, which starts the transfers and takes
// what they bring through its TransferListener.
class LinkEngine final : public UnitLink {
public:
    static constexpr int ResendInterval = 4; // ticks between frames of one block
    static constexpr int MaxFrames = 5;      // frames of one block before the request fails
    static constexpr int MaxHandoverFrames = 2;
    static constexpr int PollInterval = 6;
    static constexpr int MessageLineDuration = 200;
    static constexpr int NoConnectionLimit = 18; // ticks without a valid frame
    static constexpr int ReconnectInterval = 30;
    static constexpr int ReceiveBufferSize = 15000;
    static constexpr int SavingStart = 1800;
    static constexpr std::uint32_t HandoverRequest = 0x7FFFFFA1; // hand over, going on where the link is
    static constexpr std::uint32_t HandoverRestart = 0x7FFFFFA2; // hand over, starting with a new frame
    static constexpr std::uint32_t TakeBackRequest = 0x7FFFFFA4;

    // `shownSet` names the power outputs on the live display; `texts` are the texts of the language. The
    // link only reads them.
    LinkEngine(SerialPort &port, const ParameterImage &shownSet, LimitedSettings &settings,
               const MessageTexts &texts, LinkOwner &owner);
    ~LinkEngine() override;
    LinkEngine(const LinkEngine &) = delete;
    LinkEngine &operator=(const LinkEngine &) = delete;

    // Opens the port and refreshes the live display once on an empty frame (program start).
    void Start();
    // The link steps of one timer tick: receive, pace the request or poll, message line and saving
    // gauge, connection watch and reconnect, connection text.
    void Timer1Timer();

    // Transfers. They only set the request; the tick sends the first frame within 4 ticks.
    void SetTransferListener(TransferListener *listener) override { listener_ = listener; }
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
    void ShowMessageLine(const std::string &text, std::uint32_t colour);
    void SetPrinting(bool printing);
    // Formats the live display again from the last monitor frame (after a change of language).
    void RefreshMonitor();

    const LinkState &state() const { return state_; }
    const MessageLine &messageLine() const { return messageLine_; }
    const ProgressGauge &progressGauge() const { return gauge_; }
    bool connectionBannerVisible() const { return bannerVisible_; }
    const std::string &connectionText() const { return connectionText_; }
    const std::string &labelCom() const { return labelCom_; }
    const MonitorDisplay &monitor() const { return monitor_; }
    const LiveValues &live() const { return live_; }
    MapLiveValues mapLive() const;
    const DeviceInfo &deviceInfo() const { return deviceInfo_; }
    const DeviceTexts &deviceTexts() const { return deviceTexts_; }

private:
    // The port queued input between two ticks: a running transfer takes a whole reply at once.
    void InputQueued();
    void Receive(bool atTick);
    void ReplyDecoder(std::span<const std::uint8_t> received);
    void MonitorDecoder(std::span<const std::uint8_t> received);
    void ReadReply(int block, std::span<const std::uint8_t, PayloadSize> payload);
    void ProgramReply(int block, std::span<const std::uint8_t, PayloadSize> payload);
    void VerifyReply(int block, std::span<const std::uint8_t, PayloadSize> payload);
    void HandoverReply(int block, std::span<const std::uint8_t, PayloadSize> payload);
    bool VersionMatches(); // ends the request with the version message when the unit speaks another
    void DecodeDeviceTexts();

    void WatchDevice(); // an unplugged device ends the transfer at once
    void PaceRequest();
    void PaceTransfer(bool frameSent);
    void PaceIdle();
    void RunMessageLine();
    void WatchConnection();
    void UpdateConnectionText();

    void StartRequest(LinkRequest request, std::uint8_t frameCode, int messageSlot);
    // The request ended without the unit's set being confirmed: the listener hears of it.
    void EndWithoutConfirmation();
    void UnitChanged();
    void NextBlock();
    void SwitchToVerify();
    void FailRequest();
    void SendDataFrame();
    void SendPollFrame();
    void Send(const Frame &frame);
    void ReleasePort();

    void SetMessageLine(const MessageLine &line);
    void SetGauge(const ProgressGauge &gauge);
    void SetBanner(bool visible);
    void MonitorChanged();

    SerialPort &port_;
    const ParameterImage &shownSet_;
    LimitedSettings &settings_;
    const MessageTexts &texts_;
    LinkOwner &owner_;
    TransferListener defaultListener_;
    TransferListener *listener_ = &defaultListener_;

    LinkState state_;
    PortSelection portSelection_;
    bool frameSentSincePacing_ = false; // a data frame went out after the last pacing step
    bool receiving_ = false;            // a tick or a reply is being handled: input waits for it
    bool deviceInfoOnly_ = false;       // the running read ends after the device information
    int partialWaiting_ = 0;            // bytes of a partial frame queued at the last tick
    bool savingReportPending_ = false;  // programmed, but no monitor frame has told of the saving yet
    std::vector<std::uint8_t> receiveBuffer_;
    LinkRequest started_ = LinkRequest::None; // the command that began the running transfer
    ParameterImage readImage_; // blocks of a running read; handed over only when all six arrived
    ParameterImage snapshot_;  // what a Program sends and a Verify compares with
    DeviceInfo deviceInfo_;
    DeviceTexts deviceTexts_;
    Frame monitorFrame_;
    MonitorDisplay monitor_;
    LiveValues live_;
    MessageLine messageLine_;
    ProgressGauge gauge_;
    bool bannerVisible_ = false;
    std::string connectionText_;
    std::string labelCom_;
};

} // namespace zarvex1
