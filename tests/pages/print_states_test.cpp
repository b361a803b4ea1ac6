#include "core/pages/BikePageModel.h"
#include "core/pages/InputsPageModel.h"
#include "core/params/Defaults.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>

namespace zarvex1 {
namespace {

// While a printout is taken no page shows a spinner; otherwise the page's own rules hold.
TEST(PrintStates, printingHidesEveryUpDownOfThePage) {
    ParameterImage image = FirstStartSet();
    image.setByte(Adrb::BikeType, static_cast<unsigned>(BikePageModel::BikeCodeOfItem(6))); // special
    image.setByte(Adrb::PickupSystem, 3);
    image.setByte(Adrb::InputFunction, 5); // start limiter: its up-downs are shown
    const std::unique_ptr<PageModel> pages[] = {std::make_unique<BikePageModel>(),
                                                std::make_unique<InputsPageModel>()};
    for (const auto &page : pages) {
        SCOPED_TRACE(page->index());
        int upDowns = 0;
        for (const Binding &row : page->Bindings(image)) {
            if (!row.isUpDown())
                continue;
            ++upDowns;
            EXPECT_EQ(PageStatesFor(*page, image, true).Of(row.name).visible, false) << row.name;
            // Afterwards the page's rule decides; without one the spinner is back, unless it is hidden for
            // good.
            const auto rule = page->States(image, false).Of(row.name).visible;
            const auto hidden = page->HiddenAtStart();
            const bool forGood = std::find(hidden.begin(), hidden.end(), row.name) != hidden.end();
            EXPECT_EQ(PageStatesFor(*page, image, false).Of(row.name).visible,
                      rule      ? rule
                      : forGood ? std::nullopt
                                : std::optional<bool>(true))
                << row.name;
        }
        EXPECT_GT(upDowns, 3);
    }
    EXPECT_EQ(PageStatesFor(BikePageModel(), image, false).Of("UpDownPalec1Zac").visible, true);
}

} // namespace
} // namespace zarvex1
