#pragma once

#include "core/params/ParameterImage.h"

#include <array>
#include <vector>

namespace zarvex1 {

// The three 10 x 15 maps the unit looks up while the engine runs.
enum class UnitMap { Advance1, Advance2, Servo };

// Throttle points of the load axis while the maps use the throttle, in 0.1 %.
inline constexpr std::array<int, 10> ThrottlePoints = {0, 20, 50, 100, 200, 300, 400, 600, 800, 1000};

// Where the engine runs, as the unit measures it. Load is the throttle in 0.1 % or the intake pressure
// in kPa, as byte 271 of the image says.
struct OperatingPoint {
    int rpm = 0;
    int load = 0;
    int acceleration = 0; // rpm/s
    bool running = false; // the pick-ups see the lobes
};

// The speed and load points of a map: 15 speed points, and 10 load points or, when the maps use the
// speed only, the one load point 0.
struct MapAxes {
    std::vector<int> rpm;
    std::vector<int> load;
};
MapAxes UnitMapAxes(const ParameterImage &image, UnitMap map);
// The raw cell of a map at a load row (0..9) and speed column (0..14).
int UnitMapCell(const ParameterImage &image, UnitMap map, int row, int column);

// The value of a 10 x 15 map of the image (advance 1, advance 2 or servo) at an engine speed and load,
// interpolated between the four surrounding cells. Maps that use the speed axis only read their first
// row.
int MapValueAt(const ParameterImage &image, UnitMap map, int rpm, int load);

// The model of what the unit fires: map 2 while the engine accelerates past the image's threshold,
// else map 1, plus the cylinder correction of the channel, held to 0..99 degrees; 0 while the engine
// stands or for channel 2 of a single-output unit. Gear and potentiometer corrections, the clutch
// master, retard, the limiters and the base advance are not modelled.
bool UsesMap2(const ParameterImage &image, const OperatingPoint &point);
int UnitAdvance(const ParameterImage &image, int channel, const OperatingPoint &point); // channel 0, 1
// The servo position the unit asks for, in mV (0..5000), from the servo map; 0 while the servo is off.
int UnitServoMv(const ParameterImage &image, const OperatingPoint &point);

} // namespace zarvex1
