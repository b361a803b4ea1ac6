#include "core/mapbinding/MapSheets.h"

namespace zarvex1 {

const CBand SpeedBands[] = {{4000, 2000, 1000, 200, 1000},
                            {10000, 2000, 1000, 500, 1000},
                            {25000, 2000, 1000, 1000, 2000},
                            {0, 0, 0, 0, 0}};
const CBand AdvanceBands[] = {{10, 5, 1, 1, 2}, {30, 5, 5, 5, 5}, {0, 0, 0, 0, 0}};
const CBand LoadBands[] = {{10, 2, 1, 1, 2},
                           {100, 20, 20, 20, 20},
                           {500, 100, 100, 100, 100},
                           {1000, 200, 200, 200, 200},
                           {0, 0, 0, 0, 0}};
const CBand VoltageBands[] = {{2, 1, 0.2, 0.2, 1}, {5, 1, 0.5, 0.5, 1}, {0, 0, 0, 0, 0}};
const CBand PercentBands[] = {
    {10, 5, 1, 1, 2}, {30, 5, 5, 5, 5}, {100, 20, 10, 5, 20}, {500, 100, 50, 25, 100}, {0, 0, 0, 0, 0}};

int LoadSensorOf(const ParameterImage &image) {
    const int sensor = image.byte(Adrb::LoadSensor);
    return sensor <= SensorIap ? sensor : SensorNone;
}

namespace {

void Finish(MapEditor &editor, int sheet) {
    editor.NormalizeSheet(sheet, AxisX | AxisY | AxisData | ResetLastEdited);
}

} // namespace

void DefineAdvanceSheets(MapEditor &editor) {
    TabSheets &sheets = editor.Sheets();
    for (const char *title : {"Advance 1", "Advance 2"}) {
        const int s =
            sheets.AddSheet(title, "RPM", "TPS", "Advance", 15, 10,
                            TrackLive | BaseMarkerInRange | LimiterMarkerInRange | SecondMarkerInRange);
        sheets.DefineAxis(s, AxisX, "RPM", nullptr, 1, 250, 100.0, 1, SpeedBands, 1, AxisHasValues, 1, 15, 0,
                          0, 0, CollapseFirst, AdvanceColour);
        sheets.DefineAxis(s, AxisY, "TPS", "%", 0, 100, 1.0, 1, nullptr, 0, AxisHasValues, 1, 10, 1, 0, 0,
                          CollapseLast, AdvanceColour);
        sheets.DefineAxis(s, AxisData, "ADV", "°", 0, 60, 1.0, 1, AdvanceBands, 1, AxisFixedRange, 0, 0, 0, 0,
                          0, 0, AdvanceColour);
        Finish(editor, s);
    }
    editor.SelectSheet(0);
}

void DefineServoSheet(MapEditor &editor) {
    TabSheets &sheets = editor.Sheets();
    const int s = sheets.AddSheet("Servo", "RPM", "TPS", "Voltage", 15, 10,
                                  TrackLive | HasEnableBox | LimiterMarkerInRange | SecondMarkerInRange);
    sheets.DefineAxis(s, AxisX, "RPM", nullptr, 1, 250, 100.0, 1, SpeedBands, 1, AxisHasValues, 1, 15, 1, 0,
                      0, CollapseFirst, ServoVoltColour);
    sheets.DefineAxis(s, AxisY, "TPS", "%", 0, 100, 1.0, 1, nullptr, 0, AxisHasValues, 1, 10, 1, 0, 0,
                      CollapseLast, ServoVoltColour);
    sheets.DefineAxis(s, AxisData, "U", "V", 0, 250, 0.02, 1, VoltageBands, 1, AxisFixedRange, 0, 0, 0, 0, 0,
                      0, ServoVoltColour);
    Finish(editor, s);
    editor.SelectSheet(0);
}

namespace {

// A calibration of two points: voltages in millivolts shown in volts over the sensor's quantity.
void DefineSensorSheet(MapEditor &editor, const char *title, const char *labelY, const char *keyY,
                       const char *unitY, int maxY, int editableY) {
    editor.SetWanted(2, 2);
    TabSheets &sheets = editor.Sheets();
    const int s = sheets.AddSheet(title, "", labelY, "Voltage", 2, 2,
                                  SwapGraphAxes | NoFlatEnds | BaseMarkerInRange | LimiterMarkerInRange |
                                      SecondMarkerInRange);
    sheets.DefineAxis(s, AxisX, "", nullptr, 0, 20000, 1.0, 1, nullptr, 0, 0, 1, 2, 2, 1, 0, CollapseFirst,
                      SensorColour);
    sheets.DefineAxis(s, AxisY, keyY, unitY, 0, maxY, 1.0, 1, LoadBands, editableY, AxisHasValues, 1, 2, 0, 0,
                      0, CollapseLast, SensorColour);
    sheets.DefineAxis(s, AxisData, "U", "V", 0, 5000, 0.001, 1, VoltageBands, 1, AxisFixedRange, 0, 0, 0, 0,
                      0, 0, SensorColour);
    CSheet &sheet = sheets.Sheet(s);
    sheet.axisData.SetShowUnit(true);
    sheet.titleFontSize = 9;
    sheet.labelFontSize = 9;
}

} // namespace

void DefineTpsSensorSheet(MapEditor &editor) {
    DefineSensorSheet(editor, "TPS sensor", "TPS", "TPS", "%", 100, 0);
    CSheet &sheet = editor.Sheets().Sheet(0);
    sheet.axisY.values[0] = 0; // the throttle's ends, in %
    sheet.axisY.values[1] = 100;
    Finish(editor, 0);
    editor.SelectSheet(0);
}

void DefineIapSensorSheet(MapEditor &editor) {
    DefineSensorSheet(editor, "Intake pressure sensor - IAP", "Pressure", "P", "kPa", 1000, 1);
    Finish(editor, 0);
    editor.SelectSheet(0);
}

EditorMarkers MarkersFromImage(const ParameterImage &image) {
    return EditorMarkers{image.byte(Adrb::BaseAdvance), image.word(Adrw::HardLimiter) / 100,
                         image.word(Adrw::SoftLimiter) / 100};
}

bool WriteMarkers(ParameterImage &image, const EditorMarkers &m) {
    const bool differs = m != MarkersFromImage(image);
    image.setByte(Adrb::BaseAdvance, static_cast<unsigned>(m.baseMarker));
    image.setWord(Adrw::SoftLimiter, static_cast<unsigned>(m.secondMarker * 100));
    image.setWord(Adrw::HardLimiter, static_cast<unsigned>(m.limiterMarker * 100));
    return differs;
}

} // namespace zarvex1
