#include "core/params/Defaults.h"
#include "core/params/Limits.h"

#include <initializer_list>

namespace zarvex1 {

namespace {

constexpr int LoadSensorIap = 2; // the load sensor byte: 0 none, 1 TPS, 2 IAP

void SetWords(ParameterImage &image, int first, std::initializer_list<int> values) {
    for (int v : values)
        image.setWord(first++, v);
}

void SetBytes(ParameterImage &image, int first, std::initializer_list<int> values) {
    for (int v : values)
        image.setByte(first++, v);
}

void SetMapRows(ParameterImage &image, int first, std::initializer_list<int> row) {
    for (int r = 0; r < 10; ++r)
        SetBytes(image, first + 15 * r, row);
}

constexpr std::initializer_list<int> AdvanceRpm = {1500, 2000, 2500, 3000,  3500,  4000,  5000, 6000,
                                                   7000, 8000, 9000, 10000, 11000, 12000, 14000};
constexpr std::initializer_list<int> AdvanceRow = {8, 8, 8, 12, 20, 23, 28, 33, 35, 35, 35, 35, 35, 35, 35};

void GeneralDefaults(ParameterImage &image) {
    SetWords(image, Adrw::StartSoftLimiter, {5800, 6000, 10800, 11000});
    image.setByte(Adrb::StartLimiterDelay, 0);
    SetWords(image, Adrw::TpsVoltage0, {700, 4200, 15, 100, 250, 4750, 0});
    SetWords(image, Adrw::IapAxis, {30, 50, 60, 70, 75, 80, 85, 90, 95, 100});
    SetWords(image, Adrw::AdvanceRpm1, AdvanceRpm);
    SetWords(image, Adrw::AdvanceRpm2, AdvanceRpm);
    SetMapRows(image, Adrb::Advance1, AdvanceRow);
    SetMapRows(image, Adrb::Advance2, AdvanceRow);
    SetBytes(image, Adrb::InvPickup1, {0, 0, 0, 0, 0, 0, 0, 11, 11});
    image.setByte(Adrb::StartRevolutions, 0);
    SetBytes(image, Adrb::TachoPulses, {1, 100});
    SetBytes(image, Adrb::InputFunction, {1, 3, 5, 0, 0, 0});
    SetBytes(image, Adrb::Retard, {6, 0, 100, 0, 1, 10, 1, 100, 100});
    SetBytes(image, Adrb::TestRpm, {50, 50});

    // Power outputs 1..4: mode, speed thresholds, hysteresis, load thresholds, switching rows.
    static constexpr int modes[4] = {1, 2, 3, 4};
    static constexpr int rpm[4][3] = {{40, 90, 120}, {90, 95, 120}, {40, 90, 140}, {40, 90, 120}};
    static constexpr int rows[4][3] = {{2, 2, 2}, {12, 14, 14}, {14, 12, 12}, {2, 2, 2}};
    for (int i = 0; i < 4; ++i) {
        image.setByte(Adrb::PowerOutMode + i, modes[i]);
        for (int k = 0; k < 3; ++k) {
            image.setByte(Adrb::PowerOutRpm + 3 * i + k, rpm[i][k]);
            image.setByte(Adrb::PowerOutTable + 3 * i + k, rows[i][k]);
        }
        image.setByte(Adrb::PowerOutHysteresis + i, 10);
        SetBytes(image, Adrb::PowerOutLoad + 2 * i, {75, 90});
    }

    // Gear.
    image.setByte(Adrb::GearMode, 0);
    SetWords(image, Adrw::GearVoltage, {5000, 1797, 2260, 2998, 3662, 4360, 4687});
    image.setByte(Adrb::GearCount, 6);
    SetWords(image, Adrw::GearRatio, {2000, 1000, 666, 500, 400, 333});
    SetBytes(image, Adrb::GearAutoTime, {3, 15, 20, 40});
    image.setByte(Adrb::SpeedPulsesMeaning, 0);
    image.setWord(Adrw::SpeedPulses, 1000);

    // Clutch and per-gear corrections; the corrections of output 4 stay as they are.
    for (int g = 0; g < 6; ++g) {
        image.setByte(Adrb::ClutchTime + g, 20);
        image.setByte(Adrb::GearCorrAdvance + g, 100);
        image.setByte(Adrb::GearCorrLimiter + g, 100);
        image.setByte(Adrb::GearCorrServo + g, 100);
        for (int j = 0; j < 3; ++j)
            image.setByte(Adrb::GearCorrPowerOut + 6 * j + g, 100);
    }
    SetBytes(image, Adrb::ClutchMode, {0});
    SetBytes(image, Adrb::ClutchDelay1, {0, 13, 20, 0});
}

void ServoDefaults(ParameterImage &image) {
    SetBytes(image, Adrb::ServoPercent, {0, 1, 80});
    image.setByte(Adrb::ServoOffZone, 20);
    SetWords(
        image, Adrw::ServoRpm,
        {1000, 2000, 3000, 4000, 6000, 7000, 8000, 9000, 10000, 11000, 12000, 13000, 14000, 15000, 16000});
    SetMapRows(image, Adrb::Servo,
               {100, 105, 110, 115, 120, 122, 125, 127, 130, 132, 135, 137, 140, 142, 145});
}

void StandardSet(ParameterImage &image) {
    SetBytes(image, Adrb::PickupSystem, {0, image.byte(Adrb::StartRevolutions), 1, 2, 1, 1, 1, 1});
    SetBytes(image, Adrb::StartAdvanceSecondEdge, {1, 1});
    image.setByte(Adrb::MaxAdvanceSecondPickup + 1, 1);
    image.setByte(Adrb::StartAdvanceSecondPickup + 1, 1);
    image.setByte(Adrb::IgnitionsPerRevolution, 1);
}

void HondaSet(ParameterImage &image, int method, int lobes, int outputs) {
    image.setByte(Adrb::PickupSystem, method);
    SetBytes(image, Adrb::LobeCount, {lobes, outputs, 2, 2, 3, 3, 1, 1, 1, 1});
    image.setByte(Adrb::MaxAdvanceSecondPickup + 1, 1);
    image.setByte(Adrb::StartAdvanceSecondPickup + 1, 1);
    image.setByte(Adrb::IgnitionsPerRevolution, 1);
}

} // namespace

LoadSelection LoadSelection::ForPage(int page) {
    LoadSelection s;
    switch (page) {
    case Page::Bike:
        s.sections[0] = true;
        break;
    case Page::Inputs:
        s.sections[1] = true;
        break;
    case Page::Advance:
        s.sections[2] = s.sections[3] = true;
        break;
    case Page::Servo:
        s.sections[5] = true;
        break;
    case Page::PowerOut:
        s.sections[4] = true;
        break;
    case Page::Gear:
        s.sections[6] = true;
        break;
    case Page::Race:
        s.sections[7] = true;
        break;
    case Page::Test:
        s.sections[8] = true;
        break;
    case Page::Monitor:
        s.sections[9] = true;
        break;
    default:
        s.sections.fill(true);
        break;
    }
    return s;
}

void SetDefaults(ParameterImage &image, DefaultsState &state, int page) {
    state.loadSelection = LoadSelection::ForPage(page);
    // A change to the special type keeps everything the tuner set by hand.
    if (!(image.byte(Adrb::BikeType) == 1 && state.bikeChangePending))
        GeneralDefaults(image);
    ServoDefaults(image);
    ApplyBikeType(image);
    state.bikeChangePending = false;
}

ParameterImage FirstStartSet(int bike) {
    ParameterImage image;
    image.setByte(Adrb::BikeType, static_cast<unsigned>(bike));
    DefaultsState state;
    SetDefaults(image, state, Page::All);
    LimitParameters(image);
    return image;
}

void ApplyBikeType(ParameterImage &image) {
    const int type = image.byte(Adrb::BikeType);
    if (type != 1)
        for (int b = Adrb::MaxAdvanceSecondEdge; b <= Adrb::StartAdvanceSecondPickup + 1; ++b)
            image.setByte(b, 0);
    switch (type) {
    case 0:
        StandardSet(image);
        break;
    case 2:
        StandardSet(image);
        image.setByte(Adrb::IgnitionsPerRevolution, 2);
        break;
    case 3:
        StandardSet(image);
        image.setByte(Adrb::IgnitionsPerRevolution, 3);
        image.setByte(Adrb::OutputCount, 1);
        break;
    case 4:
        StandardSet(image);
        image.setByte(Adrb::IgnitionsPerRevolution, 0);
        break;
    case 5:
        HondaSet(image, 6, 4, 2);
        break;
    case 6:
        HondaSet(image, 14, 6, 1);
        break;
    default:
        break; // 1 special: set by hand
    }
    if (image.byte(Adrb::PickupSystem) == 8) {
        SetBytes(image, Adrb::LobeCount, {2, 2, 1, 2, 1, 2});
        SetBytes(image, Adrb::StartAdvanceSecondEdge, {1, 1});
        image.setByte(Adrb::IgnitionsPerRevolution, 0);
        image.setByte(Adrb::InputInverted, 1);
    }
}

void PowerOutModeDefaults(ParameterImage &image, int output, bool keep) {
    const int rpm = Adrb::PowerOutRpm + 3 * output;
    const int load = Adrb::PowerOutLoad + 2 * output;
    const int rows = Adrb::PowerOutTable + 3 * output;
    switch (image.byte(Adrb::PowerOutMode + output)) {
    case 2:
        SetBytes(image, rows, {12, 14, 14});
        if (!keep)
            SetBytes(image, rpm, {90, 95});
        break;
    case 3:
        SetBytes(image, rows, {14, 12, 12});
        [[fallthrough]];
    case 4:
        if (!keep) {
            SetBytes(image, rpm, {40, 125, 140});
            // 75 and 90 kPa on the pressure scale (5 kPa a step), else 75 and 90 %.
            if (image.byte(Adrb::LoadSensor) == LoadSensorIap)
                SetBytes(image, load, {15, 18});
            else
                SetBytes(image, load, {75, 90});
        }
        break;
    default:
        break;
    }
}

} // namespace zarvex1
