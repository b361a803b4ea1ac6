#include "cli/MonitorFormat.h"

#include <gtest/gtest.h>

using namespace zarvex1;

namespace {

// A monitor frame with a distinct value in every field the formats read.
Frame SampleFrame() {
    Frame f;
    f.bytes[0] = MonitorCode;
    for (int w = Monw::Rpm; w < Monw::Count; ++w)
        f.setWord(w, 100 + w);
    f.setWord(Monw::Rpm, 6123);
    f.setWord(Monw::Load, 455);
    f.setWord(Monw::Supply, 12345);
    f.setWord(Monw::PotAdvance, 985);       // -1.5 degrees
    f.setWord(Monw::PotStartLimiter, 9500); // -500 rpm
    f.setWord(Monw::PotPilotLight, 10200);
    f.setWord(Monw::PotAcceleration, 10000);
    f.setWord(Monw::SavingCountdown, 0);
    for (int b = Monb::Advance1; b <= Monb::Version; ++b)
        f.setByte(b, 0);
    f.setByte(Monb::Advance1, 112);
    f.setByte(Monb::Advance2, 95);
    f.setByte(Monb::Input1, 1);
    f.setByte(Monb::Input1 + 1, 0);
    f.setByte(Monb::Input1 + 2, 1);
    f.setByte(Monb::PowerOut1 + 2, 1);
    f.setByte(Monb::SoftLimiter, 1);
    f.setByte(Monb::Map2, 1);
    f.setByte(Monb::Gear, 4);
    f.setByte(Monb::PickupErrors, 0x05);
    f.setByte(Monb::Version, 99);
    f.seal();
    return f;
}

// The formats read the record the link makes of a frame.
LiveRecord Sample(const Frame &frame = SampleFrame()) {
    return LiveRecord::Decode(frame, 0, 1);
}

TEST(MonitorJson, holdsEveryFieldInOrderWithOffsetsRemoved) {
    const std::string expected =
        "{\"time\":3.045,\"rpm\":6123,\"maxAdvance1\":103,\"maxAdvance2\":104,\"load\":455,\"loadVoltage\":"
        "106,"
        "\"supplyVoltage\":12345,\"servoMeasured\":108,\"servoDesired\":109,\"potentiometer\":110,"
        "\"acceleration\":111,\"potAdvance\":-15,\"potStartLimiter\":-500,\"potPilotLight\":200,"
        "\"potAcceleration\":0,\"speed\":116,\"gearVoltage\":117,\"ratio\":118,"
        "\"learnedRatios\":[119,120,121,122,123,124],\"programmingCount\":125,\"savingCountdown\":0,"
        "\"testValues\":[127,128,129,130,131,132,133,134],\"advance1\":12,\"advance2\":-5,\"pickup1\":0,"
        "\"pickup2\":0,\"startLimiterActive\":0,\"startSoftLimiter\":0,\"startHardLimiter\":0,"
        "\"softLimiter\":1,\"hardLimiter\":0,\"inputs\":[1,0,1],\"engineBlocked\":0,\"clutch\":0,"
        "\"retard\":0,\"map2\":1,\"servoStatus\":0,\"loadSensorFault\":0,\"powerOutputs\":[0,0,1],"
        "\"gear\":4,\"dataFault\":0,\"baseAdvance\":0,\"pickup1Negative\":0,\"pickup2Negative\":0,"
        "\"loadIsIap\":0,\"errors\":5,\"version\":99}";
    EXPECT_EQ(MonitorJson(Sample(), 3045), expected);
}

TEST(MonitorLine, showsTheMainValuesAndTheFlagsThatAreSet) {
    EXPECT_EQ(MonitorLine(Sample()),
              "rpm 6123  TP 45.5 %  advance 12/-5 °  U 12.3 V  gear 4  speed 116 km/h  "
              "[soft limiter, map 2, out 3, input 2]");
}

TEST(MonitorLine, followsTheLoadSensorBaseAdvanceSavingAndVersion) {
    Frame f = SampleFrame();
    f.setByte(Monb::IapSensor, 1);
    f.setWord(Monw::Load, 87);
    f.setByte(Monb::BaseAdvance, 1);
    f.setWord(Monw::SavingCountdown, 900);
    f.setByte(Monb::SoftLimiter, 0);
    f.setByte(Monb::Map2, 0);
    f.setByte(Monb::PowerOut1 + 2, 0);
    f.setByte(Monb::Input1 + 1, 1);
    f.setByte(Monb::Version, 98);
    EXPECT_EQ(MonitorLine(Sample(f)),
              "rpm 6123  IAP 87 kPa  advance base  U 12.3 V  gear 4  speed 116 km/h  saving 900  "
              "version 98");
}

} // namespace
