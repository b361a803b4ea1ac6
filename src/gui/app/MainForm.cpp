#include "gui/app/MainForm.h"

#include "core/files/SettingsFolder.h"
#include "core/link/PortNames.h"
#include "core/pages/CommonStates.h"
#include "core/pages/MonitorPageStates.h"
#include "core/texts/BuildInfo.h"
#include "core/texts/WindowCaptions.h"
#include "gui/about/FormAbout.h"
#include "gui/app/ComMenu.h"
#include "gui/app/LoaderServer.h"
#include "gui/app/StatusPanels.h"
#include "gui/app/WindowTexts.h"
#include "gui/logs/LogCommands.h"
#include "gui/pages/AdvancePage.h"
#include "gui/pages/BikePage.h"
#include "gui/pages/GearPage.h"
#include "gui/pages/InputsPage.h"
#include "gui/pages/MonitorPage.h"
#include "gui/pages/PowerOutPage.h"
#include "gui/pages/RacePage.h"
#include "gui/pages/SensorPanel.h"
#include "gui/pages/ServoPage.h"
#include "gui/pages/TestPage.h"
#include "gui/print/WindowPrinter.h"
#include "gui/safety/WindowSafetyNet.h"
#include "gui/widgets/BuildStamp.h"
#include "gui/widgets/CaptionHelper.h"
#include "gui/widgets/Dialogs.h"
#include "qtport/QtSerialPort.h"
#include "qtport/SettingsLocation.h"
#include "qtport/SystemPortDiscovery.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPalette>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace zarvex1 {

namespace {

void SetBackground(QLabel *label, const QColor &colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

} // namespace

TMainForm::TMainForm(const StartOptions &options, std::unique_ptr<SerialPort> serialPort,
                     std::unique_ptr<PortDiscovery> discovery, QWidget *parent)
    : QMainWindow(parent), options_(options), session_(sessionView_), port_(std::move(serialPort)),
      portDiscovery_(std::move(discovery)) {
    setObjectName(QStringLiteral("MainForm"));
    resize(1000, 720);
    if (!port_)
        port_ = std::make_unique<QtSerialPort>();
    if (!portDiscovery_)
        portDiscovery_ = std::make_unique<SystemPortDiscovery>();
    settingsFolder = SettingsFolder();
    safety_ = std::make_unique<WindowSafetyNet>(this, session_, settingsFolder, options_.ownsSettings);
    defaultParameterPath_ = QString::fromStdU16String(DefaultParameterPath().u16string());
    clock_.start();
    link_ = std::make_unique<LinkEngine>(*port_, session_.settings(), linkView_);
    link_->SetClock([this] { return NowMs(); });
    link_->SetPortDiscovery(portDiscovery_.get());
    session_.AttachLink(*link_);

    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(4, 4, 4, 0);
    column->setSpacing(4);

    BuildMenus();
    safety_->AddMenuItems(MenuFile, MenuPrint);
    BuildToolBar();
    GroupBoxToolBar->setParent(central);

    QFont bold = font();
    bold.setBold(true);
    auto keepPlace = [](QWidget *widget) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    };

    // The tool bar, the port in use and the banner that tells the link is down; under the two the unit's
    // state.
    auto *toolRow = new QGridLayout;
    toolRow->setVerticalSpacing(0);
    toolRow->setColumnStretch(0, 1);
    toolRow->addWidget(GroupBoxToolBar, 0, 0, 2, 1);
    LabelCom = new QLabel(central);
    LabelCom->setObjectName(QStringLiteral("LabelCom"));
    LabelCom->setContentsMargins(8, 0, 8, 0);
    toolRow->addWidget(LabelCom, 0, 1);
    toolRow->addWidget(safety_->StateLabel(), 1, 1, 1, 2);
    LabelSpojeni = new QLabel(central);
    LabelSpojeni->setObjectName(QStringLiteral("LabelSpojeni"));
    LabelSpojeni->setAlignment(Qt::AlignCenter);
    LabelSpojeni->setMinimumHeight(24);
    LabelSpojeni->setContentsMargins(12, 0, 12, 0);
    LabelSpojeni->setFont(bold);
    SetBackground(LabelSpojeni, LabelColour(Colour::Red));
    {
        QPalette palette = LabelSpojeni->palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        LabelSpojeni->setPalette(palette);
    }
    keepPlace(LabelSpojeni);
    toolRow->addWidget(LabelSpojeni, 0, 2);
    column->addLayout(toolRow);

    // The message line with its progress gauge, the unit's version warning and its data error.
    auto *messageRow = new QHBoxLayout;
    LabelMessage = new QLabel(central);
    LabelMessage->setObjectName(QStringLiteral("LabelMessage"));
    LabelMessage->setMinimumHeight(24);
    LabelMessage->setContentsMargins(6, 0, 6, 0);
    LabelMessage->setFont(bold);
    keepPlace(LabelMessage);
    CGaugeProgram = new QProgressBar(central);
    CGaugeProgram->setObjectName(QStringLiteral("CGaugeProgram"));
    CGaugeProgram->setFixedWidth(220);
    CGaugeProgram->setTextVisible(false);
    keepPlace(CGaugeProgram);
    LabelVersion = new QLabel(central);
    LabelVersion->setObjectName(QStringLiteral("LabelVersion"));
    LabelVersion->setContentsMargins(6, 0, 6, 0);
    LabelVersion->setAutoFillBackground(true);
    LabelEeDataErr = new QLabel(QStringLiteral("Programmed data error"), central);
    LabelEeDataErr->setObjectName(QStringLiteral("LabelEeDataErr"));
    LabelEeDataErr->setContentsMargins(6, 0, 6, 0);
    LabelEeDataErr->setFont(bold);
    SetBackground(LabelEeDataErr, LabelColour(Colour::Red));
    messageRow->addWidget(LabelMessage, 1);
    messageRow->addWidget(CGaugeProgram);
    messageRow->addWidget(LabelVersion);
    messageRow->addWidget(LabelEeDataErr);
    column->addLayout(messageRow);

    PageControl1 = new QTabWidget(central);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    column->addWidget(PageControl1, 1);
    setCentralWidget(central);

    auto *panels = new StatusPanels(this);
    for (int i = 0; i < StatusPanels::Count; ++i)
        statusPanels[i] = panels->panel(i);
    statusBar()->addWidget(panels, 1);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));

    Timer1 = new QTimer(this);
    // A coarse timer may fire up to 5 % early, and every time the link counts in ticks would run fast.
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(TickMs);
    connect(Timer1, &QTimer::timeout, this, &TMainForm::Timer1Timer);

    FormCreate();
}

TMainForm::~TMainForm() {
    // The link closes the port before the window's members go.
    if (link_)
        link_->ClosePort();
    // Qt's texts go back to English while the window is still whole to hear of it.
    qtTranslations_.Apply(Language::English);
}

int TMainForm::ActivePageIndex() const {
    return PageControl1->currentIndex();
}

void TMainForm::BuildPages() {
    TInputsPage *inputsPage = nullptr;
    for (int page = 0; page < Page::Count; ++page) {
        switch (page) {
        case Page::Bike:
            pages[page] = boundPages_[page] = bikePage_ = new TBikePage(session_, machine_, PageControl1);
            break;
        case Page::Inputs:
            pages[page] = boundPages_[page] = inputsPage = new TInputsPage(session_, machine_, PageControl1);
            inputsPage->SetSensorPanel(new TSensorPanel(session_, machine_, mapEditors_, [this] {
                return link_->latest() ? link_->latest()->raw(LiveField::LoadVoltage) : 0;
            }));
            break;
        case Page::Advance:
            pages[page] = boundPages_[page] = advancePage_ =
                new TAdvancePage(session_, machine_, mapEditors_, PageControl1);
            break;
        case Page::Servo:
            pages[page] = boundPages_[page] = new TServoPage(session_, machine_, mapEditors_, PageControl1);
            break;
        case Page::PowerOut:
            pages[page] = boundPages_[page] = powerOutPage_ =
                new TPowerOutPage(session_, machine_, PageControl1);
            // The live display names the outputs by their modes.
            connect(powerOutPage_, &TPowerOutPage::modeChanged, this, [this] { liveView_.Refresh(); });
            break;
        case Page::Gear:
            pages[page] = boundPages_[page] = gearPage_ = new TGearPage(session_, machine_, PageControl1);
            gearPage_->SetLiveSource([this] {
                const std::optional<LiveRecord> &latest = link_->latest();
                return GearLive{link_->connected(), latest ? latest->raw(LiveField::GearVoltage) : 0,
                                latest ? latest->raw(LiveField::Ratio) : 0};
            });
            gearPage_->SetMonitorSource([this]() -> const MonitorDisplay & { return liveView_.display(); });
            break;
        case Page::Race:
            pages[page] = boundPages_[page] = new TRacePage(machine_, PageControl1);
            break;
        case Page::Test:
            pages[page] = boundPages_[page] = testPage_ = new TTestPage(machine_, PageControl1);
            connect(testPage_, &TTestPage::testClicked, this,
                    [this](TestButton button) { link_->SendTest(button); });
            break;
        case Page::Monitor:
            pages[page] = MonitorPage = new TMonitorPage(PageControl1);
            MonitorPage->SetSource([this]() -> const MonitorDisplay & { return liveView_.display(); });
            break;
        default:
            pages[page] = new QWidget(PageControl1);
            break;
        }
        pages[page]->setObjectName(QString::fromUtf8(PageNames[page].data(), PageNames[page].size()));
        PageControl1->addTab(pages[page], QString());
    }
    PageControl1->setCurrentIndex(Page::Bike);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int page) {
        // Up-down clicks still waiting are stored from the page they were made on, before it goes.
        if (page != session_.activePage())
            machine_.CommitPending();
        session_.PageChanged(page);
    });
}

void TMainForm::BuildComMenu() {
    ComMenu = new TComMenu(MenuCom, *link_, *portDiscovery_);
    ComMenuItems = ComMenu->numberedItems();
}

void TMainForm::AttachViews() {
    linkView_.Attach({.window = this,
                      .message = LabelMessage,
                      .gauge = CGaugeProgram,
                      .banner = LabelSpojeni,
                      .connection = statusPanels[4],
                      .version = LabelVersion,
                      .com = LabelCom,
                      .comMenu = ComMenu,
                      .bike = bikePage_,
                      .handover = [this](bool handedOver) { PortHandoverChanged(handedOver); }});
    liveView_.Attach({.session = &session_,
                      .monitor = MonitorPage,
                      .bike = bikePage_,
                      .gear = gearPage_,
                      .test = testPage_,
                      .dataError = LabelEeDataErr});
    sessionView_.Attach({.window = this,
                         .session = &session_,
                         .machine = &machine_,
                         .boundPages = boundPages_,
                         .monitor = MonitorPage,
                         .pageControl = PageControl1,
                         .message = LabelMessage,
                         .gauge = CGaugeProgram,
                         .printing = [this] { return printing(); },
                         .commonRefresh = [this] { CommonRefresh(); },
                         .sessionChanged = [this] { SessionChanged(); }});
    printLook_.Attach({.area = centralWidget(),
                       .pageControl = PageControl1,
                       .banner = LabelSpojeni,
                       .gauge = CGaugeProgram,
                       .focusBeforePicture = BitBtnVerify,
                       .link = link_.get(),
                       .session = &session_,
                       .updatePageStates = [this] { UpdatePageStates(); }});
}

void TMainForm::FormCreate() {
    BuildComMenu();
    BuildPages();
    for (TTab *editor : mapEditors_.Controls())
        safety_->WatchEditor(editor);
    AttachViews();
    BuildLogs();
    // After the link reads the port on a tick, its records go to the live display, the maps' live
    // position, the recorder and the time in cell.
    link_->AddLiveWatcher(liveView_);
    link_->AddLiveWatcher(mapEditors_.List());
    for (LiveWatcher *watcher : logs_->LiveWatchers())
        link_->AddLiveWatcher(*watcher);

    // The session starts with the set of a first start; the stored settings and image go over it.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }

    LoadSettings();

    compileDateText = QString::fromStdString(CompileDateText(BuildDate()));
    versionText_ = QString::fromStdString(VersionText(compileDateText.toStdString()));

    if (options_.language)
        session_.SetLanguage(*options_.language);

    session_.Start();
    ApplyLanguage();
    link_->SetDeviceOverride(options_.portDevice.toStdString());
    link_->Start();
    ApplyLanguage();
    session_.ImageToPages();
    // From here on every committed change reaches default.ini within about a second; a window beside the
    // settings folder's owner writes neither file.
    if (options_.ownsSettings)
        defaultIniKeeper_ =
            std::make_unique<DefaultIniKeeper>(session_.image(), DefaultIniPath(settingsFolder));
    // Logging out: the session manager asks for the settings before it ends the program.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { SaveSettings(); });

    LabelMessage->hide();
    CGaugeProgram->hide();
    CGaugeProgram->setMaximum(6);
    LabelEeDataErr->hide();
    LabelVersion->hide();

    TestMode = ReadTestMode(TestModeMarkerPath());
    MonitorPage->SetTestMode(TestMode);

    statusPanels[2]->setText(versionText_);
    ConnectFileCommands();

    connect(MenuRead, &QAction::triggered, this, [this] { session_.Read(); });
    connect(MenuVerify, &QAction::triggered, this, [this] { session_.Verify(); });
    connect(MenuProgram, &QAction::triggered, this, [this] { session_.Program(); });
    connect(ButtonRead, &QPushButton::clicked, MenuRead, &QAction::trigger);
    connect(BitBtnVerify, &QPushButton::clicked, MenuVerify, &QAction::trigger);
    connect(BitBtnProgram, &QPushButton::clicked, MenuProgram, &QAction::trigger);

    // A loader program may borrow the port through a local socket.
    loaderServer_ = new LoaderServer(this);
    connect(loaderServer_, &LoaderServer::portMessage, this,
            [this](int portNumber, quint32 request) { link_->PortMessage(portNumber, request); });
    // Said once in the status bar, the reason on standard error: the program works on, only a loader
    // cannot borrow the port.
    if (!loaderServer_->listen(options_.loaderName)) {
        OnHint(LoaderSocketErrorText.in(session_.settings().languageIndex));
        qWarning("Loader socket cannot be opened: %s", qPrintable(loaderServer_->errorString()));
    }
    if (!options_.ownsSettings)
        OnHint(GuestWindowText.in(session_.settings().languageIndex));

    FormAbout = new TFormAbout(this);
    printer_ = std::make_unique<WindowPrinter>(printLook_);

    if (!options_.steppedTicks)
        Timer1->start();

    // A file named at start (a double-click on it in the file manager) opens as Open opens it, once the
    // window is up, so that its messages have a window to stand on.
    if (!options_.parameterFile.empty())
        QMetaObject::invokeMethod(
            this, [this] { OpenNamedFile(options_.parameterFile); }, Qt::QueuedConnection);
}

void TMainForm::OpenNamedFile(const std::filesystem::path &path) {
    session_.SetLastPath(PathText(path));
    session_.Open(path, false);
}

void TMainForm::TakeHandOver(int language, const std::string &file) {
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
    if (language >= 0)
        SetLanguage(language);
    if (!file.empty())
        OpenNamedFile(std::filesystem::path(file));
}

void TMainForm::ApplyLanguage() {
    const int language = session_.settings().languageIndex;
    qtTranslations_.Apply(language);
    ApplyCaptions(this, MenuCaptions(), language);
    ApplyCaptions(this, MenuHints(), language);
    MenuEnglish->setChecked(language == Language::English);
    MenuGerman->setChecked(language == Language::German);
    MenuCzech->setChecked(language == Language::Czech);
    ApplyToolButtonTexts(language);
    logs_->ApplyLanguage(language);
    ComMenu->ApplyLanguage(language);
    safety_->SetLanguage(language);
    ApplyLanguageCaptions();
    link_->RefreshTexts();
    liveView_.Refresh();
}

void TMainForm::ApplyLanguageCaptions() {
    const int language = session_.settings().languageIndex;
    UpdateCaption();
    ApplyCaptions(this, WindowCaptions(), language);
    for (TBoundPage *page : boundPages_)
        if (page)
            page->ApplyLanguage(language);
    MonitorPage->ApplyCaptions(language);
}

void TMainForm::UpdateCaption() {
    setWindowTitle(QString::fromStdString(session_.Caption()));
}

void TMainForm::PortHandoverChanged(bool handedOver) {
    if (handedOver)
        setWindowTitle(QString::fromStdString(session_.Caption(true)));
    else
        ApplyLanguageCaptions();
}

void TMainForm::CommonRefresh() {
    // What every page refresh brings to the window around the pages.
    const PageMachine::LoadScope guard = machine_.Load();
    ApplyStates(this, CommonStates(session_.image(), printing()));
}

void TMainForm::SessionChanged() {
    UpdateCaption();
    UpdateUndoButtons();
    RebuildRecentMenu();
    if (safety_)
        safety_->SessionChanged();
}

void TMainForm::OnHint(const QString &hint) {
    statusPanels[0]->setText(hint);
}

bool TMainForm::event(QEvent *event) {
    // Hints go to the first panel instead of covering the whole status bar.
    if (event->type() == QEvent::StatusTip) {
        OnHint(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

long long TMainForm::NowMs() const {
    if (options_.clockMs)
        return options_.clockMs();
    return options_.steppedTicks ? steppedMs_ : clock_.elapsed();
}

void TMainForm::Timer1Timer() {
    steppedMs_ += TickMs;
    machine_.Tick();
    // The link reads first; its watchers take the records of this tick, so the maps' live position is on
    // the frame's tick.
    link_->Tick();
    mapEditors_.Tick(session_.image());
    if (ActivePageIndex() == Page::Advance)
        advancePage_->ShowLive(mapEditors_.List().live().rpm);
    safety_->Tick(*link_);
    const LiveRecord *latest = link_->latest() ? &*link_->latest() : nullptr;
    if (TBoundPage *page = boundPages_[session_.activePage()])
        page->RefreshLiveColours(latest, session_.image());
    // default.ini waits while a Read runs, and takes the set read once it replaced the screen's.
    if (defaultIniKeeper_ && link_->state().LinkRequest != LinkRequest::Read)
        defaultIniKeeper_->Tick();
    logs_->Tick();
}

void TMainForm::BuildLogs() {
    LogCommands::Window window;
    window.window = this;
    window.toolBar = GroupBoxToolBar;
    window.fileMenu = MenuFile;
    window.fileMenuBefore = MenuPrint;
    window.toolsMenu = MenuTools;
    window.settingsFolder = settingsFolder;
    window.nowMs = [this] { return NowMs(); };
    window.session = &session_;
    auto *servo = static_cast<TServoPage *>(boundPages_[Page::Servo]);
    window.maps = {
        {advancePage_->TabAdvance,
         [](int sheet) { return std::optional(sheet == 0 ? UnitMap::Advance1 : UnitMap::Advance2); }},
        {servo->TabServo, [](int) { return std::optional(UnitMap::Servo); }},
    };
    logs_ = new LogCommands(std::move(window), this);
}

void TMainForm::FormClose() {
    logs_->Close();
    link_->ClosePort();
    SaveSettings();
}

void TMainForm::closeEvent(QCloseEvent *event) {
    // Nothing of a window beside the settings' owner outlives it: it asks before changes are lost.
    if (!options_.ownsSettings && session_.HasUnkeptChanges() &&
        Dialogs::AskYesNoCancel(this, GuestCloseQuestion.in(session_.settings().languageIndex)) !=
            QMessageBox::Yes) {
        event->ignore();
        return;
    }
    Timer1->stop();
    FormClose();
    event->accept();
}

} // namespace zarvex1
