#include "cli/CliLinkOwner.h"

#include "core/link/Colours.h"

namespace zarvex1 {

void CliLinkOwner::MessageLineChanged(const MessageLine &line) {
    if (!line.visible || line.text == printed_)
        return;
    if (lines_ == Lines::ErrorsOnly && line.colour != Colour::Red)
        return;
    // The link shows the programming OK as soon as a transfer ends, before the unit has reported its
    // saving; the program command reports both itself once the unit has really saved.
    if (line.text == texts_[MessageSlot::Saving] || line.text == texts_[MessageSlot::Program] + ": OK")
        return;
    printed_ = line.text;
    err_ << line.text << std::endl;
}

void CliLinkOwner::ShowVersionMessage(const std::string &text) {
    versionMismatch_ = true;
    err_ << text << std::endl;
}

void CliLinkOwner::ShowComOpeningError(const std::string &text) {
    comOpeningMessage_ = text; // the session prints it when the start fails
}

} // namespace zarvex1
