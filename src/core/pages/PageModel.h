#pragma once

#include "core/pages/Binding.h"
#include "core/pages/PageStates.h"
#include "core/params/Defaults.h"
#include "core/params/ParameterImage.h"
#include "core/texts/Captions.h"

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zarvex1 {

// The rules of one page of the main window, as data and pure functions of the image: which control
// edits which parameter, which controls are visible, enabled and coloured, and the page's texts. The
// widgets only copy what these say.
class PageModel {
public:
    virtual ~PageModel() = default;

    virtual int index() const = 0;
    // The binding rows in load order, with the ranges and scales that the image asks for.
    virtual std::vector<Binding> Bindings(const ParameterImage &image) const = 0;
    // The states of the controls for the image; while printing, the up-downs go.
    virtual PageStates States(const ParameterImage &image, bool printing) const = 0;
    // Controls hidden once when the page is built; the states bring some of them back.
    virtual std::span<const std::string_view> HiddenAtStart() const { return {}; }
    // The rules of a store beyond its rows; `before` is the image as the store found it.
    virtual void AfterStore(const ParameterImage & /*before*/, ParameterImage & /*image*/) const {}
    // The page's captions, hints and list items in the three languages.
    virtual CaptionTable Captions() const { return {}; }

    // The row of one control, for the image.
    std::optional<Binding> Row(std::string_view name, const ParameterImage &image) const;
};

// What a load puts into one control: the row (with its range) and the value, or nothing to leave the
// control as it is.
struct ShownRow {
    Binding binding;
    std::optional<int> value;
};
std::vector<ShownRow> LoadPageValues(const PageModel &page, const ParameterImage &image);

// The page's states as the window shows them: the model's rules, and while printing no up-down of the
// page, whatever the rules say, so that a printout shows values and not spinner buttons. Afterwards an
// up-down that no rule of the page decides shows again, unless it is one hidden for good at start.
PageStates PageStatesFor(const PageModel &page, const ParameterImage &image, bool printing);

// The controls' values by name, as the widgets hold them.
using ControlValues = std::map<std::string, int, std::less<>>;
// Takes the values into the image row by row, then the page's own store rules. A row without a value
// is left alone.
void StorePageValues(const PageModel &page, const ControlValues &values, ParameterImage &image);

} // namespace zarvex1
