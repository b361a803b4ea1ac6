#include "core/pages/GearPageModel.h"

namespace zarvex1 {

namespace {

using K = ControlKind;
using namespace Gear;

constexpr int GearInput = 7; // the item Gear of input 2, Speed of input 3

GearNames MakeNames() {
    GearNames n;
    for (int g = 0; g < Gears; ++g) {
        const std::string number = std::to_string(g);
        n.voltage[g] = "UpDownGearVoltage" + number;
        n.voltageEdit[g] = EditNameOf(n.voltage[g]);
        n.voltageLabel[g] = "LabelGear" + number;
        n.button[g] = "ButtonGear" + number;
        if (g == 0)
            continue;
        n.ratio[g] = "UpDownGearRatio" + number;
        n.ratioEdit[g] = EditNameOf(n.ratio[g]);
        n.ratioLabel[g] = "LabelPomerRpmSpeed" + number;
        n.autoRatio[g] = "LabelMonPomerRpmSpeedAuto" + number;
        n.autoLabel[g] = "LabelMonGearAuto" + number;
    }
    return n;
}

// The rows of both gear group boxes: gear g's edit 39 pixels below gear g - 1's.
constexpr int EditLeft = 24, EditWidth = 40, FirstRowTop = 26, RowPitch = 39;
constexpr int LabelGap = 8, LabelDrop = 4;

Place LabelBeside(const Place &edit, const std::string &name) {
    return {name, edit.right() + LabelGap, edit.top + LabelDrop};
}

} // namespace

const GearNames &GearPageModel::Names() {
    static const GearNames names = MakeNames();
    return names;
}

std::vector<Binding> GearPageModel::Bindings(const ParameterImage &) const {
    const GearNames &n = Names();
    std::vector<Binding> rows = {
        {.name = "RadioGroupGearSystem",
         .kind = K::Radio,
         .position = Adrb::GearMode,
         .maximum = Automatic,
         .ownHandler = true},
        {"UpDownPocetGear", K::ByteUpDown, Adrb::GearCount, 1, 0, 1, 6},
    };
    for (int g = 0; g < Gears; ++g)
        rows.push_back({n.voltage[g], K::WordUpDown, Adrw::GearVoltage + g, 1, 0, 0, 5000, 1});
    for (int g = 1; g < Gears; ++g)
        rows.push_back({n.ratio[g], K::WordUpDown, Adrw::SpeedPulses + g, 1, 0, 1, 32000, 1});
    const Binding rest[] = {
        {"UpDownGearAutoTime", K::ByteUpDown, Adrb::GearAutoTime, 1, 0, 1, 100},
        {"UpDownGearAutoRpm", K::ByteUpDown, Adrb::GearAutoRpm, 100, 0, 300, 25000, 100},
        {"UpDownGearAutoTps", K::ByteUpDown, Adrb::GearAutoThrottle, 1, 0, 0, 100},
        {"UpDownGearAutoBand", K::ByteUpDown, Adrb::GearAutoZone, 1, 0, 1, 100},
        {"RadioGroupSpeedMode", K::Radio, Adrb::SpeedPulsesMeaning, 1, 0, 0, 1},
        {"UpDownPulsuProSpeed", K::WordUpDown, Adrw::SpeedPulses, 1, 0, 1, 32000, 1},
    };
    rows.insert(rows.end(), std::begin(rest), std::end(rest));
    return rows;
}

PageStates GearPageModel::States(const ParameterImage &image, bool printing) const {
    const GearNames &names = Names();
    const int d = image.byte(Adrb::GearMode);
    const int n = image.byte(Adrb::GearCount);
    const bool teach = d == Voltage || d == Ratio;
    PageStates s;
    s.Visible("EditPocetGear", d != None);
    s.Visible("UpDownPocetGear", d != None && !printing);
    s.Visible("LabelPocetGear", d != None);
    s.Visible("GroupBoxNapetiProGear", d == Voltage);
    s.Visible("GroupBoxRpmSpeedProGear", d == Ratio);
    s.Visible("GroupBoxMonAutoGear", d == Automatic);
    s.Visible("LabelMonPomerRpmSpeed", d == Ratio || d == Automatic);
    for (int g = 0; g < Gears; ++g) {
        // Gears 0 and 1 are always there; a higher gear only up to the number of gears.
        const bool present = g < 2 || n >= g;
        s.Visible(names.button[g], present && teach);
        const bool edits = g < 2 || (n >= g && d != None);
        s.Visible(names.voltageEdit[g], edits);
        s.Visible(names.voltage[g], edits && !printing);
        if (g == 0)
            continue;
        s.Visible(names.ratioEdit[g], edits);
        s.Visible(names.ratio[g], edits && !printing);
        if (g < 2)
            continue;
        for (const std::string *label :
             {&names.voltageLabel[g], &names.ratioLabel[g], &names.autoRatio[g], &names.autoLabel[g]})
            s.Visible(*label, present);
    }
    for (std::string_view upDown : {"UpDownGearAutoTime", "UpDownGearAutoRpm", "UpDownGearAutoTps",
                                    "UpDownGearAutoBand", "UpDownPulsuProSpeed"})
        s.Visible(upDown, !printing);
    return s;
}

LiveColours GearPageModel::LiveColoursOf(const ParameterImage &image, int k) {
    const GearNames &names = Names();
    const int d = image.byte(Adrb::GearMode);
    LiveColours colours;
    for (int g = 0; g < Gears; ++g) {
        const bool current = k == g;
        colours.push_back({names.voltageEdit[g], current && d == Voltage});
        colours.push_back({names.voltageLabel[g], current && d == Voltage});
        colours.push_back({names.button[g], current && (d == Voltage || d == Ratio)});
        if (g == 0)
            continue;
        colours.push_back({names.ratioEdit[g], current && d == Ratio});
        colours.push_back({names.ratioLabel[g], current && d == Ratio});
        colours.push_back({names.autoRatio[g], current && d == Automatic});
        colours.push_back({names.autoLabel[g], current && d == Automatic});
    }
    return colours;
}

int GearPageModel::RowTop(int gear) {
    return FirstRowTop + RowPitch * gear;
}

std::vector<Place> GearPageModel::VoltagePlaces() {
    const GearNames &n = Names();
    std::vector<Place> places;
    for (int g = 0; g < Gears; ++g) {
        const Place edit = BoundEditPlace(n.voltageEdit[g], EditLeft, RowTop(g), EditWidth);
        places.push_back(edit);
        places.push_back(LabelBeside(edit, n.voltageLabel[g]));
    }
    // The sensor's voltage now, under the last gear.
    places.push_back({"LabelMonGearNapeti1", EditLeft, RowTop(Gears) + LabelDrop});
    return places;
}

std::vector<Place> GearPageModel::RatioPlaces() {
    const GearNames &n = Names();
    std::vector<Place> places;
    for (int g = 1; g < Gears; ++g) {
        const Place edit = BoundEditPlace(n.ratioEdit[g], EditLeft, 65 + RowPitch * (g - 1), EditWidth);
        places.push_back(edit);
        places.push_back(LabelBeside(edit, n.ratioLabel[g]));
    }
    return places;
}

void RadioGroupGearSystemClick(ParameterImage &image, int system) {
    image.setByte(Adrb::GearMode, static_cast<unsigned>(system));
    if (system == Voltage)
        image.setByte(Adrb::InputFunction + 1, GearInput);
    else if (system == Ratio || system == Automatic)
        image.setByte(Adrb::InputFunction + 2, GearInput);
}

bool ButtonGearClick(ParameterImage &image, int gear, const GearLive &live) {
    // Without a unit there is nothing live to take: the last values seen may be long gone.
    if (!live.connected || gear < 0 || gear >= Gears)
        return false;
    switch (image.byte(Adrb::GearMode)) {
    case Voltage:
        image.setWord(Adrw::GearVoltage + gear, static_cast<unsigned>(live.voltage));
        return true;
    case Ratio:
        if (gear == 0)
            return false;
        image.setWord(Adrw::SpeedPulses + gear, static_cast<unsigned>(live.ratio));
        return true;
    default:
        return false;
    }
}

} // namespace zarvex1
