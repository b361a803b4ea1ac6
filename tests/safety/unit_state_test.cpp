#include "core/params/Defaults.h"
#include "core/safety/UnitState.h"
#include "core/texts/MessageTexts.h"

#include <gtest/gtest.h>

namespace zarvex1 {
namespace {

TEST(UnitState, followsReadEditProgramFailedVerifyCompareAndPortChange) {
    // The set the unit holds is the session's; the state knows where that knowledge came from.
    UnitState state;
    std::optional<ParameterImage> unit;
    ParameterImage screen = FirstStartSet();
    EXPECT_EQ(state.View(screen, unit), (UnitStateView{UnitStateKind::NotRead, 0}));

    state.TransferConfirmed(); // a read
    unit = screen;
    EXPECT_EQ(state.View(screen, unit), (UnitStateView{UnitStateKind::Same, 0}));

    screen.setByte(Adrb::Retard, 20);
    screen.setByte(Adrb::Advance1 + 3, 40);
    EXPECT_EQ(state.View(screen, unit), (UnitStateView{UnitStateKind::ChangesNotProgrammed, 2}));

    state.TransferConfirmed(); // a program
    unit = screen;
    EXPECT_EQ(state.View(screen, unit), (UnitStateView{UnitStateKind::Same, 0}));

    state.VerifyFailed();
    unit.reset();
    EXPECT_EQ(state.View(screen, unit), (UnitStateView{UnitStateKind::Differs, 0}));

    unit = screen;
    unit->setByte(Adrb::BaseAdvance, 3);
    state.ComparedWithUnit();
    EXPECT_EQ(state.View(screen, unit), (UnitStateView{UnitStateKind::Differs, 1}));
    EXPECT_EQ(state.View(*unit, unit), (UnitStateView{UnitStateKind::Same, 0})); // "Take" of everything

    state.TransferConfirmed(); // a verify that passed
    unit = screen;
    EXPECT_EQ(state.View(screen, unit), (UnitStateView{UnitStateKind::Same, 0}));

    state.PortChanged();
    unit.reset();
    EXPECT_EQ(state.View(screen, unit), (UnitStateView{UnitStateKind::NotRead, 0}));
}

TEST(UnitState, textsInThreeLanguages) {
    struct Case {
        UnitStateView view;
        int language;
        const char *text;
    };
    const Case cases[] = {
        {{UnitStateKind::NotRead, 0}, Language::English, "Unit: not read yet"},
        {{UnitStateKind::Same, 0}, Language::German, "Zündung: wie auf dem Bildschirm"},
        {{UnitStateKind::ChangesNotProgrammed, 1}, Language::English, "Unit: 1 change not programmed"},
        {{UnitStateKind::ChangesNotProgrammed, 3},
         Language::German,
         "Zündung: 3 Änderungen nicht programmiert"},
        {{UnitStateKind::ChangesNotProgrammed, 1}, Language::Czech, "Zapalování: 1 změna nenaprogramována"},
        {{UnitStateKind::ChangesNotProgrammed, 4}, Language::Czech, "Zapalování: 4 změny nenaprogramovány"},
        {{UnitStateKind::ChangesNotProgrammed, 12}, Language::Czech, "Zapalování: 12 změn nenaprogramováno"},
        {{UnitStateKind::Differs, 0}, Language::Czech, "Zapalování: liší se od obrazovky"},
        {{UnitStateKind::Differs, 5}, Language::English, "Unit: differs from the screen in 5 values"},
        {{UnitStateKind::Differs, 1}, Language::German, "Zündung: weicht in 1 Wert vom Bildschirm ab"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(UnitStateText(c.view, c.language), c.text);
}

} // namespace
} // namespace zarvex1
