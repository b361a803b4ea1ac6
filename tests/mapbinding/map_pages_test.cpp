#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/mapbinding/AdvanceMaps.h"
#include "core/mapbinding/MapEditorList.h"
#include "core/mapbinding/MapSheets.h"
#include "core/mapbinding/SensorMaps.h"
#include "core/mapbinding/ServoMap.h"
#include "core/mapeditor/ClipboardCommands.h"
#include "core/mapeditor/ClipboardPaste.h"
#include "core/mapeditor/PopupMenu.h"

namespace zarvex1 {
namespace {

using V = std::vector<int>;

// The map editors of the window at their page sizes, over one image.
struct Maps {
    ParameterImage image;
    MapEditor advance{960, 560, MapEditorOptions};
    MapEditor servo{960, 560, MapEditorOptions};
    MapEditor tps{250, 130, SensorEditorOptions};
    MapEditor iap{250, 130, SensorEditorOptions};

    Maps() {
        for (int j = 0; j < 15; ++j) {
            image.setWord(Adrw::AdvanceRpm1 + j, 1000 + 1000 * j);
            image.setWord(Adrw::AdvanceRpm2 + j, 1500 + 1000 * j);
            image.setWord(Adrw::ServoRpm + j, 2000 + 500 * j);
        }
        for (int j = 0; j < 10; ++j)
            image.setWord(Adrw::IapAxis + j, 20 + 10 * j);
        image.setByte(Adrb::LoadSensor, SensorTps);
        image.setByte(Adrb::MapsUseLoad, 1);
        image.setByte(Adrb::ServoEnabled, 1);
        DefineAdvanceSheets(advance);
        DefineServoSheet(servo);
        DefineTpsSensorSheet(tps);
        DefineIapSensorSheet(iap);
        LoadAdvanceMaps(advance, image);
        LoadServoMap(servo, image);
    }
    CSheet &advance1() { return advance.Sheets().Sheet(0); }
    CSheet &servoSheet() { return servo.Sheets().Sheet(0); }
};

TEST(AdvanceMaps, loadAndStoreTheSpeedsAndSignedAdvanceBytes) {
    Maps m;
    m.image.setByte(Adrb::Advance1 + 15 * 2 + 3, 200); // column 3, row 2
    m.image.setByte(Adrb::Advance2, 12);
    LoadAdvanceMaps(m.advance, m.image);
    EXPECT_EQ(m.advance1().Cell(3, 2), -56);
    EXPECT_EQ(m.advance1().axisX.values[14], 150);
    EXPECT_EQ(m.advance.Sheets().Sheet(1).axisX.values[0], 15);
    EXPECT_EQ(m.advance.Sheets().Sheet(1).Cell(0, 0), 12);
    EXPECT_EQ(V(m.advance1().axisY.values.begin(), m.advance1().axisY.values.begin() + 10),
              V(std::begin(TpsPoints), std::end(TpsPoints)));

    m.advance1().Cell(4, 9) = 33;
    m.advance1().axisX.values[1] = 25;
    m.advance.Sheets().Markers().baseMarker = 7;
    ParameterImage before = m.image;
    AdvanceMapToImage(m.advance, m.image);
    EXPECT_EQ(m.image.byte(Adrb::Advance1 + 15 * 9 + 4), 33);
    EXPECT_EQ(m.image.byte(Adrb::Advance1 + 15 * 2 + 3), 200); // -56 back in its low 8 bits
    EXPECT_EQ(m.image.word(Adrw::AdvanceRpm1 + 1), 2500);
    EXPECT_EQ(m.image.byte(Adrb::BaseAdvance), 7);
    EXPECT_EQ(m.image.bytes()[Adrb::Advance2], before.bytes()[Adrb::Advance2]); // the other map stays
}

TEST(AdvanceMaps, withoutALoadSensorTheMapIsOneCurveAndStoresNoLoadUse) {
    Maps m;
    m.image.setByte(Adrb::LoadSensor, SensorNone);
    LoadAdvanceMaps(m.advance, m.image);
    const CAxe &y = m.advance1().axisY;
    EXPECT_EQ(y.collapseMode, 2);
    EXPECT_EQ(y.collapsed(), 1);
    EXPECT_EQ(y.collapsedIndex, 9); // the last row
    EXPECT_EQ(m.advance.Geometry().visibleRows, 1);
    m.advance1().axisY.SetCollapsed(false); // whatever the user chose
    AdvanceMapToImage(m.advance, m.image);
    EXPECT_EQ(m.image.byte(Adrb::MapsUseLoad), 0);
}

TEST(AdvanceMaps, thePressureAxisIsSharedWithTheServoMap) {
    Maps m;
    m.image.setByte(Adrb::LoadSensor, SensorIap);
    LoadAdvanceMaps(m.advance, m.image);
    LoadServoMap(m.servo, m.image);
    EXPECT_EQ(m.advance1().axisY.key, "IAP");
    EXPECT_EQ(m.advance1().axisY.editable(), 1);
    m.advance1().axisY.values[3] = 55;
    AdvanceMapToImage(m.advance, m.image);
    EXPECT_EQ(m.image.word(Adrw::IapAxis + 3), 55);
    LoadServoMap(m.servo, m.image);
    EXPECT_EQ(m.servoSheet().axisY.values[3], 55);
}

TEST(ServoMap, percentSwitchConvertsTheCellsAndTheDataAxis) {
    Maps m;
    m.servoSheet().Cell(0, 0) = 250;
    m.servoSheet().Cell(1, 0) = 1;
    // The page's controls went into the image first: here the percent box was ticked.
    auto store = [&m](int enabled, int percent) {
        const ParameterImage before = m.image;
        m.image.setByte(Adrb::ServoEnabled, static_cast<unsigned>(enabled));
        m.image.setByte(Adrb::ServoPercent, static_cast<unsigned>(percent));
        StoreServoEditor(m.servo, before, m.image);
    };
    store(1, 1);
    EXPECT_EQ(m.servoSheet().axisData.unit, "%");
    EXPECT_EQ(m.servoSheet().axisData.max, 100);
    EXPECT_EQ(V({m.servoSheet().Cell(0, 0), m.servoSheet().Cell(1, 0)}), V({100, 0}));
    EXPECT_EQ(m.image.byte(Adrb::Servo), 100);
    EXPECT_EQ(m.servoSheet().axisData.color, ServoPercentColour);

    m.servoSheet().Cell(1, 0) = 1;
    store(1, 0);
    EXPECT_EQ(m.servoSheet().axisData.unit, "V");
    EXPECT_EQ(V({m.servoSheet().Cell(0, 0), m.servoSheet().Cell(1, 0)}), V({250, 3}));
    EXPECT_EQ(m.servoSheet().axisX.color, ServoVoltColour);

    store(0, 0);
    EXPECT_EQ(m.servoSheet().enabled(), 0);
    EXPECT_EQ(m.image.byte(Adrb::ServoEnabled), 0);
}

TEST(ServoMap, axesModeChoosesTheAxesInUse) {
    struct Case {
        int sensor, mode;
        int xCollapsed, yCollapsed;
        int storedMode;
    };
    const Case cases[] = {
        {SensorTps, 0, 0, 0, 0},
        {SensorTps, 1, 0, 1, 1},
        {SensorTps, 2, 1, 0, 2},
        {SensorNone, 2, 0, 1, 1}, // no sensor: speed only, whatever the mode
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.mode);
        Maps m;
        m.image.setByte(Adrb::LoadSensor, static_cast<unsigned>(c.sensor));
        m.image.setByte(Adrb::ServoAxes, static_cast<unsigned>(c.mode));
        LoadServoMap(m.servo, m.image);
        EXPECT_EQ(V({m.servoSheet().axisX.collapsed(), m.servoSheet().axisY.collapsed()}),
                  V({c.xCollapsed, c.yCollapsed}));
        ServoMapToImage(m.servo, m.image);
        EXPECT_EQ(m.image.byte(Adrb::ServoAxes), c.storedMode);
    }
}

// A set may come with another byte than 1 for "on": it goes back as it came until the switch changes.
TEST(ServoMap, theEnabledByteStaysAsItCameUntilTheSwitchChanges) {
    Maps m;
    m.image.setByte(Adrb::ServoEnabled, 2);
    LoadServoMap(m.servo, m.image);
    EXPECT_TRUE(m.servoSheet().enabled());
    ServoMapToImage(m.servo, m.image);
    EXPECT_EQ(m.image.byte(Adrb::ServoEnabled), 2);
    m.servoSheet().SetEnabled(false);
    ServoMapToImage(m.servo, m.image);
    EXPECT_EQ(m.image.byte(Adrb::ServoEnabled), 0);
    m.servoSheet().SetEnabled(true);
    ServoMapToImage(m.servo, m.image);
    EXPECT_EQ(m.image.byte(Adrb::ServoEnabled), 1);
}

TEST(SensorMaps, calibrationsAndTheTpsButtons) {
    Maps m;
    m.image.setWord(Adrw::TpsVoltage0, 600);
    m.image.setWord(Adrw::TpsVoltage100, 4300);
    m.image.setWord(Adrw::IapPressure1, 20);
    m.image.setWord(Adrw::IapPressure2, 105);
    m.image.setWord(Adrw::IapVoltage1, 400);
    m.image.setWord(Adrw::IapVoltage2, 4500);
    LoadSensorMaps(m.tps, m.iap, m.image);
    EXPECT_EQ(m.tps.Sheets().Sheet(0).Cell(0, 1), 4300);
    EXPECT_EQ(m.iap.Sheets().Sheet(0).axisY.values[1], 105);
    m.iap.Sheets().Sheet(0).Cell(0, 0) = 450;
    ParameterImage stored = m.image;
    SensorMapsToImage(m.tps, m.iap, stored);
    EXPECT_EQ(stored.word(Adrw::IapVoltage1), 450);
    EXPECT_EQ(stored.word(Adrw::TpsVoltage0), 600);

    struct Press {
        int millivolts;
        bool changed;
        int stored;
    };
    for (const Press &p :
         {Press{4951, false, 600}, Press{734, true, 730}, Press{735, true, 740}, Press{199, false, 740}}) {
        EXPECT_EQ(TakeTpsVoltage(m.image, false, p.millivolts), p.changed);
        EXPECT_EQ(m.image.word(Adrw::TpsVoltage0), p.stored);
    }
    EXPECT_EQ(ShownSensorEditor(m.image), SensorEditorShown::Tps);
    m.image.setByte(Adrb::LoadSensor, 7);
    EXPECT_EQ(ShownSensorEditor(m.image), SensorEditorShown::Unchanged);
}

TEST(Markers, comeFromTheImageAndGoBackInHundredsOfRpm) {
    ParameterImage image;
    image.setByte(Adrb::BaseAdvance, 12);
    image.setWord(Adrw::HardLimiter, 11000);
    image.setWord(Adrw::SoftLimiter, 10500);
    EditorMarkers markers = MarkersFromImage(image);
    EXPECT_EQ(V({markers.baseMarker, markers.limiterMarker, markers.secondMarker}), V({12, 110, 105}));
    EXPECT_FALSE(WriteMarkers(image, markers));
    markers.limiterMarker = 95; // dragged in a graph
    EXPECT_TRUE(WriteMarkers(image, markers));
    EXPECT_EQ(image.word(Adrw::HardLimiter), 9500);
}

TEST(MapEditorList, feedsMarkersOnRequestAndLiveValuesEveryTick) {
    Maps m;
    MapEditorList list;
    ASSERT_TRUE(list.Add(m.advance));
    ASSERT_TRUE(list.Add(m.servo));
    std::vector<std::unique_ptr<MapEditor>> more;
    for (int i = 2; i < MapEditorList::MaxEditors; ++i) {
        more.push_back(std::make_unique<MapEditor>(100, 100, AllowTable));
        EXPECT_TRUE(list.Add(*more.back()));
    }
    MapEditor extra(100, 100, AllowTable);
    EXPECT_FALSE(list.Add(extra)); // the window's 21st editor is refused

    m.image.setByte(Adrb::BaseAdvance, 9);
    m.image.setWord(Adrw::HardLimiter, 12000);
    list.Feed(m.image, LiveFeed{3000, 200, 0, false, true});
    EXPECT_EQ(m.advance.Sheets().Markers().limiterMarker, 120);
    EXPECT_EQ(list.Refresh(), 0);
    EXPECT_EQ(m.advance1().flags & TrackLive, 0); // the unit runs map 2: "Advance 1" does not follow
    m.advance.Tick(false, false);
    m.advance.Tick(false, false);
    EXPECT_EQ(m.servoSheet().actualState, 0); // the servo's own tick has not run
    m.servo.Tick(false, false);
    m.servo.Tick(false, false);
    EXPECT_EQ(m.servoSheet().actualState, 1);

    m.image.setByte(Adrb::BaseAdvance, 1); // the image changed elsewhere, the editors have not seen it
    list.Feed(m.image, LiveFeed{0, 0, 0, false, false});
    EXPECT_EQ(m.advance.Sheets().Markers().baseMarker, 9);
    m.advance.Sheets().Markers().baseMarker = 11;
    list.TakeMarkers(m.advance, m.image);
    EXPECT_EQ(m.image.byte(Adrb::BaseAdvance), 11);
    EXPECT_EQ(list.Refresh(), DirtyRelayout);
    list.Feed(m.image, LiveFeed{0, 0, 0, false, false});
    EXPECT_EQ(m.servo.Sheets().Markers().baseMarker, 11);
    list.Remove(&m.servo);
}

TEST(MapSheets, theAdvanceAndServoMapsKeepTheirFifteenSpeeds) {
    Maps m;
    // The image holds 15 speeds for each of these maps: no column may come or go.
    for (auto [editor, sheet] :
         {std::pair{&m.advance, 0}, std::pair{&m.advance, 1}, std::pair{&m.servo, 0}}) {
        editor->SelectSheet(sheet);
        SCOPED_TRACE(editor->Current().title);
        const Rect cell = editor->Layout().TableRecord().Cell(4, 4);
        const Rect bar = editor->Layout().TableRecord().columnBars[7];
        for (const auto &[x, y] :
             {std::pair{cell.left + 5, cell.top + 5}, std::pair{bar.left + 2, bar.top + 2}})
            for (const PopupItem &item : BuildPopupMenu(*editor, x, y, false)) {
                EXPECT_NE(item.action, PopupAction::InsertColumn) << item.text;
                EXPECT_NE(item.action, PopupAction::DeleteColumns) << item.text;
            }
        // A private table of another width cannot be pasted; one of the same width can.
        std::string text = CopyTableCommandTexts(*editor).sheet;
        EXPECT_EQ(PlanPasteTable(editor->Current(), text).status, PasteTableStatus::Ready);
        text.replace(text.find("SizeX:\t15"), 9, "SizeX:\t14");
        EXPECT_EQ(PlanPasteTable(editor->Current(), text).status, PasteTableStatus::DimensionMismatch);
    }
}

TEST(MapSheets, sensorEditorsAreLaidOutForTwoCells) {
    Maps m;
    const TableGeometry &g = m.tps.Geometry();
    EXPECT_EQ(V({g.topMargin, g.columnHeaderHeight, g.cellsX, g.cellsY}), V({25, 21, 90, 61}));
    EXPECT_EQ(g.shownViews, ViewTable);
    EXPECT_EQ(m.tps.Sheets().Sheet(0).axisY.values[1], 100);
    EXPECT_EQ(m.advance.Toolbar().Button(CommandUseX).caption, "only RPM");
}

} // namespace
} // namespace zarvex1
