#pragma once

#include "core/pages/PageStates.h"
#include "core/params/ParameterImage.h"

namespace zarvex1 {

// The states that every page refresh brings to the window around the pages: the print look hides the
// tool bar, the status bar, the gauges and the check box beside the tool bar; the second advance and
// second pick-up labels of the live display are there only where the unit has them.
PageStates CommonStates(const ParameterImage &image, bool printing);

} // namespace zarvex1
