#include "core/link/LinkEngine.h"

#include "core/link/PortNames.h"

#include <algorithm>

namespace zarvex1 {

LinkEngine::LinkEngine(SerialPort &port, LimitedSettings &settings, LinkOwner &owner)
    : port_(port), settings_(settings), owner_(owner), display_(owner), portSelection_(settings),
      readChunk_(ReceiveBuffer::Capacity) {
    port_.SetInputHandler([this] { InputQueued(); });
}

LinkEngine::~LinkEngine() {
    port_.SetInputHandler({});
}

void LinkEngine::Start() {
    noReplyTicks_ = NoConnectionLimit;
    OpenPort();
    // No frame yet: "Not connected" until the first tick's banner hides it.
    UpdateVersionLabel();
    UpdateConnectionText();
}

void LinkEngine::RemoveLiveWatcher(LiveWatcher &watcher) {
    watchers_.erase(std::remove(watchers_.begin(), watchers_.end(), &watcher), watchers_.end());
}

long long LinkEngine::NowMs() const {
    return clock_ ? clock_() : static_cast<long long>(tickCounter_) * 55;
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
    received_.Clear();
    if (!port_.isOpen())
        return;
    port_.discardInput();
    port_.close();
}

void LinkEngine::ChoosePort(int index) {
    portSelection_.ChooseNumbered(index);
    ClosePort();
    silentOpen_ = false;
    OpenPort();
    UnitChanged();
}

void LinkEngine::ChooseAdapter(const std::string &stableName) {
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
    if (latest_ && latest_->engineTurns())
        testBits_ = {};
    const Frame frame = PollFrame(testBits_);
    testBits_ = {};
    Send(frame);
}

void LinkEngine::SendTest(TestButton button) {
    // A test fires outputs: never while the engine turns.
    if (!TestButtonsEnabled(latest_ && latest_->engineTurns()))
        return;
    SetTestBit(testBits_, button);
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
    // Bytes are taken when the port reports them, so that every frame is stamped with the time it came
    // and a transfer takes its reply as soon as it is whole, at the line's pace rather than the timer's.
    // Input that comes while a tick or a reply is being handled waits for the next look.
    if (receiving_)
        return;
    receiving_ = true;
    Receive(false);
    receiving_ = false;
}

void LinkEngine::Receive(bool atTick) {
    if (!portEnabled_)
        return;
    const long long now = NowMs();
    const int waiting = port_.bytesWaiting();
    if (waiting > 0) {
        const int count =
            port_.read(readChunk_.data(), std::min<int>(waiting, static_cast<int>(received_.room())));
        if (count > 0) {
            received_.Append(
                std::span<const std::uint8_t>(readChunk_.data(), static_cast<std::size_t>(count)));
            inputSinceTick_ = true;
        }
    }
    // Every whole frame in order: the frames that came together are all taken, each a record.
    while (const std::optional<Frame> frame = received_.Next())
        Accept(*frame, now);
    if (!atTick)
        return;
    // A frame crosses the line in 26 ms, so a part of one that has not grown over a whole tick will never
    // be completed: it is noise, or the tail of a frame cut off. Dropped, it cannot put the next frame out
    // of step.
    const std::size_t partial = received_.waiting();
    if (partial > 0 && partial == partialWaiting_ && !inputSinceTick_)
        received_.Clear();
    partialWaiting_ = received_.waiting();
    inputSinceTick_ = false;
}

void LinkEngine::Accept(const Frame &frame, long long nowMs) {
    if (frame.code() == MonitorCode) {
        noReplyTicks_ = 0;
        savingReportPending_ = false;
        latest_ = LiveRecord::Decode(frame, nowMs, ++recordCount_);
        pending_.push_back(*latest_);
        UpdateVersionLabel();
    } else if (transfers_.Accepts(frame.bytes)) {
        noReplyTicks_ = 0;
        transfers_.Reply(frame.bytes);
    }
}

void LinkEngine::UpdateVersionLabel() {
    VersionLabel label = versionLabel_;
    const int version = latest_ ? latest_->raw(LiveField::Version) : 0;
    if (version == ProtocolVersion) {
        // The hidden caption also ends the status-bar text: an old "Not connected" must not stay there.
        label.state = UnitVersionState::SameVersion;
        label.text.clear();
        label.visible = false;
    } else {
        label.state = UnitVersionState::OtherVersion;
        label.text = version == 0 ? std::string("Not connected") : VersionMismatchText(Texts(), version);
        label.visible = !display_.bannerVisible();
    }
    if (label != versionLabel_) {
        versionLabel_ = label;
        owner_.VersionLabelChanged(versionLabel_);
    }
}

void LinkEngine::RefreshTexts() {
    UpdateVersionLabel();
    UpdateConnectionText();
}

void LinkEngine::UpdateConnectionText() {
    display_.UpdateConnectionText(versionLabel_, deviceTexts_);
}

void LinkEngine::TellWatchers() {
    if (connected_ != toldConnected_) {
        toldConnected_ = connected_;
        for (LiveWatcher *watcher : watchers_)
            watcher->ConnectionChanged(connected_, NowMs());
    }
    if (pending_.empty())
        return;
    for (LiveWatcher *watcher : watchers_)
        watcher->RecordsArrived(pending_);
    pending_.clear();
}

void LinkEngine::DecodeDeviceTexts() {
    deviceTexts_ = {deviceInfo_.programName(), deviceInfo_.buildDate(), deviceInfo_.buildTime()};
    owner_.DeviceTextsChanged(deviceTexts_);
}

// ---------------------------------------------------------------------------------------------------
// Timer tick

void LinkEngine::Tick() {
    receiving_ = true;
    ++tickCounter_;
    WatchDevice();
    Receive(true);
    PaceRequest();
    if (display_.Tick())
        programDonePending_ = false;
    WatchConnection();
    UpdateVersionLabel(); // hidden while the banner says the link is down
    UpdateConnectionText();
    receiving_ = false;
    TellWatchers();
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
    const int countdown = connected_ && latest_ ? latest_->raw(LiveField::SavingCountdown) : 0;
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
        connected_ = true;
        return;
    }
    display_.ShowBanner(true);
    if (connected_) {
        connected_ = false;
        if (latest_ && latest_->raw(LiveField::SavingCountdown) > 0)
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
