#pragma once

#include "core/link/Frames.h"
#include "core/logs/CellTime.h"
#include "core/logs/LogFormat.h"

#include <QObject>
#include <QString>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace zarvex1 {

class CellTimeOverlay;
class ParameterSession;
class LogRecording;
class LogViewer;
class TTab;

// The window's live-value logs: recording (the Record button, File > Record log), File > Open log with
// its viewer, and the time in cell on the maps (Tools > Shade maps by time in cell) with the ring of the
// log cursor's operating point. The window hands over its frames and ticks; everything else stays here.
class LogCommands : public QObject {
    Q_OBJECT
public:
    struct MapEditorOf {
        TTab *editor;
        std::function<std::optional<UnitMap>(int sheet)> mapOf;
    };
    struct Window {
        QWidget *window = nullptr;
        QWidget *toolBar = nullptr;
        QMenu *fileMenu = nullptr;
        QAction *fileMenuBefore = nullptr; // the log items go before it
        QMenu *toolsMenu = nullptr;
        std::filesystem::path settingsFolder;
        std::function<long long()> nowMs;          // the clock that stamps the link's records
        const ParameterSession *session = nullptr; // the screen's set, its file, the set the unit holds
        std::vector<MapEditorOf> maps;             // the Advance and Servo editors
    };

    LogCommands(Window window, QObject *parent = nullptr);
    ~LogCommands() override;

    LogRecording &recording() { return *recording_; }
    // The viewer, null before the first log was opened.
    LogViewer *viewer() const { return viewer_; }
    // Opens a log in the viewer; a log that cannot be read is named in a message.
    bool OpenLog(const std::filesystem::path &path);
    QAction *openAction() const { return open_; }
    QAction *shadeAction() const { return shade_; }
    CellTimeOverlay *overlay(int index) const { return overlays_[static_cast<std::size_t>(index)]; }

    // Who follows the link's records: the recorder and the live time in cell.
    std::vector<LiveWatcher *> LiveWatchers();
    // The window's tick, after the link's.
    void Tick();
    void ApplyLanguage(int languageIndex);
    // The window closes: the recording ends with its rows in the file.
    void Close();

private:
    void OpenLogWithDialog();
    // The shading and the ring of every overlay, from the open log or live.
    void RefreshMaps();
    bool LogShown() const;

    Window window_;
    LogRecording *recording_ = nullptr;
    LogViewer *viewer_ = nullptr;
    QAction *open_ = nullptr;
    QAction *shade_ = nullptr;
    std::vector<CellTimeOverlay *> overlays_;
    std::unique_ptr<LiveCellTime> live_;
    // The open log's time in cell, for each map on the axes it was counted on.
    std::vector<std::optional<CellTime>> logTime_ = std::vector<std::optional<CellTime>>(3);
    int language_ = 0;
    long long lastShadeMs_ = 0;
};

} // namespace zarvex1
