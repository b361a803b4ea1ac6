#include "cli/CliLinkOwner.h"

#include "core/link/Colours.h"

#include <gtest/gtest.h>

#include <deque>
#include <sstream>

using namespace zarvex1;

namespace {

MessageTexts English() {
    MessageTexts texts;
    texts.FillMessageTexts(0);
    return texts;
}

TEST(CliLinkOwner, printsEachShownTextOnceAndLeavesTheSavingToTheCommand) {
    const MessageTexts texts = English();
    std::ostringstream err;
    CliLinkOwner owner(err, texts, CliLinkOwner::Lines::All);
    const MessageLine shown[] = {
        {"Program device:", Colour::ButtonFace, true},
        {"Program device:", Colour::ButtonFace, true}, // visible again: no new line
        {"Verify::", Colour::ButtonFace, false},       // hidden: nothing
        {"Verify::", Colour::ButtonFace, true},
        {"Verify:: OK", Colour::ButtonFace, true},
        {"Program device:: OK", Colour::ButtonFace, true}, // before the unit has saved
        {"Saving:", Colour::ButtonFace, true},
        {"Program error!", Colour::Red, true},
    };
    for (const MessageLine &line : shown)
        owner.MessageLineChanged(line);
    EXPECT_EQ(err.str(), "Program device:\nVerify::\nVerify:: OK\nProgram error!\n");
}

TEST(CliLinkOwner, errorsOnlyKeepsProgressQuietAndRecordsTheVersionMessage) {
    const MessageTexts texts = English();
    std::ostringstream err;
    CliLinkOwner owner(err, texts, CliLinkOwner::Lines::ErrorsOnly);
    owner.MessageLineChanged({"Read:", Colour::ButtonFace, true});
    owner.MessageLineChanged({"Read error!", Colour::Red, true});
    owner.ShowVersionMessage("Unmatched version of PC and Ignition programs!  PC-99, IGN-98");
    EXPECT_EQ(err.str(), "Read error!\nUnmatched version of PC and Ignition programs!  PC-99, IGN-98\n");
    EXPECT_TRUE(owner.versionMismatch());
}

// Hands out prepared reads one per call.
} // namespace
