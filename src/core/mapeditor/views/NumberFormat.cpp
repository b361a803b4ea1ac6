#include "core/mapeditor/views/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace zarvex1 {
namespace {

// printf-style "%.*f" that ignores the process locale: Qt sets the C locale from the environment,
// and a German or Czech locale would otherwise turn the point into a comma.
std::string Fixed(double value, int decimals) {
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc{})
        return "0";
    return std::string(buffer, result.ptr);
}

int DecimalsFor(double step) {
    if (!(step < 1.0))
        return 0;
    if (!(step > 0.0))
        return 0; // a zero or negative step has no meaningful decimals
    const double decimals = std::trunc(0.99 - std::log10(step));
    return static_cast<int>(std::clamp(decimals, 0.0, 15.0));
}

} // namespace

std::string FormatValue(int raw, double step, std::string_view unit, bool showUnit) {
    std::string text = Fixed(static_cast<double>(raw) * step, DecimalsFor(step));

    const std::size_t point = text.find('.');
    const std::size_t digitsStart = (!text.empty() && text[0] == '-') ? 1 : 0;
    std::size_t position = point == std::string::npos ? text.size() : point;
    while (position - digitsStart > 3) {
        position -= 3;
        text.insert(position, 1, ' ');
    }

    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    if (text == "-0")
        text = "0";

    if (showUnit && !unit.empty()) {
        text += ' ';
        text += unit;
    }
    return text;
}

std::string FormatTick(double step, double value) {
    if (step < 0.001)
        return Fixed(value * 1000.0, 2) + "m";
    if (step < 0.01)
        return Fixed(value * 1000.0, 0) + "m";
    if (step < 0.1)
        return Fixed(value, 2);
    if (step < 1.0)
        return Fixed(value, 1);
    if (step < 1000.0)
        return Fixed(value, 0);
    if (step < 1000000.0)
        return Fixed(value * 0.001, 0) + "k";
    return Fixed(value * 0.000001, 0) + "M";
}

std::string WithDecimalComma(std::string text) {
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

} // namespace zarvex1
