#include "core/mapbinding/LoadAxis.h"

#include "core/mapbinding/MapSheets.h"

namespace zarvex1 {

namespace {

// After the axes changed: toolbar, layout and view mode follow.
void Rebuild(MapEditor &editor) {
    editor.RebuildToolbar();
    editor.SetViewMode(0);
    editor.Request(DirtyRelayout | DirtyRedraw);
}

} // namespace

void SetLoadAxis(CSheet &sheet, int sensor, const ParameterImage &image) {
    CAxe &y = sheet.axisY;
    if (sensor != SensorTps && sensor != SensorIap) {
        y.collapseMode = 2;
        y.collapsePosition = CollapseLast;
        return;
    }
    // The throttle's points are fixed; the pressure points are the shared axis the user edits.
    struct Axis {
        const char *name;
        const char *unit;
        int max;
        bool editable;
    };
    const Axis axis = sensor == SensorTps ? Axis{"TPS", "%", 100, false} : Axis{"IAP", "kPa", 1000, true};
    y.collapseMode = 1;
    for (int j = 0; j < 10; ++j)
        y.values[static_cast<std::size_t>(j)] =
            sensor == SensorTps ? TpsPoints[j] : image.word(Adrw::IapAxis + j);
    y.label = y.key = axis.name;
    y.unit = axis.unit;
    y.SetShowUnit(true);
    y.min = 0;
    y.max = axis.max;
    y.SetEditable(axis.editable);
}

void ApplyLoadAxis(MapEditor &advance, int sensor, int use, const ParameterImage &image) {
    if (sensor < SensorNone || sensor > SensorIap)
        sensor = SensorNone;
    for (int s = 0; s < advance.Sheets().Count(); ++s) {
        CSheet &sheet = advance.Sheets().Sheet(s);
        SetLoadAxis(sheet, sensor, image);
        sheet.axisY.SetCollapsed(use == 1 && sensor != SensorNone ? 0 : 1);
    }
    Rebuild(advance);
}

void ApplyServoLoadAxis(MapEditor &servo, int sensor, int axesMode, const ParameterImage &image) {
    if (sensor < SensorNone || sensor > SensorIap)
        sensor = SensorNone;
    for (int s = 0; s < servo.Sheets().Count(); ++s) {
        CSheet &sheet = servo.Sheets().Sheet(s);
        SetLoadAxis(sheet, sensor, image);
        if (sensor == SensorNone || axesMode == 0 || axesMode > 2) {
            sheet.axisY.SetCollapsed(sensor == SensorNone ? 1 : 0);
            sheet.axisX.SetCollapsed(false);
        } else if (axesMode == 1) {
            sheet.axisY.SetCollapsed(true);
            sheet.axisX.SetCollapsed(false);
        } else {
            sheet.axisY.SetCollapsed(false);
            sheet.axisX.SetCollapsed(true);
        }
    }
    Rebuild(servo);
}

} // namespace zarvex1
