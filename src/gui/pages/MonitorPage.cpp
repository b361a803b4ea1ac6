#include "pages/MonitorPage.h"

#include "app/WindowTexts.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace zarvex1 {

void ShowLabel(QLabel *label, const LabelView &view) {
    const QString text = QString::fromStdString(view.text);
    if (label->text() != text)
        label->setText(text);
    const QColor colour = LabelColour(view.colour);
    if (label->palette().color(QPalette::Window) != colour) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, colour);
        label->setPalette(palette);
    }
}

void ShowGauge(QProgressBar *gauge, const GaugeView &view) {
    // A bar only moves inside its range; an empty range would hide the bar.
    const int maximum = view.maximum > view.minimum ? view.maximum : view.minimum + 1;
    gauge->setRange(view.minimum, maximum);
    gauge->setValue(std::clamp(view.position, view.minimum, maximum));
    const QColor colour = LabelColour(view.colour);
    const QString style = QStringLiteral("QProgressBar::chunk { background-color: %1; }").arg(colour.name());
    if (gauge->styleSheet() != style)
        gauge->setStyleSheet(style);
}

namespace {

QGroupBox *AddBox(QGridLayout *grid, const char *name, int row, int column, int rowSpan = 1) {
    auto *box = new QGroupBox(grid->parentWidget());
    box->setObjectName(QString::fromLatin1(name));
    auto *column_ = new QVBoxLayout(box);
    column_->setSpacing(3);
    grid->addWidget(box, row, column, rowSpan, 1);
    return box;
}

QProgressBar *AddGauge(QWidget *box, const char *name) {
    auto *gauge = new QProgressBar(box);
    gauge->setObjectName(QString::fromLatin1(name));
    gauge->setTextVisible(false);
    gauge->setFixedHeight(16);
    box->layout()->addWidget(gauge);
    return gauge;
}

} // namespace

QLabel *TMonitorPage::AddLabel(QWidget *box, const QString &name, Source source) {
    auto *label = new QLabel(box);
    label->setObjectName(name);
    label->setAutoFillBackground(true);
    label->setContentsMargins(4, 1, 4, 1);
    label->setMinimumWidth(200);
    label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    box->layout()->addWidget(label);
    bindings_.emplace_back(label, std::move(source));
    return label;
}

#define ZX_FIELD(field) [](const MonitorDisplay &d) -> const LabelView & { return d.field; }
#define ZX_ITEM(field, i) [](const MonitorDisplay &d) -> const LabelView & { return d.field[i]; }

TMonitorPage::TMonitorPage(QWidget *parent) : QWidget(parent) {
    auto *grid = new QGridLayout(this);
    grid->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    QGroupBox *engine = AddBox(grid, "GroupBoxMonEngine", 0, 0);
    AddLabel(engine, QStringLiteral("LabelRpm"), ZX_FIELD(LabelRpm));
    CGaugeRpm = AddGauge(engine, "CGaugeRpm");
    AddLabel(engine, QStringLiteral("LabelAdvance1"), ZX_ITEM(LabelAdvance, 0));
    AddLabel(engine, QStringLiteral("LabelAdvance2"), ZX_ITEM(LabelAdvance, 1))->hide();
    AddLabel(engine, QStringLiteral("LabelMonSnimac1"), ZX_ITEM(LabelMonSnimac, 0));
    AddLabel(engine, QStringLiteral("LabelMonSnimac2"), ZX_ITEM(LabelMonSnimac, 1))->hide();
    AddLabel(engine, QStringLiteral("LabelMonAkcel"), ZX_FIELD(LabelMonAkcel));
    CGaugeAkcel = AddGauge(engine, "CGaugeAkcel");

    QGroupBox *load = AddBox(grid, "GroupBoxMonLoad", 1, 0);
    AddLabel(load, QStringLiteral("LabelMonTpsPromile"), ZX_FIELD(LabelMonTpsPromile));
    CGaugeTps = AddGauge(load, "CGaugeTps");
    AddLabel(load, QStringLiteral("LabelMonTpsMv"), ZX_FIELD(LabelMonTpsMv));
    AddLabel(load, QStringLiteral("LabelNapeti"), ZX_FIELD(LabelNapeti));
    AddLabel(load, QStringLiteral("LabelMonServoMer"), ZX_FIELD(LabelMonServoMer));
    AddLabel(load, QStringLiteral("LabelMonServoPoz"), ZX_FIELD(LabelMonServoPoz));
    AddLabel(load, QStringLiteral("LabelMonPotencMv"), ZX_FIELD(LabelMonPotencMv));

    QGroupBox *limiters = AddBox(grid, "GroupBoxMonLimiter", 0, 1);
    AddLabel(limiters, QStringLiteral("LabelMonStartLimiterAkt"), ZX_FIELD(LabelMonStartLimiterAkt));
    AddLabel(limiters, QStringLiteral("LabelMonStartSoftLimiter"), ZX_FIELD(LabelMonStartSoftLimiter));
    AddLabel(limiters, QStringLiteral("LabelMonStartHardLimiter"), ZX_FIELD(LabelMonStartHardLimiter));
    AddLabel(limiters, QStringLiteral("LabelMonSoftLimiter"), ZX_FIELD(LabelMonSoftLimiter));
    AddLabel(limiters, QStringLiteral("LabelMonHardLimiter"), ZX_FIELD(LabelMonHardLimiter));
    AddLabel(limiters, QStringLiteral("LabelMonBlock"), ZX_FIELD(LabelMonBlock));
    AddLabel(limiters, QStringLiteral("LabelMonClutch"), ZX_FIELD(LabelMonClutch));
    AddLabel(limiters, QStringLiteral("LabelMonRetard"), ZX_FIELD(LabelMonRetard));
    AddLabel(limiters, QStringLiteral("LabelMonMapa2"), ZX_FIELD(LabelMonMapa2));

    QGroupBox *inputs = AddBox(grid, "GroupBoxMonInput", 1, 1);
    AddLabel(inputs, QStringLiteral("LabelMonInput1"), ZX_ITEM(LabelMonInput, 0));
    AddLabel(inputs, QStringLiteral("LabelMonInput2"), ZX_ITEM(LabelMonInput, 1));
    AddLabel(inputs, QStringLiteral("LabelMonInput3"), ZX_ITEM(LabelMonInput, 2));
    AddLabel(inputs, QStringLiteral("LabelMonPOut1"), ZX_ITEM(LabelMonPOut, 0));
    AddLabel(inputs, QStringLiteral("LabelMonPOut2"), ZX_ITEM(LabelMonPOut, 1));
    AddLabel(inputs, QStringLiteral("LabelMonPOut3"), ZX_ITEM(LabelMonPOut, 2));

    QGroupBox *gear = AddBox(grid, "GroupBoxMonGear", 0, 2);
    AddLabel(gear, QStringLiteral("LabelGear"), ZX_FIELD(LabelGear));
    AddLabel(gear, QStringLiteral("LabelMonSpeed"), ZX_FIELD(LabelMonSpeed));
    AddLabel(gear, QStringLiteral("LabelMonGearNapeti"), ZX_FIELD(LabelMonGearNapeti));
    AddLabel(gear, QStringLiteral("LabelMonPomerRpmSpeed"), ZX_FIELD(LabelMonPomerRpmSpeed));
    AddLabel(gear, QStringLiteral("LabelMonPomerRpmSpeedAuto1"), ZX_ITEM(LabelMonPomerRpmSpeedAuto, 0));
    AddLabel(gear, QStringLiteral("LabelMonPomerRpmSpeedAuto2"), ZX_ITEM(LabelMonPomerRpmSpeedAuto, 1));
    AddLabel(gear, QStringLiteral("LabelMonPomerRpmSpeedAuto3"), ZX_ITEM(LabelMonPomerRpmSpeedAuto, 2));
    AddLabel(gear, QStringLiteral("LabelMonPomerRpmSpeedAuto4"), ZX_ITEM(LabelMonPomerRpmSpeedAuto, 3));
    AddLabel(gear, QStringLiteral("LabelMonPomerRpmSpeedAuto5"), ZX_ITEM(LabelMonPomerRpmSpeedAuto, 4));
    AddLabel(gear, QStringLiteral("LabelMonPomerRpmSpeedAuto6"), ZX_ITEM(LabelMonPomerRpmSpeedAuto, 5));

    QGroupBox *pot = AddBox(grid, "GroupBoxPotencKor", 1, 2);
    AddLabel(pot, QStringLiteral("LabelMonPotKorAdv"), ZX_FIELD(LabelMonPotKorAdv));
    AddLabel(pot, QStringLiteral("LabelMonPotKorStartLimiter"), ZX_FIELD(LabelMonPotKorStartLimiter));
    AddLabel(pot, QStringLiteral("LabelMonPotKorPilotLight"), ZX_FIELD(LabelMonPotKorPilotLight));
    AddLabel(pot, QStringLiteral("LabelMonPotKorAcc"), ZX_FIELD(LabelMonPotKorAcc));

    QGroupBox *unit = AddBox(grid, "GroupBoxMonUnit", 2, 0);
    AddLabel(unit, QStringLiteral("LabelPocetProgramovani"), ZX_FIELD(LabelPocetProgramovani));
    for (int i = 0; i < 8; ++i) {
        QLabel *label =
            AddLabel(unit, QStringLiteral("LabelTest%1").arg(i + 1),
                     [i](const MonitorDisplay &d) -> const LabelView & { return d.LabelTest[i]; });
        label->hide();
        testLabels_.push_back(label);
    }
    // Output 4 has room in the unit but no place in the window.
    auto *pout4 = new QLabel(inputs);
    pout4->setObjectName(QStringLiteral("LabelMonPOut4"));
    pout4->hide();

    // Rows keep their height; what a box does not fill stays empty at its foot.
    for (auto *box : findChildren<QGroupBox *>())
        static_cast<QVBoxLayout *>(box->layout())->addStretch(1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(3, 1);
}

#undef ZX_FIELD
#undef ZX_ITEM

void TMonitorPage::ApplyCaptions(int languageIndex) {
    static constexpr std::pair<const char *, WindowText> titles[] = {
        {"GroupBoxMonEngine", {"Engine", "Motor", "Motor"}},
        {"GroupBoxMonLoad", {"Load and voltages", "Last und Spannungen", "Zatížení a napětí"}},
        {"GroupBoxMonLimiter", {"Limiters and functions", "Begrenzer und Funktionen", "Omezovače a funkce"}},
        {"GroupBoxMonInput", {"Input to ground", "Eingang zu Erde", "Vstup uzeměn"}},
        {"GroupBoxMonGear", {"Gear and speed", "Gang und Geschwindigkeit", "Převod a rychlost"}},
        {"GroupBoxPotencKor", {"Potenciometer change of", "Potentiometer ändert", "Potenciometr mění"}},
        {"GroupBoxMonUnit", {"Ignition unit", "Zündung", "Zapalování"}},
    };
    for (const auto &[name, text] : titles)
        if (auto *box = findChild<QGroupBox *>(QString::fromLatin1(name)))
            box->setTitle(text.in(languageIndex));
}

void TMonitorPage::SetTestMode(bool on) {
    for (QLabel *label : testLabels_)
        label->setVisible(on);
}

void TMonitorPage::Show(const MonitorDisplay &display) {
    for (const auto &[label, source] : bindings_)
        ShowLabel(label, source(display));
    ShowGauge(CGaugeRpm, display.CGaugeRpm);
    ShowGauge(CGaugeTps, display.CGaugeTps);
    ShowGauge(CGaugeAkcel, display.CGaugeAkcel);
}

} // namespace zarvex1
