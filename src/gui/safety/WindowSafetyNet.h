#pragma once

#include "core/safety/CompareMarks.h"
#include "core/safety/UnitState.h"

#include <QObject>
#include <QPointer>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace zarvex1 {

class CompareOverlay;
class CompareWindow;
class HistoryWindow;
class LinkEngine;
class ParameterSession;
class SafetyNet;
class TTab;
class UnitStateLabel;
struct RestorePoint;

// Owned by the window beside its session, which it must not outlive. The window's safety net: the restore
// points and the unit's state it keeps as the session tells of its transfers, the state line beside the port
// label, File > Compare with file, unit or restore point, File > History, and the compare's marks on the map
// editors. It sees the session, the link (reading only) and the widgets it is handed, nothing else of the
// window.
class WindowSafetyNet : public QObject {
    Q_OBJECT
public:
    // Watches the session with the window's safety net: restore points in the folder `history` beside
    // `settingsFolder` (none without one), old ones removed only when the window `ownsSettings`.
    WindowSafetyNet(QWidget *window, ParameterSession &session, const std::filesystem::path &settingsFolder,
                    bool ownsSettings);
    ~WindowSafetyNet() override;

    // The File menu's items, put in before `before` (none: at the end).
    void AddMenuItems(QMenu *file, QAction *before);
    // The unit's state line; the window puts it beside the port label.
    QWidget *StateLabel() const;
    // A map editor that shows the compare's marks (those that show a map of the image).
    void WatchEditor(TTab *editor);
    void SetLanguage(int languageIndex);

    // The window's tick, after the link's: the restore points learn the unit's name and programming count
    // from its device information and live values; the compare follows the screen's set. The state line
    // follows the session's events, except while a program started by "Programming after change" runs
    // (it ends at "same").
    void Tick(const LinkEngine &link);
    // The screen's set changed (an edit, Undo, Open, a Read): the state line follows.
    void SessionChanged();

    // The commands.
    void CompareWithFile();
    void CompareWithUnit();
    void CompareWithRestorePoint();
    void ShowHistory();
    // A click on the state line: the compare with the set the unit is known to hold, or with the unit
    // read now when nothing is known of it.
    void CompareWithKnownUnitSet();

    SafetyNet &Net() { return *net_; }
    CompareWindow *Compare() const;
    HistoryWindow *History() const;

private:
    void RefreshState();
    void MarksChanged();
    void ComparePoint(const RestorePoint &point);
    void OpenPoint(const RestorePoint &point);
    void ApplyTexts();

    QWidget *window_;
    ParameterSession &session_;
    std::unique_ptr<SafetyNet> net_;
    int language_ = 0;
    QPointer<UnitStateLabel> label_;
    QPointer<CompareWindow> compare_;
    QPointer<HistoryWindow> history_;
    CompareMarks marks_;
    std::vector<QPointer<CompareOverlay>> overlays_;
    QAction *compareFile_ = nullptr;
    QAction *compareUnit_ = nullptr;
    QAction *compareRestore_ = nullptr;
    QAction *showHistory_ = nullptr;
    ParameterImage shownFor_;          // the screen's set the state line was worked out for
    int shownRevision_ = -1;           // and the safety net's revision
    int readingTicket_ = 0;            // the compare with the unit asked for last
    const LinkEngine *link_ = nullptr; // the window's link, known from its first tick
};

} // namespace zarvex1
