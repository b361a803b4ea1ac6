#include "log_fixture.h"

#include "core/logs/LogChannels.h"
#include "core/texts/MessageTexts.h"

#include <gtest/gtest.h>

using namespace zarvex1;
using namespace zarvex1::test;

// The settings keep the chosen channels in order; what they cannot name is passed over.
TEST(LogChannels, theSettingsTextKeepsTheChoiceAndItsOrder) {
    const std::vector<const LogChannel *> all = ChannelsFromText("");
    EXPECT_EQ(all.size(), LogChannels().size());
    const std::vector<const LogChannel *> chosen = ChannelsFromText("flags,rpm,nonsense,rpm,,servo");
    ASSERT_EQ(chosen.size(), 3u);
    EXPECT_EQ(ChannelsToText(chosen), "flags,rpm,servo");
    EXPECT_EQ(ChannelsToText(ChannelsFromText(ChannelsToText(all))), ChannelsToText(all));
    // A text that names nothing shows nothing, not every channel.
    EXPECT_TRUE(ChannelsFromText(",").empty());
    // Every field a channel draws is a logged monitor field with a name of its own in German (the
    // English names may equal the ids).
    for (const LogChannel &channel : LogChannels())
        for (const std::string_view id : channel.fields) {
            const MonitorField *field = FindMonitorField(id);
            ASSERT_TRUE(field && !field->column.empty()) << id;
            EXPECT_NE(FieldCaption(id, Language::German), id) << id;
        }
    EXPECT_EQ(FieldCaption("rpm", Language::Czech), "Otáčky [ot/min]");
}

TEST(LogChannels, theCursorShowsTheLastRowAtOrBeforeItsTime) {
    const SimulatedRun run;
    const MonitorLog log = ReadOrFail(run.log(4)); // rows at 0, 55, 110, 165 ms
    const std::pair<long long, int> cases[] = {{-10, 0}, {0, 0},   {54, 0},  {55, 1},
                                               {120, 2}, {165, 3}, {9999, 3}};
    for (const auto &[ms, row] : cases)
        EXPECT_EQ(RowAt(log, ms), row) << ms;
    EXPECT_EQ(RowAt(MonitorLog(), 0), -1);
}

TEST(LogChannels, valuesAreWrittenAsTheLogWritesThem) {
    const MonitorField &supply = *FindMonitorField("supplyVoltage"); // three decimals
    const MonitorField &advance = *FindMonitorField("potAdvance");   // one decimal, signed
    const MonitorField &rpm = *FindMonitorField("rpm");
    EXPECT_EQ(FormatFieldValue(supply, 13804), "13.804");
    EXPECT_EQ(FormatFieldValue(supply, 5), "0.005");
    EXPECT_EQ(FormatFieldValue(advance, -25), "-2.5");
    EXPECT_EQ(FormatFieldValue(advance, -5), "-0.5");
    EXPECT_EQ(FormatFieldValue(rpm, 12500), "12500");
    EXPECT_DOUBLE_EQ(FieldUnits(supply, 13804), 13.804);
}
