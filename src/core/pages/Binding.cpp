#include "core/pages/Binding.h"

#include <algorithm>
#include <string>

namespace zarvex1 {

namespace {

constexpr std::string_view UpDownPrefix = "UpDown";

int RawValue(const Binding &b, const ParameterImage &image) {
    return b.kind == ControlKind::WordUpDown ? image.word(b.position) : image.byte(b.position);
}

std::string Renamed(std::string_view upDownName, std::string_view prefix) {
    if (!upDownName.starts_with(UpDownPrefix))
        return std::string(upDownName);
    return std::string(prefix) + std::string(upDownName.substr(UpDownPrefix.size()));
}

} // namespace

std::optional<int> ShowValue(const Binding &b, const ParameterImage &image) {
    if (b.held)
        return std::nullopt;
    switch (b.kind) {
    case ControlKind::WordUpDown:
    case ControlKind::ByteUpDown:
        return std::clamp(DisplayedValue(RawValue(b, image), b.scale, b.offset), b.minimum, b.maximum);
    case ControlKind::Check:
        return image.byte(b.position) != 0 ? 1 : 0;
    case ControlKind::BitCheck:
        return (image.byte(b.position) >> b.bit) & 1;
    case ControlKind::Radio:
    case ControlKind::Combo: {
        const int code = image.byte(b.position);
        if (!b.codes.empty()) {
            const auto item = std::find(b.codes.begin(), b.codes.end(), code);
            if (item == b.codes.end())
                return std::nullopt;
            return static_cast<int>(item - b.codes.begin());
        }
        return code <= b.maximum ? code : -1;
    }
    }
    return std::nullopt;
}

void TakeValue(const Binding &b, int value, ParameterImage &image) {
    if (b.held)
        return;
    switch (b.kind) {
    case ControlKind::WordUpDown:
        image.setWord(b.position, static_cast<unsigned>(StoredValue(std::clamp(value, b.minimum, b.maximum),
                                                                    b.scale, b.offset)));
        return;
    case ControlKind::ByteUpDown:
        image.setByte(b.position, static_cast<unsigned>(StoredValue(std::clamp(value, b.minimum, b.maximum),
                                                                    b.scale, b.offset)));
        return;
    case ControlKind::Check:
        image.setByte(b.position, value != 0 ? 1 : 0);
        return;
    case ControlKind::BitCheck: {
        const unsigned bit = 1u << b.bit;
        const unsigned row = image.byte(b.position);
        image.setByte(b.position, value != 0 ? row | bit : row & ~bit);
        return;
    }
    case ControlKind::Radio:
    case ControlKind::Combo:
        if (value < 0 || value > b.maximum)
            return;
        image.setByte(b.position, static_cast<unsigned>(
                                      b.codes.empty() ? value : b.codes[static_cast<std::size_t>(value)]));
        return;
    }
}

std::string EditNameOf(std::string_view upDownName) {
    return Renamed(upDownName, "Edit");
}

std::string LabelNameOf(std::string_view upDownName) {
    return Renamed(upDownName, "Label");
}

} // namespace zarvex1
