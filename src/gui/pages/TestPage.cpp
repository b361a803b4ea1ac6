#include "gui/pages/TestPage.h"

#include "gui/pages/UpDownEdit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace zarvex1 {

namespace {

const TestPageModel &Model() {
    static const TestPageModel model;
    return model;
}

} // namespace

TTestPage::TTestPage(PageMachine &machine, QWidget *parent) : TBoundPage(Model(), machine, parent) {
    const auto &names = TestPageModel::ButtonNames();
    auto button = [&](TestButton which, QWidget *group) {
        auto *pressed = new QPushButton(group);
        pressed->setObjectName(QString::fromLatin1(names[static_cast<std::size_t>(which)].data()));
        connect(pressed, &QPushButton::clicked, this, [this, which] { emit testClicked(which); });
        return pressed;
    };
    auto *page = new QGridLayout(this);

    QGroupBox *ignition = NewGroupBox("GroupBoxTestIgn");
    auto *ignitionRow = new QHBoxLayout(ignition);
    ignitionRow->addWidget(button(TestButton::Ign1, ignition));
    ignitionRow->addWidget(button(TestButton::Ign2, ignition));
    ignitionRow->addStretch(1);
    page->addWidget(ignition, 0, 0);

    QGroupBox *outputs = NewGroupBox("GroupBoxTestPOut");
    auto *outputRow = new QHBoxLayout(outputs);
    for (TestButton which : {TestButton::POut1, TestButton::POut2, TestButton::POut3, TestButton::POut4})
        outputRow->addWidget(button(which, outputs));
    outputRow->addStretch(1);
    page->addWidget(outputs, 0, 1);

    QGroupBox *rpm = NewGroupBox("GroupBoxTestRpm");
    auto *rpmGrid = new QGridLayout(rpm);
    rpmGrid->addWidget(button(TestButton::Rpm, rpm), 0, 0);
    TUpDownEdit *speed = UpDown("UpDownTestRpm");
    rpmGrid->addWidget(NewLabel("LabelTestRpm", speed), 1, 0);
    rpmGrid->addWidget(speed, 1, 1, Qt::AlignLeft);
    rpmGrid->setColumnStretch(2, 1);
    page->addWidget(rpm, 1, 0);

    QGroupBox *servo = NewGroupBox("GroupBoxTestServo");
    auto *servoGrid = new QGridLayout(servo);
    servoGrid->addWidget(button(TestButton::ServoPlus, servo), 0, 0);
    servoGrid->addWidget(button(TestButton::ServoMinus, servo), 0, 1);
    TUpDownEdit *time = UpDown("UpDownTestServo");
    servoGrid->addWidget(NewLabel("LabelTestServo", time), 1, 0);
    servoGrid->addWidget(time, 1, 1, Qt::AlignLeft);
    servoGrid->setColumnStretch(2, 1);
    page->addWidget(servo, 1, 1);

    page->setColumnStretch(2, 1);
    page->setRowStretch(2, 1);
    Finish();
}

void TTestPage::ShowPickupActivity(bool active) {
    if (pickupActive_ == active)
        return;
    pickupActive_ = active;
    ApplyStates(this, TestPageModel::ButtonStates(active));
}

} // namespace zarvex1
