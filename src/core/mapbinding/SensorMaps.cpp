#include "core/mapbinding/SensorMaps.h"

#include "core/mapbinding/MapSheets.h"

namespace zarvex1 {

SensorEditorShown ShownSensorEditor(const ParameterImage &image) {
    switch (image.byte(Adrb::LoadSensor)) {
    case SensorNone:
        return SensorEditorShown::None;
    case SensorTps:
        return SensorEditorShown::Tps;
    case SensorIap:
        return SensorEditorShown::Iap;
    default:
        return SensorEditorShown::Unchanged;
    }
}

void LoadSensorMaps(MapEditor &tps, MapEditor &iap, const ParameterImage &image) {
    if (tps.Sheets().Count() > 0) {
        CSheet &sheet = tps.Sheets().Sheet(0);
        sheet.Cell(0, 0) = image.word(Adrw::TpsVoltage0);
        sheet.Cell(0, 1) = image.word(Adrw::TpsVoltage100);
        tps.Relayout();
        tps.Request(DirtyRelayout | DirtyRedraw);
    }
    if (iap.Sheets().Count() > 0) {
        CSheet &sheet = iap.Sheets().Sheet(0);
        sheet.axisY.values[0] = image.word(Adrw::IapPressure1);
        sheet.axisY.values[1] = image.word(Adrw::IapPressure2);
        sheet.Cell(0, 0) = image.word(Adrw::IapVoltage1);
        sheet.Cell(0, 1) = image.word(Adrw::IapVoltage2);
        iap.Relayout();
        iap.Request(DirtyRelayout | DirtyRedraw);
    }
}

void SensorMapsToImage(const MapEditor &tps, const MapEditor &iap, ParameterImage &image) {
    auto word = [&image](int position, int value) { image.setWord(position, static_cast<unsigned>(value)); };
    if (tps.Sheets().Count() > 0) {
        const CSheet &sheet = tps.Sheets().Sheet(0);
        word(Adrw::TpsVoltage0, sheet.Cell(0, 0));
        word(Adrw::TpsVoltage100, sheet.Cell(0, 1));
    }
    if (iap.Sheets().Count() > 0) {
        const CSheet &sheet = iap.Sheets().Sheet(0);
        word(Adrw::IapPressure1, sheet.axisY.values[0]);
        word(Adrw::IapPressure2, sheet.axisY.values[1]);
        word(Adrw::IapVoltage1, sheet.Cell(0, 0));
        word(Adrw::IapVoltage2, sheet.Cell(0, 1));
    }
}

bool TakeTpsVoltage(ParameterImage &image, bool full, int millivolts) {
    if (millivolts < 200 || millivolts > 4950)
        return false;
    image.setWord(full ? Adrw::TpsVoltage100 : Adrw::TpsVoltage0,
                  static_cast<unsigned>((millivolts + 5) / 10 * 10));
    return true;
}

} // namespace zarvex1
