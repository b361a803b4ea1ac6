#include "core/pages/MonitorDisplay.h"
#include "core/texts/MessageTexts.h"

#include <gtest/gtest.h>

#include <functional>

namespace zarvex1 {
namespace {

class MonitorDisplayTest : public ::testing::Test {
protected:
    MonitorDisplayTest() {
        texts.FillMessageTexts(0);
        frame.bytes[0] = MonitorCode;
        frame.setByte(Monb::Version, ProtocolVersion);
        frame.setByte(Monb::Input1, 1); // inputs idle
        frame.setByte(Monb::Input1 + 1, 1);
        frame.setByte(Monb::Input1 + 2, 1);
    }

    void refresh(bool connected = true) {
        frame.seal();
        record = LiveRecord::Decode(frame, 0, 1);
        display = BuildMonitorDisplay(&record, connected, image, texts);
    }

    MessageTexts texts;
    ParameterImage image;
    Frame frame;
    LiveRecord record;
    MonitorDisplay display;
};

TEST_F(MonitorDisplayTest, supplyVoltageInTenthsWithWarningColours) {
    struct Row {
        int millivolts;
        std::string text;
        std::uint32_t colour;
    };
    const Row rows[] = {
        {12345, "U = 12.3 V", Colour::ButtonFace}, {16000, "U = 16.0 V", Colour::Yellow},
        {18000, "U = 18.0 V", Colour::Red},        {7000, "U =  7.0 V", Colour::Red},
        {11000, "U = 11.0 V", Colour::Yellow},     {17998, "U = 17.9 V", Colour::Yellow},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.millivolts);
        frame.setWord(Monw::Supply, static_cast<unsigned>(row.millivolts));
        refresh();
        EXPECT_EQ(display.LabelNapeti, (LabelView{row.text, row.colour}));
    }
}

TEST_F(MonitorDisplayTest, flagAndInputRows) {
    refresh();
    EXPECT_EQ(display.LabelMonInput[0], (LabelView{"Input 1 = NO", Colour::ButtonFace}));
    EXPECT_EQ(display.LabelMonHardLimiter, (LabelView{"Limiter = NO", Colour::ButtonFace}));
    frame.setByte(Monb::Input1, 0);
    frame.setByte(Monb::HardLimiter, 1);
    frame.setByte(Monb::Retard, 3);
    refresh();
    EXPECT_EQ(display.LabelMonInput[0], (LabelView{"Input 1 = YES", Colour::Aqua}));
    EXPECT_EQ(display.LabelMonHardLimiter, (LabelView{"Limiter = YES", Colour::Red}));
    EXPECT_EQ(display.LabelMonRetard, (LabelView{"Retard = YES", Colour::Aqua}));
}

TEST_F(MonitorDisplayTest, advanceWithAndWithoutMaximum) {
    frame.setByte(Monb::Advance1, 112);
    frame.setWord(Monw::MaxAdvance1, 10);
    frame.setByte(Monb::Advance2, 95);
    refresh();
    EXPECT_EQ(display.LabelAdvance[0], (LabelView{"Advance 1 = 12 [°] /max 10 [°]", Colour::Yellow}));
    EXPECT_EQ(display.LabelAdvance[1], (LabelView{"Advance 2 = -5 [°]", Colour::ButtonFace}));
    frame.setWord(Monw::MaxAdvance1, 0);
    refresh();
    EXPECT_EQ(display.LabelAdvance[0], (LabelView{"Advance 1 = 12 [°]", Colour::ButtonFace}));
    frame.setByte(Monb::BaseAdvance, 1);
    refresh();
    EXPECT_EQ(display.LabelAdvance[1].text, "Pick-up 2 = Base advance");
}

TEST_F(MonitorDisplayTest, pickupStates) {
    struct Row {
        int signal, negative, errors;
        std::string text;
        std::uint32_t colour;
    };
    const Row rows[] = {
        {1, 0, 0x00, "Pick-up 1 - is running, positive", Colour::Lime},
        {0, 1, 0x00, "Pick-up 1 - No signal, negative", Colour::ButtonFace},
        {1, 1, 0x01, "Pick-up 1 - is running, polarity error", Colour::Red},
        {1, 0, 0x04, "Pick-up 1 - is running, positive, Pick up system error                    ",
         Colour::Red},
        {0, 0, 0x02, "Pick-up 1 - No signal, positive", Colour::ButtonFace}, // pick-up 2's error
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text);
        frame.setByte(Monb::Pickup1Signal, static_cast<unsigned>(row.signal));
        frame.setByte(Monb::Pickup1Negative, static_cast<unsigned>(row.negative));
        frame.setByte(Monb::PickupErrors, static_cast<unsigned>(row.errors));
        refresh();
        EXPECT_EQ(display.LabelMonSnimac[0], (LabelView{row.text, row.colour}));
        EXPECT_EQ(record.engineTurns(), row.signal != 0);
    }
}

TEST_F(MonitorDisplayTest, numberRowsAndSignedCorrections) {
    frame.setWord(Monw::Rpm, 6543);
    frame.setWord(Monw::Load, 456);
    frame.setWord(Monw::Potentiometer, 1023);
    frame.setWord(Monw::PotAdvance, 975);
    frame.setWord(Monw::PotStartLimiter, 9500);
    frame.setWord(Monw::Ratio, 123);
    frame.setWord(Monw::LearnedRatio + 1, 57);
    frame.setWord(Monw::TestValue + 7, 65535);
    frame.setByte(Monb::Gear, 3);
    refresh();
    EXPECT_EQ(display.LabelRpm.text, "RPM = 6543");
    EXPECT_EQ(display.LabelMonTpsPromile.text, "TP = 45 %");
    EXPECT_EQ(display.LabelMonPotencMv.text, "Potenciometer = 5000 mV");
    EXPECT_EQ(display.LabelMonPotKorAdv.text, "Advance = -2.5 °");
    EXPECT_EQ(display.LabelMonPotKorStartLimiter.text, "Start limiter = -500 rpm");
    EXPECT_EQ(display.LabelMonPomerRpmSpeed.text, "Rpm/Speed = = 12.3");
    EXPECT_EQ(display.LabelMonPomerRpmSpeedAuto[0].text, "  =  0.0");
    EXPECT_EQ(display.LabelMonPomerRpmSpeedAuto[1].text, " =  5.7");
    EXPECT_EQ(display.LabelTest[7].text, "Test8 = 65535");
    EXPECT_EQ(display.LabelGear.text, "Gear = 3");
    EXPECT_EQ(record.raw(LiveField::Rpm), 6543);
    EXPECT_EQ(record.raw(LiveField::Throttle), 456);
    EXPECT_EQ(record.raw(LiveField::Gear), 3);

    frame.setByte(Monb::IapSensor, 1);
    refresh();
    EXPECT_EQ(display.LabelMonTpsPromile.text, "IAP = 456 kPa");
    EXPECT_EQ(record.raw(LiveField::Pressure), 456);
    EXPECT_EQ(record.raw(LiveField::Throttle), 0);
}

TEST_F(MonitorDisplayTest, withoutConnectionEveryRowShowsDashesAndGaugesStay) {
    frame.setWord(Monw::Rpm, 3000);
    frame.setWord(Monw::Supply, 18000);
    frame.setByte(Monb::HardLimiter, 1);
    frame.setByte(Monb::Pickup1Signal, 1);
    refresh();
    const GaugeView rpmGauge = display.CGaugeRpm;
    refresh(false);
    EXPECT_EQ(display.LabelRpm.text, "RPM = ---");
    EXPECT_EQ(display.LabelNapeti, (LabelView{"U = --- V", Colour::ButtonFace}));
    EXPECT_EQ(display.LabelMonHardLimiter, (LabelView{"Limiter = ---", Colour::ButtonFace}));
    EXPECT_EQ(display.LabelMonSnimac[0].text, "Pick-up 1 - ---");
    EXPECT_EQ(display.LabelAdvance[0].text, "Advance 1 = ---");
    EXPECT_EQ(display.CGaugeRpm, rpmGauge);
    EXPECT_EQ(rpmGauge.position, 3000);
}

TEST_F(MonitorDisplayTest, powerOutputsTakeNameAndColourFromTheirMode) {
    const std::pair<int, LabelView> rows[] = {
        {1, {"Fuel pump = YES", Colour::Teal}},    {2, {"Gear shift light = YES", Colour::Fuchsia}},
        {3, {"Power jet = YES", Colour::Lime}},    {4, {"Special out = YES", Colour::Yellow}},
        {7, {"Special out = YES", Colour::White}},
    };
    frame.setByte(Monb::PowerOut1 + 2, 1);
    for (const auto &[mode, expected] : rows) {
        SCOPED_TRACE(mode);
        image.setByte(Adrb::PowerOutMode + 2, static_cast<unsigned>(mode));
        refresh();
        EXPECT_EQ(display.LabelMonPOut[2], expected);
    }
}

TEST_F(MonitorDisplayTest, warningRowsFollowTheParameterImage) {
    frame.setByte(Monb::LoadSensorFault, 1);
    image.setByte(Adrb::ServoEnabled, 1);
    image.setByte(Adrb::MapsUseLoad, 1);
    image.setByte(Adrb::LoadSensor, 1);
    refresh();
    EXPECT_EQ(display.LabelMonServoMer.colour, Colour::Red);
    EXPECT_EQ(display.LabelMonTpsMv.colour, Colour::Red);
    EXPECT_EQ(display.LabelMonTpsPromile.colour, Colour::Red);
    image.setByte(Adrb::LoadSensor, 2);
    frame.setByte(Monb::ServoStatus, 1);
    refresh();
    EXPECT_EQ(display.LabelMonServoMer.colour, Colour::ButtonFace);
    EXPECT_EQ(display.LabelMonTpsPromile.colour, Colour::ButtonFace);
    frame.setByte(Monb::DataFault, 1);
    refresh();
    EXPECT_TRUE(display.LabelEeDataErrVisible);
}

TEST_F(MonitorDisplayTest, gauges) {
    frame.setWord(Monw::Rpm, 9000);
    frame.setWord(Monw::Acceleration, 1500);
    frame.setWord(Monw::PotAcceleration, 10000);
    image.setByte(Adrb::Map2Acceleration, 20); // 2000 rpm/s
    refresh();
    EXPECT_EQ(display.CGaugeRpm, (GaugeView{0, 150000, 9000, Colour::Lime}));
    EXPECT_EQ(display.CGaugeTps, (GaugeView{0, 1000, 0, Colour::Lime}));
    EXPECT_EQ(display.CGaugeAkcel, (GaugeView{0, 4000, 1500, Colour::Lime}));

    image.setWord(Adrw::HardLimiter, 12000);
    image.setWord(Adrw::IapAxis, 20);
    image.setWord(Adrw::IapAxis + 9, 105);
    frame.setByte(Monb::IapSensor, 1);
    frame.setWord(Monw::Load, 80);
    frame.setWord(Monw::Acceleration, 2000);
    frame.setWord(Monw::PotAcceleration, 9000); // threshold lowered to 1000 rpm/s
    refresh();
    EXPECT_EQ(display.CGaugeRpm.maximum, 12000);
    EXPECT_EQ(display.CGaugeTps, (GaugeView{20, 105, 80, Colour::Lime}));
    EXPECT_EQ(display.CGaugeAkcel, (GaugeView{0, 2000, 2000, Colour::Red}));

    image.setByte(Adrb::Map2Acceleration, 0);
    refresh();
    EXPECT_EQ(display.CGaugeAkcel.maximum, 100) << "no threshold: a small fixed scale";
}

} // namespace
} // namespace zarvex1
