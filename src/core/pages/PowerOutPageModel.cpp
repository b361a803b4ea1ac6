#include "core/pages/PowerOutPageModel.h"

#include "core/params/Defaults.h"

namespace zarvex1 {

namespace {

using K = ControlKind;
using namespace PowerOut;

constexpr int LoadSensorNone = 0;
constexpr int LoadSensorIap = 2;
constexpr int WideLoadByte = 200; // 1000 kPa; above it shows 1000 too

PowerOutNames MakeNames(int output) {
    const std::string n = std::to_string(output + 1);
    PowerOutNames names;
    names.mode = "RadioGroupPOut" + n;
    names.group = "GroupBoxPOutMap" + n;
    for (int j = 0; j < SpeedEdges; ++j) {
        names.speed[j] = "UpDownPOut" + n + "Rpm" + std::to_string(j);
        names.speedBevel[j] = "BevelPOut" + n + "Rpm" + std::to_string(j);
    }
    for (int j = 0; j < LoadEdges; ++j) {
        names.load[j] = "UpDownPOut" + n + "Load" + std::to_string(j);
        names.loadBevel[j] = "BevelPOut" + n + "Load" + std::to_string(j);
    }
    names.hysteresis = "UpDownPOut" + n + "Hyst";
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Columns; ++c)
            names.cell[r][c] = "CheckBoxPOut" + n + "Cell" + std::to_string(r) + std::to_string(c);
    for (int j = 0; j < SpeedEdges; ++j)
        names.speedEdit[j] = EditNameOf(names.speed[j]);
    for (int j = 0; j < LoadEdges; ++j)
        names.loadEdit[j] = EditNameOf(names.load[j]);
    names.hysteresisEdit = EditNameOf(names.hysteresis);
    names.speedLabel = "LabelPOut" + n + "Rpm";
    names.loadLabel = "LabelPOut" + n + "Load";
    names.hysteresisLabel = "LabelPOut" + n + "Hyst";
    return names;
}

// The pixel positions of one output's group box.
constexpr int SpeedLeft = 95, SpeedPitch = 60, SpeedTop = 18, SpeedWidth = 40;
constexpr int LoadLeft = 13, LoadWideLeft = 7, LoadTop = 61, LoadPitch = 28, LoadWidth = 30,
              LoadWideWidth = 35;
constexpr int HystLeft = 235, HystTop = 135, HystWidth = 40;
constexpr int CellLeft = 80, CellTop = 49, CellWidth = 20, CellHeight = 15; // pitch as the thresholds
constexpr int RpmLabelLeft = 64, RpmLabelTop = 20;
constexpr int LoadLabelLeft = 15, LoadLabelTop = 34;
constexpr int BevelThickness = 4, BevelVerticalLength = 80, BevelHorizontalLength = 220;

} // namespace

const PowerOutNames &PowerOutPageModel::Names(int output) {
    static const std::array<PowerOutNames, Outputs> names = {MakeNames(0), MakeNames(1), MakeNames(2)};
    return names[static_cast<std::size_t>(output)];
}

std::vector<Binding> PowerOutPageModel::Bindings(const ParameterImage &image) const {
    const int sensor = image.byte(Adrb::LoadSensor);
    const bool iap = sensor == LoadSensorIap;
    std::vector<Binding> rows;
    for (int i = 0; i < Outputs; ++i) {
        const PowerOutNames &n = Names(i);
        rows.push_back({.name = n.mode,
                        .kind = K::Radio,
                        .position = Adrb::PowerOutMode + i,
                        .maximum = Special,
                        .ownHandler = true});
        rows.push_back({n.hysteresis, K::ByteUpDown, Adrb::PowerOutHysteresis + i, 10, 0, 0, 2500, 10});
        for (int j = 0; j < SpeedEdges; ++j)
            rows.push_back({n.speed[j], K::ByteUpDown, Adrb::PowerOutRpm + 3 * i + j, 100, 0, 300,
                            25000 + 100 * j, 100});
        for (int j = 0; j < LoadEdges; ++j)
            rows.push_back({.name = n.load[j],
                            .kind = K::ByteUpDown,
                            .position = Adrb::PowerOutLoad + 2 * i + j,
                            .scale = iap ? 5 : 1,
                            .minimum = 0,
                            .maximum = iap ? 1000 : 100,
                            .step = iap ? 5 : 1,
                            .held = sensor == LoadSensorNone});
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Columns; ++c)
                rows.push_back({.name = n.cell[r][c],
                                .kind = K::BitCheck,
                                .position = Adrb::PowerOutTable + 3 * i + r,
                                .bit = c});
    }
    return rows;
}

PageStates PowerOutPageModel::States(const ParameterImage &image, bool printing) const {
    const int sensor = image.byte(Adrb::LoadSensor);
    const bool load = sensor != LoadSensorNone;
    PageStates s;
    for (int i = 0; i < Outputs; ++i) {
        const PowerOutNames &n = Names(i);
        const int m = image.byte(Adrb::PowerOutMode + i);
        // An edit with its up-down (gone on paper), and the bevel beside it.
        const auto edit = [&](const std::string &editName, const std::string &upDown, bool visible) {
            s.Visible(editName, visible);
            s.Visible(upDown, visible && !printing);
        };
        s.Visible(n.group, m > FuelPump);
        s.Visible(n.loadLabel, m > PilotLight && load);
        s.Caption(n.loadLabel, sensor <= 1 ? "Tps" : "Iap");
        edit(n.hysteresisEdit, n.hysteresis, true);
        s.Visible(n.hysteresisLabel, true);
        s.Visible(n.speedLabel, true);
        const bool speedVisible[SpeedEdges] = {true, m > FuelPump, m > PowerJet};
        for (int j = 0; j < SpeedEdges; ++j) {
            edit(n.speedEdit[j], n.speed[j], speedVisible[j]);
            s.Visible(n.speedBevel[j], speedVisible[j]);
        }
        const bool loadVisible[LoadEdges] = {m > PilotLight && load, m > PowerJet && load};
        for (int j = 0; j < LoadEdges; ++j) {
            edit(n.loadEdit[j], n.load[j], loadVisible[j]);
            s.Visible(n.loadBevel[j], loadVisible[j]);
        }
        const bool cellVisible[Rows][Columns] = {
            {m > FuelPump, m > FuelPump, m > FuelPump, m > PowerJet},
            {m > PilotLight && load, m > FuelPump && load, m > PilotLight && load, m > PowerJet && load},
            {m > PowerJet && load, m > PowerJet && load, m > PowerJet && load, m > PowerJet && load},
        };
        // Only the special mode has a grid of its own; the others show their fixed patterns.
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Columns; ++c) {
                s.Visible(n.cell[r][c], cellVisible[r][c]);
                s.Enabled(n.cell[r][c], m > PowerJet);
            }
    }
    return s;
}

void PowerOutPageModel::AfterStore(const ParameterImage &, ParameterImage &image) const {
    // A grid row is made of its four cells alone.
    for (int row = 0; row < Outputs * Rows; ++row)
        image.setByte(Adrb::PowerOutTable + row, image.byte(Adrb::PowerOutTable + row) & 0x0F);
}

std::vector<Place> PowerOutPageModel::Places(int output, const ParameterImage &image) {
    const PowerOutNames &n = Names(output);
    std::vector<Place> places;
    for (int j = 0; j < SpeedEdges; ++j)
        places.push_back(BoundEditPlace(n.speedEdit[j], SpeedLeft + SpeedPitch * j, SpeedTop, SpeedWidth));
    for (int j = 0; j < LoadEdges; ++j) {
        const bool wide = image.byte(Adrb::PowerOutLoad + 2 * output + j) >= WideLoadByte;
        places.push_back(BoundEditPlace(n.loadEdit[j], wide ? LoadWideLeft : LoadLeft,
                                        LoadTop + LoadPitch * j, wide ? LoadWideWidth : LoadWidth));
    }
    places.push_back(BoundEditPlace(n.hysteresisEdit, HystLeft, HystTop, HystWidth));
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Columns; ++c)
            places.push_back(
                {n.cell[r][c], CellLeft + SpeedPitch * c, CellTop + LoadPitch * r, CellWidth, CellHeight});
    places.push_back({n.speedLabel, RpmLabelLeft, RpmLabelTop});
    places.push_back({n.loadLabel, LoadLabelLeft, LoadLabelTop});
    places.push_back({n.hysteresisLabel, HystLeft - 60, HystTop + 2});
    // The bevels part the grid: one under the middle of each speed edit, from 14 pixels above the first
    // load edit; one through each load edit, from the "Rpm" label on.
    for (int j = 0; j < SpeedEdges; ++j)
        places.push_back({n.speedBevel[j], SpeedLeft + SpeedPitch * j + 20, LoadTop - 14, BevelThickness,
                          BevelVerticalLength});
    for (int j = 0; j < LoadEdges; ++j)
        places.push_back({n.loadBevel[j], RpmLabelLeft, LoadTop + LoadPitch * j + 10, BevelHorizontalLength,
                          BevelThickness});
    return places;
}

void RadioGroupPOutClick(ParameterImage &image, int output, int mode) {
    image.setByte(Adrb::PowerOutMode + output, static_cast<unsigned>(mode));
    PowerOutModeDefaults(image, output, false);
}

} // namespace zarvex1
