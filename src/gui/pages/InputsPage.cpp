#include "gui/pages/InputsPage.h"

#include "core/session/ParameterSession.h"
#include "gui/pages/SensorPanel.h"
#include "gui/pages/UpDownEdit.h"
#include "gui/widgets/RadioGroup.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace zarvex1 {

namespace {

const InputsPageModel &Model() {
    static const InputsPageModel model;
    return model;
}

} // namespace

TInputsPage::TInputsPage(ParameterSession &session, PageMachine &machine, QWidget *parent)
    : TBoundPage(Model(), machine, parent), session_(session) {
    auto *page = new QGridLayout(this);

    // The three inputs and what switches them on.
    auto *inputs = new QHBoxLayout;
    for (const char *name : {"RadioGroupInput1", "RadioGroupInput2", "RadioGroupInput3"})
        inputs->addWidget(Radio(name), 0, Qt::AlignTop);
    QGroupBox *activation = NewGroupBox("GroupBoxActivation");
    auto *activationColumn = new QVBoxLayout(activation);
    for (const char *name : {"CheckBoxInvInput1", "CheckBoxInvInput2", "CheckBoxInvInput3"})
        activationColumn->addWidget(Check(name));
    activationColumn->addStretch(1);
    inputs->addWidget(activation, 0, Qt::AlignTop);
    inputs->addStretch(1);
    page->addLayout(inputs, 0, 0, 1, 3);

    QGroupBox *limiter = NewGroupBox("GroupBoxLimiter");
    auto *limits = new QGridLayout(limiter);
    int row = 0;
    for (const char *name : {"UpDownStartSoftLimiter", "UpDownStartHardLimiter", "UpDownStartLimiterPause",
                             "UpDownSoftLimiter", "UpDownHardLimiter"})
        AddEditRow(limits, row++, name);
    limits->setRowStretch(row, 1);
    page->addWidget(limiter, 1, 0);

    auto *middle = new QVBoxLayout;
    QGroupBox *retard = NewGroupBox("GroupBoxRetard");
    auto *retardGrid = new QGridLayout(retard);
    AddEditRow(retardGrid, 0, "UpDownRetard");
    AddEditRow(retardGrid, 1, "UpDownRetardPocetOff");
    middle->addWidget(retard);
    QGroupBox *map2 = NewGroupBox("GroupBoxMapa2Switch");
    auto *map2Grid = new QGridLayout(map2);
    AddEditRow(map2Grid, 0, "UpDownMapa2Akcel");
    middle->addWidget(map2);
    middle->addStretch(1);
    page->addLayout(middle, 1, 1);

    QGroupBox *poti = NewGroupBox("GroupBoxPoti");
    auto *potiRow = new QHBoxLayout(poti);
    TRadioGroup *mode = Radio("RadioGroupModePotencMode");
    potiRow->addWidget(mode);
    auto *rangeGrid = new QGridLayout;
    AddEditRow(rangeGrid, 0, "UpDownPotencRozsah");
    rangeGrid->setRowStretch(1, 1);
    potiRow->addLayout(rangeGrid);
    page->addWidget(poti, 2, 0, 1, 2, Qt::AlignLeft | Qt::AlignTop);

    // The load sensor with its calibration editors below it.
    auto *sensor = new QVBoxLayout;
    sensor->addWidget(Radio("RadioGroupTpsIap"));
    sensorArea_ = new QWidget(this);
    sensorArea_->setObjectName(QStringLiteral("PanelSensors"));
    sensorArea_->setMinimumSize(250, 130);
    sensor->addWidget(sensorArea_);
    sensor->addStretch(1);
    page->addLayout(sensor, 1, 2, 2, 1);

    page->setColumnStretch(3, 1);
    page->setRowStretch(3, 1);

    connect(mode, &TRadioGroup::itemClicked, this, &TInputsPage::RadioGroupModePotencModeClick);
    Finish();
}

void TInputsPage::SetSensorPanel(TSensorPanel *panel) {
    sensorPanel_ = panel;
    panel->setParent(sensorArea_);
    auto *layout = new QVBoxLayout(sensorArea_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);
    sensorArea_->setMinimumSize(panel->minimumSize());
}

void TInputsPage::Load(const ParameterImage &image, bool printing) {
    TBoundPage::Load(image, printing);
    if (sensorPanel_)
        sensorPanel_->Load(image, printing);
}

void TInputsPage::ApplyLanguage(int languageIndex) {
    TBoundPage::ApplyLanguage(languageIndex);
    if (sensorPanel_)
        sensorPanel_->ApplyLanguage(languageIndex);
}

void TInputsPage::RadioGroupModePotencModeClick(int item) {
    if (machine().LoadGuard())
        return;
    // Only the mode and the range it starts with change; the rest of the page is not stored.
    PotentiometerModeChange(session_.image(), item);
    ShowRow("UpDownPotencRozsah", session_.image());
    session_.AfterEdit();
}

} // namespace zarvex1
