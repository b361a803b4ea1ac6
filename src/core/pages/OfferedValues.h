#pragma once

#include "core/params/ParameterImage.h"

#include <string_view>
#include <vector>

namespace zarvex1 {

// A byte that a page's list, radio group or check box cannot show: the program keeps it (a unit may
// know codes this program does not), but no page offers it.
struct UnofferedValue {
    std::string_view control; // the control of the page that edits the byte
    int position;             // the byte of the image
    int value;
};

// Every such byte of the image, in page and row order; each byte once.
std::vector<UnofferedValue> ValuesNoPageOffers(const ParameterImage &image);

} // namespace zarvex1
