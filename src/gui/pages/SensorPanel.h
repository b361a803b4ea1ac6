#pragma once

#include "core/params/ParameterImage.h"

#include <QWidget>

#include <functional>

class QPushButton;

namespace zarvex1 {

class MapEditors;
class PageMachine;
class ParameterSession;
class TTab;

// The load sensor's calibration on the Inputs page: the throttle (TPS) or the intake-pressure (IAP)
// editor, whichever sensor is chosen, and for the throttle the two buttons that take the live sensor
// voltage as its 0 % and 100 % points.
class TSensorPanel : public QWidget {
    Q_OBJECT
public:
    // liveLoadVoltage: the sensor voltage the unit reports now, in mV.
    TSensorPanel(ParameterSession &session, PageMachine &machine, MapEditors &editors,
                 std::function<int()> liveLoadVoltage, QWidget *parent = nullptr);

    void Load(const ParameterImage &image, bool printing);
    void ApplyLanguage(int languageIndex);

    TTab *TabTpsSensor = nullptr;
    TTab *TabIapSensor = nullptr;
    QPushButton *BitBtnTps0 = nullptr;
    QPushButton *BitBtnTps100 = nullptr;

private:
    void MapChanged(TTab *tab);
    void TakeTps(bool full);
    void Place();

    ParameterSession &session_;
    PageMachine &machine_;
    MapEditors &editors_;
    std::function<int()> liveLoadVoltage_;
};

} // namespace zarvex1
