#include "core/mapbinding/ServoMap.h"

#include <cmath>

#include "core/mapbinding/LoadAxis.h"
#include "core/mapbinding/MapSheets.h"

namespace zarvex1 {

namespace {

bool InPercent(const CSheet &sheet) {
    return sheet.axisData.unit == "%";
}

// The data axis in percent or in volts.
void Present(CSheet &sheet, bool percent) {
    struct Presentation {
        int max;
        double scale;
        const char *label;
        const char *key;
        const char *unit;
        const CBand *bands;
    };
    const Presentation p = percent ? Presentation{100, 1.0, "Percentage", "[%]", "%", PercentBands}
                                   : Presentation{250, 0.02, "Voltage", "U", "V", VoltageBands};
    CAxe &data = sheet.axisData;
    data.max = p.max;
    data.scale = p.scale;
    data.label = p.label;
    data.key = p.key;
    data.unit = p.unit;
    data.SetBands(p.bands);
}

void ReadServo(MapEditor &servo, const ParameterImage &image) {
    ApplyServoLoadAxis(servo, image.byte(Adrb::LoadSensor), image.byte(Adrb::ServoAxes), image);
    CSheet &sheet = servo.Sheets().Sheet(0);
    for (int i = 0; i < 15; ++i)
        sheet.axisX.values[static_cast<std::size_t>(i)] = image.word(Adrw::ServoRpm + i) / 100;
    for (int j = 0; j < 10; ++j)
        for (int k = 0; k < 15; ++k)
            sheet.Cell(k, j) = image.byte(Adrb::Servo + 15 * j + k);
    servo.RebuildToolbar();
}

} // namespace

bool LoadServoMap(MapEditor &servo, ParameterImage &image) {
    if (servo.Sheets().Count() == 0)
        return false;
    ReadServo(servo, image);
    CSheet &sheet = servo.Sheets().Sheet(0);
    const bool percent = image.byte(Adrb::ServoPercent) == 1;
    bool switched = false;
    if (InPercent(sheet) != percent && (percent || image.byte(Adrb::ServoPercent) == 0)) {
        Present(sheet, percent);
        ServoMapToImage(servo, image);
        ReadServo(servo, image);
        switched = true;
    }
    sheet.SetEnabled(image.byte(Adrb::ServoEnabled) != 0);
    const std::uint32_t colour = percent ? ServoPercentColour : ServoVoltColour;
    sheet.axisX.color = sheet.axisY.color = sheet.axisData.color = colour;
    servo.Relayout();
    servo.Request(DirtyRelayout | DirtyRedraw);
    return switched;
}

void ServoMapToImage(const MapEditor &servo, ParameterImage &image) {
    if (servo.Sheets().Count() == 0)
        return;
    const CSheet &sheet = servo.Sheets().Sheet(0);
    const bool xc = sheet.axisX.collapsed(), yc = sheet.axisY.collapsed();
    const int sensor = image.byte(Adrb::LoadSensor);
    int mode = 0;
    if (!xc && yc)
        mode = 1;
    else if (xc && !yc)
        mode = 2;
    if (sensor == SensorNone)
        mode = 1;
    image.setByte(Adrb::ServoAxes, static_cast<unsigned>(mode));
    // A set may hold another byte than 1 for on: it stays as it came unless the switch changed.
    if ((image.byte(Adrb::ServoEnabled) != 0) != sheet.enabled())
        image.setByte(Adrb::ServoEnabled, sheet.enabled() ? 1u : 0u);
    if (sensor == SensorIap && !yc)
        for (int j = 0; j < 10; ++j)
            image.setWord(Adrw::IapAxis + j,
                          static_cast<unsigned>(sheet.axisY.values[static_cast<std::size_t>(j)]));
    if (mode == 0 || !xc)
        for (int i = 0; i < 15; ++i)
            image.setWord(Adrw::ServoRpm + i,
                          static_cast<unsigned>(sheet.axisX.values[static_cast<std::size_t>(i)] * 100));
    for (int j = 0; j < 10; ++j)
        for (int k = 0; k < 15; ++k)
            image.setByte(Adrb::Servo + 15 * j + k, static_cast<unsigned>(sheet.Cell(k, j)) & 0xFFu);
}

void StoreServoEditor(MapEditor &servo, const ParameterImage &before, ParameterImage &image) {
    if (servo.Sheets().Count() == 0)
        return;
    CSheet &sheet = servo.Sheets().Sheet(0);
    sheet.SetEnabled(image.byte(Adrb::ServoEnabled) != 0);
    const int percent = image.byte(Adrb::ServoPercent);
    if (percent != before.byte(Adrb::ServoPercent)) {
        const bool inPercent = InPercent(sheet);
        const double factor = !inPercent && percent == 1 ? 0.4 : inPercent && percent == 0 ? 2.5 : 0.0;
        if (factor != 0.0)
            for (int &cell : sheet.axisData.values)
                cell = static_cast<int>(std::floor(cell * factor + 0.5));
        ServoMapToImage(servo, image);
        LoadServoMap(servo, image);
    }
    servo.Request(DirtyRelayout | DirtyRedraw);
}

} // namespace zarvex1
