#pragma once

#include "app/MessageTexts.h"
#include "app/StartOptions.h"
#include "files/RecentFiles.h"
#include "link/LinkEngine.h"
#include "link/LinkOwner.h"
#include "params/Defaults.h"
#include "params/Limits.h"
#include "params/ParameterImage.h"
#include "params/UndoHistory.h"

#include <QColor>
#include <QMainWindow>

#include <array>
#include <filesystem>
#include <memory>

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
class QtSerialPort;
class TMonitorPage;

// The main window. It owns every piece of state of the program; the rules live in the core.
class TMainForm : public QMainWindow, private LinkOwner {
    Q_OBJECT
public:
    static constexpr int TickMs = 55;

    // port: the transport the link uses; by default the real serial port.
    explicit TMainForm(const StartOptions &options, std::unique_ptr<SerialPort> port = {},
                       QWidget *parent = nullptr);
    ~TMainForm() override;

    // One tick of the 55 ms timer; public so that tests can step it.
    void Timer1Timer();
    void ShowMessageLine(const QString &text, std::uint32_t colour);

    // State of the program.
    ParameterImage image;
    LimitedSettings settings; // PortIndex, ScanIndex, LanguageIndex
    DefaultsState defaults;   // LoadSelection, BikeChangePending
    MessageTexts messageTexts;
    UndoHistory undoHistory;
    int TickCounter = 0;
    QString compileDateText;
    QString versionText;
    bool TestMode = false;
    RecentFiles recentFiles;
    std::filesystem::path settingsFolder;
    QString dialogFileName;       // the file name both file dialogs start at
    QString defaultParameterPath; // "data.ign" beside the executable
    // The serial port and the link that runs on it.
    std::unique_ptr<SerialPort> port;
    std::unique_ptr<LinkEngine> link;

    int ActivePageIndex() const;

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
    std::array<QAction *, 31> ComMenuItems{};
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

    // File commands.
    void NewParameters(bool currentPageOnly);
    // flags: bit 0 start at the default path, bit 1 load only the current page.
    void OpenWithDialog(int flags);
    void SaveParameterFile(bool toDefaultPath);
    // Opens a parameter file for one page or all (Page::All); false when the image was not changed.
    bool LoadParameterFile(int page, const QString &path);
    void MenuHistoryClick(int item);
    // Loads the first dropped path that ends in ".ign" in any letter case.
    bool DropFiles(const QStringList &paths);

    // Commands.
    void SpeedButtonZpetClick();  // Undo
    void SpeedButtonZnovuClick(); // Redo
    void SetLanguage(int languageIndex);
    void MenuContensClick();
    // Stores an edit: limits, refreshes the page, records an undo entry, programs when asked to.
    void Commit();
    // Refreshes the active page from the image.
    // Programming after change: programs the image when the check box asks for it.
    void StartAutoProgram();

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
    void UpdateUndoButtons();
    void RestoreUndoEntry(const UndoHistory::Entry &entry);
    void ApplyLanguage();
    void OnHint(const QString &hint);
    void UpdateCaption();
    void LoadSettings();
    void ConnectFileCommands();
    void SaveSettings();
    void RebuildRecentMenu();
    void RecordCurrentFile(const QString &path);
    void ShowFileMessage(int slot);

    // What the link shows through the window.
    void MessageLineChanged(const MessageLine &line) override;
    void ProgressGaugeChanged(const ProgressGauge &gauge) override;
    void ConnectionBannerChanged(bool visible) override;
    void ConnectionTextChanged(const std::string &text) override;
    void MonitorRefreshed(const MonitorDisplay &display, const LiveValues &live) override;
    void ComPortChanged(const std::string &labelCom, int tickedItem) override;
    void SetCaption(const std::string &caption) override;
    void PagesToImage() override;
    void ImageToPages() override;
    void RecordUndo() override;
    void ApplyLanguageCaptions() override;
    void ShowVersionMessage(const std::string &text) override;
    void ShowComOpeningError(const std::string &text) override;

    StartOptions options_;
    LoaderServer *loaderServer_ = nullptr;
    QTimer *Timer1 = nullptr;
};

} // namespace zarvex1
