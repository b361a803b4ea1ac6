#pragma once

#include "core/params/ParameterImage.h"

#include <cstdint>

namespace zarvex1 {

// Application values that share the image's limiting: the chosen port, the scanned port and the language.
struct LimitedSettings {
    int portIndex = 1;              // 0..29 COM1..COM30, 30 automatic
    int scanIndex = 0;              // 0..30 in automatic mode
    std::uint8_t languageIndex = 0; // 0 English, 1 German, 3 Czech
};

// Forces the image into its legal ranges and orderings, and the settings with it.
void LimitParameters(ParameterImage &image, LimitedSettings &settings);
// The same for an image without application settings around it (files, command-line tool).
void LimitParameters(ParameterImage &image);

} // namespace zarvex1
