#pragma once

#include "core/link/Colours.h"
#include "core/link/LiveRecord.h"
#include "core/params/ParameterImage.h"
#include "core/texts/MessageTexts.h"

#include <array>
#include <cstdint>
#include <string>

namespace zarvex1 {

// What one label shows: caption and background colour.
struct LabelView {
    std::string text;
    std::uint32_t colour = Colour::ButtonFace;
    friend bool operator==(const LabelView &, const LabelView &) = default;
};

// A bar gauge of the Monitor page.
struct GaugeView {
    int minimum = 0;
    int maximum = 100;
    int position = 0;
    std::uint32_t colour = Colour::Lime;
    friend bool operator==(const GaugeView &, const GaugeView &) = default;
};

// The Monitor page and the live labels of the main window as data: the widgets copy it. Arrays hold the
// numbered labels in order, index 0 being label 1 (LabelTest[0] is LabelTest1).
struct MonitorDisplay {
    bool LabelEeDataErrVisible = false;

    LabelView LabelRpm;
    LabelView LabelMonTpsPromile;
    LabelView LabelMonTpsMv;
    LabelView LabelNapeti;
    LabelView LabelMonServoMer;
    LabelView LabelMonServoPoz;
    LabelView LabelMonPotencMv;
    LabelView LabelMonAkcel;
    LabelView LabelMonPotKorAdv;
    LabelView LabelMonPotKorStartLimiter;
    LabelView LabelMonPotKorPilotLight;
    LabelView LabelMonPotKorAcc;
    LabelView LabelMonSpeed;
    LabelView LabelMonGearNapeti;
    LabelView LabelMonGearNapeti1;
    LabelView LabelMonPomerRpmSpeed;
    std::array<LabelView, 6> LabelMonPomerRpmSpeedAuto;
    LabelView LabelPocetProgramovani;
    std::array<LabelView, 8> LabelTest;
    std::array<LabelView, 2> LabelAdvance;
    std::array<LabelView, 2> LabelMonSnimac;
    LabelView LabelMonStartLimiterAkt;
    LabelView LabelMonStartSoftLimiter;
    LabelView LabelMonStartHardLimiter;
    LabelView LabelMonSoftLimiter;
    LabelView LabelMonHardLimiter;
    LabelView LabelMonBlock;
    LabelView LabelMonClutch;
    LabelView LabelMonRetard;
    LabelView LabelMonMapa2;
    std::array<LabelView, 3> LabelMonInput;
    std::array<LabelView, 3> LabelMonPOut;
    LabelView LabelGear;

    GaugeView CGaugeRpm;
    GaugeView CGaugeTps;
    GaugeView CGaugeAkcel;
};

// The rows of the newest live record (none before the first frame). While not connected every value reads
// "---" and the rows lose their warning colours; the gauges keep their positions. The image names the power
// outputs and sets the gauges' ranges.
MonitorDisplay BuildMonitorDisplay(const LiveRecord *record, bool connected, const ParameterImage &image,
                                   const MessageTexts &texts);

} // namespace zarvex1
