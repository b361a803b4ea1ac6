#pragma once

#include "core/pages/RacePageModel.h"
#include "gui/pages/BoundPage.h"
#include "gui/pages/LiveMarks.h"
#include "gui/pages/PixelPlace.h"

namespace zarvex1 {

// The Race page: the clutch master, and per gear the clutch time and the corrections of advance,
// limiter, servo and the power outputs in columns placed by pixels. The current gear's row is marked on
// every tick.
class TRacePage : public TBoundPage {
    Q_OBJECT
public:
    TRacePage(PageMachine &machine, QWidget *parent = nullptr);

    void ApplyLanguage(int languageIndex) override;
    void RefreshLiveColours(const LiveRecord *latest, const ParameterImage &image) override;

private:
    void ArrangeColumns();
    void NameCells();

    TPixelScale scale_;
    TLiveMarks marks_;
    QGroupBox *clutchTimes_ = nullptr;
    QGroupBox *corrections_ = nullptr;
};

} // namespace zarvex1
