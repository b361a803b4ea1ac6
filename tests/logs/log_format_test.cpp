#include "log_fixture.h"

#include "core/logs/LogFormat.h"

#include <gtest/gtest.h>

using namespace zarvex1;
using namespace zarvex1::test;

namespace {

// Every logged field of the row reads back as the frame holds it.
void ExpectRowIs(const MonitorLog &log, int row, const Frame &frame) {
    ASSERT_FALSE(log.isGap(row));
    for (const MonitorField *field : log.fields())
        EXPECT_EQ(log.values(field->id)[row], FieldValue(*field, frame)) << field->id << " row " << row;
}

Frame Filled(std::uint8_t value) {
    Frame f;
    f.bytes.fill(value);
    f.bytes[0] = MonitorCode;
    f.seal();
    return f;
}

TEST(LogFormat, framesOfASimulatedRunReadBackToTheSameValues) {
    const SimulatedRun run;
    const LogSetName set{ImageHash(run.image), "track day, \"wet\".ign"};
    const MonitorLog log = ReadOrFail(run.log(400, set));
    ASSERT_EQ(log.rowCount(), 400);
    // Every field the table logs is a column of the log.
    int logged = 0;
    for (const MonitorField &field : MonitorFields())
        logged += !field.column.empty();
    EXPECT_EQ(static_cast<int>(log.fields().size()), logged);
    for (int row = 0; row < 400; ++row) {
        EXPECT_EQ(log.timeMs(row), 55LL * row);
        EXPECT_EQ(log.set(row), set);
        ExpectRowIs(log, row, run.frameAt(row));
    }
}

// The extremes of every field: the offsets give negative values, the largest words keep all digits.
TEST(LogFormat, extremeFramesAndGapsReadBack) {
    std::string text = LogHeader();
    AppendLogRow(text, 0, Filled(0x00), {});
    AppendGapRow(text, 1234);
    AppendLogRow(text, 3600000, Filled(0xFF), {"0123abcd", "a.ign"});
    const MonitorLog log = ReadOrFail(text);
    ASSERT_EQ(log.rowCount(), 3);
    ExpectRowIs(log, 0, Filled(0x00));
    EXPECT_EQ(log.values("advance1")[0], -100);
    EXPECT_EQ(log.values("potAdvance")[0], -1000);
    EXPECT_TRUE(log.isGap(1));
    EXPECT_EQ(log.timeMs(1), 1234);
    ExpectRowIs(log, 2, Filled(0xFF));
    EXPECT_EQ(log.values("rpm")[2], 65535);
    EXPECT_EQ(log.timeMs(2), 3600000);
    EXPECT_EQ(log.set(2).fileName, "a.ign");
}

// What a spreadsheet shows: units in the header, a decimal point, flags as 0 and 1.
TEST(LogFormat, rowsAreWhatASpreadsheetReads) {
    Frame f = Filled(0);
    f.setWord(Monw::Rpm, 6123);
    f.setWord(Monw::Supply, 13850);
    f.setWord(Monw::Load, 455);
    f.setWord(Monw::PotAdvance, 985);
    f.setByte(Monb::Advance1, 112);
    f.setByte(Monb::SoftLimiter, 7);
    f.setByte(Monb::Input1, 1);
    std::string text;
    AppendLogRow(text, 12345, f, {"0123abcd", "x.ign"});
    EXPECT_TRUE(text.starts_with("12.345,6123,0,0,45.5,0,0,13.850,")) << text;
    EXPECT_NE(text.find(",-1.5,"), std::string::npos) << text;
    EXPECT_TRUE(text.ends_with(",0123abcd,x.ign\n")) << text;
    const std::string header = LogHeader();
    EXPECT_TRUE(header.starts_with("\xEF\xBB\xBFtime [s],engine speed [rpm],")) << header;
    EXPECT_NE(header.find(",soft limiter,"), std::string::npos);
    EXPECT_TRUE(header.ends_with(",image,parameter file\n"));
    const MonitorLog log = ReadOrFail(LogHeader() + text);
    EXPECT_EQ(log.values("softLimiter")[0], 1);
    EXPECT_EQ(log.values("input1")[0], 0); // byte 1: the input is not active
    EXPECT_EQ(log.values("input2")[0], 1);
}

TEST(LogFormat, aCutLastRowIsDroppedAndABrokenRowIsRefused) {
    const SimulatedRun run;
    std::string text = run.log(3);
    const std::string whole = text;
    text += whole.substr(whole.rfind('\n', whole.size() - 2) + 1, 40); // a crash in the middle of a row
    EXPECT_EQ(ReadOrFail(text).rowCount(), 3);

    std::string broken = whole;
    broken.insert(broken.find('\n') + 1, "0.000,12,x\n");
    const LogReadResult result = ReadMonitorLog(broken);
    EXPECT_FALSE(result.log);
    EXPECT_EQ(result.error, "line 2: a row that does not fit the header");
    EXPECT_FALSE(ReadMonitorLog("rpm,advance\n1,2\n").log);
    EXPECT_FALSE(ReadMonitorLog("").log);
}

TEST(LogFormat, imageHashTellsSetsApart) {
    ParameterImage a = FirstStartSet(), b = a;
    b.setByte(Adrb::Advance1 + 17, b.byte(Adrb::Advance1 + 17) + 1);
    EXPECT_EQ(ImageHash(a).size(), 8u);
    EXPECT_EQ(ImageHash(a), ImageHash(FirstStartSet()));
    EXPECT_NE(ImageHash(a), ImageHash(b));
}

} // namespace
