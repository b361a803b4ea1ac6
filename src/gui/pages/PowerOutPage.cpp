#include "gui/pages/PowerOutPage.h"

#include "core/session/ParameterSession.h"
#include "gui/pages/UpDownEdit.h"
#include "gui/widgets/RadioGroup.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

namespace zarvex1 {

namespace {

using namespace PowerOut;

const PowerOutPageModel &Model() {
    static const PowerOutPageModel model;
    return model;
}

QString Name(const std::string &name) {
    return QString::fromStdString(name);
}

QFrame *NewBevel(const std::string &name, bool vertical, QWidget *parent) {
    auto *bevel = new QFrame(parent);
    bevel->setObjectName(Name(name));
    bevel->setFrameShape(vertical ? QFrame::VLine : QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    return bevel;
}

void KeepPlace(QWidget *widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

TPowerOutPage::TPowerOutPage(ParameterSession &session, PageMachine &machine, QWidget *parent)
    : TBoundPage(Model(), machine, parent), session_(session), scale_(this) {
    auto *page = new QGridLayout(this);
    page->setHorizontalSpacing(scale_.X(10));
    page->setVerticalSpacing(scale_.Y(2));
    for (int i = 0; i < Outputs; ++i) {
        const PowerOutNames &n = PowerOutPageModel::Names(i);
        auto *row = new QHBoxLayout;
        row->setSpacing(scale_.X(5));
        TRadioGroup *mode = Radio(n.mode);
        mode->setMinimumSize(scale_.X(PowerOutPageModel::RadioWidth),
                             scale_.Y(PowerOutPageModel::RadioHeight));
        row->addWidget(mode, 0, Qt::AlignTop);

        // The group box: its controls stand by pixels, in the order Tab goes through them.
        QGroupBox *group = NewGroupBox(n.group.c_str());
        group->setFixedSize(scale_.X(PowerOutPageModel::GroupWidth),
                            scale_.Y(PowerOutPageModel::GroupHeight));
        KeepPlace(group);
        NewLabel(n.speedLabel.c_str(), nullptr, group);
        for (int j = 0; j < SpeedEdges; ++j)
            In(UpDown(n.speed[j]), group);
        NewLabel(n.loadLabel.c_str(), nullptr, group);
        for (int r = 0; r < Rows; ++r) {
            if (r > 0)
                In(UpDown(n.load[r - 1]), group);
            for (int c = 0; c < Columns; ++c)
                In(Check(n.cell[r][c]), group);
        }
        TUpDownEdit *hysteresis = In(UpDown(n.hysteresis), group);
        NewLabel(n.hysteresisLabel.c_str(), hysteresis, group);
        for (int j = 0; j < SpeedEdges; ++j)
            NewBevel(n.speedBevel[j], true, group);
        for (int j = 0; j < LoadEdges; ++j)
            NewBevel(n.loadBevel[j], false, group);
        row->addWidget(group, 0, Qt::AlignTop);
        row->addStretch(1);
        // One output under the other: side by side, two need more width than the rest of the window.
        page->addLayout(row, i, 0);

        connect(mode, &TRadioGroup::itemClicked, this, [this, i](int item) { RadioGroupPOutClick(i, item); });
    }
    page->setColumnStretch(1, 1);
    page->setRowStretch(Outputs, 1);
    Finish();
    // The captions that follow the image stand before the page is first loaded.
    const PageStates first = Model().States(ParameterImage{}, false);
    PageStates captions;
    for (const ControlState &state : first.all())
        if (state.caption)
            captions.Caption(state.name, *state.caption);
    ApplyStates(this, captions);
    PlaceOutputs(ParameterImage{});
}

void TPowerOutPage::PlaceOutputs(const ParameterImage &image) {
    for (int i = 0; i < Outputs; ++i) {
        auto *group = findChild<QGroupBox *>(Name(PowerOutPageModel::Names(i).group));
        ApplyPlaces(group, PowerOutPageModel::Places(i, image), scale_);
    }
}

void TPowerOutPage::Load(const ParameterImage &image, bool printing) {
    TBoundPage::Load(image, printing);
    // A load threshold of 1000 kPa needs the wider edit; the load label's caption may have changed.
    PlaceOutputs(image);
    NameGrid();
}

void TPowerOutPage::ApplyLanguage(int languageIndex) {
    TBoundPage::ApplyLanguage(languageIndex);
    NameGrid();
}

void TPowerOutPage::NameGrid() {
    // The thresholds and cells share their labels: each is named by its place in the grid.
    for (int i = 0; i < Outputs; ++i) {
        const PowerOutNames &n = PowerOutPageModel::Names(i);
        const QString rpm = findChild<QLabel *>(Name(n.speedLabel))->text();
        const QString load = findChild<QLabel *>(Name(n.loadLabel))->text();
        for (int j = 0; j < SpeedEdges; ++j)
            UpDown(n.speed[j])->setAccessibleName(QStringLiteral("%1 %2").arg(rpm).arg(j + 1));
        for (int j = 0; j < LoadEdges; ++j)
            UpDown(n.load[j])->setAccessibleName(QStringLiteral("%1 %2").arg(load).arg(j + 1));
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Columns; ++c)
                Check(n.cell[r][c])
                    ->setAccessibleName(
                        QStringLiteral("%1 %2 - %3 %4").arg(load).arg(r + 1).arg(rpm).arg(c + 1));
    }
}

void TPowerOutPage::RadioGroupPOutClick(int output, int mode) {
    if (machine().LoadGuard())
        return;
    // The mode and its defaults only: no limits, nothing else of the page is stored.
    zarvex1::RadioGroupPOutClick(session_.image(), output, mode);
    session_.ImageToPages();
    session_.AfterEdit();
    emit modeChanged();
}

} // namespace zarvex1
