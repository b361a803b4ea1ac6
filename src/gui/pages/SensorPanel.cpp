#include "gui/pages/SensorPanel.h"

#include "core/mapbinding/MapSheets.h"
#include "core/mapbinding/SensorMaps.h"
#include "core/pages/MapPageModels.h"
#include "core/pages/PageMachine.h"
#include "core/session/ParameterSession.h"
#include "gui/mapeditor/MapEditors.h"
#include "gui/widgets/CaptionHelper.h"

#include <QPushButton>

namespace zarvex1 {

namespace {

constexpr int EditorWidth = 250, EditorHeight = 130;

} // namespace

TSensorPanel::TSensorPanel(ParameterSession &session, PageMachine &machine, MapEditors &editors,
                           std::function<int()> liveLoadVoltage, QWidget *parent)
    : QWidget(parent), session_(session), machine_(machine), editors_(editors),
      liveLoadVoltage_(std::move(liveLoadVoltage)) {
    setObjectName(QStringLiteral("SensorPanel"));
    BitBtnTps0 = new QPushButton(this);
    BitBtnTps0->setObjectName(QStringLiteral("BitBtnTps0"));
    BitBtnTps100 = new QPushButton(this);
    BitBtnTps100->setObjectName(QStringLiteral("BitBtnTps100"));
    TabTpsSensor = editors_.CreateMapEditor(EditorWidth, EditorHeight, SensorEditorOptions, this);
    TabTpsSensor->setObjectName(QStringLiteral("TabTpsSensor"));
    DefineTpsSensorSheet(TabTpsSensor->Editor());
    TabIapSensor = editors_.CreateMapEditor(EditorWidth, EditorHeight, SensorEditorOptions, this);
    TabIapSensor->setObjectName(QStringLiteral("TabIapSensor"));
    DefineIapSensorSheet(TabIapSensor->Editor());
    for (TTab *tab : {TabTpsSensor, TabIapSensor})
        connect(tab, &TTab::mapChanged, this, [this, tab] { MapChanged(tab); });
    connect(BitBtnTps0, &QPushButton::clicked, this, [this] { TakeTps(false); });
    connect(BitBtnTps100, &QPushButton::clicked, this, [this] { TakeTps(true); });
    ApplyLanguage(0);
}

void TSensorPanel::Place() {
    // The editor stands 10 pixels right of the buttons, its top 57 pixels above the first button's, so
    // that each button is level with the row it sets.
    const int buttonWidth = std::max(BitBtnTps0->sizeHint().width(), BitBtnTps100->sizeHint().width());
    const int rowHeight = TabTpsSensor->Editor().Geometry().rowHeight > 0
                              ? static_cast<int>(TabTpsSensor->Editor().Geometry().rowHeight)
                              : 21;
    BitBtnTps0->setGeometry(0, 57, buttonWidth, rowHeight);
    BitBtnTps100->setGeometry(0, 57 + rowHeight, buttonWidth, rowHeight);
    TabTpsSensor->move(buttonWidth + 10, 0);
    TabIapSensor->move(buttonWidth + 10, 0);
    setMinimumSize(buttonWidth + 10 + EditorWidth, EditorHeight);
}

void TSensorPanel::ApplyLanguage(int languageIndex) {
    ApplyCaptions(this, SensorButtonCaptions(), languageIndex);
    TabTpsSensor->SetLanguage(languageIndex);
    TabIapSensor->SetLanguage(languageIndex);
    Place();
}

void TSensorPanel::Load(const ParameterImage &image, bool printing) {
    LoadSensorMaps(TabTpsSensor->Editor(), TabIapSensor->Editor(), image);
    switch (ShownSensorEditor(image)) {
    case SensorEditorShown::None:
        TabTpsSensor->hide();
        TabIapSensor->hide();
        BitBtnTps0->hide();
        BitBtnTps100->hide();
        break;
    case SensorEditorShown::Tps:
        TabTpsSensor->show();
        TabIapSensor->hide();
        BitBtnTps0->setVisible(!printing);
        BitBtnTps100->setVisible(!printing);
        break;
    case SensorEditorShown::Iap:
        TabIapSensor->show();
        TabTpsSensor->hide();
        BitBtnTps0->hide();
        BitBtnTps100->hide();
        break;
    case SensorEditorShown::Unchanged:
        break;
    }
}

void TSensorPanel::MapChanged(TTab *tab) {
    if (machine_.LoadGuard())
        return;
    ParameterImage &image = session_.image();
    editors_.List().TakeMarkers(tab->Editor(), image);
    SensorMapsToImage(TabTpsSensor->Editor(), TabIapSensor->Editor(), image);
    session_.Commit();
}

void TSensorPanel::TakeTps(bool full) {
    if (!liveLoadVoltage_ || !TakeTpsVoltage(session_.image(), full, liveLoadVoltage_()))
        return;
    session_.ImageToPages();
    session_.Commit();
}

} // namespace zarvex1
