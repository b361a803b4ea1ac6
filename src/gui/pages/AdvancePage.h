#pragma once

#include "core/pages/MapPageModels.h"
#include "gui/pages/MapPage.h"

class QLabel;

namespace zarvex1 {

// The Advance page: the two advance maps in one editor over the whole page, and below it the base
// advance and the correction for cylinder 1.
class TAdvancePage : public TMapPage {
    Q_OBJECT
public:
    TAdvancePage(ParameterSession &session, PageMachine &machine, MapEditors &editors,
                 QWidget *parent = nullptr);

    void Load(const ParameterImage &image, bool printing) override;
    void Store(ParameterImage &image) override;
    // Every tick while the page is the active one: the base advance label is green while the engine
    // runs below the first speed point of the map.
    void ShowLive(int rpm);

    TTab *TabAdvance = nullptr;
    QLabel *LabelBaseAdvance = nullptr;

protected:
    void MapToImage(ParameterImage &image) override;

private:
    bool baseActive_ = false;
};

} // namespace zarvex1
