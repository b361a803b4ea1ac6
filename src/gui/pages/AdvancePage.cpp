#include "gui/pages/AdvancePage.h"

#include "core/mapbinding/AdvanceMaps.h"
#include "core/mapbinding/MapSheets.h"
#include "gui/mapeditor/MapEditors.h"
#include "gui/pages/UpDownEdit.h"

#include <QHBoxLayout>
#include <QLabel>

namespace zarvex1 {

namespace {

const AdvancePageModel &Model() {
    static const AdvancePageModel model;
    return model;
}

} // namespace

TAdvancePage::TAdvancePage(ParameterSession &session, PageMachine &machine, MapEditors &editors,
                           QWidget *parent)
    : TMapPage(Model(), session, machine, editors, "TabAdvance", DefineAdvanceSheets, parent) {
    TabAdvance = editor_;
    // Each edit with its label to the right.
    QHBoxLayout *row = ControlRow();
    TUpDownEdit *base = UpDown("UpDownBaseAdvance");
    LabelBaseAdvance = NewLabel("LabelBaseAdvance", base);
    LabelBaseAdvance->setAutoFillBackground(true);
    LabelBaseAdvance->setContentsMargins(3, 1, 3, 1);
    row->addWidget(base);
    row->addWidget(LabelBaseAdvance);
    row->addSpacing(40);
    TUpDownEdit *correction1 = UpDown("UpDownCylCorr1");
    row->addWidget(correction1);
    row->addWidget(UpDown("UpDownCylCorr2"));
    row->addWidget(NewLabel("LabelCylCorr", correction1));
    row->addStretch(1);
    Finish();
}

void TAdvancePage::Load(const ParameterImage &image, bool printing) {
    RememberPrinting(printing);
    TBoundPage::Load(image, printing);
    LoadAdvanceMaps(TabAdvance->Editor(), image);
    editors_.List().RequestRefresh(DirtyRedraw); // the markers follow at the next tick
}

void TAdvancePage::Store(ParameterImage &image) {
    if (machine().LoadGuard())
        return;
    TBoundPage::Store(image);
    StoreAdvanceEditor(TabAdvance->Editor(), image);
}

void TAdvancePage::MapToImage(ParameterImage &image) {
    AdvanceMapToImage(TabAdvance->Editor(), image);
}

void TAdvancePage::ShowLive(int rpm) {
    const bool active = BaseAdvanceApplies(TabAdvance->Editor(), rpm);
    if (active == baseActive_)
        return;
    baseActive_ = active;
    QPalette palette = LabelBaseAdvance->palette();
    palette.setColor(QPalette::Window, active ? QColor(0, 255, 0) : this->palette().color(QPalette::Button));
    LabelBaseAdvance->setPalette(palette);
}

} // namespace zarvex1
