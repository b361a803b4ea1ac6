#pragma once

#include "core/params/ParameterImage.h"

#include <string>

namespace zarvex1 {

// The unit's parameter memory kept on disk: a parameter file when the name ends in ".ign" (any case),
// otherwise the raw 900-byte image. Both return false with a reason in `error`; a failed load leaves
// the image as it was.
bool LoadMemory(const std::string &path, ParameterImage &image, std::string &error);
bool SaveMemory(const std::string &path, const ParameterImage &image, std::string &error);

// The memory of a unit fresh from the factory: the program's defaults for motorbike type 0.
ParameterImage FactoryMemory();

} // namespace zarvex1
