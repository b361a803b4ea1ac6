#include "core/mapbinding/AdvanceMaps.h"

#include "core/mapbinding/LoadAxis.h"
#include "core/mapbinding/MapSheets.h"

namespace zarvex1 {

namespace {

struct MapPlace {
    int rpmWord;
    int mapByte;
};
constexpr MapPlace Places[2] = {{Adrw::AdvanceRpm1, Adrb::Advance1}, {Adrw::AdvanceRpm2, Adrb::Advance2}};

} // namespace

void LoadAdvanceMaps(MapEditor &advance, const ParameterImage &image) {
    ApplyLoadAxis(advance, image.byte(Adrb::LoadSensor), image.byte(Adrb::MapsUseLoad), image);
    for (int s = 0; s < 2 && s < advance.Sheets().Count(); ++s) {
        CSheet &sheet = advance.Sheets().Sheet(s);
        sheet.axisX.count = 15;
        sheet.axisY.count = 10;
        sheet.axisX.SetCollapsed(false);
        for (int j = 0; j < 15; ++j)
            sheet.axisX.values[static_cast<std::size_t>(j)] = image.word(Places[s].rpmWord + j) / 100;
        for (int j = 0; j < 10; ++j)
            for (int k = 0; k < 15; ++k)
                sheet.Cell(k, j) = static_cast<std::int8_t>(image.byte(Places[s].mapByte + 15 * j + k));
    }
    advance.Relayout();
    advance.Request(DirtyRelayout | DirtyRedraw);
}

void AdvanceMapToImage(const MapEditor &advance, ParameterImage &image) {
    if (!advance.HasCurrent())
        return;
    const int s = advance.CurrentIndex();
    if (s > 1)
        return;
    const CSheet &sheet = advance.Current();
    const int sensor = image.byte(Adrb::LoadSensor);
    const int use = sensor == SensorNone ? 0 : 1 - sheet.axisY.collapsed();
    image.setByte(Adrb::MapsUseLoad, static_cast<unsigned>(use));
    if (sensor == SensorIap && use == 1)
        for (int j = 0; j < 10; ++j)
            image.setWord(Adrw::IapAxis + j,
                          static_cast<unsigned>(sheet.axisY.values[static_cast<std::size_t>(j)]));
    for (int j = 0; j < 15; ++j)
        image.setWord(Places[s].rpmWord + j,
                      static_cast<unsigned>(sheet.axisX.values[static_cast<std::size_t>(j)] * 100));
    for (int j = 0; j < 10; ++j)
        for (int k = 0; k < 15; ++k)
            image.setByte(Places[s].mapByte + 15 * j + k, static_cast<unsigned>(sheet.Cell(k, j)) & 0xFFu);
    image.setByte(Adrb::BaseAdvance, static_cast<unsigned>(advance.Sheets().Markers().baseMarker));
}

void StoreAdvanceEditor(MapEditor &advance, ParameterImage &image) {
    if (advance.HasCurrent())
        image.setByte(Adrb::MapsUseLoad, static_cast<unsigned>(1 - advance.Current().axisY.collapsed()));
    advance.Sheets().Markers().baseMarker = image.byte(Adrb::BaseAdvance);
    advance.Request(DirtyRelayout | DirtyRedraw);
}

bool BaseAdvanceApplies(const MapEditor &advance, int liveRpm) {
    return advance.HasCurrent() && liveRpm < 100 * advance.Current().axisX.values[0];
}

} // namespace zarvex1
