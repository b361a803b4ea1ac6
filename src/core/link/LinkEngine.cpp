#include "core/link/LinkEngine.h"

#include "core/link/PortNames.h"

#include <algorithm>
#include <utility>

namespace zarvex1 {

namespace {

constexpr std::size_t ConnectionTextLimit = 8190;

bool SameBlock(std::span<const std::uint8_t, PayloadSize> payload,
               std::span<const std::uint8_t, PayloadSize> block) {
    return std::equal(payload.begin(), payload.end(), block.begin());
}

} // namespace

LinkEngine::LinkEngine(SerialPort &port, const ParameterImage &shownSet, LimitedSettings &settings,
                       const MessageTexts &texts, LinkOwner &owner)
    : port_(port), shownSet_(shownSet), settings_(settings), texts_(texts), owner_(owner),
      portSelection_(settings), receiveBuffer_(ReceiveBufferSize), bannerVisible_(true) {
    monitorFrame_.bytes[0] = 0; // the first refresh works on an empty frame
    port_.SetInputHandler([this] { InputQueued(); });
}

LinkEngine::~LinkEngine() {
    port_.SetInputHandler({});
}

void LinkEngine::Start() {
    state_.NoReplyTicks = NoConnectionLimit;
    OpenPort();
    RefreshMonitor();
    UpdateConnectionText();
}

int LinkEngine::PortNumberInUse() const {
    return settings_.portIndex == AutoPortIndex ? settings_.scanIndex + 1 : settings_.portIndex + 1;
}

MapLiveValues LinkEngine::mapLive() const {
    return {live_.rpm, live_.throttle / 10, live_.pressure, !state_.Connected, live_.map2};
}

// ---------------------------------------------------------------------------------------------------
// Port

void LinkEngine::OpenPort() {
    if (!state_.PortEnabled)
        return;
    const bool automatic = portSelection_.Automatic();
    const std::string device = portSelection_.DeviceToOpen();
    labelCom_ = "COM= " + ShortDeviceName(portSelection_.Resolve(device));
    if (!port_.open(device)) {
        if (automatic)
            state_.ReconnectTicks = 200; // try the next port on the next tick
        else if (!state_.SilentOpen)
            owner_.ShowComOpeningError(ComOpeningMessage(texts_[MessageSlot::ComOpeningError],
                                                         port_.openFailure(), settings_.languageIndex));
    }
    // A chosen adapter is ticked in the menu's list of adapters, not among the numbers.
    owner_.ComPortChanged(labelCom_, portSelection_.adapter().empty() ? settings_.portIndex : -1);
}

void LinkEngine::ClosePort() {
    if (!port_.isOpen())
        return;
    port_.discardInput();
    port_.close();
}

void LinkEngine::MenuCom1Click(int index) {
    portSelection_.ChooseNumbered(index);
    ClosePort();
    state_.SilentOpen = false;
    OpenPort();
    UnitChanged();
}

void LinkEngine::MenuComAdapterClick(const std::string &stableName) {
    portSelection_.ChooseAdapter(stableName);
    ClosePort();
    state_.SilentOpen = false;
    OpenPort();
    UnitChanged();
}

void LinkEngine::UnitChanged() {
    listener_->UnitChanged();
}

void LinkEngine::ReleasePort() {
    state_.PortEnabled = false;
    ClosePort();
    owner_.PortHandoverChanged(true);
    UnitChanged();
}

void LinkEngine::PortMessage(int portNumber, std::uint32_t request) {
    if (portNumber != PortNumberInUse())
        return;
    switch (request) {
    case HandoverRequest:
        state_.LinkRequest = LinkRequest::Handover;
        break;
    case HandoverRestart:
        state_.RetryCount = 0;
        state_.StateTicks = ResendInterval;
        state_.FrameCode = 0;
        state_.LinkRequest = LinkRequest::Handover;
        break;
    case TakeBackRequest:
        if (!state_.PortEnabled) {
            state_.PortEnabled = true;
            OpenPort();
        }
        owner_.PortHandoverChanged(false);
        UnitChanged();
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------------------------------------------
// Sending

void LinkEngine::Send(const Frame &frame) {
    if (port_.isOpen())
        port_.write(frame.bytes.data(), FrameSize);
}

void LinkEngine::SendDataFrame() {
    state_.StateTicks = 0;
    frameSentSincePacing_ = true;
    if (!state_.PortEnabled)
        return;
    Send(DataFrame(state_.FrameCode, state_.LinkRequest, snapshot_));
}

void LinkEngine::SendPollFrame() {
    // While the port is handed over the bits wait for the next poll that really goes out.
    if (!state_.PortEnabled)
        return;
    // An engine that started since the press gets no test command: the bits go unsent.
    if (live_.pickupActive)
        state_.TestBits = {};
    const Frame frame = PollFrame(state_.TestBits);
    state_.TestBits = {};
    Send(frame);
}

void LinkEngine::ButtonTestClick(TestButton button) {
    // A test fires outputs: never while the engine turns.
    if (!TestButtonsEnabled(live_.pickupActive))
        return;
    zarvex1::ButtonTestClick(state_.TestBits, button);
}

// ---------------------------------------------------------------------------------------------------
// Commands

void LinkEngine::StartRequest(LinkRequest request, std::uint8_t frameCode, int messageSlot) {
    deviceInfoOnly_ = false;
    started_ = request;
    state_.LinkRequest = request;
    state_.FrameCode = frameCode;
    state_.RetryCount = 0;
    ShowMessageLine(texts_[messageSlot], Colour::ButtonFace);
    SetGauge({6, 0, true});
}

void LinkEngine::StartRead() {
    // All six blocks are read over it: the set read never holds bytes of another.
    readImage_ = ParameterImage{};
    StartRequest(LinkRequest::Read, ReadFlag, MessageSlot::Read);
}

void LinkEngine::ReadDeviceInfo() {
    StartRequest(LinkRequest::Read, ReadFlag, MessageSlot::Read);
    deviceInfoOnly_ = true;
}

void LinkEngine::StartVerify(const ParameterImage &set) {
    snapshot_ = set;
    StartRequest(LinkRequest::Verify, ReadFlag | 1, MessageSlot::Verify);
}

void LinkEngine::StartProgram(const ParameterImage &set) {
    snapshot_ = set;
    StartRequest(LinkRequest::Program, 0x00, MessageSlot::Program);
}

void LinkEngine::StartAutoProgram(const ParameterImage &set) {
    StartProgram(set);
    state_.ProgramDonePending = false;
}

// ---------------------------------------------------------------------------------------------------
// Receiving

void LinkEngine::InputQueued() {
    // A transfer takes its reply as soon as it is whole, so it runs at the line's pace rather than the
    // timer's; between transfers the tick takes the monitor frames. Input that comes while a tick or a
    // reply is being handled waits for the next look.
    if (receiving_ || state_.LinkRequest == LinkRequest::None)
        return;
    receiving_ = true;
    Receive(false);
    receiving_ = false;
}

void LinkEngine::Receive(bool atTick) {
    if (!state_.PortEnabled)
        return;
    const int waiting = port_.bytesWaiting();
    if (waiting < FrameSize) {
        // A frame crosses the line in 26 ms, so a part of one that has not grown over a whole tick will
        // never be completed: it is noise, or the tail of a frame cut by a read between ticks. Dropped,
        // it cannot put the next read out of step with the unit's frames.
        if (atTick) {
            if (waiting > 0 && waiting == partialWaiting_)
                port_.discardInput();
            partialWaiting_ = waiting;
        }
        return;
    }
    partialWaiting_ = 0;
    const int count = port_.read(receiveBuffer_.data(), std::min(waiting, ReceiveBufferSize));
    // Only what this read delivered is looked at: a short read must not complete itself with the
    // bytes of an older frame still in the buffer.
    if (count < FrameSize)
        return;
    const std::span<const std::uint8_t> received(receiveBuffer_.data(), FrameSize);
    if (received[0] == MonitorCode)
        MonitorDecoder(received);
    else
        ReplyDecoder(received);
}

void LinkEngine::MonitorDecoder(std::span<const std::uint8_t> received) {
    if (!IsValidMonitorFrame(received))
        return;
    state_.NoReplyTicks = 0;
    savingReportPending_ = false;
    monitorFrame_ = Frame::From(received);
    RefreshMonitor();
}

void LinkEngine::RefreshMonitor() {
    RefreshMonitorDisplay(monitorFrame_, state_.Connected, shownSet_, texts_, live_, monitor_);
    UpdateConnectionText();
    MonitorChanged();
}

void LinkEngine::MonitorChanged() {
    owner_.MonitorRefreshed(monitor_, live_);
}

void LinkEngine::ReplyDecoder(std::span<const std::uint8_t> received) {
    if (CheckReply(received, state_.FrameCode, state_.LinkRequest) != ReplyCheck::Accepted)
        return;
    state_.NoReplyTicks = 0;
    const int block = BlockOf(state_.FrameCode);
    const std::span<const std::uint8_t, PayloadSize> payload(received.data() + 1, PayloadSize);
    switch (state_.LinkRequest) {
    case LinkRequest::Read:
        ReadReply(block, payload);
        break;
    case LinkRequest::Program:
        ProgramReply(block, payload);
        break;
    case LinkRequest::Verify:
        VerifyReply(block, payload);
        break;
    case LinkRequest::Handover:
        HandoverReply(block, payload);
        break;
    case LinkRequest::None:
        break;
    }
}

void LinkEngine::DecodeDeviceTexts() {
    deviceTexts_ = {deviceInfo_.programName(), deviceInfo_.buildDate(), deviceInfo_.buildTime()};
    owner_.DeviceTextsChanged(deviceTexts_);
}

bool LinkEngine::VersionMatches() {
    if (deviceInfo_.version() == ProtocolVersion)
        return true;
    state_.LinkRequest = LinkRequest::None;
    state_.MessageTicks = 0; // the message line goes on the next tick
    owner_.ShowVersionMessage(VersionMismatchText(texts_, deviceInfo_.version()));
    EndWithoutConfirmation();
    return false;
}

void LinkEngine::ReadReply(int block, std::span<const std::uint8_t, PayloadSize> payload) {
    if (block == 0) {
        std::copy(payload.begin(), payload.end(), deviceInfo_.bytes.begin());
        DecodeDeviceTexts();
        if (deviceInfo_.version() != ProtocolVersion) {
            listener_->DeviceAnswered(LinkRequest::Read, true);
            VersionMatches();
            return;
        }
        if (deviceInfoOnly_) {
            state_.LinkRequest = LinkRequest::None;
            state_.MessageTicks = 0; // the message line goes on the next tick
            return;
        }
    } else {
        std::copy(payload.begin(), payload.end(), readImage_.block(block).begin());
    }
    if (block < LastBlock) {
        NextBlock();
        return;
    }
    // The session takes the set; the unit is then checked against the set as it was taken.
    snapshot_ = listener_->ImageRead(readImage_);
    SwitchToVerify();
}

void LinkEngine::ProgramReply(int block, std::span<const std::uint8_t, PayloadSize> payload) {
    if (block == 0) {
        std::copy(payload.begin(), payload.end(), deviceInfo_.bytes.begin());
        DecodeDeviceTexts();
        listener_->DeviceAnswered(LinkRequest::Program, deviceInfo_.version() != ProtocolVersion);
        if (!VersionMatches())
            return;
    } else if (!SameBlock(payload, snapshot_.block(block))) {
        return; // the unit stored something else: the timer sends the block again
    }
    if (block < LastBlock) {
        NextBlock();
        return;
    }
    state_.ProgramDonePending = true;
    // Monitor frames from before the transfer know nothing of the saving that starts now: the OK waits
    // for the unit's next report.
    savingReportPending_ = true;
    SwitchToVerify();
}

void LinkEngine::VerifyReply(int block, std::span<const std::uint8_t, PayloadSize> payload) {
    if (block < 1 || !SameBlock(payload, snapshot_.block(block)))
        return;
    if (block < LastBlock) {
        NextBlock();
        return;
    }
    SetGauge({gauge_.maximum, gauge_.maximum, gauge_.visible});
    ShowMessageLine(texts_[MessageSlot::Verify] + ": OK", Colour::ButtonFace);
    state_.LinkRequest = LinkRequest::None;
    const LinkRequest started = std::exchange(started_, LinkRequest::None);
    listener_->TransferDone(started, snapshot_);
}

void LinkEngine::HandoverReply(int block, std::span<const std::uint8_t, PayloadSize> payload) {
    if (block != 0)
        return;
    std::copy(payload.begin(), payload.end(), deviceInfo_.bytes.begin());
    if (deviceInfo_.version() != ProtocolVersion) {
        listener_->DeviceAnswered(LinkRequest::Handover, true);
        state_.LinkRequest = LinkRequest::None;
        state_.MessageTicks = 0;
        return;
    }
    if (deviceInfo_.acceptsHandover()) {
        state_.LinkRequest = LinkRequest::None;
        ReleasePort();
    }
}

void LinkEngine::NextBlock() {
    SetGauge({gauge_.maximum, gauge_.position + 1, gauge_.visible});
    ++state_.FrameCode;
    state_.RetryCount = 1;
    SendDataFrame();
}

void LinkEngine::SwitchToVerify() {
    state_.LinkRequest = LinkRequest::Verify;
    state_.FrameCode = ReadFlag | 1;
    state_.RetryCount = 1;
    SendDataFrame();
    ShowMessageLine(texts_[MessageSlot::Verify] + ":", Colour::ButtonFace);
    SetGauge({gauge_.maximum, 0, gauge_.visible});
}

// ---------------------------------------------------------------------------------------------------
// Timer tick

void LinkEngine::Timer1Timer() {
    receiving_ = true;
    ++state_.TickCounter;
    WatchDevice();
    Receive(true);
    PaceRequest();
    RunMessageLine();
    WatchConnection();
    if (bannerVisible_ && monitor_.LabelVersionVisible) {
        monitor_.LabelVersionVisible = false;
        MonitorChanged();
    }
    UpdateConnectionText();
    receiving_ = false;
}

void LinkEngine::WatchDevice() {
    if (!state_.PortEnabled || !port_.isOpen() || !port_.lost())
        return;
    // The adapter was unplugged: nothing more will come, so a transfer ends with its error now rather than
    // after its retries. The port is closed so that the device node is free when the adapter comes back;
    // the reconnect then opens it again (by its stable name when an adapter was chosen).
    ClosePort();
    if (state_.LinkRequest != LinkRequest::None && state_.LinkRequest != LinkRequest::Handover)
        FailRequest();
    state_.NoReplyTicks = NoConnectionLimit;
}

void LinkEngine::FailRequest() {
    switch (state_.LinkRequest) {
    case LinkRequest::Program:
        ShowMessageLine(texts_[MessageSlot::ProgramError], Colour::Red);
        break;
    case LinkRequest::Verify:
        ShowMessageLine(texts_[MessageSlot::VerifyError], Colour::Red);
        state_.ProgramDonePending = false;
        break;
    case LinkRequest::Read:
        ShowMessageLine(texts_[MessageSlot::ReadError], Colour::Red);
        state_.ProgramDonePending = false;
        break;
    case LinkRequest::Handover:
        ShowMessageLine("Reset error", Colour::Red);
        ReleasePort();
        break;
    case LinkRequest::None:
        break;
    }
    const bool transfer =
        state_.LinkRequest != LinkRequest::Handover && state_.LinkRequest != LinkRequest::None;
    state_.LinkRequest = LinkRequest::None;
    if (transfer)
        EndWithoutConfirmation();
}

void LinkEngine::EndWithoutConfirmation() {
    if (deviceInfoOnly_)
        return; // no set was asked for
    const LinkRequest started = std::exchange(started_, LinkRequest::None);
    if (started != LinkRequest::None && started != LinkRequest::Handover)
        listener_->TransferFailed(started);
}

void LinkEngine::PaceRequest() {
    // A frame that a reply made go out in this tick, or since the last one, has not waited a tick yet:
    // the unit always has 4 whole ticks to answer, however the block started. Frames sent here count
    // from here.
    const bool frameSent = frameSentSincePacing_;
    if (state_.LinkRequest == LinkRequest::None)
        PaceIdle();
    else
        PaceTransfer(frameSent);
    frameSentSincePacing_ = false;
}

void LinkEngine::PaceTransfer(bool frameSent) {
    const int maxFrames = state_.LinkRequest == LinkRequest::Handover ? MaxHandoverFrames : MaxFrames;
    if (!frameSent)
        ++state_.StateTicks;
    // At least: the handover's restart leaves the counter one step past the interval.
    if (state_.StateTicks >= ResendInterval) {
        state_.StateTicks = 0;
        if (++state_.RetryCount <= maxFrames)
            SendDataFrame();
        else
            FailRequest();
    }
    if (state_.LinkRequest == LinkRequest::Read)
        state_.ProgramDonePending = false;
}

void LinkEngine::PaceIdle() {
    if (++state_.StateTicks >= PollInterval) {
        state_.StateTicks = 0;
        SendPollFrame();
    }
    // A countdown is only believed while the unit is heard: a unit that fell silent while saving must
    // neither keep "Saving:" up for ever nor be reported as done.
    const int countdown = state_.Connected ? live_.SavingCountdown : 0;
    if (countdown > 0) {
        ShowMessageLine(texts_[MessageSlot::Saving], Colour::ButtonFace);
        // A countdown above its start would give a negative share: the gauge then stays empty.
        const int share = std::max(0, 100 * (SavingStart - countdown) / SavingStart);
        SetGauge({100, share, gauge_.visible});
        return;
    }
    ProgressGauge gauge = gauge_;
    gauge.maximum = 6;
    if (state_.ProgramDonePending && !savingReportPending_) {
        MessageLine line = messageLine_;
        line.text = texts_[MessageSlot::Program] + ": OK";
        SetMessageLine(line);
        gauge.position = gauge.maximum;
    }
    SetGauge(gauge);
}

void LinkEngine::RunMessageLine() {
    if (state_.MessageTicks > 0) {
        --state_.MessageTicks;
        SetMessageLine({messageLine_.text, messageLine_.colour, !state_.Printing});
        return;
    }
    SetMessageLine({messageLine_.text, messageLine_.colour, false});
    SetGauge({gauge_.maximum, gauge_.position, false});
    state_.ProgramDonePending = false;
}

void LinkEngine::WatchConnection() {
    if (state_.NoReplyTicks < NoConnectionLimit) {
        if (state_.PortEnabled)
            ++state_.NoReplyTicks;
        SetBanner(false);
        if (!state_.Connected) {
            // The frame that brought the link back was shown as "---": show its values now.
            state_.Connected = true;
            RefreshMonitor();
        }
        return;
    }
    SetBanner(!state_.Printing);
    if (state_.Connected) {
        // The rows turn to "---" at once rather than showing stale values until the next frame.
        state_.Connected = false;
        RefreshMonitor();
        if (live_.SavingCountdown > 0)
            state_.ProgramDonePending = false;
        // Another unit may be on the cable when the link comes back.
        UnitChanged();
    }
    if (++state_.ReconnectTicks >= ReconnectInterval) {
        state_.ReconnectTicks = 0;
        if (state_.PortEnabled) {
            ClosePort();
            state_.SilentOpen = true;
            portSelection_.AdvanceScan();
            OpenPort();
        }
    }
}

void LinkEngine::UpdateConnectionText() {
    std::string text;
    switch (monitor_.connectionState) {
    case 0:
        text = "not connected";
        break;
    case 1:
        text = monitor_.LabelVersion.text;
        break;
    default:
        text = deviceTexts_.programName + "   " + deviceTexts_.buildDate + "   " + deviceTexts_.buildTime +
               "   " + monitor_.LabelVersion.text;
        break;
    }
    if (text.size() > ConnectionTextLimit)
        text.resize(ConnectionTextLimit);
    if (text != connectionText_) {
        connectionText_ = text;
        owner_.ConnectionTextChanged(connectionText_);
    }
}

// ---------------------------------------------------------------------------------------------------
// Display state

void LinkEngine::ShowMessageLine(const std::string &text, std::uint32_t colour) {
    SetMessageLine({text, colour, true});
    state_.MessageTicks = MessageLineDuration;
}

void LinkEngine::SetPrinting(bool printing) {
    state_.Printing = printing;
}

void LinkEngine::SetMessageLine(const MessageLine &line) {
    if (line == messageLine_)
        return;
    messageLine_ = line;
    owner_.MessageLineChanged(messageLine_);
}

void LinkEngine::SetGauge(const ProgressGauge &gauge) {
    if (gauge == gauge_)
        return;
    gauge_ = gauge;
    owner_.ProgressGaugeChanged(gauge_);
}

void LinkEngine::SetBanner(bool visible) {
    if (visible == bannerVisible_)
        return;
    bannerVisible_ = visible;
    owner_.ConnectionBannerChanged(visible);
}

} // namespace zarvex1
