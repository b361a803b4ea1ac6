#pragma once

#include "core/link/Colours.h"
#include "core/link/Frames.h"
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

// The live values that other parts of the program use, as of the last accepted monitor frame.
struct LiveValues {
    int rpm = 0;
    int throttle = 0;    // 0.1 %, 0 while the load sensor is intake pressure
    int pressure = 0;    // kPa, 0 while the load sensor is the throttle
    int loadVoltage = 0; // mV, for the throttle calibration buttons
    int gearVoltage = 0; // mV, for the gear buttons
    int gearRatio = 0;   // engine speed / road speed, 0.1
    int CurrentGear = 0;
    bool loadSensorFault = false;
    bool baseAdvance = false;
    bool iapSensor = false;
    bool map2 = false;
    int SavingCountdown = 0;
    int programmingCount = -1; // how often the unit was programmed; -1 before the first frame
    bool pickupActive = false; // a pick-up reports a signal: the engine turns
};

// The Monitor page and the live labels of the main window as data: the widgets copy it. Arrays hold the
// numbered labels in order, index 0 being label 1 (LabelTest[0] is LabelTest1).
struct MonitorDisplay {
    // 0 before the first refresh, 1 when the unit speaks another protocol version, 2 when it speaks ours.
    int connectionState = 0;
    LabelView LabelVersion{"Not connected", Colour::Red};
    bool LabelVersionVisible = false;
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

// "  PC-99, IGN-<version>" behind slot 11: the version message of the link and of LabelVersion.
std::string VersionMismatchText(const MessageTexts &texts, int unitVersion);

// Decodes a monitor frame into the live values and the display. While not connected every value reads
// "---" and the rows lose their warning colours; the gauges keep their positions.
void RefreshMonitorDisplay(const Frame &frame, bool connected, const ParameterImage &image,
                           const MessageTexts &texts, LiveValues &live, MonitorDisplay &display);

} // namespace zarvex1
