#pragma once

#include "core/link/Colours.h"
#include "core/link/Frames.h"

#include <cstdint>
#include <string>

namespace zarvex1 {

// The message line of the main window (LabelMessage).
struct MessageLine {
    std::string text;
    std::uint32_t colour = Colour::ButtonFace; // red for errors, button face for progress
    bool visible = false;
    friend bool operator==(const MessageLine &, const MessageLine &) = default;
};

// The transfer progress gauge (CGaugeProgram): 6 blocks while a transfer runs, 100 while the unit saves.
struct ProgressGauge {
    int maximum = 6;
    int position = 0;
    bool visible = false;
    friend bool operator==(const ProgressGauge &, const ProgressGauge &) = default;
};

// The unit's program name, build date and build time (LabelVerze1..3 and the status bar).
struct DeviceTexts {
    std::string programName;
    std::string buildDate;
    std::string buildTime;
    friend bool operator==(const DeviceTexts &, const DeviceTexts &) = default;
};

// What the unit's monitor frames tell of its protocol: the label beside the message line ("Not connected"
// before the first frame, the version message for a unit of another version) and the connection text.
enum class UnitVersionState { NoFrame, OtherVersion, SameVersion };
struct VersionLabel {
    UnitVersionState state = UnitVersionState::NoFrame;
    std::string text = "Not connected";
    bool visible = false; // never while the banner says the link is down
    friend bool operator==(const VersionLabel &, const VersionLabel &) = default;
};

// What the link asks of the window it works for. Every call comes from the link's own calls (tick,
// commands, port messages) on the owner's thread; none may wait for the user: message boxes are to be
// shown without blocking the tick. All functions do nothing by default.
class LinkOwner {
public:
    virtual ~LinkOwner() = default;

    // Display state that changed; the arguments hold the whole new state.
    virtual void MessageLineChanged(const MessageLine &) {}
    virtual void ProgressGaugeChanged(const ProgressGauge &) {}
    virtual void ConnectionBannerChanged(bool /*visible: LabelSpojeni*/) {}
    virtual void ConnectionTextChanged(const std::string & /*status panel 4*/) {}
    virtual void VersionLabelChanged(const VersionLabel &) {}
    virtual void DeviceTextsChanged(const DeviceTexts &) {}
    // LabelCom caption ("COM= ttyUSB0") and the Com menu item to tick (0..30).
    virtual void ComPortChanged(const std::string & /*labelCom*/, int /*tickedItem*/) {}
    // A loader program borrowed the port (true) or gave it back (false): the caption tells of it.
    virtual void PortHandoverChanged(bool /*handedOver*/) {}

    // Modal messages, shown without blocking the tick.
    virtual void ShowVersionMessage(const std::string &) {}
    virtual void ShowComOpeningError(const std::string &) {}
};

} // namespace zarvex1
