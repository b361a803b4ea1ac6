#pragma once

#include "core/mapbinding/MapSheets.h"
#include "core/params/Defaults.h"
#include "core/params/ParameterImage.h"

#include <algorithm>
#include <cmath>

namespace zarvex1::test {

// A parameter set with maps shaped as tuners shape them: speeds 1000 ... 15000 rpm on both advance
// maps and the servo map, throttle as the load; advance rising from 12° to 36° up to 7000 rpm, less
// with more throttle and falling off above 11000 rpm; the servo opening with speed and throttle; base
// advance 8°, the soft limiter at 12500 rpm and the hard one at 13500 rpm.
inline ParameterImage SampleMapSet() {
    ParameterImage image = FirstStartSet(0);
    for (int k = 0; k < 15; ++k) {
        const unsigned rpm = 1000u + 1000u * static_cast<unsigned>(k);
        image.setWord(Adrw::AdvanceRpm1 + k, rpm);
        image.setWord(Adrw::AdvanceRpm2 + k, rpm);
        image.setWord(Adrw::ServoRpm + k, rpm);
    }
    for (int j = 0; j < 10; ++j)
        for (int k = 0; k < 15; ++k) {
            const double rpm = 1000.0 + 1000.0 * k, load = TpsPoints[j] / 100.0;
            const double rise = std::min(1.0, (rpm - 1000.0) / 6000.0);
            const double fall = rpm > 11000.0 ? (rpm - 11000.0) / 4000.0 * 7.0 : 0.0;
            const int advance = static_cast<int>(std::lround(12.0 + 24.0 * rise - fall - 8.0 * load));
            image.setByte(Adrb::Advance1 + 15 * j + k, static_cast<unsigned>(advance));
            image.setByte(Adrb::Advance2 + 15 * j + k, static_cast<unsigned>(advance - 4));
            const double open = std::clamp((rpm - 3000.0) / 8000.0, 0.0, 1.0) * (0.4 + 0.6 * load);
            image.setByte(Adrb::Servo + 15 * j + k, static_cast<unsigned>(std::lround(250.0 * open)));
        }
    image.setByte(Adrb::LoadSensor, SensorTps);
    image.setByte(Adrb::MapsUseLoad, 1);
    image.setByte(Adrb::BaseAdvance, 8);
    image.setByte(Adrb::ServoEnabled, 1);
    image.setByte(Adrb::ServoPercent, 0);
    image.setWord(Adrw::SoftLimiter, 12500);
    image.setWord(Adrw::HardLimiter, 13500);
    return image;
}

} // namespace zarvex1::test
