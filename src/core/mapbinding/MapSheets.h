#pragma once

#include "core/mapeditor/MapEditor.h"
#include "core/mapeditor/model/EditorTypes.h"
#include "core/mapeditor/model/Scene.h"
#include "core/params/ParameterImage.h"

namespace zarvex1 {

// The editors of the map pages: the two advance maps and the servo map with their toolbar and three
// views, the two sensor calibrations with a title line, table and 2D graph.
inline constexpr int MapEditorOptions = ShowToolbar | AllowTable | AllowGraph2D | AllowGraph3D;
inline constexpr int SensorEditorOptions = AllowTable | AllowGraph2D | ShowTitleLine;

inline constexpr std::uint32_t AdvanceColour = Rgb(244, 226, 252);
inline constexpr std::uint32_t SensorColour = Rgb(192, 224, 160);
inline constexpr std::uint32_t ServoVoltColour = Rgb(255, 219, 206);
inline constexpr std::uint32_t ServoPercentColour = Rgb(255, 240, 206);

// Band tables in physical units, each ended by a row whose second step is 0.
extern const CBand SpeedBands[];
extern const CBand AdvanceBands[];
extern const CBand LoadBands[];
extern const CBand VoltageBands[];
extern const CBand PercentBands[];

// The throttle axis of the advance and servo maps, in %.
inline constexpr int TpsPoints[10] = {0, 2, 5, 10, 20, 30, 40, 60, 80, 100};

// The load sensor of B271.
enum LoadSensor : int { SensorNone = 0, SensorTps = 1, SensorIap = 2 };
// B271 as the pages read it: a value outside 0..2 counts as no sensor.
int LoadSensorOf(const ParameterImage &image);

// The sheets of each editor, defined, normalized and with sheet 0 selected.
void DefineAdvanceSheets(MapEditor &editor);
void DefineServoSheet(MapEditor &editor);
void DefineTpsSensorSheet(MapEditor &editor);
void DefineIapSensorSheet(MapEditor &editor);

// The editor's markers from the image: the base advance B272, the limiter W3 and the second speed W2
// in hundreds of rpm.
EditorMarkers MarkersFromImage(const ParameterImage &image);
// The markers back into the image; true when one of them differed from it.
bool WriteMarkers(ParameterImage &image, const EditorMarkers &markers);

} // namespace zarvex1
