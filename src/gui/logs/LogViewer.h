#pragma once

#include "core/logs/LogChannels.h"
#include "core/logs/Replay.h"

#include <QWidget>

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace zarvex1 {

class LogCharts;

// File > Open log: the log's strip charts, the values at the cursor, the channels the user chose and
// their order (kept in the viewer's settings file), and the replay of the log under another parameter
// set: the model's advance and servo value beside the unit's, and the cells in which the sets differ by
// the time the engine spent in them.
class LogViewer : public QWidget {
    Q_OBJECT
public:
    // screenSet: the set on the screen, against which the replay lists the cells that differ.
    LogViewer(std::filesystem::path settingsFile, std::filesystem::path restorePointFolder,
              std::function<ParameterImage()> screenSet, QWidget *parent = nullptr);
    ~LogViewer() override;

    // Opens a log; false, with the reader's reason, when it cannot be read (the open log stays).
    bool Open(const std::filesystem::path &path, std::string &error);
    const MonitorLog *log() const { return log_ ? &*log_ : nullptr; }
    void ApplyLanguage(int languageIndex);

    // The cursor and what it shows: the value of a field at the cursor, as written in the panel.
    void SetCursorMs(long long ms);
    long long cursorMs() const;
    int cursorRow() const;
    QString CursorValue(std::string_view fieldId) const;

    // The channels shown, in order.
    std::vector<const LogChannel *> Channels() const;
    void SetChannels(const std::vector<const LogChannel *> &channels);
    LogCharts *charts() const { return charts_; }

    // Replays the log under another set (named by its file): the model's values along the log, and the
    // cells in which it differs from the set on the screen. False when the set's maps follow another
    // load sensor than the one recorded.
    bool Replay(const ParameterImage &other, const QString &name);
    bool replayed() const { return !replay_.empty(); }
    const std::vector<CellDifference> &differences() const { return differences_; }

signals:
    // The cursor moved, or a log was opened or closed: the maps ring its operating point.
    void cursorMoved();

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void BuildChannelList();
    void ChannelsEdited();
    void MoveChannel(int step);
    void ShowCursorValues();
    void ChooseReplaySet(bool restorePoint);
    void FillDifferences();
    void ApplyTexts();

    std::filesystem::path settingsFile_;
    std::filesystem::path restorePointFolder_;
    std::function<ParameterImage()> screenSet_;
    std::optional<MonitorLog> log_;
    std::filesystem::path path_;
    int language_ = 0;
    std::vector<std::optional<ReplayValues>> replay_;
    std::vector<CellDifference> differences_;
    QString modelName_;

    LogCharts *charts_ = nullptr;
    QLabel *labelValues_ = nullptr;
    QTreeWidget *values_ = nullptr;
    QLabel *labelChannels_ = nullptr;
    QListWidget *channels_ = nullptr;
    QPushButton *up_ = nullptr;
    QPushButton *down_ = nullptr;
    QPushButton *replayFile_ = nullptr;
    QPushButton *replayPoint_ = nullptr;
    QLabel *labelModel_ = nullptr;
    QLabel *labelDifferences_ = nullptr;
    QTreeWidget *differencesTree_ = nullptr;
    bool filling_ = false;
};

} // namespace zarvex1
