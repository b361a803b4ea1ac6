#include "core/pages/PageModel.h"

#include <algorithm>

namespace zarvex1 {

std::optional<Binding> PageModel::Row(std::string_view name, const ParameterImage &image) const {
    for (const Binding &b : Bindings(image))
        if (b.name == name)
            return b;
    return std::nullopt;
}

std::vector<ShownRow> LoadPageValues(const PageModel &page, const ParameterImage &image) {
    std::vector<ShownRow> rows;
    for (const Binding &b : page.Bindings(image))
        rows.push_back({b, ShowValue(b, image)});
    return rows;
}

PageStates PageStatesFor(const PageModel &page, const ParameterImage &image, bool printing) {
    PageStates states = page.States(image, printing);
    const auto hiddenAtStart = page.HiddenAtStart();
    for (const Binding &b : page.Bindings(image)) {
        if (!b.isUpDown())
            continue;
        if (printing)
            states.Visible(b.name, false);
        else if (!states.Of(b.name).visible &&
                 std::find(hiddenAtStart.begin(), hiddenAtStart.end(), b.name) == hiddenAtStart.end())
            states.Visible(b.name, true); // back after a printout, where no rule of the page decides
    }
    return states;
}

void StorePageValues(const PageModel &page, const ControlValues &values, ParameterImage &image) {
    const ParameterImage before = image;
    for (const Binding &b : page.Bindings(before))
        if (const auto value = values.find(b.name); value != values.end())
            TakeValue(b, value->second, image);
    page.AfterStore(before, image);
}

} // namespace zarvex1
