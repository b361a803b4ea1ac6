#pragma once

#include "app/Captions.h"
#include "pages/PageStates.h"
#include "params/ParameterImage.h"

namespace zarvex1 {

// What loading the Monitor page sets: the row of a power output is enabled only when the output has a
// mode other than Off.
PageStates MonitorPageStates(const ParameterImage &image);

// The titles of the Monitor page's boxes in the three languages.
CaptionTable MonitorPageCaptions();

} // namespace zarvex1
