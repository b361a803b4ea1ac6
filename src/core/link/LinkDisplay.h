#pragma once

#include "core/link/LinkOwner.h"
#include "core/texts/MessageTexts.h"

#include <cstdint>
#include <string>

namespace zarvex1 {

// What the link shows in the window, with its tick timing: the message line (200 ticks, hidden while
// printing), the progress gauge (the blocks of a transfer, the unit's saving), the connection banner and
// the connection text of the status bar. Every change goes to the LinkOwner once, as a whole new state.
class LinkDisplay {
public:
    static constexpr int MessageLineDuration = 200;
    static constexpr int SavingStart = 1800; // the unit's saving countdown when it starts

    explicit LinkDisplay(LinkOwner &owner) : owner_(owner) {}

    // Shows a text on the message line for 200 ticks.
    void ShowMessageLine(const std::string &text, std::uint32_t colour);
    // The message line goes on the next tick.
    void EndMessageLine() { messageTicks_ = 0; }
    // A transfer began: its text, and an empty gauge of six blocks.
    void ShowTransferStart(const std::string &text);
    // One more block of the stage is done.
    void StepGauge() { SetGauge({gauge_.maximum, gauge_.position + 1, gauge_.visible}); }
    // A stage began (the verify): its text, and the gauge empty again.
    void ShowStage(const std::string &text);
    // The last block of a transfer is done: the gauge full, and the text.
    void ShowDone(const std::string &text);
    // The unit saves what was programmed: "Saving:" and the share of the countdown done.
    void ShowSaving(const std::string &text, int countdown);
    // Between transfers: the gauge counts blocks again; `programOk`, when given, replaces the line's text
    // and fills the gauge (programming has ended).
    void ShowIdle(const std::string *programOk);
    // One tick of the message line. True when its time ran out: the line and the gauge are hidden.
    bool Tick();
    // The connection banner (LabelSpojeni); never while printing.
    void ShowBanner(bool visible) { SetBanner(visible && !printing_); }
    // The status bar's connection text from the unit's protocol and texts.
    void UpdateConnectionText(const VersionLabel &version, const DeviceTexts &device);

    void SetPrinting(bool printing) { printing_ = printing; }
    bool printing() const { return printing_; }
    int messageTicks() const { return messageTicks_; }
    const MessageLine &messageLine() const { return messageLine_; }
    const ProgressGauge &progressGauge() const { return gauge_; }
    bool bannerVisible() const { return bannerVisible_; }
    const std::string &connectionText() const { return connectionText_; }

private:
    void SetMessageLine(const MessageLine &line);
    void SetGauge(const ProgressGauge &gauge);
    void SetBanner(bool visible);

    LinkOwner &owner_;
    MessageLine messageLine_;
    ProgressGauge gauge_;
    bool bannerVisible_ = true; // the program starts without a connection
    std::string connectionText_;
    int messageTicks_ = 0;
    bool printing_ = false;
};

// "  PC-99, IGN-<version>" behind slot 11: the version message of the link and of its version label.
std::string VersionMismatchText(const MessageTexts &texts, int unitVersion);

} // namespace zarvex1
