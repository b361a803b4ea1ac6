#pragma once

#include "core/pages/MapPageModels.h"
#include "gui/pages/MapPage.h"

namespace zarvex1 {

// The Servo page: the servo map in its editor over the whole page, and below it the servo switched on,
// its map in percent, and the two hystereses.
class TServoPage : public TMapPage {
    Q_OBJECT
public:
    TServoPage(ParameterSession &session, PageMachine &machine, MapEditors &editors,
               QWidget *parent = nullptr);

    void Load(const ParameterImage &image, bool printing) override;
    void Store(ParameterImage &image) override;

    TTab *TabServo = nullptr;

protected:
    void MapToImage(ParameterImage &image) override;
};

} // namespace zarvex1
