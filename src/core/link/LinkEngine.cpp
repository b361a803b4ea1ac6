#include "core/link/LinkEngine.h"

#include "core/link/PortNames.h"

#include <algorithm>

namespace zarvex1 {

LinkEngine::LinkEngine(SerialPort &port, const ParameterImage &shownSet, LimitedSettings &settings,
                       LinkOwner &owner)
    : port_(port), shownSet_(shownSet), settings_(settings), owner_(owner), display_(owner),
      portSelection_(settings), receiveBuffer_(ReceiveBufferSize) {
    monitorFrame_.bytes[0] = 0; // the first refresh works on an empty frame
    port_.SetInputHandler([this] { InputQueued(); });
}

LinkEngine::~LinkEngine() {
    port_.SetInputHandler({});
}

void LinkEngine::Start() {
    noReplyTicks_ = NoConnectionLimit;
    OpenPort();
    RefreshMonitor();
    UpdateConnectionText();
}

LinkState LinkEngine::state() const {
    LinkState state;
    state.LinkRequest = transfers_.request();
    state.FrameCode = transfers_.frameCode();
    state.RetryCount = transfers_.retryCount();
    state.StateTicks = transfers_.stateTicks();
    state.NoReplyTicks = noReplyTicks_;
    state.ReconnectTicks = reconnectTicks_;
    state.PortEnabled = portEnabled_;
    state.SilentOpen = silentOpen_;
    state.TestBits = testBits_;
    state.ProgramDonePending = programDonePending_;
    state.Connected = connected_;
    state.MessageTicks = display_.messageTicks();
    state.Printing = display_.printing();
    state.TickCounter = tickCounter_;
    return state;
}

const MessageTexts &LinkEngine::Texts() {
    if (textsLanguage_ != settings_.languageIndex) {
        textsLanguage_ = settings_.languageIndex;
        texts_.FillMessageTexts(textsLanguage_);
    }
    return texts_;
}

int LinkEngine::PortNumberInUse() const {
    return settings_.portIndex == AutoPortIndex ? settings_.scanIndex + 1 : settings_.portIndex + 1;
}

MapLiveValues LinkEngine::mapLive() const {
    return {live_.rpm, live_.throttle / 10, live_.pressure, !connected_, live_.map2};
}

// ---------------------------------------------------------------------------------------------------
// Port

void LinkEngine::OpenPort() {
    if (!portEnabled_)
        return;
    const bool automatic = portSelection_.Automatic();
    const std::string device = portSelection_.DeviceToOpen();
    labelCom_ = "COM= " + ShortDeviceName(portSelection_.Resolve(device));
    if (!port_.open(device)) {
        if (automatic)
            reconnectTicks_ = 200; // try the next port on the next tick
        else if (!silentOpen_)
            owner_.ShowComOpeningError(ComOpeningMessage(Texts()[MessageSlot::ComOpeningError],
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
    silentOpen_ = false;
    OpenPort();
    UnitChanged();
}

void LinkEngine::MenuComAdapterClick(const std::string &stableName) {
    portSelection_.ChooseAdapter(stableName);
    ClosePort();
    silentOpen_ = false;
    OpenPort();
    UnitChanged();
}

void LinkEngine::ReleasePort() {
    portEnabled_ = false;
    ClosePort();
    owner_.PortHandoverChanged(true);
    UnitChanged();
}

void LinkEngine::PortMessage(int portNumber, std::uint32_t request) {
    if (portNumber != PortNumberInUse())
        return;
    switch (request) {
    case HandoverRequest:
        transfers_.StartHandover(false);
        break;
    case HandoverRestart:
        transfers_.StartHandover(true);
        break;
    case TakeBackRequest:
        if (!portEnabled_) {
            portEnabled_ = true;
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

void LinkEngine::SendFrame(const Frame &frame) {
    if (portEnabled_)
        Send(frame);
}

void LinkEngine::SendPollFrame() {
    // While the port is handed over the bits wait for the next poll that really goes out.
    if (!portEnabled_)
        return;
    // An engine that started since the press gets no test command: the bits go unsent.
    if (live_.pickupActive)
        testBits_ = {};
    const Frame frame = PollFrame(testBits_);
    testBits_ = {};
    Send(frame);
}

void LinkEngine::ButtonTestClick(TestButton button) {
    // A test fires outputs: never while the engine turns.
    if (!TestButtonsEnabled(live_.pickupActive))
        return;
    zarvex1::ButtonTestClick(testBits_, button);
}

// ---------------------------------------------------------------------------------------------------
// Transfers

void LinkEngine::StartRequest(int messageSlot) {
    display_.ShowTransferStart(Texts()[messageSlot]);
}

void LinkEngine::StartRead() {
    transfers_.StartRead();
    StartRequest(MessageSlot::Read);
}

void LinkEngine::ReadDeviceInfo() {
    transfers_.ReadDeviceInfo();
    StartRequest(MessageSlot::Read);
}

void LinkEngine::StartVerify(const ParameterImage &set) {
    transfers_.StartVerify(set);
    StartRequest(MessageSlot::Verify);
}

void LinkEngine::StartProgram(const ParameterImage &set) {
    transfers_.StartProgram(set);
    StartRequest(MessageSlot::Program);
}

void LinkEngine::StartAutoProgram(const ParameterImage &set) {
    StartProgram(set);
    programDonePending_ = false;
}

bool LinkEngine::DeviceInfoReceived(LinkRequest request, std::span<const std::uint8_t, PayloadSize> info) {
    std::copy(info.begin(), info.end(), deviceInfo_.bytes.begin());
    DecodeDeviceTexts();
    const bool otherVersion = deviceInfo_.version() != ProtocolVersion;
    if (request == LinkRequest::Program || otherVersion)
        listener_->DeviceAnswered(request, otherVersion);
    return !otherVersion;
}

void LinkEngine::HandoverAnswered(std::span<const std::uint8_t, PayloadSize> info) {
    std::copy(info.begin(), info.end(), deviceInfo_.bytes.begin());
    if (deviceInfo_.version() != ProtocolVersion) {
        listener_->DeviceAnswered(LinkRequest::Handover, true);
        transfers_.Stop();
        display_.EndMessageLine();
        return;
    }
    if (deviceInfo_.acceptsHandover()) {
        transfers_.Stop();
        ReleasePort();
    }
}

void LinkEngine::ProgramWritten() {
    programDonePending_ = true;
    // Monitor frames from before the transfer know nothing of the saving that starts now: the OK waits
    // for the unit's next report.
    savingReportPending_ = true;
}

void LinkEngine::VerifyStarted() {
    display_.ShowStage(Texts()[MessageSlot::Verify] + ":");
}

void LinkEngine::TransferDone(LinkRequest started, const ParameterImage &unitSet) {
    display_.ShowDone(Texts()[MessageSlot::Verify] + ": OK");
    listener_->TransferDone(started, unitSet);
}

void LinkEngine::RequestFailed(LinkRequest stage, LinkRequest started, TransferFailure why) {
    if (why == TransferFailure::OtherProtocol) {
        display_.EndMessageLine(); // the message line goes on the next tick
        owner_.ShowVersionMessage(VersionMismatchText(Texts(), deviceInfo_.version()));
    } else {
        switch (stage) {
        case LinkRequest::Program:
            display_.ShowMessageLine(Texts()[MessageSlot::ProgramError], Colour::Red);
            break;
        case LinkRequest::Verify:
            display_.ShowMessageLine(Texts()[MessageSlot::VerifyError], Colour::Red);
            programDonePending_ = false;
            break;
        case LinkRequest::Read:
            display_.ShowMessageLine(Texts()[MessageSlot::ReadError], Colour::Red);
            programDonePending_ = false;
            break;
        case LinkRequest::Handover:
            display_.ShowMessageLine("Reset error", Colour::Red);
            ReleasePort();
            break;
        case LinkRequest::None:
            break;
        }
    }
    if (started != LinkRequest::None)
        listener_->TransferFailed(started, stage, why);
}

// ---------------------------------------------------------------------------------------------------
// Receiving

void LinkEngine::InputQueued() {
    // A transfer takes its reply as soon as it is whole, so it runs at the line's pace rather than the
    // timer's; between transfers the tick takes the monitor frames. Input that comes while a tick or a
    // reply is being handled waits for the next look.
    if (receiving_ || transfers_.idle())
        return;
    receiving_ = true;
    Receive(false);
    receiving_ = false;
}

void LinkEngine::Receive(bool atTick) {
    if (!portEnabled_)
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
    if (received[0] == MonitorCode) {
        MonitorDecoder(received);
    } else if (transfers_.Accepts(received)) {
        noReplyTicks_ = 0;
        transfers_.Reply(received);
    }
}

void LinkEngine::MonitorDecoder(std::span<const std::uint8_t> received) {
    if (!IsValidMonitorFrame(received))
        return;
    noReplyTicks_ = 0;
    savingReportPending_ = false;
    monitorFrame_ = Frame::From(received);
    owner_.MonitorFrameDecoded(monitorFrame_);
    RefreshMonitor();
}

void LinkEngine::RefreshMonitor() {
    RefreshMonitorDisplay(monitorFrame_, connected_, shownSet_, Texts(), live_, monitor_);
    UpdateConnectionText();
    MonitorChanged();
}

void LinkEngine::MonitorChanged() {
    owner_.MonitorRefreshed(monitor_, live_);
}

void LinkEngine::DecodeDeviceTexts() {
    deviceTexts_ = {deviceInfo_.programName(), deviceInfo_.buildDate(), deviceInfo_.buildTime()};
    owner_.DeviceTextsChanged(deviceTexts_);
}

// ---------------------------------------------------------------------------------------------------
// Timer tick

void LinkEngine::Timer1Timer() {
    receiving_ = true;
    ++tickCounter_;
    WatchDevice();
    Receive(true);
    PaceRequest();
    if (display_.Tick())
        programDonePending_ = false;
    WatchConnection();
    if (display_.bannerVisible() && monitor_.LabelVersionVisible) {
        monitor_.LabelVersionVisible = false;
        MonitorChanged();
    }
    UpdateConnectionText();
    receiving_ = false;
}

void LinkEngine::WatchDevice() {
    if (!portEnabled_ || !port_.isOpen() || !port_.lost())
        return;
    // The adapter was unplugged: nothing more will come, so a transfer ends with its error now rather than
    // after its retries. The port is closed so that the device node is free when the adapter comes back;
    // the reconnect then opens it again (by its stable name when an adapter was chosen).
    ClosePort();
    if (!transfers_.idle() && transfers_.request() != LinkRequest::Handover)
        transfers_.Fail();
    noReplyTicks_ = NoConnectionLimit;
}

void LinkEngine::PaceRequest() {
    if (transfers_.idle()) {
        PaceIdle();
        return;
    }
    transfers_.Tick();
    if (transfers_.request() == LinkRequest::Read)
        programDonePending_ = false;
}

void LinkEngine::PaceIdle() {
    if (transfers_.PollDue(PollInterval))
        SendPollFrame();
    // A countdown is only believed while the unit is heard: a unit that fell silent while saving must
    // neither keep "Saving:" up for ever nor be reported as done.
    const int countdown = connected_ ? live_.SavingCountdown : 0;
    if (countdown > 0) {
        display_.ShowSaving(Texts()[MessageSlot::Saving], countdown);
        return;
    }
    if (programDonePending_ && !savingReportPending_) {
        const std::string ok = Texts()[MessageSlot::Program] + ": OK";
        display_.ShowIdle(&ok);
    } else {
        display_.ShowIdle(nullptr);
    }
}

void LinkEngine::WatchConnection() {
    if (noReplyTicks_ < NoConnectionLimit) {
        if (portEnabled_)
            ++noReplyTicks_;
        display_.ShowBanner(false);
        if (!connected_) {
            // The frame that brought the link back was shown as "---": show its values now.
            connected_ = true;
            RefreshMonitor();
        }
        return;
    }
    display_.ShowBanner(true);
    if (connected_) {
        // The rows turn to "---" at once rather than showing stale values until the next frame.
        connected_ = false;
        RefreshMonitor();
        if (live_.SavingCountdown > 0)
            programDonePending_ = false;
        // Another unit may be on the cable when the link comes back.
        UnitChanged();
    }
    if (++reconnectTicks_ >= ReconnectInterval) {
        reconnectTicks_ = 0;
        if (portEnabled_) {
            ClosePort();
            silentOpen_ = true;
            portSelection_.AdvanceScan();
            OpenPort();
        }
    }
}

} // namespace zarvex1
