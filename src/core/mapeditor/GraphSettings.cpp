#include "core/mapeditor/GraphSettings.h"

#include "core/mapeditor/model/EditorTypes.h"

namespace zarvex1 {

namespace {

struct Preset {
    int command;
    ViewAngles angles;
};
constexpr Preset Presets[] = {{CommandTop, ViewTop}, {CommandIso1, ViewIso1}, {CommandIso2, ViewIso2}};

} // namespace

int GraphSettings::Preset() const {
    for (const auto &p : Presets)
        if (p.angles == angles)
            return p.command;
    return -1;
}

bool GraphSettings::ApplyPreset(int command) {
    for (const auto &p : Presets)
        if (p.command == command) {
            angles = p.angles;
            return true;
        }
    return false;
}

} // namespace zarvex1
