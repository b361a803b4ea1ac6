#include "app/Dialogs.h"
#include "app/MainForm.h"
#include "files/ApplicationSettings.h"
#include "files/DefaultIni.h"
#include "files/FitToMonitor.h"
#include "files/ParameterFile.h"
#include "files/SettingsFolder.h"
#include "files/SettingsLocation.h"

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

} // namespace

void TMainForm::LoadSettings() {
    ApplicationSettings stored;
    stored.left = x();
    stored.top = y();
    stored.width = width();
    stored.height = height();
    stored.link = settings;
    stored.activePageIndex = ActivePageIndex();
    ReadApplicationSettings(ApplicationIniPath(settingsFolder), stored);

    // The window goes back where it was, but always onto a monitor that is there now.
    std::vector<ScreenRect> monitors;
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect r = screen->availableGeometry();
        monitors.push_back({r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
    }
    const ScreenRect fitted = FitToMonitor(
        {stored.left, stored.top, stored.left + stored.width, stored.top + stored.height}, monitors);
    move(fitted.left, fitted.top);
    resize(fitted.right - fitted.left, fitted.bottom - fitted.top);

    settings = stored.link;
    messageTexts[1] = stored.file;
    dialogFileName = QString::fromStdString(stored.iniDir);
    if (stored.activePageIndex >= 0 && stored.activePageIndex < Page::Count)
        PageControl1->setCurrentIndex(stored.activePageIndex);
    recentFiles = stored.recentFiles;
    RebuildRecentMenu();
    ReadDefaultIni(DefaultIniPath(settingsFolder), image);
}

void TMainForm::SaveSettings() {
    ApplicationSettings stored;
    stored.left = x();
    stored.top = y();
    stored.width = width();
    stored.height = height();
    stored.link = settings;
    stored.file = messageTexts[1];
    stored.iniDir = dialogFileName.toStdString();
    stored.activePageIndex = ActivePageIndex();
    stored.recentFiles = recentFiles;
    WriteApplicationSettings(ApplicationIniPath(settingsFolder), stored);
    WriteDefaultIni(DefaultIniPath(settingsFolder), image);
}

void TMainForm::RebuildRecentMenu() {
    for (int item = 1; item <= 9; ++item) {
        QAction *action = MenuHistory[item - 1];
        action->setVisible(recentFiles.MenuItemVisible(item));
        if (item < recentFiles.count()) {
            action->setText(QString::fromStdString(recentFiles.caption(item)));
            action->setStatusTip(QString::fromStdString(recentFiles.entry(item)));
        }
    }
    MenuHistoryEnd->setVisible(recentFiles.MenuSeparatorVisible());
}

void TMainForm::RecordCurrentFile(const QString &path) {
    messageTexts[1] = path.toStdString();
    UpdateCaption();
    dialogFileName = path;
}

void TMainForm::ShowFileMessage(int slot) {
    if (slot >= 0)
        Dialogs::Message(this, QString::fromStdString(messageTexts[slot]));
}

void TMainForm::NewParameters(bool currentPageOnly) {
    if (Dialogs::AskYesNoCancel(this, QString::fromStdString(messageTexts[33])) != QMessageBox::Yes)
        return;
    SetDefaults(image, defaults, currentPageOnly ? ActivePageIndex() : Page::All);
    ImageToPages();
    Commit();
    LabelMessage->hide();
    CGaugeProgram->hide();
    // The parameters no longer come from a file.
    messageTexts[1].clear();
    UpdateCaption();
}

void TMainForm::OpenWithDialog(int flags) {
    const int page = (flags & 2) ? ActivePageIndex() : Page::All;
    if (flags & 1)
        dialogFileName = defaultParameterPath;
    const QString path = Dialogs::OpenFileName(this, dialogFileName, OpenFilter);
    if (path.isEmpty())
        return;
    LoadParameterFile(page, path);
}

bool TMainForm::LoadParameterFile(int page, const QString &path) {
    const LoadResult result = zarvex1::LoadParameterFile(page, ToPath(path), image, defaults);
    ShowFileMessage(result.message);
    if (result.loaded) {
        ImageToPages();
        Commit();
        RecordCurrentFile(path);
        recentFiles.AddRecentFile(path.left(8190).toStdString());
        RebuildRecentMenu();
    }
    LabelMessage->hide();
    CGaugeProgram->hide();
    return result.loaded;
}

void TMainForm::SaveParameterFile(bool toDefaultPath) {
    if (toDefaultPath)
        dialogFileName = defaultParameterPath;
    const QString path = Dialogs::SaveFileName(this, dialogFileName, SaveFilter);
    if (path.isEmpty())
        return;
    PagesToImage();
    LimitParameters(image, settings);
    ImageToPages();
    if (!WriteParameterFile(image, ToPath(path))) {
        ShowFileMessage(FileMessage::OpenFileError);
        return;
    }
    RecordCurrentFile(path);
}

void TMainForm::MenuHistoryClick(int item) {
    if (item >= 1 && item < recentFiles.count())
        LoadParameterFile(Page::All, QString::fromStdString(recentFiles.entry(item)));
}

bool TMainForm::DropFiles(const QStringList &paths) {
    for (const QString &path : paths) {
        if (IsParameterFileName(path.toStdString())) {
            dialogFileName = path;
            LoadParameterFile(Page::All, path);
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
    connect(MenuNew, &QAction::triggered, this, [this] { NewParameters(false); });
    connect(MenuNewActPage, &QAction::triggered, this, [this] { NewParameters(true); });
    connect(MenuOpen, &QAction::triggered, this, [this] { OpenWithDialog(0); });
    connect(MenuOpenExeDir, &QAction::triggered, this, [this] { OpenWithDialog(1); });
    connect(MenuOpenActPage, &QAction::triggered, this, [this] { OpenWithDialog(2); });
    connect(MenuSave, &QAction::triggered, this, [this] { SaveParameterFile(false); });
    connect(MenuSaveExeDir, &QAction::triggered, this, [this] { SaveParameterFile(true); });
    for (int item = 1; item <= 9; ++item)
        connect(MenuHistory[item - 1], &QAction::triggered, this, [this, item] { MenuHistoryClick(item); });
    // The tool buttons: with a Control key held, Open and Save use the file beside the executable.
    connect(SpeedButtonOpen, &QToolButton::clicked, this, [this] { OpenWithDialog(ControlHeld() ? 1 : 0); });
    connect(SpeedButtonNew, &QToolButton::clicked, this, [this] { NewParameters(false); });
    connect(SpeedButtonSave, &QToolButton::clicked, this, [this] { SaveParameterFile(ControlHeld()); });
    setAcceptDrops(true);
}

} // namespace zarvex1
