#include "pages/PageModel.h"

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

void StorePageValues(const PageModel &page, const ControlValues &values, ParameterImage &image) {
    const ParameterImage before = image;
    for (const Binding &b : page.Bindings(before))
        if (const auto value = values.find(b.name); value != values.end())
            TakeValue(b, value->second, image);
    page.AfterStore(before, image);
}

} // namespace zarvex1
