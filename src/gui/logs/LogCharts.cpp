#include "gui/logs/LogCharts.h"

#include <QKeyEvent>
#include <QVBoxLayout>
#include <qcustomplot.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace zarvex1 {

namespace {

constexpr double Nan = std::numeric_limits<double>::quiet_NaN();

const QColor LineColours[] = {QColor(0, 90, 200), QColor(200, 60, 0), QColor(0, 140, 60),
                              QColor(140, 0, 160)};
const QColor FlagColours[] = {QColor(200, 40, 40), QColor(230, 120, 0), QColor(0, 120, 200),
                              QColor(0, 150, 80), QColor(130, 60, 170)};
const QColor ModelColour(90, 90, 90);

double Seconds(long long ms) {
    return static_cast<double>(ms) / 1000.0;
}

// Whether the log holds rows on which the load is the throttle (false) or the intake pressure (true).
bool HasLoadRows(const MonitorLog &log, bool iap) {
    const std::span<const int> isIap = log.values("loadIsIap");
    for (int row = 0; row < log.rowCount(); ++row)
        if (!log.isGap(row) && (!isIap.empty() && isIap[row] != 0) == iap)
            return true;
    return false;
}

bool Drawn(const MonitorLog &log, std::string_view field) {
    if (log.values(field).empty())
        return false;
    if (field == "throttle")
        return HasLoadRows(log, false);
    if (field == "pressure")
        return HasLoadRows(log, true);
    return true;
}

// The value axis spans every graph of the chart, with a little room above and below.
void FitValues(QCPAxisRect *rect) {
    QCPRange shown(0, 1);
    bool any = false;
    for (const QCPGraph *graph : rect->graphs()) {
        bool found = false;
        const QCPRange values = graph->getValueRange(found);
        if (!found)
            continue;
        if (any)
            shown.expand(values);
        else
            shown = values;
        any = true;
    }
    if (shown.size() <= 0)
        shown = QCPRange(shown.lower - 1, shown.upper + 1);
    // Room at the top for the chart's name.
    rect->axis(QCPAxis::atLeft)
        ->setRange(shown.lower - shown.size() * 0.05, shown.upper + shown.size() * 0.3);
}

} // namespace

LogCharts::LogCharts(QWidget *parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    plot_ = new QCustomPlot(this);
    plot_->setObjectName(QStringLiteral("LogChartsPlot"));
    plot_->setFocusPolicy(Qt::NoFocus);
    plot_->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    plot_->setNoAntialiasingOnDrag(true);
    // Each chart with more than one curve has a legend of its own.
    plot_->setAutoAddPlottableToLegend(false);
    plot_->plotLayout()->clear();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(plot_);
    connect(plot_, &QCustomPlot::mousePress, this, &LogCharts::Pressed);
    connect(plot_, &QCustomPlot::mouseRelease, this, &LogCharts::Released);
}

void LogCharts::Show(const MonitorLog *log, std::vector<const LogChannel *> channels, int languageIndex) {
    log_ = log;
    channels_ = std::move(channels);
    language_ = languageIndex;
    Build();
    if (log_ && log_->rowCount() > 0)
        SetTimeRange(Seconds(log_->timeMs(0)), Seconds(std::max(log_->timeMs(log_->rowCount() - 1), 1LL)));
    PlaceCursor();
    plot_->replot();
}

void LogCharts::SetReplay(const std::vector<std::optional<ReplayValues>> *replay, const QString &modelName) {
    replay_ = replay;
    modelName_ = modelName;
    const double from = timeFrom(), to = timeTo();
    Build();
    SetTimeRange(from, to);
    PlaceCursor();
    plot_->replot();
}

void LogCharts::Build() {
    plot_->clearItems();
    plot_->clearPlottables();
    plot_->plotLayout()->clear();
    rects_.clear();
    cursorLines_.clear();
    if (!log_)
        return;
    auto *margins = new QCPMarginGroup(plot_);
    for (const LogChannel *channel : channels_) {
        auto *rect = new QCPAxisRect(plot_);
        plot_->plotLayout()->addElement(static_cast<int>(rects_.size()), 0, rect);
        rect->setMarginGroup(QCP::msLeft | QCP::msRight, margins);
        rect->setRangeDrag(Qt::Horizontal);
        rect->setRangeZoom(Qt::Horizontal);
        rect->setMinimumSize(0, 40);
        QCPAxis *time = rect->axis(QCPAxis::atBottom);
        time->setTickLabels(false);
        rect->axis(QCPAxis::atLeft)->ticker()->setTickCount(3);
        if (channel->kind == ChartKind::Flags) {
            const int lanes = AddFlags(rect, *channel);
            rect->setMinimumSize(0, 24 + 11 * lanes);
            plot_->plotLayout()->setRowStretchFactor(static_cast<int>(rects_.size()),
                                                     std::max(1.0, lanes / 4.0));
        } else {
            AddLines(rect, *channel);
            AddModel(rect, *channel);
            if (rect->graphs().size() > 1)
                AddLegend(rect);
        }
        AddTitle(rect, QString::fromUtf8(ChannelCaption(*channel, language_)));
        connect(time, qOverload<const QCPRange &>(&QCPAxis::rangeChanged), this,
                [this, time](const QCPRange &) { TimeRangeChanged(time); });
        auto *line = new QCPItemStraightLine(plot_);
        line->setClipAxisRect(rect);
        line->setPen(QPen(QColor(220, 0, 0), 1));
        for (QCPItemPosition *point : {line->point1, line->point2})
            point->setAxes(time, rect->axis(QCPAxis::atLeft));
        cursorLines_.push_back(line);
        rects_.push_back(rect);
    }
    if (!rects_.empty()) {
        QCPAxis *time = rects_.back()->axis(QCPAxis::atBottom);
        time->setTickLabels(true);
        time->setLabel(QStringLiteral("s"));
    }
}

void LogCharts::AddLines(QCPAxisRect *rect, const LogChannel &channel) {
    int colour = 0;
    for (const std::string_view id : channel.fields) {
        const MonitorField *field = FindMonitorField(id);
        if (!field || !Drawn(*log_, id))
            continue;
        const std::span<const int> values = log_->values(id);
        QVector<double> keys(log_->rowCount()), points(log_->rowCount());
        for (int row = 0; row < log_->rowCount(); ++row) {
            keys[row] = Seconds(log_->timeMs(row));
            points[row] = log_->isGap(row) ? Nan : FieldUnits(*field, values[row]);
        }
        QCPGraph *graph = plot_->addGraph(rect->axis(QCPAxis::atBottom), rect->axis(QCPAxis::atLeft));
        graph->setName(QString::fromStdString(FieldCaption(id, language_)));
        graph->setPen(QPen(LineColours[colour++ % std::size(LineColours)], 1));
        if (id == "gear")
            graph->setLineStyle(QCPGraph::lsStepLeft);
        graph->setData(keys, points, true);
    }
    FitValues(rect);
}

void LogCharts::AddModel(QCPAxisRect *rect, const LogChannel &channel) {
    if (!replay_ || replay_->size() != static_cast<std::size_t>(log_->rowCount()))
        return;
    int ReplayValues::*member = nullptr;
    if (channel.id == "advance1")
        member = &ReplayValues::advance1;
    else if (channel.id == "advance2")
        member = &ReplayValues::advance2;
    else if (channel.id == "servo")
        member = &ReplayValues::servoMv;
    else
        return;
    QVector<double> keys(log_->rowCount()), points(log_->rowCount());
    for (int row = 0; row < log_->rowCount(); ++row) {
        keys[row] = Seconds(log_->timeMs(row));
        const std::optional<ReplayValues> &value = (*replay_)[row];
        points[row] = value ? static_cast<double>((*value).*member) : Nan;
    }
    QCPGraph *graph = plot_->addGraph(rect->axis(QCPAxis::atBottom), rect->axis(QCPAxis::atLeft));
    graph->setName(modelName_);
    graph->setPen(QPen(ModelColour, 1, Qt::DashLine));
    graph->setData(keys, points, true);
    FitValues(rect);
}

// The chart's name in its top left corner, over the curves.
void LogCharts::AddTitle(QCPAxisRect *rect, const QString &title) {
    auto *text = new QCPItemText(plot_);
    text->setClipAxisRect(rect);
    text->position->setType(QCPItemPosition::ptAxisRectRatio);
    text->position->setAxisRect(rect);
    text->position->setCoords(0.0, 0.0);
    text->setPositionAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setText(title);
    text->setPadding(QMargins(3, 1, 3, 1));
    text->setBrush(QColor(255, 255, 255, 210));
    QFont bold = text->font();
    bold.setBold(true);
    text->setFont(bold);
}

// The names of a chart's curves in its top right corner.
void LogCharts::AddLegend(QCPAxisRect *rect) {
    auto *legend = new QCPLegend;
    rect->insetLayout()->addElement(legend, Qt::AlignTop | Qt::AlignRight);
    legend->setLayer(QStringLiteral("legend"));
    legend->setBrush(QColor(255, 255, 255, 210));
    legend->setRowSpacing(0);
    legend->setMargins(QMargins(4, 1, 4, 1));
    for (QCPGraph *graph : rect->graphs())
        graph->addToLegend(legend);
}

// Each flag that is ever set a lane of its own: a thick line wherever it is set, up to the next row.
// Returns the number of lanes.
int LogCharts::AddFlags(QCPAxisRect *rect, const LogChannel &channel) {
    QSharedPointer<QCPAxisTickerText> ticker(new QCPAxisTickerText);
    int lane = 0;
    for (const std::string_view id : channel.fields) {
        const std::span<const int> values = log_->values(id);
        if (std::find(values.begin(), values.end(), 1) == values.end())
            continue;
        QVector<double> keys, points;
        for (int row = 0; row < log_->rowCount(); ++row) {
            if (log_->isGap(row) || values[row] == 0)
                continue;
            const int start = row;
            while (row + 1 < log_->rowCount() && !log_->isGap(row + 1) && values[row + 1] != 0)
                ++row;
            const long long end = row + 1 < log_->rowCount() ? log_->timeMs(row + 1) : log_->timeMs(row) + 55;
            keys << Seconds(log_->timeMs(start)) << Seconds(end) << Seconds(end);
            points << lane << lane << Nan;
        }
        QCPGraph *graph = plot_->addGraph(rect->axis(QCPAxis::atBottom), rect->axis(QCPAxis::atLeft));
        const QString name = QString::fromStdString(FieldCaption(id, language_));
        graph->setName(name);
        graph->setPen(QPen(FlagColours[lane % std::size(FlagColours)], 5, Qt::SolidLine, Qt::FlatCap));
        graph->setAdaptiveSampling(false);
        graph->setData(keys, points, true);
        ticker->addTick(lane, name);
        ++lane;
    }
    QCPAxis *values = rect->axis(QCPAxis::atLeft);
    values->setTicker(ticker);
    values->setRange(-1.8, std::max(lane, 1) - 0.3);
    values->setRangeReversed(true);
    values->setSubTicks(false);
    values->setTickLength(0, 2);
    return lane;
}

double LogCharts::timeFrom() const {
    return rects_.empty() ? 0.0 : rects_.front()->axis(QCPAxis::atBottom)->range().lower;
}

double LogCharts::timeTo() const {
    return rects_.empty() ? 1.0 : rects_.front()->axis(QCPAxis::atBottom)->range().upper;
}

void LogCharts::SetTimeRange(double from, double to) {
    if (rects_.empty())
        return;
    rects_.front()->axis(QCPAxis::atBottom)->setRange(from, to);
    plot_->replot(QCustomPlot::rpQueuedReplot);
}

void LogCharts::TimeRangeChanged(QCPAxis *source) {
    if (syncing_)
        return;
    syncing_ = true;
    for (QCPAxisRect *rect : rects_)
        if (QCPAxis *time = rect->axis(QCPAxis::atBottom); time != source)
            time->setRange(source->range());
    syncing_ = false;
}

void LogCharts::SetCursorMs(long long ms) {
    if (log_ && log_->rowCount() > 0)
        ms = std::clamp(ms, log_->timeMs(0), log_->timeMs(log_->rowCount() - 1));
    cursorMs_ = ms;
    PlaceCursor();
    plot_->replot(QCustomPlot::rpQueuedReplot);
    emit cursorMoved(ms);
}

void LogCharts::PlaceCursor() {
    const double t = Seconds(cursorMs_);
    for (QCPItemStraightLine *line : cursorLines_) {
        line->point1->setCoords(t, 0);
        line->point2->setCoords(t, 1);
    }
}

void LogCharts::Pressed(QMouseEvent *event) {
    pressedAt_ = event->pos();
    setFocus(Qt::MouseFocusReason);
}

// A click without a drag puts the cursor there.
void LogCharts::Released(QMouseEvent *event) {
    if (rects_.empty() || event->button() != Qt::LeftButton ||
        (event->pos() - pressedAt_).manhattanLength() > 3)
        return;
    const double t = rects_.front()->axis(QCPAxis::atBottom)->pixelToCoord(event->pos().x());
    SetCursorMs(std::llround(t * 1000.0));
}

void LogCharts::keyPressEvent(QKeyEvent *event) {
    if (!log_ || log_->rowCount() == 0)
        return QWidget::keyPressEvent(event);
    const int row = RowAt(*log_, cursorMs_);
    int to = row;
    switch (event->key()) {
    case Qt::Key_Left:
        to = std::max(0, row - 1);
        break;
    case Qt::Key_Right:
        to = std::min(log_->rowCount() - 1, row + 1);
        break;
    case Qt::Key_Home:
        to = 0;
        break;
    case Qt::Key_End:
        to = log_->rowCount() - 1;
        break;
    default:
        return QWidget::keyPressEvent(event);
    }
    SetCursorMs(log_->timeMs(to));
    // Keep the cursor in view.
    const double t = Seconds(cursorMs_), from = timeFrom(), to2 = timeTo();
    if (t < from || t > to2)
        SetTimeRange(t - (to2 - from) / 2, t + (to2 - from) / 2);
}

} // namespace zarvex1
