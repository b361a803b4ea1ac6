#pragma once

#include "core/logs/LogChannels.h"
#include "core/logs/Replay.h"

#include <QWidget>

#include <optional>
#include <vector>

class QCPAxis;
class QCPAxisRect;
class QCPItemStraightLine;
class QCustomPlot;
class QMouseEvent;

namespace zarvex1 {

// The log's strip charts: one chart a channel, stacked on one time axis (the bottom one carries the
// labels). The wheel zooms the time, a drag pans it, a click puts the cursor there; the arrow keys move
// the cursor by a row, Home and End to the ends. The drawing is QCustomPlot's.
class LogCharts : public QWidget {
    Q_OBJECT
public:
    explicit LogCharts(QWidget *parent = nullptr);

    // The log and the channels it is drawn in; the time range shows the whole log.
    void Show(const MonitorLog *log, std::vector<const LogChannel *> channels, int languageIndex);
    // The model's values along the log, drawn beside the unit's (none: taken away).
    void SetReplay(const std::vector<std::optional<ReplayValues>> *replay, const QString &modelName);

    void SetCursorMs(long long ms);
    long long cursorMs() const { return cursorMs_; }
    // The time shown, in seconds.
    void SetTimeRange(double from, double to);
    double timeFrom() const;
    double timeTo() const;
    QCustomPlot *plot() const { return plot_; }
    int chartCount() const { return static_cast<int>(rects_.size()); }

signals:
    void cursorMoved(long long ms);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Build();
    void AddLines(QCPAxisRect *rect, const LogChannel &channel);
    int AddFlags(QCPAxisRect *rect, const LogChannel &channel);
    void AddTitle(QCPAxisRect *rect, const QString &title);
    void AddLegend(QCPAxisRect *rect);
    void AddModel(QCPAxisRect *rect, const LogChannel &channel);
    void TimeRangeChanged(QCPAxis *source);
    void Pressed(QMouseEvent *event);
    void Released(QMouseEvent *event);
    void PlaceCursor();

    QCustomPlot *plot_ = nullptr;
    const MonitorLog *log_ = nullptr;
    std::vector<const LogChannel *> channels_;
    const std::vector<std::optional<ReplayValues>> *replay_ = nullptr;
    QString modelName_;
    int language_ = 0;
    std::vector<QCPAxisRect *> rects_;
    std::vector<QCPItemStraightLine *> cursorLines_;
    long long cursorMs_ = 0;
    bool syncing_ = false;
    QPoint pressedAt_;
};

} // namespace zarvex1
