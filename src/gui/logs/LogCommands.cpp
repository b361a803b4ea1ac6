#include "gui/logs/LogCommands.h"

#include "core/safety/RestorePoints.h"
#include "core/session/ParameterSession.h"
#include "core/texts/MessageTexts.h"
#include "gui/logs/CellTimeOverlay.h"
#include "gui/logs/LogRecording.h"
#include "gui/logs/LogViewer.h"
#include "gui/widgets/Dialogs.h"

#include <QAction>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>

#include <array>

namespace zarvex1 {

namespace {

struct CommandTexts {
    const char *open;       // File > Open log
    const char *shade;      // Tools > Shade maps by time in cell
    const char *unreadable; // %1 the file, %2 the reader's reason
    const char *filter;
};

// English, German, Czech.
constexpr std::array<CommandTexts, 3> Texts = {{
    {"Open &log…", "Shade maps by &time in cell", "The log %1 cannot be opened:\n%2", "Logs (*.csv)"},
    {"Protokoll ö&ffnen…", "Kennfelder nach &Verweildauer schattieren",
     "Das Protokoll %1 kann nicht geöffnet werden:\n%2", "Protokolle (*.csv)"},
    {"Otevřít &záznam…", "Stínovat mapy podle &doby v buňce", "Záznam %1 nelze otevřít:\n%2",
     "Záznamy (*.csv)"},
}};

const CommandTexts &TextsOf(int language) {
    return Texts[language == Language::German ? 1 : language == Language::Czech ? 2 : 0];
}

} // namespace

LogCommands::LogCommands(Window window, QObject *parent) : QObject(parent), window_(std::move(window)) {
    const ParameterSession &session = *window_.session;
    live_ = std::make_unique<LiveCellTime>(session.image());
    LogRecording::Owner owner;
    owner.nowMs = window_.nowMs;
    owner.fileName = [&session] { return session.currentFile(); };
    owner.say = [this](const QString &text) { Dialogs::Notify(window_.window, text); };
    recording_ = new LogRecording(window_.toolBar, std::move(owner), &session, this);

    open_ = new QAction(this);
    open_->setObjectName(QStringLiteral("MenuOpenLog"));
    open_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(open_, &QAction::triggered, this, &LogCommands::OpenLogWithDialog);
    if (window_.fileMenu) {
        window_.fileMenu->insertAction(window_.fileMenuBefore, recording_->action());
        window_.fileMenu->insertAction(window_.fileMenuBefore, open_);
        window_.fileMenu->insertSeparator(window_.fileMenuBefore);
    }

    shade_ = new QAction(this);
    shade_->setObjectName(QStringLiteral("MenuShadeTimeInCell"));
    shade_->setCheckable(true);
    connect(shade_, &QAction::toggled, this, [this] { RefreshMaps(); });
    if (window_.toolsMenu) {
        window_.toolsMenu->addSeparator();
        window_.toolsMenu->addAction(shade_);
    }

    for (const MapEditorOf &map : window_.maps)
        overlays_.push_back(new CellTimeOverlay(map.editor, map.mapOf, [this](UnitMap unitMap) {
            return UnitMapAxes(window_.session->image(), unitMap);
        }));
}

LogCommands::~LogCommands() = default;

bool LogCommands::LogShown() const {
    return viewer_ && viewer_->isVisible() && viewer_->log();
}

void LogCommands::OpenLogWithDialog() {
    const QString start = QString::fromStdString(recording_->folder().string());
    const QString path =
        Dialogs::OpenFileName(window_.window, start, QString::fromUtf8(TextsOf(language_).filter));
    if (!path.isEmpty())
        OpenLog(path.toStdString());
}

bool LogCommands::OpenLog(const std::filesystem::path &path) {
    if (!viewer_) {
        viewer_ = new LogViewer(
            window_.settingsFolder / "logviewer.ini", RestorePointStore::FolderBeside(window_.settingsFolder),
            [this] { return window_.session->image(); }, window_.window);
        viewer_->ApplyLanguage(language_);
        connect(viewer_, &LogViewer::cursorMoved, this, &LogCommands::RefreshMaps);
    }
    std::string error;
    if (!viewer_->Open(path, error)) {
        Dialogs::Message(window_.window, QString::fromUtf8(TextsOf(language_).unreadable)
                                             .arg(QFileInfo(QString::fromStdString(path.string())).fileName(),
                                                  QString::fromStdString(error)));
        return false;
    }
    for (std::optional<CellTime> &time : logTime_)
        time.reset();
    viewer_->show();
    viewer_->raise();
    viewer_->activateWindow();
    RefreshMaps();
    return true;
}

std::vector<LiveWatcher *> LogCommands::LiveWatchers() {
    return {&recording_->watcher(), live_.get()};
}

void LogCommands::Tick() {
    recording_->Tick();
    RefreshMaps();
    // The live shading follows the engine once a second.
    const long long now = window_.nowMs();
    if (shade_->isChecked() && !LogShown() && now - lastShadeMs_ >= 1000) {
        lastShadeMs_ = now;
        for (CellTimeOverlay *overlay : overlays_)
            if (overlay->isVisible())
                overlay->update();
    }
}

void LogCommands::RefreshMaps() {
    const bool logShown = LogShown();
    const std::optional<OperatingPoint> ring = logShown && viewer_->cursorRow() >= 0
                                                   ? LogPoint(*viewer_->log(), viewer_->cursorRow())
                                                   : std::nullopt;
    for (CellTimeOverlay *overlay : overlays_) {
        const std::optional<UnitMap> map = overlay->CurrentMap();
        if (!map || !shade_->isChecked()) {
            overlay->SetCellTime(nullptr);
        } else {
            const MapAxes axes = UnitMapAxes(window_.session->image(), *map);
            if (logShown) {
                std::optional<CellTime> &time = logTime_[static_cast<std::size_t>(*map)];
                if (!time || time->axes().rpm != axes.rpm || time->axes().load != axes.load) {
                    time.emplace(axes);
                    time->AddLog(*viewer_->log());
                    overlay->update();
                }
                overlay->SetCellTime(&*time);
            } else {
                overlay->SetCellTime(&live_->For(*map));
            }
        }
        overlay->SetRing(ring);
    }
}

void LogCommands::ApplyLanguage(int languageIndex) {
    language_ = languageIndex;
    recording_->ApplyLanguage(languageIndex);
    const CommandTexts &texts = TextsOf(languageIndex);
    open_->setText(QString::fromUtf8(texts.open));
    shade_->setText(QString::fromUtf8(texts.shade));
    if (viewer_)
        viewer_->ApplyLanguage(languageIndex);
}

void LogCommands::Close() {
    recording_->Stop();
    if (viewer_)
        viewer_->close();
}

} // namespace zarvex1
