#pragma once

#include "core/params/ParameterImage.h"
#include "sim/SimOptions.h"

namespace zarvex1 {

// What the simulated engine is doing at one moment.
struct EngineState {
    int rpm = 0;
    int acceleration = 0;  // rpm/s, never negative (the unit reports it unsigned)
    int throttle = 0;      // 0.1 %
    int gear = 0;          // 0 neutral
    bool running = false;  // the pick-ups see the lobes
    bool starting = false; // the start limiter is in charge
    bool shifting = false; // clutch pulled between two gears
};

// Engine speed over the gears, in 0.1 rpm per km/h, gears 1..6.
int GearRatio10(int gear);

// A drag-strip run: standing (cycle mode only), start, full throttle up through the gears to the hard
// limiter, shifting between them, then rolling off. Depends only on the time and the parameters, so the
// same moment always gives the same values.
EngineState EngineAt(long long ms, EngineMode mode, const ParameterImage &image);

} // namespace zarvex1
