#include "core/params/UndoHistory.h"

#include <gtest/gtest.h>

namespace zarvex1 {
namespace {

ParameterImage ImageWith(int marker) {
    ParameterImage image;
    image.setWord(0, marker);
    return image;
}

TEST(UndoHistory, startsWithBothCommandsDisabled) {
    UndoHistory history;
    history.InitUndoHistory(ImageWith(0), 2);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());
    EXPECT_FALSE(history.Undo().has_value());
    EXPECT_FALSE(history.Redo().has_value());
}

TEST(UndoHistory, commitWithoutChangeMakesNoEntryAndKeepsRedo) {
    UndoHistory history;
    history.InitUndoHistory(ImageWith(0), 0);
    EXPECT_TRUE(history.RecordUndo(ImageWith(1), 0));
    ASSERT_TRUE(history.Undo().has_value());
    EXPECT_TRUE(history.CanRedo());
    EXPECT_FALSE(history.RecordUndo(ImageWith(0), 0));
    EXPECT_TRUE(history.CanRedo());
}

TEST(UndoHistory, undoAndRedoRestoreImageAndPage) {
    UndoHistory history;
    history.InitUndoHistory(ImageWith(0), 0);
    history.RecordUndo(ImageWith(1), 5);
    history.RecordUndo(ImageWith(2), 1);
    auto entry = history.Undo();
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->image, ImageWith(1));
    EXPECT_EQ(entry->page, 5);
    entry = history.Redo();
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->image, ImageWith(2));
    EXPECT_EQ(entry->page, 1);
    EXPECT_FALSE(history.CanRedo());
}

TEST(UndoHistory, newChangeDropsTheUndoneStates) {
    UndoHistory history;
    history.InitUndoHistory(ImageWith(0), 0);
    for (int i = 1; i <= 3; ++i)
        history.RecordUndo(ImageWith(i), 0);
    history.Undo();
    history.Undo();
    EXPECT_TRUE(history.RecordUndo(ImageWith(9), 0));
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.Undo()->image, ImageWith(1));
}

TEST(UndoHistory, fullRingKeepsTheLast199Steps) {
    UndoHistory history;
    history.InitUndoHistory(ImageWith(0), 0);
    for (int i = 1; i <= 250; ++i)
        ASSERT_TRUE(history.RecordUndo(ImageWith(i), 0));
    int steps = 0;
    std::optional<UndoHistory::Entry> last;
    while (auto entry = history.Undo()) {
        last = entry;
        ++steps;
    }
    EXPECT_EQ(steps, 199);
    EXPECT_EQ(last->image, ImageWith(51));
    int redos = 0;
    while (history.Redo())
        ++redos;
    EXPECT_EQ(redos, 199);
}

} // namespace
} // namespace zarvex1
