#include "gui/logs/LogViewer.h"

#include "core/logs/RecordedSets.h"
#include "core/safety/RestorePoints.h"
#include "core/texts/MessageTexts.h"
#include "gui/logs/LogCharts.h"
#include "gui/widgets/Dialogs.h"

#include <QBoxLayout>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QTreeWidget>
#include <QtConcurrent/QtConcurrentRun>

#include <array>

namespace zarvex1 {

namespace {

struct ViewerTexts {
    const char *title;    // %1 the log's file name
    const char *values;   // the cursor's panel
    const char *time;     // its first row
    const char *channels; // the channel list
    const char *up;
    const char *down;
    const char *replayFile;  // replay under a parameter file
    const char *replayPoint; // replay under a restore point
    const char *noModel;
    const char *model;       // %1 the set's file name
    const char *otherSensor; // the set's maps follow another load sensor
    const char *unreadable;  // the set cannot be read
    const char *differences;
    const char *searching;               // while the sets the unit held are looked for
    const char *recorded;                // every row compared with the set the unit held
    const char *fallback;                // %1 of %2 rows compared with the set on the screen
    std::array<const char *, 6> columns; // the time second: a narrow panel cuts the last columns first
    std::array<const char *, 3> maps;
    const char *charts; // the charts' accessible name
};

// English, German, Czech.
const std::array<ViewerTexts, 3> Texts = {{
    {"Log – %1",
     "Values at the cursor",
     "time [s]",
     "Channels",
     "Up",
     "Down",
     "Replay under a file…",
     "Replay under a restore point…",
     "No replay",
     "Model values of %1",
     "The set's maps follow another load sensor than the one recorded: it is not replayed.",
     "The parameter set cannot be read.",
     "Cells that differ, by time spent in them",
     "Looking for the set the unit held…",
     "Compared with the set the unit held at each row.",
     "%1 of %2 rows name no set found here: they are compared with the set on the screen.",
     {"Map", "Time [s]", "Speed", "Load", "Unit", "Other"},
     {"Advance 1", "Advance 2", "Servo"},
     "Strip charts"},
    {"Protokoll – %1",
     "Werte am Cursor",
     "Zeit [s]",
     "Kanäle",
     "Nach oben",
     "Nach unten",
     "Mit Datei nachspielen…",
     "Mit Sicherungspunkt nachspielen…",
     "Kein Nachspielen",
     "Modellwerte von %1",
     "Die Kennfelder des Satzes folgen einem anderen Lastsensor als dem aufgezeichneten: er wird nicht "
     "nachgespielt.",
     "Der Parametersatz kann nicht gelesen werden.",
     "Abweichende Zellen nach Verweildauer",
     "Suche nach dem Satz, den die Zündung hatte…",
     "Verglichen mit dem Satz, den die Zündung in jeder Zeile hatte.",
     "%1 von %2 Zeilen nennen keinen hier gefundenen Satz: sie werden mit dem Satz auf dem Bildschirm "
     "verglichen.",
     {"Kennfeld", "Zeit [s]", "Drehzahl", "Last", "Zündung", "Anderer"},
     {"Vorzündung 1", "Vorzündung 2", "Servo"},
     "Streifendiagramme"},
    {"Záznam – %1",
     "Hodnoty na kurzoru",
     "čas [s]",
     "Kanály",
     "Nahoru",
     "Dolů",
     "Přehrát se souborem…",
     "Přehrát s bodem obnovení…",
     "Bez přehrání",
     "Hodnoty modelu pro %1",
     "Mapy sady sledují jiný snímač zatížení než zaznamenaný: sada se nepřehraje.",
     "Sadu parametrů nelze načíst.",
     "Odlišné buňky podle doby strávené v nich",
     "Hledání sady, kterou zapalování mělo…",
     "Porovnáno se sadou, kterou zapalování mělo v každém řádku.",
     "%1 z %2 řádků neuvádí žádnou zde nalezenou sadu: porovnávají se se sadou na obrazovce.",
     {"Mapa", "Čas [s]", "Otáčky", "Zatížení", "Zapalování", "Jiná"},
     {"Předstih 1", "Předstih 2", "Servo"},
     "Průběhy"},
}};

const ViewerTexts &TextsOf(int language) {
    return Texts[language == Language::German ? 1 : language == Language::Czech ? 2 : 0];
}

QString Tr(const char *text) {
    return QString::fromUtf8(text);
}

const QString ChannelsKey = QStringLiteral("LogViewer/Channels");

void Caption(QLabel *label, QWidget *buddy, const QString &text) {
    label->setText(text);
    label->setBuddy(buddy);
    buddy->setAccessibleName(text);
}

void Caption(QPushButton *button, const QString &text) {
    button->setText(text);
    button->setAccessibleName(text);
}

} // namespace

LogViewer::LogViewer(std::filesystem::path settingsFile, std::filesystem::path restorePointFolder,
                     std::function<ParameterImage()> screenSet, QWidget *parent)
    : QWidget(parent, Qt::Window), settingsFile_(std::move(settingsFile)),
      restorePointFolder_(std::move(restorePointFolder)), screenSet_(std::move(screenSet)) {
    setObjectName(QStringLiteral("LogViewer"));
    charts_ = new LogCharts(this);
    charts_->setObjectName(QStringLiteral("LogCharts"));

    auto *side = new QWidget(this);
    auto *column = new QVBoxLayout(side);
    labelValues_ = new QLabel(side);
    values_ = new QTreeWidget(side);
    values_->setObjectName(QStringLiteral("TreeCursorValues"));
    values_->setColumnCount(2);
    values_->setHeaderHidden(true);
    values_->setRootIsDecorated(false);
    // The names take what the values leave: no scroll bar for a long name.
    values_->header()->setStretchLastSection(false);
    values_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    values_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    labelChannels_ = new QLabel(side);
    channels_ = new QListWidget(side);
    channels_->setObjectName(QStringLiteral("ListChannels"));
    channels_->setDragDropMode(QAbstractItemView::InternalMove);
    up_ = new QPushButton(side);
    up_->setObjectName(QStringLiteral("ButtonChannelUp"));
    down_ = new QPushButton(side);
    down_->setObjectName(QStringLiteral("ButtonChannelDown"));
    auto *moves = new QHBoxLayout;
    moves->addWidget(up_);
    moves->addWidget(down_);
    replayFile_ = new QPushButton(side);
    replayFile_->setObjectName(QStringLiteral("ButtonReplayFile"));
    replayPoint_ = new QPushButton(side);
    replayPoint_->setObjectName(QStringLiteral("ButtonReplayRestorePoint"));
    labelModel_ = new QLabel(side);
    labelModel_->setWordWrap(true);
    labelDifferences_ = new QLabel(side);
    labelDifferences_->setWordWrap(true);
    labelComparedWith_ = new QLabel(side);
    labelComparedWith_->setObjectName(QStringLiteral("LabelComparedWith"));
    labelComparedWith_->setWordWrap(true);
    differencesTree_ = new QTreeWidget(side);
    differencesTree_->setObjectName(QStringLiteral("TreeDifferingCells"));
    differencesTree_->setRootIsDecorated(false);
    differencesTree_->setColumnCount(6);
    // Each column as wide as its texts: the panel holds them all without a scroll bar.
    differencesTree_->header()->setStretchLastSection(false);
    differencesTree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    column->addWidget(labelValues_);
    column->addWidget(values_, 3);
    column->addWidget(labelChannels_);
    column->addWidget(channels_, 2);
    column->addLayout(moves);
    column->addWidget(replayFile_);
    column->addWidget(replayPoint_);
    column->addWidget(labelModel_);
    column->addWidget(labelDifferences_);
    column->addWidget(labelComparedWith_);
    column->addWidget(differencesTree_, 2);

    auto *splitter = new QSplitter(this);
    splitter->addWidget(charts_);
    splitter->addWidget(side);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);
    resize(1100, 720);
    splitter->setSizes({680, 420});

    connect(charts_, &LogCharts::cursorMoved, this, [this] {
        ShowCursorValues();
        emit cursorMoved();
    });
    connect(channels_, &QListWidget::itemChanged, this, [this] { ChannelsEdited(); });
    connect(channels_->model(), &QAbstractItemModel::rowsMoved, this, [this] { ChannelsEdited(); });
    connect(up_, &QPushButton::clicked, this, [this] { MoveChannel(-1); });
    connect(down_, &QPushButton::clicked, this, [this] { MoveChannel(1); });
    connect(replayFile_, &QPushButton::clicked, this, [this] { ChooseReplaySet(false); });
    connect(replayPoint_, &QPushButton::clicked, this, [this] { ChooseReplaySet(true); });
    // A comparison that ends after another log was opened is dropped.
    connect(&comparing_, &QFutureWatcher<Comparison>::finished, this, [this] {
        if (replayed() && !compared_)
            TakeComparison(comparing_.result());
    });

    BuildChannelList();
    ApplyTexts();
}

LogViewer::~LogViewer() = default;

// A closed viewer rings nothing on the maps.
void LogViewer::hideEvent(QHideEvent *event) {
    QWidget::hideEvent(event);
    emit cursorMoved();
}

// The list holds every channel: the chosen ones ticked and first, in their order.
void LogViewer::BuildChannelList() {
    const QSettings settings(QString::fromStdString(settingsFile_.string()), QSettings::IniFormat);
    const std::vector<const LogChannel *> chosen =
        ChannelsFromText(settings.value(ChannelsKey).toString().toStdString());
    std::vector<const LogChannel *> all = chosen;
    for (const LogChannel &channel : LogChannels())
        if (std::find(all.begin(), all.end(), &channel) == all.end())
            all.push_back(&channel);
    filling_ = true;
    channels_->clear();
    for (const LogChannel *channel : all) {
        auto *item = new QListWidgetItem(channels_);
        item->setData(Qt::UserRole, QString::fromUtf8(channel->id.data(), int(channel->id.size())));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
                       Qt::ItemIsDragEnabled);
        const bool on = std::find(chosen.begin(), chosen.end(), channel) != chosen.end();
        item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
    filling_ = false;
}

std::vector<const LogChannel *> LogViewer::Channels() const {
    std::vector<const LogChannel *> chosen;
    for (int i = 0; i < channels_->count(); ++i)
        if (const QListWidgetItem *item = channels_->item(i); item->checkState() == Qt::Checked)
            if (const LogChannel *channel = FindLogChannel(item->data(Qt::UserRole).toString().toStdString()))
                chosen.push_back(channel);
    return chosen;
}

void LogViewer::SetChannels(const std::vector<const LogChannel *> &channels) {
    QSettings settings(QString::fromStdString(settingsFile_.string()), QSettings::IniFormat);
    // No channel at all is kept as such, not as "every channel".
    settings.setValue(ChannelsKey, channels.empty() ? QStringLiteral(",")
                                                    : QString::fromStdString(ChannelsToText(channels)));
    settings.sync();
    BuildChannelList();
    ApplyTexts();
    charts_->Show(log(), Channels(), language_);
}

void LogViewer::ChannelsEdited() {
    if (filling_)
        return;
    const std::vector<const LogChannel *> chosen = Channels();
    QSettings settings(QString::fromStdString(settingsFile_.string()), QSettings::IniFormat);
    settings.setValue(ChannelsKey,
                      chosen.empty() ? QStringLiteral(",") : QString::fromStdString(ChannelsToText(chosen)));
    const double from = charts_->timeFrom(), to = charts_->timeTo();
    charts_->Show(log(), chosen, language_);
    if (log())
        charts_->SetTimeRange(from, to);
}

void LogViewer::MoveChannel(int step) {
    const int row = channels_->currentRow();
    const int to = row + step;
    if (row < 0 || to < 0 || to >= channels_->count())
        return;
    filling_ = true;
    QListWidgetItem *item = channels_->takeItem(row);
    channels_->insertItem(to, item);
    channels_->setCurrentRow(to);
    filling_ = false;
    ChannelsEdited();
}

bool LogViewer::Open(const std::filesystem::path &path, std::string &error) {
    LogReadResult read = ReadMonitorLogFile(path);
    if (!read.log) {
        error = read.error;
        return false;
    }
    path_ = path;
    replay_.clear();
    differences_.clear();
    other_.reset();
    compared_.reset();
    modelName_.clear();
    // The charts let go of the log before it goes.
    charts_->Show(nullptr, Channels(), language_);
    charts_->SetReplay(nullptr, QString());
    log_ = std::make_shared<const MonitorLog>(std::move(*read.log));
    charts_->Show(log(), Channels(), language_);
    FillDifferences();
    ApplyTexts();
    charts_->SetCursorMs(log_->rowCount() > 0 ? log_->timeMs(0) : 0);
    return true;
}

void LogViewer::ApplyLanguage(int languageIndex) {
    language_ = languageIndex;
    ApplyTexts();
    const double from = charts_->timeFrom(), to = charts_->timeTo();
    charts_->SetReplay(replay_.empty() ? nullptr : &replay_, modelName_);
    charts_->Show(log(), Channels(), language_);
    if (log())
        charts_->SetTimeRange(from, to);
    ShowCursorValues();
    FillDifferences();
}

void LogViewer::ApplyTexts() {
    const ViewerTexts &t = TextsOf(language_);
    setWindowTitle(Tr(t.title).arg(path_.empty() ? QString() : QFileInfo(path_).fileName()));
    charts_->setAccessibleName(Tr(t.charts));
    Caption(labelValues_, values_, Tr(t.values));
    Caption(labelChannels_, channels_, Tr(t.channels));
    Caption(labelDifferences_, differencesTree_, Tr(t.differences));
    Caption(up_, Tr(t.up));
    Caption(down_, Tr(t.down));
    Caption(replayFile_, Tr(t.replayFile));
    Caption(replayPoint_, Tr(t.replayPoint));
    labelModel_->setText(modelName_.isEmpty() ? Tr(t.noModel) : Tr(t.model).arg(modelName_));
    labelComparedWith_->setText(ComparedWith());
    labelComparedWith_->setVisible(replayed());
    QStringList headers;
    for (const char *header : t.columns)
        headers << Tr(header);
    differencesTree_->setHeaderLabels(headers);
    filling_ = true;
    for (int i = 0; i < channels_->count(); ++i) {
        QListWidgetItem *item = channels_->item(i);
        if (const LogChannel *channel = FindLogChannel(item->data(Qt::UserRole).toString().toStdString()))
            item->setText(QString::fromUtf8(ChannelCaption(*channel, language_).data(),
                                            int(ChannelCaption(*channel, language_).size())));
    }
    filling_ = false;
}

void LogViewer::SetCursorMs(long long ms) {
    charts_->SetCursorMs(ms);
}

long long LogViewer::cursorMs() const {
    return charts_->cursorMs();
}

int LogViewer::cursorRow() const {
    return log_ ? RowAt(*log_, charts_->cursorMs()) : -1;
}

QString LogViewer::CursorValue(std::string_view fieldId) const {
    const int row = cursorRow();
    const MonitorField *field = FindMonitorField(fieldId);
    if (row < 0 || !field || log_->isGap(row) || log_->values(fieldId).empty())
        return QString();
    return QString::fromStdString(FormatFieldValue(*field, log_->values(fieldId)[row]));
}

// Every field of the charts shown, at the cursor's row; a gap row shows the time alone.
void LogViewer::ShowCursorValues() {
    values_->clear();
    const int row = cursorRow();
    if (row < 0)
        return;
    const ViewerTexts &t = TextsOf(language_);
    auto add = [this](const QString &name, const QString &value) {
        new QTreeWidgetItem(values_, {name, value});
    };
    add(Tr(t.time), QString::fromStdString(LogSeconds(log_->timeMs(row))));
    for (const LogChannel *channel : Channels())
        for (const std::string_view id : channel->fields)
            if (!log_->values(id).empty())
                add(QString::fromStdString(FieldCaption(id, language_)), CursorValue(id));
    if (!replay_.empty() && replay_[row]) {
        const QString model = Tr(t.model).arg(modelName_) + QStringLiteral(": ");
        add(model + Tr(t.maps[0]), QString::number(replay_[row]->advance1));
        add(model + Tr(t.maps[1]), QString::number(replay_[row]->advance2));
        add(model + Tr(t.maps[2]), QString::number(replay_[row]->servoMv));
    }
}

void LogViewer::ChooseReplaySet(bool restorePoint) {
    const QString start = restorePoint ? QString::fromStdString(restorePointFolder_.string()) : QString();
    const QString path = Dialogs::OpenFileName(this, start, QStringLiteral("*.ign"));
    if (path.isEmpty())
        return;
    const std::optional<ParameterImage> set = RestorePointStore::ReadBack(path.toStdString());
    if (!set) {
        Dialogs::Message(this, Tr(TextsOf(language_).unreadable));
        return;
    }
    if (!Replay(*set, QFileInfo(path).fileName()))
        Dialogs::Message(this, Tr(TextsOf(language_).otherSensor));
}

bool LogViewer::Replay(const ParameterImage &other, const QString &name) {
    if (!log_)
        return false;
    std::vector<std::optional<ReplayValues>> replay = ReplayLog(*log_, other);
    const bool any =
        std::any_of(replay.begin(), replay.end(), [](const auto &value) { return value.has_value(); });
    if (!any && log_->rowCount() > 0)
        return false;
    replay_ = std::move(replay);
    modelName_ = name;
    other_ = other;
    differences_.clear();
    compared_.reset();
    // Reading a thousand restore points and counting an hour's rows take longer than a frame.
    comparing_.setFuture(QtConcurrent::run([log = log_, screen = screenSet_ ? screenSet_() : ParameterImage(),
                                            other, folder = restorePointFolder_] {
        const RecordedSets recorded(*log, screen, RestorePointCandidates(folder));
        Comparison comparison;
        comparison.differences = DifferingCells(*log, recorded, other);
        comparison.fallbackRows = recorded.fallbackRows();
        for (int row = 0; row < log->rowCount(); ++row)
            comparison.rows += log->isGap(row) ? 0 : 1;
        return comparison;
    }));
    const ViewerTexts &t = TextsOf(language_);
    charts_->SetReplay(&replay_, Tr(t.model).arg(modelName_));
    ApplyTexts();
    ShowCursorValues();
    FillDifferences();
    return true;
}

void LogViewer::FinishComparison() {
    if (!replayed() || compared_)
        return;
    comparing_.waitForFinished();
    TakeComparison(comparing_.result());
}

void LogViewer::TakeComparison(const Comparison &comparison) {
    compared_ = comparison;
    differences_ = comparison.differences;
    ApplyTexts();
    FillDifferences();
}

QString LogViewer::ComparedWith() const {
    const ViewerTexts &t = TextsOf(language_);
    if (!replayed())
        return QString();
    if (!compared_)
        return Tr(t.searching);
    if (compared_->fallbackRows == 0)
        return Tr(t.recorded);
    return Tr(t.fallback).arg(compared_->fallbackRows).arg(compared_->rows);
}

void LogViewer::FillDifferences() {
    differencesTree_->clear();
    const ViewerTexts &t = TextsOf(language_);
    for (const CellDifference &cell : differences_) {
        const MapAxes axes = UnitMapAxes(*other_, cell.map);
        const int map = static_cast<int>(cell.map);
        // The load as the map's axis shows it; none for a map over the speed alone.
        QString load;
        if (axes.load.size() > 1 && cell.row < static_cast<int>(axes.load.size()))
            load = other_->byte(Adrb::LoadSensor) == 2
                       ? QStringLiteral("%1 kPa").arg(axes.load[cell.row])
                       : QStringLiteral("%1 %").arg(QString::number(axes.load[cell.row] / 10.0));
        new QTreeWidgetItem(differencesTree_, {Tr(t.maps[map]), QString::fromStdString(LogSeconds(cell.ms)),
                                               QString::number(axes.rpm[cell.column]), load,
                                               QString::number(cell.before), QString::number(cell.after)});
    }
}

} // namespace zarvex1
