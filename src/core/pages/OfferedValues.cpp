#include "core/pages/OfferedValues.h"

#include "core/pages/BikePageModel.h"
#include "core/pages/GearPageModel.h"
#include "core/pages/InputsPageModel.h"
#include "core/pages/MapPageModels.h"
#include "core/pages/PowerOutPageModel.h"
#include "core/pages/RacePageModel.h"
#include "core/pages/TestPageModel.h"

#include <algorithm>

namespace zarvex1 {

namespace {

bool Offered(const Binding &b, const ParameterImage &image) {
    switch (b.kind) {
    case ControlKind::Radio:
    case ControlKind::Combo: {
        const std::optional<int> item = ShowValue(b, image);
        return item && *item >= 0;
    }
    case ControlKind::Check:
        return image.byte(b.position) <= 1;
    default:
        // Up-downs are brought into range by the limits; bit checks show every bit.
        return true;
    }
}

} // namespace

std::vector<UnofferedValue> ValuesNoPageOffers(const ParameterImage &image) {
    const BikePageModel bike;
    const InputsPageModel inputs;
    const AdvancePageModel advance;
    const ServoPageModel servo;
    const PowerOutPageModel powerOut;
    const GearPageModel gear;
    const RacePageModel race;
    const TestPageModel test;
    const PageModel *pages[] = {&bike, &inputs, &advance, &servo, &powerOut, &gear, &race, &test};
    std::vector<UnofferedValue> found;
    for (const PageModel *page : pages)
        for (const Binding &b : page->Bindings(image)) {
            if (b.held || Offered(b, image))
                continue;
            const bool known = std::any_of(found.begin(), found.end(),
                                           [&](const UnofferedValue &v) { return v.position == b.position; });
            if (!known)
                found.push_back({b.name, b.position, image.byte(b.position)});
        }
    return found;
}

} // namespace zarvex1
