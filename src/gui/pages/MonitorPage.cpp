#include "gui/pages/MonitorPage.h"

#include "core/pages/MonitorPageStates.h"
#include "gui/pages/LiveText.h"
#include "gui/widgets/CaptionHelper.h"
#include "gui/widgets/Gauge.h"
#include "gui/widgets/LiveLabel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace zarvex1 {

namespace {

constexpr int BaseLabelWidth = 200;
constexpr int WidthStep = 20; // a box widens in steps, so a growing number does not widen it each frame
constexpr int LabelMargin = 4;
constexpr std::uint32_t NoColourYet = 0xFFFFFFFF; // no colour value: the first frame sets every label's

void SetBackground(QLabel *label, std::uint32_t colour) {
    const QColor shown = LabelColour(colour);
    if (label->palette().color(QPalette::Window) == shown)
        return;
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, shown);
    label->setPalette(palette);
}

} // namespace

void ShowLabel(QLabel *label, const LabelView &view) {
    const QString text = QString::fromStdString(view.text);
    if (label->text() != text)
        label->setText(text);
    SetBackground(label, view.colour);
}

int TMonitorPage::AddBox(const char *name, int row, int column) {
    auto *grid = static_cast<QGridLayout *>(layout());
    auto *box = new QGroupBox(this);
    box->setObjectName(QString::fromLatin1(name));
    auto *rows = new QVBoxLayout(box);
    rows->setSpacing(3);
    grid->addWidget(box, row, column);
    boxes_.push_back({box, BaseLabelWidth});
    return static_cast<int>(boxes_.size()) - 1;
}

QLabel *TMonitorPage::AddLabel(int box, const QString &name, Source source) {
    auto *label = new TLiveLabel(boxes_[box].box);
    label->setObjectName(name);
    label->setAutoFillBackground(true);
    label->setContentsMargins(LabelMargin, 1, LabelMargin, 1);
    // A fixed size: a new text repaints the label and never lays out the page again.
    label->setFixedSize(BaseLabelWidth, label->fontMetrics().height() + 2);
    boxes_[box].box->layout()->addWidget(label);
    bindings_.push_back({label, std::move(source), box, {std::string(), NoColourYet}});
    return label;
}

TGauge *TMonitorPage::AddGauge(int box, const char *name) {
    auto *gauge = new TGauge(boxes_[box].box);
    gauge->setObjectName(QString::fromLatin1(name));
    boxes_[box].box->layout()->addWidget(gauge);
    return gauge;
}

#define ZX_FIELD(field) [](const MonitorDisplay &d) -> const LabelView & { return d.field; }
#define ZX_ITEM(field, i) [](const MonitorDisplay &d) -> const LabelView & { return d.field[i]; }

TMonitorPage::TMonitorPage(QWidget *parent) : QWidget(parent) {
    auto *grid = new QGridLayout(this);
    grid->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    const int engine = AddBox("GroupBoxMonEngine", 0, 0);
    AddLabel(engine, QStringLiteral("LabelRpm"), ZX_FIELD(LabelRpm));
    CGaugeRpm = AddGauge(engine, "CGaugeRpm");
    AddLabel(engine, QStringLiteral("LabelAdvance1"), ZX_ITEM(LabelAdvance, 0));
    AddLabel(engine, QStringLiteral("LabelAdvance2"), ZX_ITEM(LabelAdvance, 1))->hide();
    AddLabel(engine, QStringLiteral("LabelMonSnimac1"), ZX_ITEM(LabelMonSnimac, 0));
    AddLabel(engine, QStringLiteral("LabelMonSnimac2"), ZX_ITEM(LabelMonSnimac, 1))->hide();
    AddLabel(engine, QStringLiteral("LabelMonAkcel"), ZX_FIELD(LabelMonAkcel));
    CGaugeAkcel = AddGauge(engine, "CGaugeAkcel");

    const int load = AddBox("GroupBoxMonLoad", 1, 0);
    AddLabel(load, QStringLiteral("LabelMonTpsPromile"), ZX_FIELD(LabelMonTpsPromile));
    CGaugeTps = AddGauge(load, "CGaugeTps");
    AddLabel(load, QStringLiteral("LabelMonTpsMv"), ZX_FIELD(LabelMonTpsMv));
    AddLabel(load, QStringLiteral("LabelNapeti"), ZX_FIELD(LabelNapeti));
    AddLabel(load, QStringLiteral("LabelMonServoMer"), ZX_FIELD(LabelMonServoMer));
    AddLabel(load, QStringLiteral("LabelMonServoPoz"), ZX_FIELD(LabelMonServoPoz));
    AddLabel(load, QStringLiteral("LabelMonPotencMv"), ZX_FIELD(LabelMonPotencMv));

    const int limiters = AddBox("GroupBoxMonLimiter", 0, 1);
    AddLabel(limiters, QStringLiteral("LabelMonStartLimiterAkt"), ZX_FIELD(LabelMonStartLimiterAkt));
    AddLabel(limiters, QStringLiteral("LabelMonStartSoftLimiter"), ZX_FIELD(LabelMonStartSoftLimiter));
    AddLabel(limiters, QStringLiteral("LabelMonStartHardLimiter"), ZX_FIELD(LabelMonStartHardLimiter));
    AddLabel(limiters, QStringLiteral("LabelMonSoftLimiter"), ZX_FIELD(LabelMonSoftLimiter));
    AddLabel(limiters, QStringLiteral("LabelMonHardLimiter"), ZX_FIELD(LabelMonHardLimiter));
    AddLabel(limiters, QStringLiteral("LabelMonBlock"), ZX_FIELD(LabelMonBlock));
    AddLabel(limiters, QStringLiteral("LabelMonClutch"), ZX_FIELD(LabelMonClutch));
    AddLabel(limiters, QStringLiteral("LabelMonRetard"), ZX_FIELD(LabelMonRetard));
    AddLabel(limiters, QStringLiteral("LabelMonMapa2"), ZX_FIELD(LabelMonMapa2));

    const int inputs = AddBox("GroupBoxMonInput", 1, 1);
    AddLabel(inputs, QStringLiteral("LabelMonInput1"), ZX_ITEM(LabelMonInput, 0));
    AddLabel(inputs, QStringLiteral("LabelMonInput2"), ZX_ITEM(LabelMonInput, 1));
    AddLabel(inputs, QStringLiteral("LabelMonInput3"), ZX_ITEM(LabelMonInput, 2));
    AddLabel(inputs, QStringLiteral("LabelMonPOut1"), ZX_ITEM(LabelMonPOut, 0));
    AddLabel(inputs, QStringLiteral("LabelMonPOut2"), ZX_ITEM(LabelMonPOut, 1));
    AddLabel(inputs, QStringLiteral("LabelMonPOut3"), ZX_ITEM(LabelMonPOut, 2));

    const int gear = AddBox("GroupBoxMonGear", 0, 2);
    AddLabel(gear, QStringLiteral("LabelGear"), ZX_FIELD(LabelGear));
    AddLabel(gear, QStringLiteral("LabelMonSpeed"), ZX_FIELD(LabelMonSpeed));
    AddLabel(gear, QStringLiteral("LabelMonGearNapeti"), ZX_FIELD(LabelMonGearNapeti));
    AddLabel(gear, QStringLiteral("LabelMonPomerRpmSpeed"), ZX_FIELD(LabelMonPomerRpmSpeed));
    for (int i = 0; i < 6; ++i)
        AddLabel(
            gear, QStringLiteral("LabelMonPomerRpmSpeedAuto%1").arg(i + 1),
            [i](const MonitorDisplay &d) -> const LabelView & { return d.LabelMonPomerRpmSpeedAuto[i]; });

    const int pot = AddBox("GroupBoxPotencKor", 1, 2);
    AddLabel(pot, QStringLiteral("LabelMonPotKorAdv"), ZX_FIELD(LabelMonPotKorAdv));
    AddLabel(pot, QStringLiteral("LabelMonPotKorStartLimiter"), ZX_FIELD(LabelMonPotKorStartLimiter));
    AddLabel(pot, QStringLiteral("LabelMonPotKorPilotLight"), ZX_FIELD(LabelMonPotKorPilotLight));
    AddLabel(pot, QStringLiteral("LabelMonPotKorAcc"), ZX_FIELD(LabelMonPotKorAcc));

    const int unit = AddBox("GroupBoxMonUnit", 2, 0);
    AddLabel(unit, QStringLiteral("LabelPocetProgramovani"), ZX_FIELD(LabelPocetProgramovani));
    for (int i = 0; i < 8; ++i) {
        QLabel *label =
            AddLabel(unit, QStringLiteral("LabelTest%1").arg(i + 1),
                     [i](const MonitorDisplay &d) -> const LabelView & { return d.LabelTest[i]; });
        label->hide();
        testLabels_.push_back(label);
    }
    // Output 4 has room in the unit but no place in the window.
    auto *pout4 = new QLabel(boxes_[inputs].box);
    pout4->setObjectName(QStringLiteral("LabelMonPOut4"));
    pout4->hide();

    // Rows keep their height; what a box does not fill stays empty at its foot.
    for (const Box &box : boxes_)
        static_cast<QVBoxLayout *>(box.box->layout())->addStretch(1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(3, 1);
}

#undef ZX_FIELD
#undef ZX_ITEM

void TMonitorPage::ApplyCaptions(int languageIndex) {
    zarvex1::ApplyCaptions(this, MonitorPageCaptions(), languageIndex);
}

void TMonitorPage::SetTestMode(bool on) {
    for (QLabel *label : testLabels_)
        label->setVisible(on);
}

void TMonitorPage::WidenBox(int box, int textWidth) {
    const int needed = textWidth + 2 * LabelMargin + 2;
    if (needed <= boxes_[box].labelWidth)
        return;
    // A whole box at once, so its rows stay one column; the page lays out again this once.
    boxes_[box].labelWidth = (needed + WidthStep - 1) / WidthStep * WidthStep;
    for (const Binding &binding : bindings_)
        if (binding.box == box)
            binding.label->setFixedWidth(boxes_[box].labelWidth);
}

void TMonitorPage::ShowText(Binding &binding, const LabelView &view) {
    if (view.text != binding.shown.text) {
        const QString text = QString::fromStdString(view.text);
        binding.label->setText(text);
        WidenBox(binding.box, LiveTextWidth(binding.label->font(), text));
    }
    if (view.colour != binding.shown.colour)
        SetBackground(binding.label, view.colour);
    binding.shown = view;
}

void TMonitorPage::Show(const MonitorDisplay &display) {
    // A hidden page costs nothing: it catches up when it is shown.
    if (!isVisible()) {
        stale_ = true;
        return;
    }
    stale_ = false;
    for (Binding &binding : bindings_)
        ShowText(binding, binding.source(display));
    for (const auto &[gauge, view] :
         {std::pair{CGaugeRpm, &display.CGaugeRpm}, std::pair{CGaugeTps, &display.CGaugeTps},
          std::pair{CGaugeAkcel, &display.CGaugeAkcel}})
        gauge->SetGauge(view->minimum, view->maximum, view->position, LabelColour(view->colour));
}

void TMonitorPage::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (stale_ && source_)
        Show(source_());
}

} // namespace zarvex1
