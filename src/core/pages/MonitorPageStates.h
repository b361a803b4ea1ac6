#pragma once

#include "core/pages/PageStates.h"
#include "core/params/ParameterImage.h"
#include "core/texts/Captions.h"

namespace zarvex1 {

// What loading the Monitor page sets: the row of a power output is enabled only when the output has a
// mode other than Off.
PageStates MonitorPageStates(const ParameterImage &image);

// The titles of the Monitor page's boxes in the three languages.
CaptionTable MonitorPageCaptions();

} // namespace zarvex1
