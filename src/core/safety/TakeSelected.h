#pragma once

#include "core/safety/SetComparison.h"

#include <vector>

namespace zarvex1 {

class ParameterSession;

// Copies the chosen values, and of a map the chosen cells, of `other` into `image` as the image holds
// them; a bit copies the bit alone. The number of values and cells that changed.
int CopyChosen(ParameterImage &image, const ParameterImage &other,
               const std::vector<EntryDifference> &chosen);

// "Take selected": the chosen values of `other` into the session's set as one edit: the pages filled
// from it, the limits, one undo entry, and programming after change as after any edit. False when
// nothing changed.
bool TakeSelected(ParameterSession &session, const ParameterImage &other,
                  const std::vector<EntryDifference> &chosen);

} // namespace zarvex1
