#include "core/pages/RacePageModel.h"

namespace zarvex1 {

namespace {

using K = ControlKind;
using namespace Race;

RaceNames MakeNames() {
    RaceNames n;
    for (int r = 0; r < Rows; ++r) {
        const std::string row = std::to_string(r + 1);
        n.clutchTime[r] = "UpDownClutchTime" + row;
        n.advance[r] = "UpDownGearCorrAdv" + row;
        n.limiter[r] = "UpDownGearCorrLimiter" + row;
        n.servo[r] = "UpDownGearCorrServo" + row;
        for (int j = 0; j < PowerOutputs; ++j)
            n.powerOut[j][r] = "UpDownGearCorrPOut" + std::to_string(j + 1) + "_" + row;
        n.rowLabel[r] = "LabelGearKor" + row;
        n.clutchLabel[r] = "LabelRaceGear" + row;
        n.upDowns[r] = {n.clutchTime[r], n.advance[r], n.limiter[r], n.servo[r]};
        for (int j = 0; j < PowerOutputs; ++j)
            n.upDowns[r].push_back(n.powerOut[j][r]);
        for (const std::string &upDown : n.upDowns[r])
            n.edits[r].push_back(EditNameOf(upDown));
    }
    return n;
}

bool ClutchMasterIn(const ParameterImage &image) {
    for (int i = 0; i < 3; ++i)
        if (image.byte(Adrb::InputFunction + i) == ClutchMaster)
            return true;
    return false;
}

// The pixel positions in the two group boxes: the rows 39 pixels apart from 65, the columns from 44.
constexpr int FirstColumn = 44, FirstRowTop = 65, RowPitch = 39;
// A row label is as high as the row's edits: marked for the current gear it is a green field beside them.
constexpr int RowLabelLeft = 8, RowLabelWidth = 32, RowLabelHeight = 21, HeadTop = 20, HeadHeight = 42;

int RowTop(int r) {
    return FirstRowTop + RowPitch * r;
}

} // namespace

const RaceNames &RacePageModel::Names() {
    static const RaceNames names = MakeNames();
    return names;
}

int RacePageModel::RowOfGear(int gear) {
    return gear <= 1 ? 0 : gear - 1;
}

std::vector<Binding> RacePageModel::Bindings(const ParameterImage &) const {
    const RaceNames &n = Names();
    std::vector<Binding> rows;
    // A store takes each row in turn, then the clutch master's settings.
    for (int r = 0; r < Rows; ++r) {
        rows.push_back({n.clutchTime[r], K::ByteUpDown, Adrb::ClutchTime + r, 5, 0, 0, 1250, 5});
        rows.push_back({n.advance[r], K::ByteUpDown, Adrb::GearCorrAdvance + r, 1, -100, -20, 20, 1});
        rows.push_back({n.limiter[r], K::ByteUpDown, Adrb::GearCorrLimiter + r, 50, -100, -5000, 5000, 50});
        rows.push_back({n.servo[r], K::ByteUpDown, Adrb::GearCorrServo + r, 50, -100, -5000, 5000, 50});
        for (int j = 0; j < PowerOutputs; ++j)
            rows.push_back({n.powerOut[j][r], K::ByteUpDown, Adrb::GearCorrPowerOut + 6 * j + r, 50, -100,
                            -5000, 5000, 50});
    }
    const Binding clutch[] = {
        {"RadioGroupClutchMode", K::Radio, Adrb::ClutchMode, 1, 0, 0, 1},
        {"UpDownClutchPause1", K::ByteUpDown, Adrb::ClutchDelay1, 10, 0, 0, 2500, 10},
        {"UpDownClutchPause2", K::ByteUpDown, Adrb::ClutchDelay2, 10, 0, 0, 2500, 10},
        {"UpDownClutchMinRpm", K::ByteUpDown, Adrb::ClutchMinRpm, 100, 0, 1000, 25000, 100},
        {"UpDownClutchAdv", K::ByteUpDown, Adrb::ClutchAdvance, 1, 0, 0, 60},
    };
    rows.insert(rows.end(), std::begin(clutch), std::end(clutch));
    return rows;
}

PageStates RacePageModel::States(const ParameterImage &image, bool printing) const {
    const RaceNames &names = Names();
    const bool clutch = ClutchMasterIn(image);
    const int d = image.byte(Adrb::GearMode);
    const int n = image.byte(Adrb::GearCount);
    PageStates s;
    s.Enabled("RadioGroupClutchMode", clutch);
    for (int r = 0; r < Rows; ++r)
        s.Enabled(names.edits[r][0], clutch);
    for (std::string_view name :
         {"EditClutchPause1", "LabelClutchPause1", "EditClutchPause2", "LabelClutchPause2",
          "EditClutchMinRpm", "LabelClutchMinRpm", "EditClutchAdv", "LabelClutchAdv"})
        s.Enabled(name, clutch);
    for (std::string_view name :
         {"UpDownClutchPause1", "UpDownClutchPause2", "UpDownClutchMinRpm", "UpDownClutchAdv"})
        s.Visible(name, clutch && !printing);
    const std::uint32_t font = clutch ? FontColour::Black : FontColour::Grey;
    s.Font("GroupBoxClutch", font);
    s.Font("GroupBoxClutchTime", font);
    s.Visible("GroupBoxGearKor", d != 0);
    for (int r = 0; r < Rows; ++r) {
        // Row r holds gear r + 1; the first row is there even without gear detection.
        const bool labelled = d != 0 && (r == 0 || n >= r + 1);
        s.Visible(names.rowLabel[r], labelled);
        s.Visible(names.clutchLabel[r], labelled);
        const bool row = r == 0 || (n >= r + 1 && d != 0);
        for (std::size_t c = 0; c < names.edits[r].size(); ++c) {
            s.Visible(names.edits[r][c], row);
            // The clutch times' up-downs also need the clutch master.
            s.Visible(names.upDowns[r][c], row && !printing && (c != 0 || clutch));
        }
    }
    return s;
}

LiveColours RacePageModel::LiveColoursOf(const ParameterImage &image, int k) {
    const RaceNames &names = Names();
    const bool clutch = ClutchMasterIn(image);
    const int current = RowOfGear(k);
    LiveColours colours;
    for (int r = 0; r < Rows; ++r) {
        const bool row = r == current;
        for (std::size_t c = 0; c < names.edits[r].size(); ++c)
            colours.push_back({names.edits[r][c], row && (c != 0 || clutch)});
        // The labels name their gear: the first row's labels only gear 1.
        colours.push_back({names.rowLabel[r], k == r + 1});
        colours.push_back({names.clutchLabel[r], k == r + 1 && clutch});
    }
    return colours;
}

std::vector<Place> RacePageModel::ClutchTimePlaces() {
    const RaceNames &n = Names();
    std::vector<Place> places = {{"LabelClutchTime", RowLabelLeft, HeadTop, 104, HeadHeight}};
    for (int r = 0; r < Rows; ++r) {
        places.push_back(BoundEditPlace(n.edits[r][0], FirstColumn, RowTop(r), 40));
        places.push_back({n.clutchLabel[r], RowLabelLeft, RowTop(r), RowLabelWidth, RowLabelHeight});
    }
    return places;
}

std::vector<Place> RacePageModel::CorrectionPlaces() {
    const RaceNames &n = Names();
    // The advance column, the limiter 68 pixels on, the servo 78 further, each power output 78 further.
    constexpr int AdvanceLeft = FirstColumn, LimiterLeft = AdvanceLeft + 68, ServoLeft = LimiterLeft + 78;
    constexpr int ColumnPitch = 78;
    std::vector<Place> places = {
        {"LabelGearKorAdv", AdvanceLeft, HeadTop, 64, HeadHeight},
        {"LabelGearKorLimiter", LimiterLeft, HeadTop, ColumnPitch - 4, HeadHeight},
        {"LabelGearKorServo", ServoLeft, HeadTop, ColumnPitch - 4, HeadHeight},
    };
    for (int j = 0; j < PowerOutputs; ++j)
        places.push_back({"LabelGearKorPOut" + std::to_string(j + 1), ServoLeft + ColumnPitch * (j + 1),
                          HeadTop, ColumnPitch - 4, HeadHeight});
    for (int r = 0; r < Rows; ++r) {
        places.push_back({n.rowLabel[r], RowLabelLeft, RowTop(r), RowLabelWidth, RowLabelHeight});
        places.push_back(BoundEditPlace(n.edits[r][1], AdvanceLeft, RowTop(r), 30));
        places.push_back(BoundEditPlace(n.edits[r][2], LimiterLeft, RowTop(r), 40));
        places.push_back(BoundEditPlace(n.edits[r][3], ServoLeft, RowTop(r), 40));
        for (int j = 0; j < PowerOutputs; ++j)
            places.push_back(
                BoundEditPlace(n.edits[r][4 + j], ServoLeft + ColumnPitch * (j + 1), RowTop(r), 40));
    }
    return places;
}

} // namespace zarvex1
