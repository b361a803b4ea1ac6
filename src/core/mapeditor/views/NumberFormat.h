#pragma once

#include <string>
#include <string_view>

namespace zarvex1 {

// Text of a stored value: raw × step with as many decimals as the step needs, integer digits
// grouped by three with a blank, trailing zeros and a trailing point removed, and " unit" appended
// when showUnit is set and a unit is given. The decimal separator is always a point.
std::string FormatValue(int raw, double step, std::string_view unit = {}, bool showUnit = false);

// Text of a graph axis label; step is the label spacing in display units, value a display value.
// Small steps print thousandths with an "m", large ones thousands with "k" or millions with "M".
std::string FormatTick(double step, double value);

// Replaces the decimal point of a formatted number by the Czech decimal comma.
std::string WithDecimalComma(std::string text);

} // namespace zarvex1
