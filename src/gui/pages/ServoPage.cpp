#include "gui/pages/ServoPage.h"

#include "core/mapbinding/MapSheets.h"
#include "core/mapbinding/ServoMap.h"
#include "core/session/ParameterSession.h"
#include "gui/mapeditor/MapEditors.h"
#include "gui/pages/UpDownEdit.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>

namespace zarvex1 {

namespace {

const ServoPageModel &Model() {
    static const ServoPageModel model;
    return model;
}

} // namespace

TServoPage::TServoPage(ParameterSession &session, PageMachine &machine, MapEditors &editors, QWidget *parent)
    : TMapPage(Model(), session, machine, editors, "TabServo", DefineServoSheet, parent) {
    TabServo = editor_;
    QHBoxLayout *row = ControlRow();
    row->addWidget(Check("CheckBoxServoEnabled"));
    row->addWidget(Check("CheckBoxServoPercent"));
    for (const char *name : {"UpDownServoHyst", "UpDownServoHystOff"}) {
        TUpDownEdit *edit = UpDown(name);
        row->addSpacing(20);
        row->addWidget(edit);
        row->addWidget(NewLabel(LabelNameOf(name).c_str(), edit));
    }
    row->addStretch(1);
    Finish();
}

void TServoPage::Load(const ParameterImage &image, bool printing) {
    RememberPrinting(printing);
    TBoundPage::Load(image, printing);
    // Pages are loaded from the session's image. It may ask for the other presentation of the map (volts
    // or percent): the map is then written back in it, and the editor takes the focus on its page.
    if (LoadServoMap(TabServo->Editor(), session_.image()) && session_.activePage() == Page::Servo)
        TabServo->setFocus();
    editors_.List().RequestRefresh(DirtyRedraw);
}

void TServoPage::Store(ParameterImage &image) {
    if (machine().LoadGuard())
        return;
    const ParameterImage before = image;
    TBoundPage::Store(image);
    StoreServoEditor(TabServo->Editor(), before, image);
}

void TServoPage::MapToImage(ParameterImage &image) {
    ServoMapToImage(TabServo->Editor(), image);
}

} // namespace zarvex1
