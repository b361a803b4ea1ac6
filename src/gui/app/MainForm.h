#pragma once

#include "app/MessageTexts.h"
#include "app/StartOptions.h"
#include "params/Defaults.h"
#include "params/Limits.h"
#include "params/ParameterImage.h"
#include "params/UndoHistory.h"

#include <QColor>
#include <QMainWindow>

#include <array>

class QLabel;
class QProgressBar;
class QTabWidget;
class QTimer;
class QWidget;

namespace zarvex1 {

// Colours of the message line, in the platform's 0x00BBGGRR order.
inline constexpr unsigned MessageColourError = 0x0000FF;
inline constexpr unsigned MessageColourPrinting = 0xFFFFFF;
QColor ButtonFaceColour();
QColor FromBgr(unsigned bgr);

// The main window. It owns every piece of state of the program; the rules live in the core.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int TickMs = 55;
    static constexpr int MessageLineTicks = 200;

    explicit TMainForm(const StartOptions& options, QWidget* parent = nullptr);
    ~TMainForm() override;

    // One tick of the 55 ms timer; public so that tests can step it.
    void Timer1Timer();
    void ShowMessageLine(const QString& text, const QColor& colour);

    // State of the program.
    ParameterImage image;
    LimitedSettings settings; // PortIndex, ScanIndex, LanguageIndex
    DefaultsState defaults;   // LoadSelection, BikeChangePending
    MessageTexts messageTexts;
    UndoHistory undoHistory;
    int TickCounter = 0;
    int MessageTicks = 0;
    bool Printing = false;
    int NoReplyTicks = 18;
    QString compileDateText;
    QString versionText;
    QString connectionText;

    int ActivePageIndex() const;

    // Controls of the window, named as in the rest of the program.
    QTabWidget* PageControl1 = nullptr;
    std::array<QWidget*, Page::Count> pages{};
    QLabel* LabelMessage = nullptr;
    QProgressBar* CGaugeProgram = nullptr;
    QLabel* LabelSpojeni = nullptr;
    std::array<QLabel*, 5> statusPanels{};

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormClose();
    void BuildPages();
    void ApplyLanguage();
    void OnHint(const QString& hint);
    void UpdateCaption();

    StartOptions options_;
    QTimer* Timer1 = nullptr;
};

} // namespace zarvex1
