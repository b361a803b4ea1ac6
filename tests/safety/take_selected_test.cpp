#include "core/catalogue/ParameterCatalogue.h"
#include "core/params/Defaults.h"
#include "core/safety/TakeSelected.h"
#include "session/session_fixture.h"

#include <gtest/gtest.h>

namespace zarvex1 {
namespace {

const CatalogueEntry &Entry(std::string_view id) {
    const CatalogueEntry *e = ParameterCatalogue::Instance().EntryWithId(id);
    EXPECT_NE(e, nullptr) << id;
    return *e;
}

// Only what was chosen is copied: a word, a byte, one bit of a byte shared with other values, and the
// chosen cells of a map; the values not chosen stay as the screen has them.
TEST(TakeSelected, copiesOnlyTheChosenValuesBitsAndCells) {
    const ParameterImage mine = FirstStartSet();
    ParameterImage other = mine;
    other.setWord(Adrw::SoftLimiter, mine.word(Adrw::SoftLimiter) + 300);
    other.setByte(Adrb::Retard, mine.byte(Adrb::Retard) + 2);
    other.setByte(758, mine.byte(758) ^ 0b0000'0101); // bits 0 and 2
    other.setByte(Adrb::Advance1 + 16, mine.byte(Adrb::Advance1 + 16) + 3);
    other.setByte(Adrb::Advance1 + 17, mine.byte(Adrb::Advance1 + 17) + 4);

    ParameterImage image = mine;
    const int changed = CopyChosen(
        image, other,
        {{&Entry("W2"), {}}, {&Entry("B758.2"), {}}, {&Entry("ADVANCE1"), {17}}, {&Entry("B267"), {}}});
    EXPECT_EQ(changed, 4);
    EXPECT_EQ(image.word(Adrw::SoftLimiter), other.word(Adrw::SoftLimiter));
    EXPECT_EQ(image.byte(Adrb::Retard), other.byte(Adrb::Retard)) << "B267 is the retard";
    EXPECT_EQ(image.byte(758), mine.byte(758) ^ 0b100) << "bit 0 was not chosen";
    EXPECT_EQ(image.byte(Adrb::Advance1 + 17), other.byte(Adrb::Advance1 + 17));
    EXPECT_EQ(image.byte(Adrb::Advance1 + 16), mine.byte(Adrb::Advance1 + 16)) << "cell 16 was not chosen";
    EXPECT_EQ(CopyChosen(image, other, {{&Entry("W2"), {}}}), 0) << "taken already";
}

// Take selected is one edit: one undo entry, which Undo takes back whole.
TEST(TakeSelected, isOneUndoEntryOfTheSession) {
    test::SessionFixture f;
    const ParameterImage before = f.session.image();
    ParameterImage other = before;
    other.setByte(Adrb::Advance1 + 20, before.byte(Adrb::Advance1 + 20) + 5);
    other.setByte(Adrb::Advance1 + 21, before.byte(Adrb::Advance1 + 21) + 5);
    other.setByte(Adrb::Retard, before.byte(Adrb::Retard) + 1);

    ASSERT_TRUE(TakeSelected(f.session, other, {{&Entry("ADVANCE1"), {20, 21}}, {&Entry("B267"), {}}}));
    EXPECT_EQ(f.session.image(), other);
    EXPECT_TRUE(f.session.undo().CanUndo());
    f.session.Undo();
    EXPECT_EQ(f.session.image(), before);
    EXPECT_FALSE(f.session.undo().CanUndo()) << "one entry, not one per value";
    EXPECT_FALSE(TakeSelected(f.session, before, {{&Entry("B267"), {}}})) << "nothing to take";
}

} // namespace
} // namespace zarvex1
