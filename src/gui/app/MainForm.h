#pragma once

#include "core/link/LinkEngine.h"
#include "core/link/LinkOwner.h"
#include "core/link/PortDiscovery.h"
#include "core/pages/PageMachine.h"
#include "core/params/Defaults.h"
#include "core/session/DefaultIniKeeper.h"
#include "core/session/ParameterSession.h"
#include "gui/app/QtTranslations.h"
#include "gui/app/StartOptions.h"
#include "gui/app/WindowLinkView.h"
#include "gui/app/WindowLiveView.h"
#include "gui/app/WindowPrintLook.h"
#include "gui/app/WindowSessionView.h"
#include "gui/mapeditor/MapEditors.h"
#include "gui/print/PrintableWindow.h"

#include <QColor>
#include <QElapsedTimer>
#include <QMainWindow>

#include <array>
#include <filesystem>
#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QProgressBar;
class QToolButton;
class QPushButton;
class QTabWidget;
class QTimer;
class QWidget;

namespace zarvex1 {

class LoaderServer;
class LogCommands;
class QtSerialPort;
class TComMenu;
class TFormAbout;
class WindowPrinter;
class TAdvancePage;
class TBikePage;
class TBoundPage;
class TGearPage;
class TMonitorPage;
class TServoPage;
class TTab;
class TPowerOutPage;
class TRacePage;
class TTestPage;
class WindowSafetyNet;

// The main window. It builds the controls and the pages and owns the pieces of the program; the rules live
// in the core: the parameter set in the session, the device link in the link engine. What the link, the
// session and a printout ask of the window, its WindowLinkView, WindowSessionView and WindowPrintLook do.
// Tests find its controls by their object names.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int TickMs = 55;

    // port: the transport the link uses; by default the real serial port. discovery: the machine's
    // serial ports for the Com menu and automatic mode; by default what the system reports.
    explicit TMainForm(const StartOptions &options, std::unique_ptr<SerialPort> port = {},
                       std::unique_ptr<PortDiscovery> discovery = {}, QWidget *parent = nullptr);
    ~TMainForm() override;

    // One tick of the 55 ms timer; public so that tests can step it.
    void Timer1Timer();

    // The parameter set being edited, with its undo history, files and settings.
    ParameterSession &session() { return session_; }
    // The link to the unit.
    LinkEngine &link() { return *link_; }
    // What the live values show on the Monitor page and the other pages.
    const MonitorDisplay &monitorDisplay() const { return liveView_.display(); }
    int ActivePageIndex() const;
    // The status bar's version text, and "data.ign" beside the executable.
    const QString &versionText() const { return versionText_; }
    const QString &defaultParameterPath() const { return defaultParameterPath_; }

    // File commands with their dialogs.
    // flags: bit 0 start at the default path, bit 1 load only the current page.
    void OpenWithDialog(int flags);
    void SaveParameterFile(bool toDefaultPath);
    // Loads the first dropped path that ends in ".ign" in any letter case.
    bool DropFiles(const QStringList &paths);

    // Opens a parameter file as Open does (a file named at start or handed over).
    void OpenNamedFile(const std::filesystem::path &path);
    // What a later start of the program handed over: a language (-1: none) and a file (the system's
    // bytes; empty: none); the window comes to the front.
    void TakeHandOver(int language, const std::string &file);

    // Commands.
    void SetLanguage(int languageIndex);
    void MenuContensClick();
    void MenuAboutClick();
    // Tools: Minus (F4), Plus (F5) and Interpolation (Ctrl+I) on the map editor that has the focus.
    void MenuToolsMinusClick();
    void MenuToolsPlusClick();
    void MenuToolsInterpolOnClick();
    // Print (Ctrl+P, the tool button) and Print All.
    void SpeedButtonPrintClick();
    void MenuPrintAllClick();
    WindowPrinter &printer() { return *printer_; }
    // Recording, the log viewer and the time in cell on the maps.
    LogCommands &logs() { return *logs_; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void FormCreate();
    void FormClose();
    void BuildPages();
    void BuildMenus();
    void BuildComMenu();
    void BuildToolBar();
    void BuildLogs();
    void ApplyToolButtonTexts(int language);
    void UpdateUndoButtons();
    void CommitTyping();
    // The map editor the Tools menu acts on: a map page gives its editor the focus first; null when no
    // editor of the window has the focus.
    TTab *FocusedMapEditor();
    void ApplyLanguage();
    void OnHint(const QString &hint);
    void UpdateCaption();
    ApplicationSettings WindowPlace() const;
    void LoadSettings();
    void ConnectFileCommands();
    void SaveSettings();
    void RebuildRecentMenu();
    QString DialogFileName() const;

    // The caption while a loader program has the port, or the captions of the language when it is back.
    void PortHandoverChanged(bool handedOver);
    // The control captions of the current language, and the caption.
    void ApplyLanguageCaptions();
    void SessionChanged();
    // Hands the built controls to the window's views.
    void AttachViews();

    // The active page's states and the window's own, which follow the Printing flag.
    void UpdatePageStates();
    void CommonRefresh();

    bool printing() const { return link_->state().Printing; }
    // The window's monotonic clock in milliseconds: the records' and the logs' time.
    long long NowMs() const;

    // What the link, the session and a printout ask of the window. They go before the session and the
    // link, which keep references to them.
    WindowLinkView linkView_;
    WindowLiveView liveView_;
    WindowSessionView sessionView_;
    WindowPrintLook printLook_;
    std::unique_ptr<WindowPrinter> printer_;

    StartOptions options_;
    ParameterSession session_;
    // Commits go to the session: the active page into the image, limits, page again, after-edit step.
    PageMachine machine_{[this] { session_.Commit(); }};
    std::array<TBoundPage *, Page::Count> boundPages_{};
    TBikePage *bikePage_ = nullptr;
    TAdvancePage *advancePage_ = nullptr;
    // The map editors of the pages, fed and ticked by the window's timer.
    MapEditors mapEditors_;
    TPowerOutPage *powerOutPage_ = nullptr;
    TGearPage *gearPage_ = nullptr;
    TTestPage *testPage_ = nullptr;
    LoaderServer *loaderServer_ = nullptr;
    QtTranslations qtTranslations_;
    std::unique_ptr<DefaultIniKeeper> defaultIniKeeper_;
    // Restore points, the unit's state line, the compare and the history.
    std::unique_ptr<WindowSafetyNet> safety_;
    QTimer *Timer1 = nullptr;
    // The live-value logs, on the clock below.
    LogCommands *logs_ = nullptr;
    QElapsedTimer clock_;
    long long steppedMs_ = 0; // the clock when tests step the ticks and name no clock of their own

    std::optional<RecentFiles> shownRecent_; // the list the recent-files menu shows
    QString compileDateText;
    QString versionText_;
    bool TestMode = false;
    std::filesystem::path settingsFolder;
    QString defaultParameterPath_; // "data.ign" beside the executable
    // The serial port and the link that runs on it.
    std::unique_ptr<SerialPort> port_;
    std::unique_ptr<PortDiscovery> portDiscovery_;
    std::unique_ptr<LinkEngine> link_;

    // Controls of the window, named as in the rest of the program.
    QTabWidget *PageControl1 = nullptr;
    std::array<QWidget *, Page::Count> pages{};
    QLabel *LabelMessage = nullptr;
    QProgressBar *CGaugeProgram = nullptr;
    QLabel *LabelSpojeni = nullptr;
    QLabel *LabelVersion = nullptr;
    QLabel *LabelEeDataErr = nullptr;
    QLabel *LabelCom = nullptr;
    TMonitorPage *MonitorPage = nullptr;
    TFormAbout *FormAbout = nullptr;
    std::array<QAction *, 31> ComMenuItems{};
    TComMenu *ComMenu = nullptr; // the numbered items above and the adapters present
    std::array<QLabel *, 5> statusPanels{};

    // Menus and their items.
    QMenu *MenuFile = nullptr;
    QMenu *MenuCom = nullptr;
    QMenu *MenuDevice = nullptr;
    QMenu *MenuTools = nullptr;
    QMenu *MenuLanguage = nullptr;
    QMenu *MenuHelp = nullptr;
    QAction *MenuNew = nullptr;
    QAction *MenuNewActPage = nullptr;
    QAction *MenuOpen = nullptr;
    QAction *MenuOpenExeDir = nullptr;
    QAction *MenuOpenActPage = nullptr;
    QAction *MenuSave = nullptr;
    QAction *MenuSaveExeDir = nullptr;
    std::array<QAction *, 9> MenuHistory{};
    QAction *MenuHistoryEnd = nullptr;
    QAction *MenuPrint = nullptr;
    QAction *MenuPrintAll = nullptr;
    QAction *MenuExit = nullptr;
    QAction *MenuRead = nullptr;
    QAction *MenuVerify = nullptr;
    QAction *MenuProgram = nullptr;
    QAction *MenuToolsMinus = nullptr;
    QAction *MenuToolsPlus = nullptr;
    QAction *MenuZpet = nullptr;
    QAction *MenuZnovu = nullptr;
    QAction *MenuInterpol = nullptr;
    QAction *MenuEnglish = nullptr;
    QAction *MenuGerman = nullptr;
    QAction *MenuCzech = nullptr;
    QAction *MenuContens = nullptr;
    QAction *MenuAbout = nullptr;

    // The tool bar and the check box beside it.
    QWidget *GroupBoxToolBar = nullptr;
    QToolButton *SpeedButtonOpen = nullptr;
    QToolButton *SpeedButtonNew = nullptr;
    QToolButton *SpeedButtonSave = nullptr;
    QToolButton *SpeedButtonPrint = nullptr;
    QToolButton *SpeedButtonZpet = nullptr;
    QToolButton *SpeedButtonZnovu = nullptr;
    QPushButton *BitBtnProgram = nullptr;
    QPushButton *BitBtnVerify = nullptr;
    QPushButton *ButtonRead = nullptr;
    QCheckBox *CheckBoxProgHned = nullptr;
};

} // namespace zarvex1
