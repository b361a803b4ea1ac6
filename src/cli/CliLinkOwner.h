#pragma once

#include "core/link/LinkOwner.h"
#include "core/texts/MessageTexts.h"

#include <ostream>
#include <string>

namespace zarvex1 {

// The link's window for the command line: the message line goes to standard error, a line only when
// its text changes. The unit's saving after programming is left to the program command, which tells
// it from the monitor frames.
class CliLinkOwner : public LinkOwner {
public:
    enum class Lines { All, ErrorsOnly };

    CliLinkOwner(std::ostream &err, const MessageTexts &texts, Lines lines)
        : err_(err), texts_(texts), lines_(lines) {}

    void MessageLineChanged(const MessageLine &line) override;
    void ShowVersionMessage(const std::string &text) override;
    void ShowComOpeningError(const std::string &text) override;
    void DeviceTextsChanged(const DeviceTexts &) override { deviceInfoReceived_ = true; }

    bool versionMismatch() const { return versionMismatch_; }
    bool comOpeningError() const { return !comOpeningMessage_.empty(); }
    // "Com opening error!" with the reason below it.
    const std::string &comOpeningMessage() const { return comOpeningMessage_; }
    bool deviceInfoReceived() const { return deviceInfoReceived_; }

private:
    std::ostream &err_;
    const MessageTexts &texts_;
    Lines lines_;
    std::string printed_;
    bool versionMismatch_ = false;
    std::string comOpeningMessage_;
    bool deviceInfoReceived_ = false;
};

} // namespace zarvex1
