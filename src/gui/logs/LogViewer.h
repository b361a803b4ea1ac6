#pragma once

#include "core/logs/LogChannels.h"
#include "core/logs/Replay.h"

#include <QFutureWatcher>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <memory>
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
// set: the model's advance and servo value beside the unit's, and the cells in which that set differs
// from the set the unit held while the log was recorded, by the time the engine spent in them.
class LogViewer : public QWidget {
    Q_OBJECT
public:
    // screenSet: the set on the screen, which stands for the set the unit held where the log names none
    // or one not found among the restore points.
    LogViewer(std::filesystem::path settingsFile, std::filesystem::path restorePointFolder,
              std::function<ParameterImage()> screenSet, QWidget *parent = nullptr);
    ~LogViewer() override;

    // Opens a log; false, with the reader's reason, when it cannot be read (the open log stays).
    bool Open(const std::filesystem::path &path, std::string &error);
    const MonitorLog *log() const { return log_.get(); }
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

    // Replays the log under another set (named by its file): the model's values along the log at once,
    // and the cells in which it differs from the set the unit held at each row once that set is found
    // (on a worker: the restore points may be many). False when the set's maps follow another load
    // sensor than the one recorded.
    bool Replay(const ParameterImage &other, const QString &name);
    bool replayed() const { return !replay_.empty(); }
    // Waits for the search of the sets the unit held and shows the cells that differ.
    void FinishComparison();
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

    // What the worker finds: the cells that differ, and how many rows stand under the screen's set.
    struct Comparison {
        std::vector<CellDifference> differences;
        int fallbackRows = 0;
        int rows = 0; // that are no gap
    };
    void TakeComparison(const Comparison &comparison);
    // The line that says what the cells were compared with.
    QString ComparedWith() const;

    std::filesystem::path settingsFile_;
    std::filesystem::path restorePointFolder_;
    std::function<ParameterImage()> screenSet_;
    std::shared_ptr<const MonitorLog> log_; // shared with the worker that compares it
    std::filesystem::path path_;
    int language_ = 0;
    std::vector<std::optional<ReplayValues>> replay_;
    std::vector<CellDifference> differences_;
    std::optional<ParameterImage> other_; // the set replayed, whose axes the cells are counted on
    QFutureWatcher<Comparison> comparing_;
    std::optional<Comparison> compared_; // nothing while the worker searches
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
    QLabel *labelComparedWith_ = nullptr;
    QTreeWidget *differencesTree_ = nullptr;
    bool filling_ = false;
};

} // namespace zarvex1
