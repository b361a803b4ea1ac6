#include "core/link/LinkDisplay.h"

#include <algorithm>
#include <cstdio>

namespace zarvex1 {

namespace {

constexpr std::size_t ConnectionTextLimit = 8190;
constexpr int TransferBlocks = 6;

} // namespace

void LinkDisplay::ShowMessageLine(const std::string &text, std::uint32_t colour) {
    SetMessageLine({text, colour, true});
    messageTicks_ = MessageLineDuration;
}

void LinkDisplay::ShowTransferStart(const std::string &text) {
    ShowMessageLine(text, Colour::ButtonFace);
    SetGauge({TransferBlocks, 0, true});
}

void LinkDisplay::ShowStage(const std::string &text) {
    ShowMessageLine(text, Colour::ButtonFace);
    SetGauge({gauge_.maximum, 0, gauge_.visible});
}

void LinkDisplay::ShowDone(const std::string &text) {
    SetGauge({gauge_.maximum, gauge_.maximum, gauge_.visible});
    ShowMessageLine(text, Colour::ButtonFace);
}

void LinkDisplay::ShowSaving(const std::string &text, int countdown) {
    ShowMessageLine(text, Colour::ButtonFace);
    // A countdown above its start would give a negative share: the gauge then stays empty.
    const int share = std::max(0, 100 * (SavingStart - countdown) / SavingStart);
    SetGauge({100, share, gauge_.visible});
}

void LinkDisplay::ShowIdle(const std::string *programOk) {
    ProgressGauge gauge = gauge_;
    gauge.maximum = TransferBlocks;
    if (programOk) {
        MessageLine line = messageLine_;
        line.text = *programOk;
        SetMessageLine(line);
        gauge.position = gauge.maximum;
    }
    SetGauge(gauge);
}

bool LinkDisplay::Tick() {
    if (messageTicks_ > 0) {
        --messageTicks_;
        SetMessageLine({messageLine_.text, messageLine_.colour, !printing_});
        return false;
    }
    SetMessageLine({messageLine_.text, messageLine_.colour, false});
    SetGauge({gauge_.maximum, gauge_.position, false});
    return true;
}

std::string VersionMismatchText(const MessageTexts &texts, int unitVersion) {
    char text[48];
    std::snprintf(text, sizeof text, "  PC-%d, IGN-%d", ProtocolVersion, unitVersion);
    return texts[11] + text;
}

void LinkDisplay::UpdateConnectionText(const VersionLabel &version, const DeviceTexts &device) {
    std::string text;
    switch (version.state) {
    case UnitVersionState::NoFrame:
        text = "not connected";
        break;
    case UnitVersionState::OtherVersion:
        text = version.text;
        break;
    case UnitVersionState::SameVersion:
        text =
            device.programName + "   " + device.buildDate + "   " + device.buildTime + "   " + version.text;
        break;
    }
    if (text.size() > ConnectionTextLimit)
        text.resize(ConnectionTextLimit);
    if (text != connectionText_) {
        connectionText_ = text;
        owner_.ConnectionTextChanged(connectionText_);
    }
}

void LinkDisplay::SetMessageLine(const MessageLine &line) {
    if (line == messageLine_)
        return;
    messageLine_ = line;
    owner_.MessageLineChanged(messageLine_);
}

void LinkDisplay::SetGauge(const ProgressGauge &gauge) {
    if (gauge == gauge_)
        return;
    gauge_ = gauge;
    owner_.ProgressGaugeChanged(gauge_);
}

void LinkDisplay::SetBanner(bool visible) {
    if (visible == bannerVisible_)
        return;
    bannerVisible_ = visible;
    owner_.ConnectionBannerChanged(visible);
}

} // namespace zarvex1
