#include "core/pages/BikePageModel.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace zarvex1 {

namespace {

using K = ControlKind;

constexpr std::array<int, 7> BikeCodes = {0, 2, 3, 4, 5, 6, 1};

constexpr Binding Rows[] = {
    {"ComboBoxBike", K::Combo, Adrb::BikeType, 1, 0, 0, 6, 1, BikeCodes, true},
    {"RadioGroupPickup1Polarita", K::Radio, Adrb::InvPickup1, 1, 0, 0, 2},
    {"RadioGroupPickup2Polarita", K::Radio, Adrb::InvPickup2, 1, 0, 0, 2},
    {"CheckBoxZamenaPickup", K::Check, Adrb::PickupsInterchange},
    {"CheckBoxNehlidaPalec", K::Check, Adrb::NoLobeCheck},
    {"CheckBoxCrossBlock", K::Check, Adrb::InterlockInputs},
    {"CheckBoxPredPalec", K::Check, Adrb::SparkBeforeLobe},
    {"CheckBoxSpecStart", K::Check, Adrb::SpecStart},
    {"CheckBox4TaktIgn", K::Check, Adrb::FourStroke},
    {"UpDownKompenz1", K::ByteUpDown, Adrb::Compensation1, 1, 0, 0, 255},
    {"UpDownKompenz2", K::ByteUpDown, Adrb::Compensation2, 1, 0, 0, 255},
    {"ComboBoxSynchro", K::Combo, Adrb::PickupSystem, 1, 0, 0, 15, 1, {}, true},
    {"UpDownPocSynchro", K::ByteUpDown, Adrb::StartRevolutions, 1, 0, 0, 40},
    {"UpDownPocPalcu", K::ByteUpDown, Adrb::LobeCount, 1, 0, 1, 58},
    {"UpDownPocKanalu", K::ByteUpDown, Adrb::OutputCount, 1, 0, 1, 2},
    {"UpDownPalec1Zac", K::ByteUpDown, Adrb::MaxAdvanceLobe, 1, 0, 1, 58},
    {"UpDownPalec2Zac", K::ByteUpDown, Adrb::MaxAdvanceLobe + 1, 1, 0, 1, 58},
    {"UpDownPalec1End", K::ByteUpDown, Adrb::StartAdvanceLobe, 1, 0, 1, 58},
    {"UpDownPalec2End", K::ByteUpDown, Adrb::StartAdvanceLobe + 1, 1, 0, 1, 58},
    {"CheckBoxPalec1ZacH2", K::Check, Adrb::MaxAdvanceSecondEdge},
    {"CheckBoxPalec2ZacH2", K::Check, Adrb::MaxAdvanceSecondEdge + 1},
    {"CheckBoxPalec1EndH2", K::Check, Adrb::StartAdvanceSecondEdge},
    {"CheckBoxPalec2EndH2", K::Check, Adrb::StartAdvanceSecondEdge + 1},
    {"CheckBoxPalec1ZacP2", K::Check, Adrb::MaxAdvanceSecondPickup},
    {"CheckBoxPalec2ZacP2", K::Check, Adrb::MaxAdvanceSecondPickup + 1},
    {"CheckBoxPalec1EndP2", K::Check, Adrb::StartAdvanceSecondPickup},
    {"CheckBoxPalec2EndP2", K::Check, Adrb::StartAdvanceSecondPickup + 1},
    {"ComboBoxNasobekPalcu", K::Combo, Adrb::IgnitionsPerRevolution, 1, 0, 0, 3},
    {"UpDownRpmPulsu", K::ByteUpDown, Adrb::TachoPulses, 1, 0, 0, 6},
    {"UpDownRpmKorekce", K::ByteUpDown, Adrb::TachoCorrection, 1, -100, -60, 60},
};

constexpr std::string_view Hidden[] = {
    "RadioGroupPickup2Polarita",
    "CheckBoxZamenaPickup",
    "CheckBoxCrossBlock",
    "GroupBoxPalec2",
    "LabelPocKanalu",
    "EditPocKanalu",
    "UpDownPocKanalu",
    "CheckBoxPalec1ZacP2",
    "CheckBoxPalec1EndP2",
};

bool OneOf(int value, std::initializer_list<int> values) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

} // namespace

int BikePageModel::BikeCodeOfItem(int item) {
    return item >= 0 && item < static_cast<int>(BikeCodes.size()) ? BikeCodes[static_cast<std::size_t>(item)]
                                                                  : 0;
}

std::vector<Binding> BikePageModel::Bindings(const ParameterImage &) const {
    return {std::begin(Rows), std::end(Rows)};
}

std::span<const std::string_view> BikePageModel::HiddenAtStart() const {
    return Hidden;
}

PageStates BikePageModel::States(const ParameterImage &image, bool printing) const {
    const int method = image.byte(Adrb::PickupSystem);
    const bool special = image.byte(Adrb::BikeType) == BikeCodeOfItem(SpecialItem);
    const bool m0 = method == 0;
    const bool second = OneOf(method, {4, 6, 10, 14}) || m0;
    const bool cam = OneOf(method, {7, 12, 13});
    const bool harley = method == 8;
    const bool m9 = method == NoAutoPolarityMethod;

    PageStates s;
    for (std::string_view name :
         {"ComboBoxSynchro", "ComboBoxNasobekPalcu", "EditPocKanalu",   "EditPocSynchro",
          "EditKompenz1",    "EditKompenz2",         "LabelLobe",       "LabelHrana2",
          "LabelSnimac2",    "GroupBoxSpecial",      "GroupBoxPalec1",  "GroupBoxPalec2",
          "LabelSynchro",    "LabelPocPalcu",        "LabelPalec1Zac",  "LabelPalec1End",
          "LabelPalec2Zac",  "LabelPalec2End",       "LabelPocSynchro", "LabelKompenz"})
        s.Enabled(name, special);
    for (std::string_view name :
         {"EditPocPalcu", "EditPalec1Zac", "EditPalec1End", "EditPalec2Zac", "EditPalec2End"})
        s.Enabled(name, special && !m0);
    for (std::string_view name :
         {"CheckBoxPalec1ZacH2", "CheckBoxPalec2ZacH2", "CheckBoxPalec1EndH2", "CheckBoxPalec2EndH2",
          "CheckBoxPalec1ZacP2", "CheckBoxPalec2ZacP2", "CheckBoxPalec1EndP2", "CheckBoxPalec2EndP2"})
        s.Enabled(name, special && !m9);
    s.Font("GroupBoxSpecial", special ? FontColour::Black : FontColour::Grey);
    s.Visible("RadioGroupPickup2Polarita", second || cam);
    for (std::string_view name :
         {"CheckBoxPalec1ZacP2", "CheckBoxPalec1EndP2", "CheckBoxPalec2ZacP2", "CheckBoxPalec2EndP2"})
        s.Visible(name, second);
    // The head stands over its column only while the column is there.
    s.Visible("LabelSnimac2", second);
    s.Visible("CheckBoxCrossBlock", special && m0);
    s.Visible("CheckBoxSpecStart", special);
    s.Visible("UpDownPocPalcu", special && !m0 && !harley);
    for (std::string_view name : {"UpDownPalec1Zac", "UpDownPalec1End", "UpDownPalec2Zac", "UpDownPalec2End"})
        s.Visible(name, special && !m0);
    s.Visible("GroupBoxPalec1", !harley);
    s.Visible("GroupBoxPalec2", image.byte(Adrb::OutputCount) >= 2 && !harley);
    s.Visible("LabelPocetProgramovani", !printing);
    // Method 9 has no automatic polarity for pick-up 1.
    s.Visible("RadioGroupPickup1Polarita_Item2", !m9);
    return s;
}

void BikePageModel::AfterStore(const ParameterImage &, ParameterImage &image) const {
    // Method 9 takes both advances of both channels from the second edge.
    if (image.byte(Adrb::PickupSystem) == NoAutoPolarityMethod)
        for (int b = Adrb::MaxAdvanceSecondEdge; b < Adrb::MaxAdvanceSecondPickup; ++b)
            image.setByte(b, 1);
}

void ComboBoxBikeChange(ParameterSession &session, PageMachine &machine, int bikeItem, int synchroItem) {
    ParameterImage &image = session.image();
    image.setByte(Adrb::BikeType, static_cast<unsigned>(BikePageModel::BikeCodeOfItem(bikeItem)));
    if (synchroItem >= 0)
        image.setByte(Adrb::PickupSystem, static_cast<unsigned>(synchroItem));
    if (image.byte(Adrb::BikeType) != BikePageModel::BikeCodeOfItem(BikePageModel::SpecialItem)) {
        session.SetBikeChangePending();
        session.New(false);
    }
    // The preset of the type, whatever the answer.
    ApplyBikeType(session.image());
    session.ImageToPages();
    machine.RequestCommit("ComboBoxBike", CommitMode::Immediate);
}

} // namespace zarvex1
