#include "gui/pages/GearPage.h"

#include "core/session/ParameterSession.h"
#include "gui/pages/LiveText.h"
#include "gui/pages/UpDownEdit.h"
#include "gui/widgets/RadioGroup.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zarvex1 {

namespace {

using namespace Gear;

const GearPageModel &Model() {
    static const GearPageModel model;
    return model;
}

QString Name(const std::string &name) {
    return QString::fromStdString(name);
}

constexpr int Gap = 8;

} // namespace

TGearPage::TGearPage(ParameterSession &session, PageMachine &machine, QWidget *parent)
    : TBoundPage(Model(), machine, parent), session_(session), scale_(this), marks_(this) {
    const GearNames &n = GearPageModel::Names();
    auto *page = new QGridLayout(this);
    page->setHorizontalSpacing(scale_.X(12));

    TRadioGroup *system = Radio("RadioGroupGearSystem");
    page->addWidget(system, 0, 0, Qt::AlignTop);

    auto *settings = new QVBoxLayout;
    // The count, its live ratio and the speedometer's group each keep clear of the next one's title.
    settings->setSpacing(scale_.Y(Gap));
    auto *count = new QHBoxLayout;
    TUpDownEdit *gears = UpDown("UpDownPocetGear");
    count->addWidget(NewLabel("LabelPocetGear", gears));
    count->addSpacing(scale_.X(Gap));
    count->addWidget(gears);
    count->addStretch(1);
    settings->addLayout(count);
    LabelMonPomerRpmSpeed = NewLabel("LabelMonPomerRpmSpeed");
    MakeLiveLabel(LabelMonPomerRpmSpeed);
    settings->addWidget(LabelMonPomerRpmSpeed);
    QGroupBox *speedometer = NewGroupBox("GroupBoxPulsuProSpeed");
    auto *speedColumn = new QVBoxLayout(speedometer);
    speedColumn->addWidget(Radio("RadioGroupSpeedMode"));
    auto *pulses = new QGridLayout;
    AddEditRow(pulses, 0, "UpDownPulsuProSpeed");
    pulses->setColumnStretch(2, 1);
    speedColumn->addLayout(pulses);
    settings->addWidget(speedometer);
    settings->addStretch(1);
    page->addLayout(settings, 0, 1);

    // The voltages and the ratios share their rows and place, one group at a time; the buttons that take
    // the live value stand beside the rows.
    gearArea_ = new QWidget(this);
    gearArea_->setObjectName(QStringLiteral("PanelGears"));
    voltages_ = NewGroupBox("GroupBoxNapetiProGear", gearArea_);
    for (int g = 0; g < Gears; ++g)
        NewLabel(n.voltageLabel[g].c_str(), In(UpDown(n.voltage[g]), voltages_), voltages_);
    LabelMonGearNapeti1 = NewLabel("LabelMonGearNapeti1", nullptr, voltages_);
    MakeLiveLabel(LabelMonGearNapeti1);
    ratios_ = NewGroupBox("GroupBoxRpmSpeedProGear", gearArea_);
    for (int g = 1; g < Gears; ++g)
        NewLabel(n.ratioLabel[g].c_str(), In(UpDown(n.ratio[g]), ratios_), ratios_);
    for (int g = 0; g < Gears; ++g) {
        buttons_[g] = new QPushButton(gearArea_);
        buttons_[g]->setObjectName(Name(n.button[g]));
        connect(buttons_[g], &QPushButton::clicked, this, [this, g] { ButtonGearClick(g); });
    }
    page->addWidget(gearArea_, 1, 0, 1, 2, Qt::AlignTop | Qt::AlignLeft);

    // In automatic mode the learned ratios stand in the same place.
    QGroupBox *automatic = NewGroupBox("GroupBoxMonAutoGear");
    auto *learned = new QGridLayout(automatic);
    for (int g = 1; g < Gears; ++g) {
        learned->addWidget(NewLabel(n.autoLabel[g].c_str()), g - 1, 0);
        autoRatios_[g] = NewLabel(n.autoRatio[g].c_str());
        MakeLiveLabel(autoRatios_[g]);
        learned->addWidget(autoRatios_[g], g - 1, 1);
    }
    int row = Gears - 1;
    for (const char *name :
         {"UpDownGearAutoTime", "UpDownGearAutoRpm", "UpDownGearAutoTps", "UpDownGearAutoBand"})
        AddEditRow(learned, row++, name);
    learned->setColumnStretch(2, 1);
    page->addWidget(automatic, 1, 0, 1, 2, Qt::AlignTop | Qt::AlignLeft);

    page->setColumnStretch(2, 1);
    page->setRowStretch(2, 1);

    connect(system, &TRadioGroup::itemClicked, this, &TGearPage::RadioGroupGearSystemClick);
    Finish();
    ArrangeGears();
}

void TGearPage::ArrangeGears() {
    ApplyPlaces(voltages_, GearPageModel::VoltagePlaces(), scale_);
    ApplyPlaces(ratios_, GearPageModel::RatioPlaces(), scale_);
    // Both groups as large as the larger, with room for their titles.
    QSize box = ChildrenExtent(voltages_, scale_.X(Gap)).expandedTo(ChildrenExtent(ratios_, scale_.X(Gap)));
    for (QGroupBox *group : {voltages_, ratios_})
        box.setWidth(std::max(box.width(), group->minimumSizeHint().width()));
    voltages_->setGeometry(QRect(QPoint(0, 0), box));
    ratios_->setGeometry(QRect(QPoint(0, 0), box));
    // The buttons keep room for the bold type of the current gear.
    int width = 0;
    for (QPushButton *button : buttons_) {
        QFont bold = button->font();
        bold.setBold(true);
        width = std::max(width, QFontMetrics(bold).horizontalAdvance(button->text()) +
                                    button->sizeHint().width() -
                                    button->fontMetrics().horizontalAdvance(button->text()));
    }
    for (int g = 0; g < Gears; ++g) {
        const int height = std::max(scale_.Y(21), buttons_[g]->sizeHint().height());
        buttons_[g]->setGeometry(box.width() + scale_.X(Gap), scale_.Y(GearPageModel::RowTop(g)), width,
                                 height);
    }
    gearArea_->setFixedSize(ChildrenExtent(gearArea_, 0));
}

void TGearPage::ApplyLanguage(int languageIndex) {
    TBoundPage::ApplyLanguage(languageIndex);
    ArrangeGears();
}

void TGearPage::RefreshLiveColours(const LiveRecord *latest, const ParameterImage &image) {
    marks_.Apply(GearPageModel::LiveColoursOf(image, latest ? latest->raw(LiveField::Gear) : 0));
    // Without a unit there is no live value to take.
    const bool connected = liveSource_ && liveSource_().connected;
    if (buttonsEnabled_ != connected) {
        buttonsEnabled_ = connected;
        for (QPushButton *button : buttons_)
            button->setEnabled(connected);
    }
}

void TGearPage::ShowMonitor(const MonitorDisplay &display) {
    if (!isVisible()) {
        monitorStale_ = true;
        return;
    }
    monitorStale_ = false;
    if (ShowLiveText(LabelMonGearNapeti1, display.LabelMonGearNapeti1.text))
        ArrangeGears();
    ShowLiveText(LabelMonPomerRpmSpeed, display.LabelMonPomerRpmSpeed.text);
    for (int g = 1; g < Gears; ++g)
        ShowLiveText(autoRatios_[g], display.LabelMonPomerRpmSpeedAuto[g - 1].text);
}

void TGearPage::showEvent(QShowEvent *event) {
    TBoundPage::showEvent(event);
    if (monitorStale_ && monitorSource_)
        ShowMonitor(monitorSource_());
}

void TGearPage::RadioGroupGearSystemClick(int item) {
    if (machine().LoadGuard())
        return;
    // The system and the input it takes; nothing else of the page is stored.
    zarvex1::RadioGroupGearSystemClick(session_.image(), item);
    session_.ImageToPages();
    session_.AfterEdit();
}

void TGearPage::ButtonGearClick(int gear) {
    if (machine().LoadGuard() || !liveSource_)
        return;
    const GearNames &n = GearPageModel::Names();
    if (!zarvex1::ButtonGearClick(session_.image(), gear, liveSource_()))
        return;
    // The edit shows the value taken, so that the commit, which stores the page, keeps it.
    const bool voltage = session_.image().byte(Adrb::GearMode) == Voltage;
    ShowRow(voltage ? n.voltage[gear] : n.ratio[gear], session_.image());
    machine().RequestCommit(n.button[gear], CommitMode::Immediate);
}

} // namespace zarvex1
