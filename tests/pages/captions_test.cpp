#include "core/pages/BikePageModel.h"
#include "core/pages/GearPageModel.h"
#include "core/pages/InputsPageModel.h"
#include "core/pages/PowerOutPageModel.h"
#include "core/pages/RacePageModel.h"
#include "core/pages/TestPageModel.h"
#include "core/texts/WindowCaptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace zarvex1 {
namespace {

int ItemCount(std::string_view items) {
    return static_cast<int>(std::count(items.begin(), items.end(), '\n')) + 1;
}

// Every row has its text in every language, and every list has as many items as its control.
void CheckTable(CaptionTable rows, const PageModel *page) {
    for (const CaptionRow &row : rows) {
        SCOPED_TRACE(std::string(row.target));
        for (const int language : {Language::English, Language::German, Language::Czech})
            EXPECT_FALSE(row.in(language).empty()) << "language " << language;
        if (!page || (row.kind != CaptionKind::Items && row.kind != CaptionKind::Item))
            continue;
        const std::optional<Binding> control = page->Row(row.target, FirstStartSet());
        ASSERT_TRUE(control.has_value()) << "a list of no bound control";
        if (row.kind == CaptionKind::Item) {
            EXPECT_GE(row.item, 0);
            EXPECT_LE(row.item, control->maximum);
        } else {
            for (const int language : {Language::English, Language::German, Language::Czech})
                EXPECT_EQ(ItemCount(row.in(language)), control->maximum + 1) << "language " << language;
        }
    }
}

TEST(Captions, pageTablesMatchTheirControls) {
    const BikePageModel bike;
    const InputsPageModel inputs;
    for (const PageModel *page :
         {static_cast<const PageModel *>(&bike), static_cast<const PageModel *>(&inputs)}) {
        SCOPED_TRACE(page->index());
        CheckTable(page->Captions(), page);
        // Every up-down has a label that names it, and every radio group a caption.
        for (const Binding &row : page->Bindings(FirstStartSet())) {
            std::string captioned = row.isUpDown() ? LabelNameOf(row.name) : std::string(row.name);
            if (row.name == "UpDownKompenz1" || row.name == "UpDownKompenz2")
                captioned = "LabelKompenz"; // one label for both pick-ups
            if (row.kind == ControlKind::Combo || row.name.find("Palec") != std::string_view::npos)
                continue; // combo boxes show their items; a channel's flags are named by row and column
            const CaptionTable rows = page->Captions();
            EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [&](const CaptionRow &c) {
                return c.target == captioned && c.kind == CaptionKind::Caption;
            })) << captioned;
        }
    }
}

TEST(Captions, powerOutGearRaceAndTestTablesMatchTheirControls) {
    const PowerOutPageModel power;
    const GearPageModel gear;
    const RacePageModel race;
    const TestPageModel test;
    for (const PageModel *page :
         {static_cast<const PageModel *>(&power), static_cast<const PageModel *>(&gear),
          static_cast<const PageModel *>(&race), static_cast<const PageModel *>(&test)}) {
        SCOPED_TRACE(page->index());
        CheckTable(page->Captions(), page);
    }
}

TEST(Captions, windowTablesHaveEveryLanguage) {
    CheckTable(MenuCaptions(), nullptr);
    CheckTable(WindowCaptions(), nullptr);
    for (const std::string_view page : PageNames) {
        const CaptionTable rows = WindowCaptions();
        EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [&](const CaptionRow &c) {
            return c.target == page;
        })) << page;
    }
}

} // namespace
} // namespace zarvex1
