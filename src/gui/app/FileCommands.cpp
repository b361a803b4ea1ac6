#include "core/files/ApplicationSettings.h"
#include "core/files/FitToMonitor.h"
#include "core/files/SettingsFolder.h"
#include "gui/app/MainForm.h"
#include "gui/widgets/Dialogs.h"
#include "qtport/SettingsLocation.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QProgressBar>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>

#include <vector>

namespace zarvex1 {

namespace {

const QString OpenFilter = QStringLiteral("Ignition Parametrs(*.ign);;All Files (*.*)");
const QString SaveFilter = QStringLiteral("Ignition Parametrs(*.ign)");

std::filesystem::path ToPath(const QString &text) {
    return std::filesystem::path(text.toStdU16String());
}

bool ControlHeld() {
    return QApplication::keyboardModifiers() & Qt::ControlModifier;
}

std::vector<ScreenRect> Monitors() {
    std::vector<ScreenRect> monitors;
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect r = screen->availableGeometry();
        monitors.push_back({r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
    }
    return monitors;
}

// The window's layout grows it to its minimum size when it is first shown (a tiny stored size): the place
// is fitted once more to the size it then has, so that it never hangs over a monitor's edge.
class FitOnFirstShow : public QObject {
public:
    explicit FitOnFirstShow(QWidget *window) : QObject(window), window_(window) {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched == window_ && event->type() == QEvent::Show) {
            window_->removeEventFilter(this);
            const WindowPlacement shown{window_->x(), window_->y(), window_->width(), window_->height()};
            const ScreenRect fitted = RestoredWindowRect(shown, shown, Monitors(), window_->minimumWidth(),
                                                         window_->minimumHeight());
            if (fitted.left != shown.left || fitted.top != shown.top)
                window_->move(fitted.left, fitted.top);
            deleteLater();
        }
        return false;
    }

private:
    QWidget *window_;
};

} // namespace

ApplicationSettings TMainForm::WindowPlace() const {
    ApplicationSettings place;
    place.left = x();
    place.top = y();
    place.width = width();
    place.height = height();
    return place;
}

void TMainForm::LoadSettings() {
    ApplicationSettings stored = WindowPlace();
    session_.LoadSettings(settingsFolder, stored);

    // The window goes back where it was, but always onto a monitor that is there now.
    const std::vector<ScreenRect> monitors = Monitors();
    const ScreenRect fitted = RestoredWindowRect({stored.left, stored.top, stored.width, stored.height},
                                                 {x(), y(), width(), height()}, monitors);
    move(fitted.left, fitted.top);
    resize(fitted.width(), fitted.height());
    new FitOnFirstShow(this);
    link_->RestoreAdapter(stored.comDevice);
}

void TMainForm::SaveSettings() {
    if (!options_.ownsSettings)
        return;
    ApplicationSettings place = WindowPlace();
    place.comDevice = link_->portSelection().adapter();
    session_.Close(settingsFolder, place);
    defaultIniKeeper_->MarkWritten();
}

void TMainForm::RebuildRecentMenu() {
    const RecentFiles &recent = session_.recentFiles();
    // Edits leave the list alone: the menu is built again only when the list changed.
    if (shownRecent_ && *shownRecent_ == recent)
        return;
    shownRecent_ = recent;
    for (int item = 1; item <= 9; ++item) {
        QAction *action = MenuHistory[item - 1];
        action->setVisible(recent.MenuItemVisible(item));
        if (item < recent.count()) {
            action->setText(QString::fromStdString(recent.caption(item)));
            action->setStatusTip(QString::fromStdString(recent.entry(item)));
        }
    }
    MenuHistoryEnd->setVisible(recent.MenuSeparatorVisible());
}

QString TMainForm::DialogFileName() const {
    return QString::fromStdString(session_.lastPath());
}

void TMainForm::OpenWithDialog(int flags) {
    if (flags & 1)
        session_.SetLastPath(defaultParameterPath_.toStdString());
    const QString path = Dialogs::OpenFileName(this, DialogFileName(), OpenFilter);
    if (path.isEmpty())
        return;
    session_.Open(ToPath(path), (flags & 2) != 0);
}

void TMainForm::SaveParameterFile(bool toDefaultPath) {
    if (toDefaultPath)
        session_.SetLastPath(defaultParameterPath_.toStdString());
    const QString path = Dialogs::SaveFileName(this, DialogFileName(), SaveFilter);
    if (path.isEmpty())
        return;
    session_.Save(ToPath(path));
}

bool TMainForm::DropFiles(const QStringList &paths) {
    for (const QString &path : paths) {
        if (IsParameterFileName(path.toStdString())) {
            session_.SetLastPath(path.toStdString());
            session_.Open(ToPath(path), false);
            return true;
        }
    }
    return false;
}

void TMainForm::dragEnterEvent(QDragEnterEvent *event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent *event) {
    QStringList paths;
    for (const QUrl &url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    if (DropFiles(paths))
        event->acceptProposedAction();
}

void TMainForm::ConnectFileCommands() {
    connect(MenuNew, &QAction::triggered, this, [this] { session_.New(false); });
    connect(MenuNewActPage, &QAction::triggered, this, [this] { session_.New(true); });
    connect(MenuOpen, &QAction::triggered, this, [this] { OpenWithDialog(0); });
    connect(MenuOpenExeDir, &QAction::triggered, this, [this] { OpenWithDialog(1); });
    connect(MenuOpenActPage, &QAction::triggered, this, [this] { OpenWithDialog(2); });
    connect(MenuSave, &QAction::triggered, this, [this] { SaveParameterFile(false); });
    connect(MenuSaveExeDir, &QAction::triggered, this, [this] { SaveParameterFile(true); });
    for (int item = 1; item <= 9; ++item)
        connect(MenuHistory[item - 1], &QAction::triggered, this,
                [this, item] { session_.OpenRecent(item); });
    // The tool buttons: with a Control key held, Open and Save use the file beside the executable.
    connect(SpeedButtonOpen, &QToolButton::clicked, this, [this] { OpenWithDialog(ControlHeld() ? 1 : 0); });
    connect(SpeedButtonNew, &QToolButton::clicked, MenuNew, &QAction::trigger);
    connect(SpeedButtonSave, &QToolButton::clicked, this, [this] { SaveParameterFile(ControlHeld()); });
    setAcceptDrops(true);
}

} // namespace zarvex1
